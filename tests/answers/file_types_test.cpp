#include "answers/file_types.h"
#include "framework/core/filetype.h"
#include "framework/core/trace.h"

#include <gtest/gtest.h>

namespace {

class FileTypesTest : public ::testing::Test {
protected:
    void SetUp() override { FileTypes::_Initialize(); }
    void TearDown() override { FileTypes::Release(); }
};

TEST_F(FileTypesTest, SevenTypesAreRegisteredAsDeclared)
{
    const auto types = fw::RegisteredFileTypes();
    ASSERT_EQ(types.size(), 7u);
    EXPECT_EQ(types[2].name, "HTML Document");
    EXPECT_EQ(types[2].type, "HTML");
    EXPECT_EQ(types[2].creator, "sfri");
    EXPECT_EQ(types[2].extensions, (std::vector<std::string>{".htm", ".html"}));
    EXPECT_EQ(types[6].name, "QELM QnA");
    EXPECT_EQ(types[6].extensions, (std::vector<std::string>{".vqa", ".qlq"}));
    EXPECT_EQ(FileTypes::pVelmoQnAUTF8->Name().ToUTF8(), "QELM QnA (UTF8)");
}

TEST_F(FileTypesTest, AVersionOneFileReportsItsOwnTypeAndACurrentOneNever)
{
    EXPECT_EQ(fw::MatchFileType("answers.qlq").ToUTF8(), "QELM QnA (v1)");
    EXPECT_EQ(fw::MatchFileType("OLD.QLQ").ToUTF8(), "QELM QnA (v1)");
    EXPECT_EQ(fw::MatchFileType("answers.vqa").ToUTF8(), "QELM QnA (UTF8)");
    EXPECT_EQ(fw::MatchFileType("answers.qlq.vqa").ToUTF8(), "QELM QnA (UTF8)");
    EXPECT_EQ(fw::MatchFileType("page.html").ToUTF8(), "HTML Document");
    EXPECT_TRUE(fw::MatchFileType("notes.txt").IsEmpty());
}

TEST(FileTypesRegistration, EachTypeRegistersOnceAndReleaseWithdrawsIt)
{
    fw::trace::Enable(true);
    FileTypes::_Initialize();
    int registrations = 0;
    for (const auto& s : fw::trace::Take())
        registrations += s.rfind("register file type", 0) == 0;
    EXPECT_EQ(registrations, 7);
    FileTypes::Release();
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
    EXPECT_TRUE(FileTypes::pVelmoQnABoth.IsNil());
    fw::trace::Enable(false);
}

} // namespace
