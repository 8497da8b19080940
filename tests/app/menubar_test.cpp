#include "app/menubar1.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    std::string name, text, shortcut;
};

void ExpectItems(const fw::Ref<fw::MenuItem>& menu, const std::vector<Row>& rows)
{
    ASSERT_EQ(menu->Count(), static_cast<int>(rows.size()));
    for (int i = 0; i < menu->Count(); ++i) {
        const auto item = menu->Item(i);
        SCOPED_TRACE(rows[i].text);
        EXPECT_EQ(item->Name().ToUTF8(), rows[i].name);
        EXPECT_EQ(item->Text().ToUTF8(), rows[i].text);
        EXPECT_EQ(item->KeyboardShortcut().ToUTF8(), rows[i].shortcut);
        EXPECT_TRUE(item->AutoEnable());
    }
}

class MenuBarTest : public ::testing::Test {
protected:
    void TearDown() override { MenuBar1::_implicitInstance.Release(); }
};

TEST_F(MenuBarTest, BarHoldsFileAndEditMenusWithTheirItemsInOrder)
{
    const auto bar = MenuBar1Instance();
    ExpectItems(bar, {{"FileMenu", "&File", ""}, {"EditMenu", "&Edit", ""}});
    ExpectItems(bar->Item(0), {{"FileQuit", "Quit", "Cmd+Q"}});
    ExpectItems(bar->Item(1), {{"EditUndo", "&Undo", "Cmd+Z"},
                               {"", "-", ""},
                               {"EditCut", "Cu&t", "Cmd+X"},
                               {"EditCopy", "&Copy", "Cmd+C"},
                               {"EditPaste", "&Paste", "Cmd+V"},
                               {"EditClear", "Clear", ""},
                               {"", "-", ""},
                               {"EditSelectAll", "Select &All", "Cmd+A"}});
    EXPECT_TRUE(bar->Item(1)->Item(1)->IsSeparator());
}

TEST_F(MenuBarTest, OnlyQuitIsAQuitItem)
{
    const auto bar = MenuBar1Instance();
    EXPECT_NO_THROW(fw::Cast<fw::QuitMenuItem>(bar->Lookup("FileQuit")));
    EXPECT_THROW(fw::Cast<fw::QuitMenuItem>(bar->Lookup("EditCopy")), fw::IllegalCastException);
}

TEST_F(MenuBarTest, ItemsAreFoundByNameInEitherMenu)
{
    const auto bar = MenuBar1Instance();
    EXPECT_EQ(bar->Lookup("EditClear")->Text().ToUTF8(), "Clear");
    EXPECT_EQ(bar->Lookup("FileQuit")->Text().ToUTF8(), "Quit");
    EXPECT_TRUE(bar->Lookup("NoSuchItem").IsNil());
}

TEST_F(MenuBarTest, TheSharedInstanceIsBuiltOnce)
{
    const auto first = MenuBar1Instance();
    const auto second = MenuBar1Instance();
    EXPECT_TRUE(first == second);
    EXPECT_EQ(second->Count(), 2);
}

} // namespace
