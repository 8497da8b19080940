#pragma once

// Runs the real program offscreen and reaches into its one window: the
// controls by name, clicks, typing, the wheel and the menu bar.

#include "answers/qa_module.h"
#include "app/frm_qna.h"
#include "app/startup.h"
#include "framework/core/date.h"
#include "framework/core/runtime.h"
#include "framework/core/trace.h"
#include "framework/ui/edit_field.h"
#include "framework/ui/event_loop.h"
#include "tests/support/scripted_desktop.h"
#include "framework/ui/scroll_bar.h"
#include "framework/ui/tab_panel.h"
#include "framework/ui/timer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The program's start-up, event loop and shutdown. The test's body runs once
// the loop has started with the window shown; the program is then quit
// unless the body ended it itself.
class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override { fw::StartWindowSystem(); }
    void TearDown() override
    {
        fw::trace::Enable(false);
        fw::Date::SetNowSourceForTesting(nullptr);
    }

    int RunProgram(std::function<void()> body)
    {
        fw::trace::Enable(true);
        fw::trace::SetListener([body](const std::string& step) {
            if (step != "RuntimeRun")
                return;
            QTimer::singleShot(0, [body] {
                try {
                    body();
                } catch (const std::exception& e) {
                    ADD_FAILURE() << "exception in the test body: " << e.what();
                }
                if (!fw::QuitRequested())
                    fw::Quit(0);
            });
        });
        const int status = Startup::MainRoutine();
        steps = fw::trace::Take();
        return status;
    }

    static fw::Ref<frmQnA> Window() { return fw::_GetImplicitWindow<frmQnA>(); }
    static fw::Ref<QA_HealthHist> Page() { return fw::RuntimeWindowControlByName<QA_HealthHist>(*Window(), "QA_HealthHist1"); }
    static fw::Ref<fw::ScrollBar> Bar() { return fw::RuntimeWindowControlByName<fw::ScrollBar>(*Page(), "ScrollWindow"); }
    static fw::Ref<fw::EditField> Field(int n)
    {
        return fw::RuntimeWindowControlByName<fw::EditField>(*Page(), "EditField" + std::to_string(n));
    }
    static fw::Ref<fw::PushButton> Button(const char* name)
    {
        return fw::RuntimeWindowControlByName<fw::PushButton>(*Window(), name);
    }
    static void Tick() { fw::RuntimeWindowControlByName<fw::Timer>(*Page(), "Timer1")->Fire(); }
    static QAction* MenuAction(const char* name) { return Window()->Widget()->findChild<QAction*>(name); }
    static void Click(const char* button) { QTest::mouseClick(Button(button)->Widget(), Qt::LeftButton); }
    static void Wheel(int notchesDown)
    {
        QWidget* frame = Window()->Widget();
        const QPointF at(200, 200);
        QWheelEvent e(at, frame->mapToGlobal(at), QPoint(), QPoint(0, -120 * notchesDown), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(frame, &e);
    }

    // Replaces the text of answer field n (1 to 10) by typing: select all,
    // then one key press per character ("\n" is Return). Characters no key
    // gives arrive as the key's text, as an input method hands them over.
    static void Type(int n, const std::u32string& text)
    {
        QWidget* field = Field(n)->Widget();
        QApplication::setActiveWindow(Window()->Widget());
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        for (const char32_t c : text) {
            if (c == U'\n') {
                QTest::keyClick(field, Qt::Key_Return);
            } else if (c >= 0x20 && c < 0x7F) {
                QTest::keyClick(field, static_cast<char>(c));
            } else {
                const QString typed = QString::fromUcs4(&c, 1);
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
                QApplication::sendEvent(field, &press);
                QApplication::sendEvent(field, &release);
            }
        }
    }
    static void TypeAll(const std::vector<std::u32string>& answers)
    {
        for (int n = 1; n <= 10; ++n)
            Type(n, answers[static_cast<std::size_t>(n - 1)]);
    }

    // The ten answer fields' texts as UTF-8.
    static std::vector<std::string> PageAnswers()
    {
        std::vector<std::string> out;
        for (int n = 1; n <= 10; ++n)
            out.push_back(Field(n)->Text().ToUTF8());
        return out;
    }
    // Record 0 of the working subject as UTF-8; a null value as "<null>".
    static std::vector<std::string> Record0Answers()
    {
        const fw::Ref<QnA_Data> record = QA_Module::tmpSubject->QnA_List(0);
        std::vector<std::string> out;
        for (int i = 0; i < record->NumVals; ++i)
            out.push_back(fw::IsNull(record->Value(i)) ? "<null>" : fw::CStr(record->Value(i)).ToUTF8());
        return out;
    }

    fw::ScriptedDesktop desktop;
    std::vector<std::string> steps;
};

// Points TMPDIR at a folder while it lives, then puts back what was there.
class TemporaryFolderIs {
public:
    explicit TemporaryFolderIs(const std::string& path)
    {
        if (const char* old = std::getenv("TMPDIR"))
            m_previous = old;
        ::setenv("TMPDIR", path.c_str(), 1);
    }
    ~TemporaryFolderIs()
    {
        if (m_previous)
            ::setenv("TMPDIR", m_previous->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    TemporaryFolderIs(const TemporaryFolderIs&) = delete;
    TemporaryFolderIs& operator=(const TemporaryFolderIs&) = delete;

private:
    std::optional<std::string> m_previous;
};
