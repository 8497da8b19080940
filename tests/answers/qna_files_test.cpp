#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <tuple>

#include "answers/file_types.h"
#include "answers/qa_module.h"
#include "answers/qna_files.h"
#include "framework/core/date.h"
#include "framework/core/runtime.h"
#include "tests/support/scripted_desktop.h"
#include "tests/answers/answer_file_bytes.h"
#include "tests/support/error_messages.h"
#include "tests/support/file_test_support.h"

using answer_file_bytes::Field;
using answer_file_bytes::LoadError;
using answer_file_bytes::SaveError;
using answer_file_bytes::OldField;
using test_support::ReadBytes;
using test_support::WriteBytes;

namespace {

const std::string kTerminator = "\xC2\x96";

class AnswerFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        FileTypes::_Initialize();
        QA_Module::tmpSubject = fw::New<QnA_FakeSub>();
        QA_Module::tmpSubject->Constructor();
        QnA_Files::QnARead = fw::String();
        QnA_Files::QnAWrite = fw::String();
        NowIs(fw::Date(2026, 7, 3, 9, 5));
    }
    void TearDown() override
    {
        fw::Date::SetNowSourceForTesting(nullptr);
        QA_Module::tmpSubject.Release();
        FileTypes::Release();
    }

    static void NowIs(fw::Date d)
    {
        fw::Date::SetNowSourceForTesting([d] { return d; });
    }
    static QnA_Data& Record0() { return QA_Module::tmpSubject->QnA_List(0).Get(); }

    // As the save command does: the page's ten texts copied into record 0.
    static void Typed(const std::vector<std::string>& answers)
    {
        auto page = fw::New<QnA_Data>();
        page->Set_Num(10);
        for (int i = 0; i < 10; ++i)
            page->Value(i) = fw::String(i < static_cast<int>(answers.size()) ? answers[i] : "");
        Record0().CopyFrom(page);
    }
    static std::vector<std::string> Answers()
    {
        std::vector<std::string> out;
        for (int i = 0; i < Record0().NumVals; ++i)
            out.push_back(fw::IsNull(Record0().Value(i)) ? "<null>" : fw::CStr(Record0().Value(i)).ToUTF8());
        return out;
    }
    void Choose(const std::string& path) { desktop.fileAnswers.push_back(path); }
    std::vector<std::string> MessageTexts() const { return test_support::ErrorMessageTexts(desktop); }
    // The fields of one stored record: its index, then its values.
    static std::string Record(const std::u32string& index, const std::vector<std::u32string>& values)
    {
        std::string bytes = Field(index);
        for (const auto& v : values)
            bytes += Field(v);
        return bytes;
    }
    // A current file holding one record 0 of the ten values.
    static std::string CurrentFile(const std::vector<std::u32string>& values)
    {
        return Field(U"2") + Field(U"1") + Record(U"0", values);
    }

    test_support::ScratchFolder folder;
    fw::ScriptedDesktop desktop;
};

const std::vector<std::string> kBefore = {"b0", "b1", "b2", "b3", "b4", "b5", "b6", "b7", "b8", "b9"};
const std::vector<std::u32string> kTen = {U"one", U"two", U"three", U"four", U"five",
                                          U"six", U"seven", U"eight", U"nine", U"ten"};
const std::vector<std::string> kTenUtf8 = {"one", "two", "three", "four", "five",
                                           "six", "seven", "eight", "nine", "ten"};

} // namespace

// ---- Saving

TEST_F(AnswerFiles, SavedFileHoldsExactlyTheFieldsOfTheRecord)
{
    Typed({"Ab"});
    Choose(folder / "a.vqa");
    QnA_Files::QA_SaveDAT();

    std::string expected = "\x35\xC2\x96\x34\xC2\x96\x33\xC2\x96\x65\x44\xC2\x96";
    for (int i = 0; i < 9; ++i)
        expected += kTerminator;
    EXPECT_EQ(ReadBytes(folder / "a.vqa"), expected);
    EXPECT_EQ(expected.size(), 31u);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(AnswerFiles, RecordNotSetIsSavedAsVersionAndZeroCount)
{
    Choose(folder / "a.vqa");
    QnA_Files::QA_SaveDAT();
    EXPECT_EQ(ReadBytes(folder / "a.vqa"), "5" + kTerminator + "3" + kTerminator);
}

TEST_F(AnswerFiles, ProposedNameHoldsTheDateWithoutLeadingZeros)
{
    QnA_Files::QA_SaveDAT();
    NowIs(fw::Date(2026, 12, 11, 14, 30));
    QnA_Files::QA_SaveDAT();
    ASSERT_EQ(desktop.dialogs.size(), 2u);
    EXPECT_EQ(desktop.dialogs[0].defaultName, "QELM_QnA_73202695.vqa");
    EXPECT_EQ(desktop.dialogs[1].defaultName, "QELM_QnA_121120261430.vqa");
    ASSERT_EQ(desktop.dialogs[0].filters.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].filters[0].name, "QELM QnA (UTF8)");
    EXPECT_EQ(desktop.dialogs[0].filters[0].extensions, std::vector<std::string>{".vqa"});
    EXPECT_TRUE(desktop.messages.empty()) << "a cancelled save says nothing";
    EXPECT_TRUE(folder.Names().empty()) << "a cancelled save writes nothing";
}

TEST_F(AnswerFiles, ChosenNameGetsTheExtensionUnlessItEndsWithIt)
{
    const std::pair<std::string, std::string> cases[] = {
        {"answers", "answers.vqa"},     {"answers.vqa", "answers.vqa"}, {"ANSWERS.VQA", "ANSWERS.VQA"},
        {"notes.txt", "notes.txt.vqa"}, {"a.b", "a.b.vqa"},
    };
    for (const auto& [chosen, written] : cases) {
        Choose(folder / chosen);
        QnA_Files::QA_SaveDAT();
        EXPECT_EQ(ReadBytes(folder / written).size(), 6u) << chosen;
    }
    EXPECT_EQ(folder.Names(),
              (std::set<std::string>{"answers.vqa", "ANSWERS.VQA", "notes.txt.vqa", "a.b.vqa"}));
}

TEST_F(AnswerFiles, EverySaveBuildsTheTextAfresh)
{
    Typed({"same"});
    Choose(folder / "1.vqa");
    QnA_Files::QA_SaveDAT();
    Choose(folder / "2.vqa");
    QnA_Files::QA_SaveDAT();
    EXPECT_EQ(ReadBytes(folder / "1.vqa"), ReadBytes(folder / "2.vqa"));
}

TEST_F(AnswerFiles, CharacterTheFormatCannotCarryIsRefusedBeforeTheDialog)
{
    WriteBytes(folder / "a.vqa", "old");
    const std::pair<int, std::string> cases[] = {
        {4, "x\xC2\x93y"},         // U+0093 would end the field early
        {10, "\xF4\x8F\xBF\xBD"},  // U+10FFFD has no character three above
        {1, "\xED\x9F\xBD"},       // U+D7FD would become a surrogate
    };
    for (const auto& [number, text] : cases) {
        std::vector<std::string> typed = kBefore;
        typed[number - 1] = text;
        Typed(typed);
        Choose(folder / "a.vqa");
        desktop.messages.clear();
        QnA_Files::QA_SaveDAT();

        EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Answer " + std::to_string(number) +
                                                           " contains a character that cannot be saved in a "
                                                           "QnA file. Please remove it and save again."});
        EXPECT_TRUE(desktop.dialogs.empty());
        EXPECT_EQ(Answers(), typed);
        desktop.fileAnswers.clear();
    }
    EXPECT_EQ(ReadBytes(folder / "a.vqa"), "old");
}

TEST_F(AnswerFiles, AnswersLargerThanALoadReadsAreRefusedBeforeTheDialog)
{
    std::string huge; // 64 MiB in four-byte characters, the fewest to scramble; the other fields pass the limit
    huge.reserve(fw::kMaxTextFileBytes);
    while (huge.size() < fw::kMaxTextFileBytes)
        huge += "\xF0\x9F\x98\x80";
    Typed({"short", huge});
    Choose(folder / "a.vqa");
    QnA_Files::QA_SaveDAT();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"The answers cannot be saved: a QnA file may hold at most "
                                                       "64 MiB, and these answers would take 65 MiB. Please "
                                                       "shorten them and save again."});
    EXPECT_TRUE(desktop.dialogs.empty());
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_TRUE(fw::CStr(Record0().Value(1)).Bytes() == huge) << "the answers stay";
}

TEST_F(AnswerFiles, SaveIntoAFolderThatCannotBeWrittenIsReportedAndKeepsTheOldFile)
{
    WriteBytes(folder / "a.vqa", "old");
    ::chmod(folder.Path().c_str(), 0500);
    test_support::ObeyFilePermissions obey;
    if (test_support::CanCreateIn(folder.Path()))
        GTEST_SKIP() << "this process may write into read-only folders";
    Typed(kBefore);
    desktop.messageAnswers.push_back(6); // replace it
    Choose(folder / "a.vqa");
    QnA_Files::QA_SaveDAT();
    ASSERT_FALSE(desktop.messages.empty());
    desktop.messages.erase(desktop.messages.begin()); // the replace question
    const std::string reason = "the folder \"" + folder.Path() + "\" does not let a new file be made there: " +
                               std::strerror(EACCES);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{SaveError(folder / "a.vqa", reason, true)});
    EXPECT_EQ(ReadBytes(folder / "a.vqa"), "old");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"a.vqa"});
}

TEST_F(AnswerFiles, SaveIntoAMissingFolderIsReported)
{
    Choose(folder / "gone/a.vqa");
    QnA_Files::QA_SaveDAT();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{SaveError(folder / "gone/a.vqa", std::strerror(ENOENT), false)});
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(AnswerFiles, WhatCannotBeReplacedIsRefusedWithoutAQuestion)
{
    std::filesystem::create_directory(folder / "box.vqa");
    ::symlink((folder / "nothing").c_str(), (folder / "dangling.vqa").c_str());
    ::mkfifo((folder / "pipe.vqa").c_str(), 0600);
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"box", "box.vqa/", "it is a folder, not a file"},
        {"dangling.vqa", "dangling.vqa", "it is a link to a file that does not exist"},
        {"pipe.vqa", "pipe.vqa", "it is a named pipe, not a regular file"}};
    Typed(kBefore);
    for (const auto& [chosen, shown, reason] : cases) {
        desktop.messages.clear();
        desktop.messageAnswers = {6}; // replace it, were it asked
        Choose(folder / chosen);
        QnA_Files::QA_SaveDAT();
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{SaveError(folder / shown, reason, false)});
    }
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"box.vqa", "dangling.vqa", "pipe.vqa"}));
}

// ---- Loading

TEST_F(AnswerFiles, LoadFillsRecordZeroFromACurrentFile)
{
    Typed(kBefore);
    WriteBytes(folder / "a.vqa", CurrentFile(kTen));
    Choose(folder / "a.vqa");

    EXPECT_TRUE(QnA_Files::QA_OpenDAT());
    EXPECT_EQ(Answers(), kTenUtf8);
    EXPECT_TRUE(Record0().IsSet);
    EXPECT_TRUE(QnA_Files::QnARead.IsEmpty());
    EXPECT_TRUE(desktop.messages.empty());
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].filters[0].name, "QELM QnA");
    EXPECT_EQ(desktop.dialogs[0].filters[0].extensions, (std::vector<std::string>{".vqa", ".qlq"}));
}

TEST_F(AnswerFiles, SavedAnswersLoadBackAsTyped)
{
    const std::vector<std::string> typed = {
        "first line\nsecond line", "caf\xC3\xA9 cr\xC3\xA8me", "\xF0\x9F\x98\x80 smile", "", "tab\there",
        "\xE2\x80\x93 dash and \xE2\x82\xAC", "~}|", "\xC2\x96 inside", "\xE6\x97\xA5\xE6\x9C\xAC", "last"};
    Typed(typed);
    Choose(folder / "round");
    QnA_Files::QA_SaveDAT();
    Typed(kBefore);

    Choose(folder / "round.vqa");
    EXPECT_TRUE(QnA_Files::QA_OpenDAT());
    EXPECT_EQ(Answers(), typed);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(AnswerFiles, LoadReadsAVersion1FileBuiltByteByByte)
{
    std::string bytes = OldField("1") + OldField("1") + OldField("0");
    const std::string values[] = {"caf\xE9", "\x80 5", "a\x96z", "", "\xFC\xE0", "x", "y", "z", "w", "v"};
    for (const auto& v : values)
        bytes += OldField(v);
    WriteBytes(folder / "old.qlq", bytes);
    Choose(folder / "old.qlq");

    EXPECT_TRUE(QnA_Files::QA_OpenDAT());
    EXPECT_EQ(Answers(), (std::vector<std::string>{"caf\xC3\xA9", "\xE2\x82\xAC 5", "a\xE2\x80\x93z", "",
                                                   "\xC3\xBC\xC3\xA0", "x", "y", "z", "w", "v"}));
    EXPECT_TRUE(Record0().IsSet);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(AnswerFiles, VersionIsComparedAsANumber)
{
    WriteBytes(folder / "a.vqa", Field(U"2.0") + Field(U"1") + Record(U"0", kTen) + Field(U"ignored") + "trailing");
    Choose(folder / "a.vqa");
    EXPECT_TRUE(QnA_Files::QA_OpenDAT());
    EXPECT_EQ(Answers(), kTenUtf8);
    EXPECT_TRUE(desktop.messages.empty()) << "fields after the last record are ignored";
}

TEST_F(AnswerFiles, FileWithoutRecordsChangesNothingAndSaysNothing)
{
    Typed(kBefore);
    WriteBytes(folder / "a.vqa", Field(U"2") + Field(U"0"));
    Choose(folder / "a.vqa");
    EXPECT_TRUE(QnA_Files::QA_OpenDAT());
    EXPECT_EQ(Answers(), kBefore);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(AnswerFiles, LaterRecordOfTheSameIndexWins)
{
    const std::vector<std::u32string> first(10, U"first");
    WriteBytes(folder / "a.vqa", Field(U"2") + Field(U"2") + Record(U"0", first) + Record(U"0", kTen));
    Choose(folder / "a.vqa");
    EXPECT_TRUE(QnA_Files::QA_OpenDAT());
    EXPECT_EQ(Answers(), kTenUtf8);
}

TEST_F(AnswerFiles, CancelledOpenChangesNothing)
{
    Typed(kBefore);
    QnA_Files::QnARead = "unread";
    EXPECT_FALSE(QnA_Files::QA_OpenDAT());
    EXPECT_EQ(Answers(), kBefore);
    EXPECT_EQ(QnA_Files::QnARead.ToUTF8(), "unread");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(AnswerFiles, RefusedVersionIsReportedAndTheProgramCarriesOn)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a.vqa", Field(U"3") + Field(U"1") + Field(U"0")},
        {"b.vqa", Field(U"1") + Field(U"0")},     // a current file must say 2
        {"c.qlq", OldField("2") + OldField("0")}, // a version-1 file must say 1
    };
    const std::string refused[] = {"3", "1", "2"};
    Typed(kBefore);
    for (std::size_t i = 0; i < 3; ++i) {
        WriteBytes(folder / cases[i].first, cases[i].second);
        Choose(folder / cases[i].first);
        desktop.messages.clear();
        EXPECT_FALSE(QnA_Files::QA_OpenDAT());
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{"QnA file version of " + refused[i] +
                                                           " does not match any known versions!"});
    }
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_EQ(Answers(), kBefore);
}

TEST_F(AnswerFiles, LoadThatFailsChangesNoRecord)
{
    const std::string fourValues = Field(U"2") + Field(U"1") + Record(U"0", std::vector<std::u32string>(4, U"partial"));
    const std::string complete = CurrentFile(kTen);
    // A complete record whose fifth value's field is the given bytes.
    const auto fifthField = [](const std::string& field) {
        std::string bytes = Field(U"2") + Field(U"1") + Field(U"0");
        for (int i = 0; i < 10; ++i)
            bytes += i == 4 ? field : Field(U"v");
        return bytes;
    };
    std::string oldFourValues = OldField("1") + OldField("1") + OldField("0");
    for (int i = 0; i < 4; ++i)
        oldFourValues += OldField("partial");

    const std::string endsInAField = "it ends in the middle of a field";
    const std::string noSuchRecord = "it names a record that does not exist";
    const std::string noCharacter = "it holds a code that names no character";
    const struct {
        std::string name;
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"empty.vqa", "", endsInAField},
        {"truncated.vqa", fourValues, endsInAField},
        {"cut-in-a-field.vqa", complete.substr(0, complete.size() - 3), endsInAField},
        {"count-too-large.vqa", Field(U"2") + Field(U"2") + Record(U"0", kTen), endsInAField},
        {"index-1.vqa", Field(U"2") + Field(U"2") + Record(U"0", kTen) + Record(U"1", kTen), noSuchRecord},
        {"index-5.vqa", Field(U"2") + Field(U"1") + Record(U"5", kTen), noSuchRecord},
        {"index-negative.vqa", Field(U"2") + Field(U"1") + Field(U"-1"), noSuchRecord},
        {"invalid-utf8.vqa", fifthField("\xC3(" + kTerminator), "it is not valid UTF-8 text"},
        {"code-below-zero.vqa", fifthField("\x01" + kTerminator), noCharacter},
        {"surrogate-code.vqa", fifthField("\xEE\x80\x80" + kTerminator), noCharacter},
        {"plain-text.vqa", "just some text", endsInAField},
        {"missing.vqa", "", std::strerror(ENOENT)}, // chosen but not there
        {"truncated.qlq", oldFourValues, endsInAField},
        {"code-below-zero.qlq", oldFourValues + "\x02\x96", noCharacter},
    };
    for (const auto& [name, bytes, reason] : cases) {
        SCOPED_TRACE(name);
        Typed(kBefore);
        Record0().IsSet = false;
        if (name != "missing.vqa")
            WriteBytes(folder / name, bytes);
        Choose(folder / name);
        desktop.messages.clear();

        EXPECT_FALSE(QnA_Files::QA_OpenDAT());
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{LoadError(folder / name, reason)});
        EXPECT_EQ(Answers(), kBefore);
        EXPECT_FALSE(Record0().IsSet);
        EXPECT_TRUE(QA_Module::tmpSubject->QnA_List(1).IsNil());
    }
}

TEST_F(AnswerFiles, LoadWithoutAWorkingSubjectIsReported)
{
    QA_Module::tmpSubject.Release();
    WriteBytes(folder / "none.vqa", Field(U"2") + Field(U"0"));
    WriteBytes(folder / "one.vqa", CurrentFile(kTen));
    Choose(folder / "none.vqa");
    EXPECT_TRUE(QnA_Files::QA_OpenDAT());
    Choose(folder / "one.vqa");
    EXPECT_FALSE(QnA_Files::QA_OpenDAT());
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{LoadError(folder / "one.vqa", "it names a record that does not exist")});
}
