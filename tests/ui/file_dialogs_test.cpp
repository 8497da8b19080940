#include <QDir>
#include <gtest/gtest.h>

#include "framework/core/filetype.h"
#include "framework/core/folder_item.h"
#include "framework/ui/file_dialogs.h"
#include "tests/support/scripted_desktop.h"

namespace {

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::ForgetFileDialogFolder();
        fw::RuntimeRegisterFileType("QELM QnA (UTF8)", "QLQA", "QLQA", ".vqa");
        fw::RuntimeRegisterFileType("QELM QnA", "QLQB", "QLQB", ".vqa;.qlq");
    }
    void TearDown() override
    {
        fw::RuntimeDeregisterFileType("QELM QnA (UTF8)");
        fw::RuntimeDeregisterFileType("QELM QnA");
    }

    fw::ScriptedDesktop desktop;
};

using Filters = std::vector<std::pair<std::string, std::vector<std::string>>>;

Filters Offered(const fw::ScriptedDesktop::Dialog& d)
{
    Filters out;
    for (const auto& f : d.filters)
        out.push_back({f.name, f.extensions});
    return out;
}

} // namespace

TEST_F(FileDialogs, OfferTheExtensionsOfTheRegisteredType)
{
    fw::GetOpenFolderItem("QELM QnA");
    fw::GetSaveFolderItem("QELM QnA (UTF8)", "QELM_QnA_1.vqa");
    ASSERT_EQ(desktop.dialogs.size(), 2u);
    EXPECT_FALSE(desktop.dialogs[0].save);
    EXPECT_EQ(Offered(desktop.dialogs[0]), (Filters{{"QELM QnA", {".vqa", ".qlq"}}}));
    EXPECT_TRUE(desktop.dialogs[1].save);
    EXPECT_EQ(Offered(desktop.dialogs[1]), (Filters{{"QELM QnA (UTF8)", {".vqa"}}}));
    EXPECT_EQ(desktop.dialogs[1].defaultName, "QELM_QnA_1.vqa");
}

TEST_F(FileDialogs, StartAtHomeThenWhereTheLastFileWasChosen)
{
    EXPECT_TRUE(fw::GetOpenFolderItem("QELM QnA").IsNil()) << "an empty script cancels";
    EXPECT_EQ(desktop.dialogs.back().startFolder, QDir::homePath().toStdString());

    desktop.fileAnswers.push_back("/srv/answers/mine.vqa/"); // a "/" typed after the name is dropped
    auto chosen = fw::GetSaveFolderItem("QELM QnA (UTF8)", "x.vqa");
    ASSERT_FALSE(chosen.IsNil());
    EXPECT_EQ(chosen->AbsolutePath().ToUTF8(), "/srv/answers/mine.vqa");

    desktop.fileAnswers.push_back(std::nullopt);
    EXPECT_TRUE(fw::GetOpenFolderItem("QELM QnA").IsNil());
    EXPECT_EQ(desktop.dialogs.back().startFolder, "/srv/answers");
    fw::GetOpenFolderItem("QELM QnA");
    EXPECT_EQ(desktop.dialogs.back().startFolder, "/srv/answers") << "a cancel keeps the folder";
}
