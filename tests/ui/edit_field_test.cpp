#include "framework/ui/edit_field.h"

#include "tests/support/test_window.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FieldWindow : public TestWindow {
public:
    void GotFocus(fw::EditField& me) { log.push_back(me.Name().ToUTF8() + " GotFocus"); }
    void TextChange(fw::EditField& me) { log.push_back(me.Name().ToUTF8() + " TextChange"); }
};

class EditFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = fw::New<FieldWindow>();
        window->layout = [](TestWindow& w) { fw::_SetProperties(w, {{"Width", 300}, {"Height", 200}}); };
        window->createControls = [this](TestWindow&) {
            for (const char* name : {"First", "Second"}) {
                window->_AddControl(name, fw::New<fw::EditField>());
                auto field = fw::RuntimeWindowControlByName(*window, name);
                fw::_SetProperties(*field, {{"Left", 10}, {"Top", name[0] == 'F' ? 10 : 100}, {"Width", 200},
                                            {"Height", 61}, {"AcceptTabs", false}});
                fw::_InstallInstanceEventHandler(
                    *field, "GotFocus", fw::RuntimeCreateDelegate(*window, &FieldWindow::GotFocus, "GotFocus"));
                fw::_InstallInstanceEventHandler(
                    *field, "TextChange", fw::RuntimeCreateDelegate(*window, &FieldWindow::TextChange, "TextChange"));
            }
        };
        fw::RunDefaultWindowConstructor(window);
        QApplication::setActiveWindow(window->Widget());
        first = fw::RuntimeWindowControlByName<fw::EditField>(*window, "First");
        second = fw::RuntimeWindowControlByName<fw::EditField>(*window, "Second");
    }

    QWidget* Focused() const { return QApplication::focusWidget(); }

    WindowCleanup cleanup;
    fw::Ref<FieldWindow> window;
    fw::Ref<fw::EditField> first, second;
};

TEST_F(EditFieldTest, TextKeepsLineBreaksNonBreakingSpacesAndOtherScripts)
{
    const char* texts[] = {"", "one line", "two\nlines\n", "Windows\r\nbreaks", "old\rMac\rbreaks",
                           "Zürich\u00a0— 北京 🙂\ttab"};
    for (const char* text : texts) {
        first->SetText(text);
        EXPECT_EQ(first->Text().ToUTF8(), text);
    }
}

TEST_F(EditFieldTest, TextComesBackByteForByteUntilTheUserTypes)
{
    const char* texts[] = {"a\r\nb\nc", "one\u2029two", "\ufeffstarts with a byte order mark"};
    for (const char* text : texts) {
        first->SetText(text);
        EXPECT_EQ(first->Text().ToUTF8(), text);
    }

    first->SetText("a\r\nb\nc");
    first->Widget()->setFocus();
    QTest::keyClick(first->Widget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(first->Widget(), Qt::Key_Exclam);
    EXPECT_EQ(first->Text().ToUTF8(), "a\r\nb\r\nc!");
    // Shift+Return breaks the line with U+2028 in the field.
    QTest::keyClick(first->Widget(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(first->Widget(), Qt::Key_D);
    EXPECT_EQ(first->Text().ToUTF8(), "a\r\nb\r\nc!\r\nd");
}

TEST_F(EditFieldTest, TextFromCodeRaisesNoTextChangeButTypingDoes)
{
    window->log.clear();
    first->SetText("set by code");
    second->SetText("set by code");
    EXPECT_TRUE(window->log.empty());

    QTest::mouseClick(static_cast<QPlainTextEdit*>(second->Widget())->viewport(), Qt::LeftButton);
    ASSERT_EQ(Focused(), second->Widget());
    QTest::keyClicks(second->Widget(), "ab");
    const std::vector<std::string> expected = {"Second GotFocus", "Second TextChange", "Second TextChange"};
    EXPECT_EQ(window->log, expected);
    EXPECT_NE(second->Text().ToUTF8().find("ab"), std::string::npos);
}

TEST_F(EditFieldTest, TabMovesTheFocusOnUnlessTheFieldAcceptsTabs)
{
    first->Widget()->setFocus();
    QTest::keyClick(first->Widget(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), second->Widget());
    EXPECT_EQ(second->Text().ToUTF8(), "");
    QTest::keyClick(second->Widget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), first->Widget());

    first->SetAcceptTabs(true);
    QTest::keyClick(first->Widget(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), first->Widget());
    EXPECT_EQ(first->Text().ToUTF8(), "\t");
}

TEST_F(EditFieldTest, ReadOnlyFieldsTakeNoTyping)
{
    first->SetText("fixed");
    first->SetReadOnly(true);
    first->Widget()->setFocus();
    QTest::keyClicks(first->Widget(), "xyz");
    EXPECT_EQ(first->Text().ToUTF8(), "fixed");
}

// Qt 6.4's text control reads the first of the pasted data's formats
// unchecked: a clipboard holding no format ended the program. The Edit
// menu's Paste calls paste() too.
TEST_F(EditFieldTest, PastingDataThatHoldsNoFormatChangesNothing)
{
    first->SetText("hay fever");
    auto* field = static_cast<QPlainTextEdit*>(first->Widget());
    field->setFocus();
    QApplication::clipboard()->setMimeData(new QMimeData);
    field->paste();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(first->Text().ToUTF8(), "hay fever");
}

} // namespace
