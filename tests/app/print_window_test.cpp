// The page's Print button in the running program: the blank questionnaire
// goes to the user's own folder in the temporary folder and its address to
// the browser.

#include "framework/core/folder_item.h"
#include "tests/app/running_program.h"
#include "tests/support/error_messages.h"
#include "tests/support/file_test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

using test_support::ReadBytes;

namespace {

std::size_t Occurrences(const std::string& text, const std::string& piece)
{
    std::size_t count = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size()))
        ++count;
    return count;
}

class PrintWindow : public RunningProgram {
protected:
    void SetUp() override
    {
        RunningProgram::SetUp();
        std::filesystem::create_directory(Temporary());
    }

    std::string Temporary() const { return folder / "tmp"; }
    std::string Own() const { return Temporary() + "/qelm-" + std::to_string(::geteuid()); }
    std::string Printed() const { return Own() + "/HealthHist.htm"; }

    static void PressPrint()
    {
        // Scrolled to the bottom, where the button is.
        Bar()->SetValue(Bar()->Maximum());
        QTest::mouseClick(fw::RuntimeWindowControlByName<fw::PushButton>(*Page(), "Print")->Widget(),
                          Qt::LeftButton);
    }
    // Words the questionnaire never holds.
    static std::vector<std::string> DistinctAnswers()
    {
        std::vector<std::string> out;
        for (int n = 1; n <= 10; ++n)
            out.push_back("xyzzy-" + std::to_string(n));
        return out;
    }
    static void TypeDistinctAnswers()
    {
        for (int n = 1; n <= 10; ++n) {
            const std::string answer = DistinctAnswers()[static_cast<std::size_t>(n - 1)];
            Type(n, std::u32string(answer.begin(), answer.end()));
        }
    }

    // A failed print says which file or folder and why, opens nothing, and
    // the user goes on answering.
    void ExpectReportedAndNothingLost(const std::string& path, const std::string& reason) const
    {
        EXPECT_EQ(test_support::ErrorMessageTexts(desktop),
                  std::vector<std::string>{"IOException: The blank questionnaire could not be written to \"" + path +
                                           "\": " + reason + "."});
        EXPECT_TRUE(desktop.urls.empty());
        EXPECT_TRUE(Window()->IsShown());
        EXPECT_FALSE(fw::QuitRequested());
        EXPECT_EQ(PageAnswers(), DistinctAnswers());
    }

    test_support::ScratchFolder folder;
};

TEST_F(PrintWindow, PrintWritesTheBlankQuestionnaireAndHandsItsAddressOn)
{
    const TemporaryFolderIs tmp(Temporary());
    std::filesystem::create_directory(Own());
    ::chmod(Own().c_str(), 0700);
    test_support::WriteBytes(Printed(), "an earlier print-out, longer than nothing");
    RunProgram([this] {
        TypeDistinctAnswers();
        PressPrint();

        EXPECT_TRUE(desktop.messages.empty());
        const std::string page = ReadBytes(Printed());
        EXPECT_EQ(page.size(), 3546u);
        EXPECT_EQ(page.rfind("<html><head><title>", 0), 0u);
        EXPECT_TRUE(page.ends_with("</body></html>"));
        EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos) << "one line, no line end";
        EXPECT_EQ(Occurrences(page, "&nbsp;"), 31u);
        EXPECT_EQ(Occurrences(page, "&amp;"), 2u);
        for (const auto& answer : DistinctAnswers())
            EXPECT_EQ(page.find(answer), std::string::npos) << "a blank questionnaire";
        EXPECT_EQ(desktop.urls, std::vector<std::string>{"file://" + Printed()});

        PressPrint();
        EXPECT_EQ(ReadBytes(Printed()), page);
        EXPECT_EQ(test_support::ScratchFolder::NamesIn(Own()), std::set<std::string>{"HealthHist.htm"});
        EXPECT_EQ(desktop.urls, std::vector<std::string>(2, "file://" + Printed()));
        EXPECT_EQ(PageAnswers(), DistinctAnswers());
        EXPECT_TRUE(Window()->IsShown());
    });
}

TEST_F(PrintWindow, PrintedFileIsStampedAsAWebPage)
{
    const TemporaryFolderIs tmp(Temporary());
    const auto probe = fw::GetFolderItem(fw::String(Temporary() + "/probe"), 0);
    test_support::WriteBytes(Temporary() + "/probe", "");
    probe->SetMacType("TEST");
    const bool keepsCodes = probe->MacType().ToUTF8() == "TEST";
    std::filesystem::remove(Temporary() + "/probe");
    if (!keepsCodes)
        GTEST_SKIP() << "this file system keeps no extended attributes";

    RunProgram([this] {
        PressPrint();
        const auto printed = fw::GetFolderItem(fw::String(Printed()), 0);
        EXPECT_EQ(printed->MacType().ToUTF8(), "HTML");
        EXPECT_EQ(printed->MacCreator().ToUTF8(), "sfri");
    });
}

TEST_F(PrintWindow, TemporaryFolderThatCannotBeWrittenIsReported)
{
    ::chmod(Temporary().c_str(), 0500);
    test_support::ObeyFilePermissions obey;
    if (test_support::CanCreateIn(Temporary()))
        GTEST_SKIP() << "this process may write into read-only folders";
    const TemporaryFolderIs tmp(Temporary());

    RunProgram([this] {
        TypeDistinctAnswers();
        PressPrint();
        ExpectReportedAndNothingLost(Own(), std::strerror(EACCES));
        EXPECT_TRUE(test_support::ScratchFolder::NamesIn(Temporary()).empty());
    });
}

// Another user's links where the page once went and where the user's folder
// goes: the file they point to stays as it is, and the page goes to a fresh
// folder of the user's own.
TEST_F(PrintWindow, LinksLeftInTheTemporaryFolderAreNotWrittenThrough)
{
    const TemporaryFolderIs tmp(Temporary());
    std::filesystem::create_directory(folder / "theirs");
    test_support::WriteBytes(folder / "theirs/HealthHist.htm", "kept");
    ::symlink((folder / "theirs/HealthHist.htm").c_str(), (Temporary() + "/HealthHist.htm").c_str());
    ::symlink((folder / "theirs").c_str(), Own().c_str());
    RunProgram([this] {
        PressPrint();
        EXPECT_TRUE(desktop.messages.empty());
        ASSERT_EQ(desktop.urls.size(), 1u);
        const std::string printed = desktop.urls[0].substr(std::strlen("file://"));
        EXPECT_EQ(printed.rfind(Own() + "-", 0), 0u);
        EXPECT_EQ(ReadBytes(printed).size(), 3546u);
        struct stat st {};
        ASSERT_EQ(::lstat(printed.substr(0, printed.rfind('/')).c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode) && (st.st_mode & 07777) == 0700);
        EXPECT_EQ(ReadBytes(folder / "theirs/HealthHist.htm"), "kept");
    });
}

TEST_F(PrintWindow, MissingTemporaryFolderIsReported)
{
    const TemporaryFolderIs tmp(folder / "gone");
    RunProgram([this] {
        TypeDistinctAnswers();
        PressPrint();
        ExpectReportedAndNothingLost(folder / "gone", "the folder does not exist");
        EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
    });
}

} // namespace
