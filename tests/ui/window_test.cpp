#include "framework/ui/window.h"

#include "framework/core/runtime.h"
#include "framework/ui/canvas.h"
#include "framework/ui/edit_field.h"
#include "framework/ui/event_loop.h"
#include "framework/ui/push_button.h"
#include "tests/support/scripted_desktop.h"
#include "framework/ui/tab_panel.h"
#include "tests/support/test_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {

using Log = std::vector<std::string>;

// A container that logs its own events and builds one button.
class LoggingContainer : public fw::ContainerControl {
public:
    explicit LoggingContainer(Log& log) : m_log(log) {}

    void CreateControls() override
    {
        _AddControl("Inner", fw::New<fw::PushButton>());
        fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*this, "Inner"), "Open",
                                         fw::RuntimeCreateDelegate(*this, &LoggingContainer::InnerOpen, "InnerOpen"));
    }
    void Event_Open() override { m_log.push_back("container class Open"); }
    void Event_Close() override { m_log.push_back("container Close"); }
    void Event_Resized() override { m_log.push_back("container Resized"); }
    void InnerOpen(fw::PushButton&) { m_log.push_back("Inner Open"); }

private:
    Log& m_log;
};

// The owner's side of the test: handlers that log into the window's log.
class OwnerWindow : public TestWindow {
public:
    void ControlOpen(fw::Control& me)
    {
        log.push_back(me.Name().ToUTF8() + " Open");
        // Every control exists and is bound before the first Open.
        if (!fw::RuntimeWindowControlByName(*this, "Last"))
            log.push_back("Last missing");
    }
    void Throws(fw::PushButton&)
    {
        log.push_back("before");
        throw fw::NilObjectException();
    }
    void ThrowsOther(fw::PushButton&) { throw std::logic_error("not a runtime exception"); }
    void RunsOutOfMemory(fw::PushButton&) { throw std::bad_alloc(); }
};

void AddButton(fw::Window& w, const char* name)
{
    w._AddControl(name, fw::New<fw::PushButton>());
    fw::_SetProperties(*fw::RuntimeWindowControlByName(w, name),
                       {{"Left", 10}, {"Top", 10}, {"Width", 80}, {"Height", 24}, {"Caption", name}});
}

// A window with one button whose Action runs the given method of the window.
fw::Ref<OwnerWindow> WindowWithButton(void (OwnerWindow::*action)(fw::PushButton&))
{
    auto w = fw::New<OwnerWindow>();
    OwnerWindow* self = w.Raw();
    w->createControls = [self, action](TestWindow&) {
        AddButton(*self, "Button");
        fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*self, "Button"), "Action",
                                         fw::RuntimeCreateDelegate(*self, action, "Action"));
    };
    fw::RunDefaultWindowConstructor(w);
    return w;
}

class WindowTest : public ::testing::Test {
protected:
    Log containerLog; // outlives the windows, whose containers log here
    WindowCleanup cleanup;
};

TEST_F(WindowTest, OpenEventsComeOnceEverythingIsBuiltContainersBeforeTheWindow)
{
    auto w = fw::New<OwnerWindow>();
    w->createControls = [&](TestWindow&) {
        AddButton(*w, "First");
        fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*w, "First"), "Open",
                                         fw::RuntimeCreateDelegate(*w, &OwnerWindow::ControlOpen, "ControlOpen"));
        auto container = fw::New<LoggingContainer>(w->log);
        fw::RunDefaultWindowConstructor(container);
        w->_AddControl("Box", container);
        fw::_InstallInstanceEventHandler(*container, "Open",
                                         fw::RuntimeCreateDelegate(*w, &OwnerWindow::ControlOpen, "ControlOpen"));
        AddButton(*w, "Last");
    };
    fw::RunDefaultWindowConstructor(w);

    const Log expected = {"First Open", "Inner Open", "container class Open", "Box Open", "window Open"};
    EXPECT_EQ(w->log, expected);
    EXPECT_TRUE(w->Widget()->isVisible());
}

TEST_F(WindowTest, ResizedComesOnlyOnceTheWindowIsOpen)
{
    auto w = OpenTestWindow(300, 200, nullptr);
    EXPECT_EQ(w->log, Log{"window Open"});
    w->SetHeight(150);
    EXPECT_EQ(w->log, (Log{"window Open", "window Resized"}));
    EXPECT_EQ(w->Height(), 150);
}

TEST_F(WindowTest, ControlsFollowTheirEdgeLocksWhenTheirParentResizes)
{
    auto w = OpenTestWindow(300, 300, [](TestWindow& self) {
        auto declare = [&](const char* name, const char* parent, int l, int t, int wd, int h, bool ll, bool lt,
                           bool lr, bool lb) {
            self._AddControl(name, fw::New<fw::Canvas>());
            fw::_SetProperties(*fw::RuntimeWindowControlByName(self, name),
                               {{"Left", l}, {"Top", t}, {"Width", wd}, {"Height", h}, {"LockLeft", ll},
                                {"LockTop", lt}, {"LockRight", lr}, {"LockBottom", lb}, {"InitialParent", parent}});
        };
        declare("Frame", "", 10, 10, 280, 280, true, true, true, true);
        declare("TopBottom", "Frame", 20, 20, 50, 200, false, true, false, true);
        declare("Bottom", "Frame", 80, 250, 50, 20, false, false, false, true);
        declare("All", "Frame", 140, 20, 100, 200, true, true, true, true);
        declare("None", "Frame", 250, 20, 20, 20, false, false, false, false);
    });
    auto rect = [&](const char* name) {
        auto c = fw::RuntimeWindowControlByName<fw::RectControl>(*w, name);
        return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()};
    };

    w->SetBounds(w->Left(), w->Top(), 250, 200);

    EXPECT_EQ(rect("Frame"), (std::vector<int>{10, 10, 230, 180}));
    EXPECT_EQ(rect("TopBottom"), (std::vector<int>{20, 20, 50, 100}));
    EXPECT_EQ(rect("Bottom"), (std::vector<int>{80, 150, 50, 20}));
    EXPECT_EQ(rect("All"), (std::vector<int>{140, 20, 50, 100}));
    EXPECT_EQ(rect("None"), (std::vector<int>{250, 20, 20, 20}));
    // The widgets sit inside their parent's widget, at the same places.
    EXPECT_EQ(fw::RuntimeWindowControlByName<fw::RectControl>(*w, "Bottom")->Widget()->geometry(),
              QRect(70, 140, 50, 20));

    w->SetBounds(w->Left(), w->Top(), 300, 300);
    EXPECT_EQ(rect("TopBottom"), (std::vector<int>{20, 20, 50, 200}));
    EXPECT_EQ(rect("All"), (std::vector<int>{140, 20, 100, 200}));
}

TEST_F(WindowTest, TheUsersResizeOfTheFrameReachesTheWindowAndItsControls)
{
    auto w = OpenTestWindow(300, 300, [](TestWindow& self) {
        self._AddControl("Stretch", fw::New<fw::Canvas>());
        fw::_SetProperties(*fw::RuntimeWindowControlByName(self, "Stretch"),
                           {{"Width", 300}, {"Height", 300}, {"LockTop", true}, {"LockBottom", true}});
    });
    w->Widget()->resize(300, 240);
    EXPECT_EQ(w->Height(), 240);
    EXPECT_EQ(fw::RuntimeWindowControlByName<fw::Canvas>(*w, "Stretch")->Height(), 240);
    EXPECT_EQ(w->log.back(), "window Resized");
}

TEST_F(WindowTest, TheDeclaredSizeIsTheContentsAlsoUnderAMenuBar)
{
    auto w = OpenTestWindow(400, 300, nullptr);
    auto* menu = new QMenuBar;
    menu->addMenu("File");
    w->SetMenuWidget(menu);
    EXPECT_EQ(w->Height(), 300);
    EXPECT_EQ(w->ContentWidget(0)->size(), QSize(400, 300));
    EXPECT_EQ(w->Widget()->height(), 300 + menu->sizeHint().height());
    EXPECT_EQ(w->ContentWidget(0)->y(), menu->sizeHint().height());
}

TEST_F(WindowTest, SizeLimitsHoldTheWindow)
{
    auto w = OpenTestWindow(555, 400, nullptr);
    fw::_SetProperties(*w, {{"MinWidth", 550}, {"MaxWidth", 550}, {"MinHeight", 350}});
    EXPECT_EQ(w->Width(), 550);
    w->SetHeight(100);
    EXPECT_EQ(w->Height(), 350);
}

TEST_F(WindowTest, WheelNotchesReachTheWindowScrollingDownAsPositive)
{
    std::vector<std::vector<int>> wheels;
    auto w = OpenTestWindow(200, 200, [](TestWindow& self) { AddButton(self, "Button"); });
    w->mouseWheel = [&](int x, int y, int dx, int dy) {
        wheels.push_back({x, y, dx, dy});
        return false;
    };
    auto wheel = [&](QWidget* target, QPoint at, QPoint angle) {
        QWheelEvent e(at, target->mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
        // Only the user's own wheel events travel up to the parents.
        QSpontaneKeyEvent::setSpontaneous(&e);
        qApp->notify(target, &e);
    };
    QWidget* content = w->ContentWidget(0);
    wheel(content, QPoint(50, 60), QPoint(0, -120)); // one notch down
    wheel(content, QPoint(50, 60), QPoint(0, 360));  // three up
    wheel(content, QPoint(50, 60), QPoint(0, -60));  // half a notch: nothing yet
    wheel(content, QPoint(50, 60), QPoint(0, -60));
    // Over a button the wheel goes on to the window.
    wheel(fw::RuntimeWindowControlByName<fw::RectControl>(*w, "Button")->Widget(), QPoint(5, 5), QPoint(0, -120));

    const std::vector<std::vector<int>> expected = {
        {50, 60, 0, 1}, {50, 60, 0, -3}, {50, 60, 0, 1}, {15, 15, 0, 1}};
    EXPECT_EQ(wheels, expected);
}

TEST_F(WindowTest, CloseRunsTheCloseEventsAndTheFrameworkLetsGoOfTheWindow)
{
    Log& log = containerLog;
    std::weak_ptr<fw::Window> watch;
    {
        auto w = OpenTestWindow(100, 100, [&](TestWindow& self) {
            auto container = fw::New<LoggingContainer>(log);
            fw::RunDefaultWindowConstructor(container);
            self._AddControl("Box", container);
        });
        watch = w.Shared();
        w->Close();
        EXPECT_EQ(w->log.back(), "window Close");
        EXPECT_FALSE(w->IsOpen());
        EXPECT_FALSE(w->Widget()->isVisible());
        EXPECT_TRUE(fw::OpenWindows().empty());
        w->Close(); // a second close does nothing
        EXPECT_EQ(std::count(w->log.begin(), w->log.end(), "window Close"), 1);
    }
    EXPECT_EQ(std::count(log.begin(), log.end(), "container Close"), 1);
    EXPECT_FALSE(watch.expired()) << "released only once back in the event loop";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.expired());
}

TEST_F(WindowTest, AControlKeptAfterItsWindowIsReleasedRaisesNilObjectWhenUsed)
{
    fw::Ref<fw::EditField> field;
    fw::Ref<fw::PushButton> button;
    {
        auto w = OpenTestWindow(100, 100, [](TestWindow& self) {
            self._AddControl("Field", fw::New<fw::EditField>());
            AddButton(self, "Button");
        });
        field = fw::RuntimeWindowControlByName<fw::EditField>(*w, "Field");
        button = fw::RuntimeWindowControlByName<fw::PushButton>(*w, "Button");
        w->Close();
    }
    fw::ReleaseClosedWindows();

    EXPECT_THROW(field->SetLeft(5), fw::NilObjectException);
    EXPECT_THROW(field->SetText("x"), fw::NilObjectException);
    EXPECT_THROW(field->Text(), fw::NilObjectException);
    EXPECT_THROW(button->SetCaption("x"), fw::NilObjectException);
}

TEST_F(WindowTest, TheCloseBoxClosesTheWindowThroughItsCloseEvent)
{
    auto w = OpenTestWindow(100, 100, nullptr);
    w->Widget()->close();
    EXPECT_EQ(w->log.back(), "window Close");
    EXPECT_FALSE(w->IsOpen());
}

TEST_F(WindowTest, TheImplicitWindowIsTheOpenWindowOfThatClass)
{
    EXPECT_TRUE(fw::_GetImplicitWindow<TestWindow>().IsNil());
    auto w = OpenTestWindow(100, 100, nullptr);
    EXPECT_TRUE(fw::_GetImplicitWindow<TestWindow>() == w);
    EXPECT_TRUE(fw::_GetImplicitWindow<OwnerWindow>().IsNil());
}

TEST_F(WindowTest, AContainerEmbeddedInAPanelSitsOnThatPageKeepingItsDeclaredSize)
{
    Log& log = containerLog;
    auto w = OpenTestWindow(400, 400, [&](TestWindow& self) {
        self._AddControl("Tabs", fw::New<fw::TabPanel>());
        fw::_SetProperties(*fw::RuntimeWindowControlByName(self, "Tabs"),
                           {{"Left", 5}, {"Top", 5}, {"Width", 390}, {"Height", 390},
                            {"TabDefinition", "One\rTwo"}, {"Value", 0}});
        auto container = fw::New<LoggingContainer>(log);
        fw::RunDefaultWindowConstructor(container);
        self._AddControl("Box", container);
        fw::_SetProperties(*container, {{"Left", 8}, {"Top", 37}, {"Width", 300}, {"Height", 200}});
    });
    auto tabs = fw::RuntimeWindowControlByName<fw::TabPanel>(*w, "Tabs");
    auto box = fw::RuntimeWindowControlByName<fw::ContainerControl>(*w, "Box");
    box->EmbedWithinPanel(*tabs, 1, 0, 0, -1, -1);

    EXPECT_EQ(tabs->PanelCount(), 2);
    EXPECT_EQ(box->Widget()->parentWidget(), tabs->ContentWidget(2));
    EXPECT_EQ(box->Widget()->geometry(), QRect(3, 32, 300, 200));
    EXPECT_FALSE(box->IsShown());
    tabs->SetValue(1);
    EXPECT_TRUE(box->IsShown());
}

// Runs the runtime's event loop on Qt until the body has run and quit.
void RunLoop(const std::function<void()>& body)
{
    fw::RuntimeInit();
    fw::StartWindowSystem();
    QTimer::singleShot(0, [&] {
        body();
        fw::Quit(0);
    });
    try {
        fw::RuntimeRun();
    } catch (...) {
        fw::RuntimeExit();
        fw::SetEventLoop(nullptr);
        throw;
    }
    fw::RuntimeExit();
    fw::SetEventLoop(nullptr);
}

TEST_F(WindowTest, WhileTheEventLoopRunsAHandlersRuntimeExceptionIsReportedAndTheLoopGoesOn)
{
    fw::ScriptedDesktop desktop;
    auto w = WindowWithButton(&OwnerWindow::Throws);
    auto button = fw::RuntimeWindowControlByName<fw::PushButton>(*w, "Button");
    bool after = false;
    RunLoop([&] {
        button->RaiseEvent("Action");
        after = true;
    });
    EXPECT_TRUE(after);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "NilObjectException: An object that does not exist was used.");
    EXPECT_EQ(desktop.messages[0].code, 16);
    EXPECT_EQ(desktop.messages[0].title, "Error!");
    EXPECT_EQ(w->log.back(), "before");

    // Outside the event loop (start-up) the exception goes on to the caller.
    EXPECT_THROW(button->RaiseEvent("Action"), fw::NilObjectException);
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(WindowTest, WhileTheEventLoopRunsEveryOtherExceptionIsReportedAndTheLoopGoesOn)
{
    fw::ScriptedDesktop desktop;
    auto outOfMemory = WindowWithButton(&OwnerWindow::RunsOutOfMemory);
    auto other = WindowWithButton(&OwnerWindow::ThrowsOther);
    bool after = false;
    RunLoop([&] {
        fw::RuntimeWindowControlByName<fw::PushButton>(*outOfMemory, "Button")->RaiseEvent("Action");
        fw::RuntimeWindowControlByName<fw::PushButton>(*other, "Button")->RaiseEvent("Action");
        after = true;
    });
    EXPECT_TRUE(after);
    EXPECT_TRUE(outOfMemory->IsOpen());
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text,
              "The program ran out of memory while carrying out the last action. The action was stopped.");
    EXPECT_EQ(desktop.messages[1].text, "The last action was stopped by an error: not a runtime exception");
    for (const auto& m : desktop.messages) {
        EXPECT_EQ(m.code, 16);
        EXPECT_EQ(m.title, "Error!");
    }
}

// Answers message boxes after running a nested event loop, as a modal box does.
class ModalDesktop : public fw::ScriptedDesktop {
public:
    int MessageBox(const std::string& message, int code, const std::string& title) override
    {
        QEventLoop nested;
        QTimer::singleShot(20, &nested, &QEventLoop::quit);
        nested.exec();
        return ScriptedDesktop::MessageBox(message, code, title);
    }
};

TEST_F(WindowTest, AWindowClosedWhileItsOwnHandlerRunsLivesUntilTheHandlerIsDone)
{
    ModalDesktop desktop;
    // Closed by the handler itself, or by a timer while the handler's box is open.
    for (bool byTimer : {false, true}) {
        std::weak_ptr<fw::Window> watch;
        bool aliveAfterTheBox = false;
        RunLoop([&] {
            auto w = OpenTestWindow(100, 100, [](TestWindow& self) { AddButton(self, "Button"); });
            TestWindow* self = w.Raw();
            watch = w.Shared();
            auto button = fw::RuntimeWindowControlByName(*w, "Button");
            fw::_InstallInstanceEventHandler(*button, "Action", {"CloseAndTell", [&, self](fw::Control&) {
                                                 if (byTimer)
                                                     QTimer::singleShot(0, [self] { self->Close(); });
                                                 else
                                                     self->Close();
                                                 fw::MsgBox("closed");
                                                 aliveAfterTheBox = !watch.expired();
                                                 self->log.push_back("after the box");
                                             }});
            w.Release();
            button->RaiseEvent("Action");
        });
        EXPECT_TRUE(aliveAfterTheBox) << byTimer;
        EXPECT_TRUE(watch.expired()) << byTimer;
    }
}

} // namespace
