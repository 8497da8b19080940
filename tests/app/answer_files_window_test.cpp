// Saving and loading answer files through the running program's window: the
// user types, presses the buttons and picks files in scripted dialogs.

#include "tests/answers/answer_file_bytes.h"
#include "tests/app/running_program.h"
#include "tests/support/error_messages.h"
#include "tests/support/file_test_support.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>
#include <vector>

using answer_file_bytes::Field;
using answer_file_bytes::LoadError;
using answer_file_bytes::SaveError;
using answer_file_bytes::OldField;
using answer_file_bytes::Utf8;
using test_support::ReadBytes;
using test_support::WriteBytes;

namespace {


// What a user might type: several lines, accents, an emoji, an empty answer.
const std::vector<std::u32string> kTyped = {
    U"Penicillin\nlatex gloves",
    U"Café crème, brûlée",
    U"Hay fever \U0001F927 every May",
    U"",
    U"Appendix removed, 1998\nKnee surgery, 2015",
    U"Naïve question – none",
    U"Smoker: no; alcohol: 2/week",
    U"Jogging ~3×/week",
    U"Łódź, 日本",
    U"Grandmother: diabetes\n\nFather: asthma",
};

// Typed over the first answers later, before any of them was saved.
const std::vector<std::u32string> kRetyped = {
    U"new 1", U"new 2", U"new 3", U"new 4", U"new 5", U"new 6", U"new 7", U"new 8", U"new 9", U"new 10",
};

std::vector<std::string> AsUtf8(const std::vector<std::u32string>& answers)
{
    std::vector<std::string> out;
    for (const auto& a : answers)
        out.push_back(Utf8(a));
    return out;
}

// A current file holding one record of the ten values, field by field.
std::string CurrentFile(const std::vector<std::u32string>& values, const std::u32string& version = U"2",
                        const std::u32string& index = U"0")
{
    std::string bytes = Field(version) + Field(U"1") + Field(index);
    for (const auto& v : values)
        bytes += Field(v);
    return bytes;
}

class AnswerFilesWindow : public RunningProgram {
protected:
    void SetUp() override
    {
        RunningProgram::SetUp();
        fw::Date::SetNowSourceForTesting([] { return fw::Date(2026, 7, 3, 9, 5); });
    }

    void Choose(const std::string& path) { desktop.fileAnswers.push_back(path); }
    void CancelNextDialog() { desktop.fileAnswers.push_back(std::nullopt); }
    std::vector<std::string> MessageTexts() const { return test_support::ErrorMessageTexts(desktop); }

    // The user's unsaved state that every failed load must leave alone:
    // record 0 holds kTyped (the save dialog was cancelled), the page holds
    // kRetyped.
    void TypeSaveCancelAndRetype()
    {
        TypeAll(kTyped);
        CancelNextDialog();
        Click("cmdSave");
        TypeAll(kRetyped);
        desktop.dialogs.clear();
        ASSERT_EQ(Record0Answers(), AsUtf8(kTyped));
        ASSERT_EQ(PageAnswers(), AsUtf8(kRetyped));
    }
    void ExpectUnsavedStateKept() const
    {
        EXPECT_EQ(PageAnswers(), AsUtf8(kRetyped));
        EXPECT_EQ(Record0Answers(), AsUtf8(kTyped));
        EXPECT_TRUE(QA_Module::tmpSubject->QnA_List(1).IsNil());
        EXPECT_FALSE(fw::QuitRequested());
        EXPECT_TRUE(Window()->IsShown());
    }

    test_support::ScratchFolder folder;
};

// ---- Round trip

TEST_F(AnswerFilesWindow, TypedAnswersAreSavedAsExactBytesAndLoadBack)
{
    RunProgram([this] {
        TypeAll(kTyped);
        ASSERT_EQ(PageAnswers(), AsUtf8(kTyped)) << "typing reached every field";
        Choose(folder / "answers");
        Click("cmdSave");

        ASSERT_EQ(desktop.dialogs.size(), 1u);
        const auto& save = desktop.dialogs[0];
        EXPECT_TRUE(save.save);
        EXPECT_EQ(save.defaultName, "QELM_QnA_73202695.vqa");
        ASSERT_EQ(save.filters.size(), 1u);
        EXPECT_EQ(save.filters[0].name, "QELM QnA (UTF8)");
        EXPECT_EQ(save.filters[0].extensions, std::vector<std::string>{".vqa"});
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(folder.Names(), std::set<std::string>{"answers.vqa"});

        // Version "2", one record, index "0", the ten answers; every field
        // reversed, shifted by 3 and ended by U+0096.
        const std::string bytes = ReadBytes(folder / "answers.vqa");
        EXPECT_EQ(bytes, CurrentFile(kTyped));
        EXPECT_EQ(bytes.substr(0, 9), "5\xC2\x96" "4\xC2\x96" "3\xC2\x96");

        TypeAll(kRetyped);
        Choose(folder / "answers.vqa");
        Click("cmdLoad");

        ASSERT_EQ(desktop.dialogs.size(), 2u);
        const auto& open = desktop.dialogs[1];
        EXPECT_FALSE(open.save);
        ASSERT_EQ(open.filters.size(), 1u);
        EXPECT_EQ(open.filters[0].name, "QELM QnA");
        EXPECT_EQ(open.filters[0].extensions, (std::vector<std::string>{".vqa", ".qlq"}));
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(PageAnswers(), AsUtf8(kTyped));
        EXPECT_EQ(Record0Answers(), AsUtf8(kTyped));
    });
}

TEST_F(AnswerFilesWindow, ALoadedFileSavedAgainWithoutAnEditIsByteIdentical)
{
    std::vector<std::u32string> values = kRetyped;
    values[0] = U"a\r\nb\nc";
    values[1] = U"old\rbreaks";
    values[2] = U"one\u2029paragraph";
    values[3] = U"\uFEFFmarked";
    const std::string bytes = CurrentFile(values);
    WriteBytes(folder / "in.vqa", bytes);
    RunProgram([&] {
        Choose(folder / "in.vqa");
        Click("cmdLoad");
        Choose(folder / "out.vqa");
        Click("cmdSave");
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(ReadBytes(folder / "out.vqa"), bytes);
    });
}

TEST_F(AnswerFilesWindow, Version1FileBuiltByteByByteShowsItsAnswers)
{
    RunProgram([this] {
        // Windows-1252: é, € (0x80), – (0x96, the terminator itself when
        // unscrambled), ü and à.
        std::string bytes = OldField("1") + OldField("1") + OldField("0");
        for (const char* value : {"caf\xE9", "\x80 5", "a\x96z", "", "\xFC\xE0", "x", "two\r\nlines", "z", "w", "v"})
            bytes += OldField(value);
        WriteBytes(folder / "old.qlq", bytes);
        TypeAll(kRetyped);
        Choose(folder / "old.qlq");
        Click("cmdLoad");

        EXPECT_TRUE(desktop.messages.empty());
        const std::vector<std::string> expected = {"café", "€ 5", "a–z", "", "üà", "x", "two\r\nlines", "z", "w", "v"};
        EXPECT_EQ(Record0Answers(), expected);
        EXPECT_EQ(PageAnswers(), expected);
    });
}

TEST_F(AnswerFilesWindow, CancelledSaveKeepsTheWindowAndTheAnswersInRecordZero)
{
    RunProgram([this] {
        TypeAll(kTyped);
        Click("cmdSave");

        ASSERT_EQ(desktop.dialogs.size(), 1u);
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_TRUE(folder.Names().empty());
        EXPECT_TRUE(Window()->IsShown());
        EXPECT_FALSE(fw::QuitRequested());
        EXPECT_EQ(Record0Answers(), AsUtf8(kTyped));
        EXPECT_EQ(PageAnswers(), AsUtf8(kTyped));
    });
}

TEST_F(AnswerFilesWindow, ProposedNameFollowsTheClock)
{
    fw::Date::SetNowSourceForTesting([] { return fw::Date(2031, 12, 24, 23, 59); });
    RunProgram([this] {
        Click("cmdSave");
        ASSERT_EQ(desktop.dialogs.size(), 1u);
        EXPECT_EQ(desktop.dialogs[0].defaultName, "QELM_QnA_122420312359.vqa");
    });
}

// ---- Faults a save must not have

TEST_F(AnswerFilesWindow, ReplacingAFileAsksOnceAboutTheNameWritten)
{
    // The dialog asks nothing; the save asks about the name it writes.
    const std::pair<std::string, std::string> cases[] = {
        {"notes.txt", "notes.txt.vqa"}, {"answers", "answers.vqa"}, {"answers.vqa", "answers.vqa"}};
    WriteBytes(folder / "notes.txt", "plain notes");
    RunProgram([&] {
        TypeAll(kTyped);
        for (const auto& [chosen, written] : cases) {
            SCOPED_TRACE(chosen);
            for (const int answer : {7, 6}) { // No keeps the file, Yes replaces it
                WriteBytes(folder / written, "old answers");
                desktop.messages.clear();
                desktop.messageAnswers.push_back(answer);
                Choose(folder / chosen);
                Click("cmdSave");
                ASSERT_EQ(desktop.messages.size(), 1u) << "nothing but the question";
                EXPECT_EQ(desktop.messages[0].text,
                          "A file named \"" + written + "\" already exists. Do you want to replace it?");
                EXPECT_EQ(desktop.messages[0].code, 292) << "No is the default";
                EXPECT_EQ(desktop.messages[0].title, "Save to File");
                EXPECT_EQ(ReadBytes(folder / written), answer == 6 ? CurrentFile(kTyped) : "old answers");
            }
        }
        EXPECT_EQ(ReadBytes(folder / "notes.txt"), "plain notes");
        EXPECT_EQ(folder.Names(), (std::set<std::string>{"notes.txt", "notes.txt.vqa", "answers.vqa"}));
    });
}

TEST_F(AnswerFilesWindow, SaveThatCannotBeWrittenKeepsTheOldFileAndSaysSo)
{
    WriteBytes(folder / "a.vqa", "old answers");
    ::chmod(folder.Path().c_str(), 0500);
    test_support::ObeyFilePermissions obey;
    if (test_support::CanCreateIn(folder.Path()))
        GTEST_SKIP() << "this process may write into read-only folders";

    RunProgram([this] {
        TypeAll(kTyped);
        desktop.messageAnswers.push_back(6); // replace it
        Choose(folder / "a.vqa");
        Click("cmdSave");

        ASSERT_FALSE(desktop.messages.empty());
        desktop.messages.erase(desktop.messages.begin()); // the replace question
        const std::string reason = "the folder \"" + folder.Path() + "\" does not let a new file be made there: " +
                                   std::strerror(EACCES);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{SaveError(folder / "a.vqa", reason, true)});
        EXPECT_EQ(ReadBytes(folder / "a.vqa"), "old answers");
        EXPECT_EQ(folder.Names(), std::set<std::string>{"a.vqa"}) << "no temporary file is left";
        EXPECT_TRUE(Window()->IsShown());
        EXPECT_EQ(PageAnswers(), AsUtf8(kTyped));
    });
}

TEST_F(AnswerFilesWindow, AnswerTheFormatCannotCarryIsRefusedBeforeTheDialog)
{
    RunProgram([this] {
        const struct {
            int number;
            std::u32string text;
            bool typed;
        } cases[] = {
            {7, U"pre\u0093post", false}, // no key gives U+0093; it would end the field early
            {10, U"private \U0010FFFD", true}, // three above it is no character
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.number);
            TypeAll(kTyped);
            if (c.typed)
                Type(c.number, c.text);
            else
                Field(c.number)->SetText(fw::String(Utf8(c.text)));
            Choose(folder / "a.vqa");
            desktop.messages.clear();
            Click("cmdSave");

            EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Answer " + std::to_string(c.number) +
                                                               " contains a character that cannot be saved in a "
                                                               "QnA file. Please remove it and save again."});
            EXPECT_TRUE(desktop.dialogs.empty()) << "no dialog is shown";
            EXPECT_TRUE(folder.Names().empty()) << "nothing is written";
            std::vector<std::string> page = AsUtf8(kTyped);
            page[static_cast<std::size_t>(c.number - 1)] = Utf8(c.text);
            EXPECT_EQ(PageAnswers(), page);
            EXPECT_EQ(Record0Answers(), page);
            desktop.fileAnswers.clear();
        }
    });
}

// ---- Faults a load must not have

TEST_F(AnswerFilesWindow, LoadOfABadFileIsReportedAndChangesNoRecordAndNoField)
{
    const std::string complete = CurrentFile(kRetyped);
    const std::string endsInAField = "it ends in the middle of a field";
    const struct {
        std::string name;
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"empty.vqa", "", endsInAField},
        {"truncated.vqa", complete.substr(0, complete.size() / 2), endsInAField},
        {"cut-in-last-field.vqa", complete.substr(0, complete.size() - 3), endsInAField},
        {"invalid-utf8.vqa", CurrentFile({}) + "\xC3(\xC2\x96", "it is not valid UTF-8 text"},
        {"index-1.vqa", CurrentFile(kRetyped, U"2", U"1"), "it names a record that does not exist"},
        {"truncated.qlq", OldField("1") + OldField("1") + OldField("0") + OldField("only one"), endsInAField},
    };
    for (const auto& c : cases)
        WriteBytes(folder / c.name, c.bytes);

    RunProgram([&] {
        TypeSaveCancelAndRetype();
        for (const auto& [name, bytes, reason] : cases) {
            SCOPED_TRACE(name);
            desktop.messages.clear();
            Choose(folder / name);
            Click("cmdLoad");
            EXPECT_EQ(MessageTexts(), std::vector<std::string>{LoadError(folder / name, reason)});
            ExpectUnsavedStateKept();
        }
    });
}

TEST_F(AnswerFilesWindow, RefusedVersionIsReportedAndTheProgramKeepsRunning)
{
    WriteBytes(folder / "v3.vqa", CurrentFile(kRetyped, U"3"));
    RunProgram([this] {
        TypeSaveCancelAndRetype();
        Choose(folder / "v3.vqa");
        Click("cmdLoad");

        EXPECT_EQ(MessageTexts(), std::vector<std::string>{"QnA file version of 3 does not match any known versions!"});
        ExpectUnsavedStateKept();

        // Still answering: a later load goes through.
        WriteBytes(folder / "good.vqa", CurrentFile(kRetyped));
        Choose(folder / "good.vqa");
        Click("cmdLoad");
        EXPECT_EQ(Record0Answers(), AsUtf8(kRetyped));
    });
}

TEST_F(AnswerFilesWindow, LoadThatDoesNotCompleteLeavesTheTypedAnswersOnThePage)
{
    WriteBytes(folder / "v3.vqa", CurrentFile(kRetyped, U"3"));
    WriteBytes(folder / "bad.vqa", "not an answer file");
    // Neither may freeze the program or fill its memory.
    ASSERT_EQ(::mkfifo((folder / "pipe.vqa").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", (folder / "zero.vqa").c_str()), 0);
    RunProgram([this] {
        TypeSaveCancelAndRetype();

        Click("cmdLoad"); // the open dialog is cancelled
        EXPECT_EQ(desktop.dialogs.size(), 1u);
        EXPECT_TRUE(desktop.messages.empty());
        ExpectUnsavedStateKept();

        for (const char* name : {"v3.vqa", "bad.vqa", "missing.vqa", "pipe.vqa", "zero.vqa"}) {
            SCOPED_TRACE(name);
            Choose(folder / name);
            Click("cmdLoad");
            ExpectUnsavedStateKept();
        }
        EXPECT_EQ(desktop.messages.size(), 5u);
    });
}

// ---- A file-size limit (ulimit -f)

TEST_F(AnswerFilesWindow, SaveBeyondTheFileSizeLimitSaysSoAndLeavesNoFile)
{
    RunProgram([this] {
        Field(1)->SetText(fw::String(std::string(200 * 1024, 'x')));
        Choose(folder / "a.vqa");
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit lowered = saved;
        lowered.rlim_cur = 40 * 1024; // the soft limit only: this process writes its results later
        ::setrlimit(RLIMIT_FSIZE, &lowered);
        Click("cmdSave");
        ::setrlimit(RLIMIT_FSIZE, &saved);

        EXPECT_EQ(MessageTexts(), std::vector<std::string>{SaveError(folder / "a.vqa", "File too large", false)});
        EXPECT_TRUE(folder.Names().empty()) << "no temporary file is left";
        EXPECT_TRUE(Window()->IsShown());
    });
}

} // namespace
