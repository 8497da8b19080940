#include "framework/core/runtime.h"
#include "framework/ui/menu_qt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

fw::Ref<fw::MenuItem> Item(const char* name, const char* text, const char* shortcut)
{
    auto item = fw::New<fw::MenuItem>();
    item->SetName(name);
    item->SetText(text);
    item->SetKeyboardShortcut(shortcut);
    item->SetAutoEnable(true);
    return item;
}

class QtMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto file = Item("FileMenu", "&File", "");
        auto quit = fw::New<fw::QuitMenuItem>();
        quit->SetName("FileQuit");
        quit->SetText("Quit");
        quit->SetKeyboardShortcut("Cmd+Q");
        file->Append(quit);
        auto edit = Item("EditMenu", "&Edit", "");
        for (auto [name, text] : {std::pair{"EditUndo", "&Undo"}, {"EditCut", "Cu&t"}, {"EditCopy", "&Copy"},
                                  {"EditPaste", "&Paste"}, {"EditClear", "Clear"}, {"EditSelectAll", "Select &All"}})
            edit->Append(Item(name, text, ""));
        bar.Append(file);
        bar.Append(edit);

        auto* layout = new QVBoxLayout(&window);
        qbar = fw::BuildQtMenuBar(bar, &window);
        layout->setMenuBar(qbar);
        first = new QPlainTextEdit(&window);
        second = new QPlainTextEdit(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QAction* Action(const char* name) { return qbar->findChild<QAction*>(name); }

    fw::MenuBar bar;
    QWidget window;
    QMenuBar* qbar = nullptr;
    QPlainTextEdit* first = nullptr;
    QPlainTextEdit* second = nullptr;
};

TEST_F(QtMenuBarTest, MenusKeepTheirMnemonicsAndShortcutsMapToCtrl)
{
    const auto menus = qbar->findChildren<QMenu*>();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->title(), "&File");
    EXPECT_EQ(menus[1]->title(), "&Edit");
    EXPECT_EQ(Action("FileQuit")->shortcut(), QKeySequence("Ctrl+Q"));
}

TEST_F(QtMenuBarTest, CopyThenPasteMovesTextBetweenFields)
{
    first->setPlainText("allergic to pollen");
    first->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(Action("EditCopy")->isEnabled()); // nothing selected yet
    Action("EditSelectAll")->trigger();
    ASSERT_TRUE(Action("EditCopy")->isEnabled());
    Action("EditCopy")->trigger();

    second->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(Action("EditPaste")->isEnabled());
    Action("EditPaste")->trigger();
    EXPECT_EQ(second->toPlainText(), "allergic to pollen");

    Action("EditUndo")->trigger();
    EXPECT_EQ(second->toPlainText(), "");
}

TEST_F(QtMenuBarTest, ClearRemovesOnlyTheSelection)
{
    first->setPlainText("keep this");
    first->setFocus();
    QApplication::processEvents();
    auto cursor = first->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    first->setTextCursor(cursor);
    ASSERT_TRUE(Action("EditClear")->isEnabled());
    Action("EditClear")->trigger();
    EXPECT_EQ(first->toPlainText(), "keep");
}

TEST_F(QtMenuBarTest, QuitItemAsksTheApplicationToQuitWithCodeZero)
{
    fw::RuntimeInit();
    Action("FileQuit")->trigger();
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

// Alt+E gives the menu bar the focus; the items still act on the field.
TEST_F(QtMenuBarTest, EditMenuOpenedFromTheKeyboardActsOnTheFieldItWasOpenedFrom)
{
    first->setFocus();
    QTest::keyClicks(first, "pollen");
    QApplication::clipboard()->setText("dust");
    for (const Qt::Key item : {Qt::Key_A, Qt::Key_P}) {
        QTest::keyClick(first, Qt::Key_E, Qt::AltModifier);
        EXPECT_TRUE(Action("EditUndo")->isEnabled() && Action("EditSelectAll")->isEnabled());
        QTest::keyClick(QApplication::activePopupWidget(), item);
    }
    EXPECT_EQ(first->toPlainText(), "dust"); // Select All, then Paste
}

// Asking the clipboard waits on the program holding it: only opening the
// menu asks, once for each thing copied.
TEST_F(QtMenuBarTest, TypingAndMovingTheFocusAskTheClipboardNothing)
{
    struct CountingData : QMimeData {
        mutable int asked = 0;
        QStringList formats() const override { return ++asked, QMimeData::formats(); }
        bool hasFormat(const QString& type) const override { return ++asked, QMimeData::hasFormat(type); }
    };
    auto* data = new CountingData;
    QApplication::clipboard()->setMimeData(data);
    first->setFocus();
    QTest::keyClicks(first, "hay fever");
    QTest::keyClick(first, Qt::Key_Left, Qt::ShiftModifier);
    second->setFocus();
    EXPECT_EQ(data->asked, 0);
    EXPECT_TRUE(Action("EditPaste")->isEnabled());

    auto* menu = qbar->findChild<QMenu*>("EditMenu");
    for (const bool text : {false, true}) {
        if (text) { // text that names its charset is text
            data = new CountingData;
            data->setData("text/plain;charset=utf-8", "pollen");
            QApplication::clipboard()->setMimeData(data);
        }
        for (int opening = 0; opening < 2; ++opening) {
            menu->popup({0, 0});
            EXPECT_EQ(Action("EditPaste")->isEnabled(), text);
            menu->hide();
        }
        EXPECT_EQ(data->asked, 1);
    }
}

} // namespace
