#pragma once

// A plain top-level window for tests: its construction hooks and events run
// whatever the test gives them, and it logs its own events.

#include <functional>
#include <string>
#include <vector>

#include "framework/ui/window.h"

class TestWindow : public fw::Window {
public:
    std::function<void(TestWindow&)> layout;
    std::function<void(TestWindow&)> createControls;
    std::function<bool(int, int, int, int)> mouseWheel;
    std::vector<std::string> log;

    void Layout() override
    {
        if (layout)
            layout(*this);
    }
    void CreateControls() override
    {
        if (createControls)
            createControls(*this);
    }
    void Event_Open() override { log.push_back("window Open"); }
    void Event_Close() override { log.push_back("window Close"); }
    void Event_Resized() override { log.push_back("window Resized"); }
    bool Event_MouseWheel(int x, int y, int dx, int dy) override { return mouseWheel && mouseWheel(x, y, dx, dy); }

    // Handlers a test binds to controls of this window.
    void Logged(fw::Control& me) { log.push_back(me.Name().ToUTF8() + " event"); }
};

// Builds and opens a test window of the given content size.
inline fw::Ref<TestWindow> OpenTestWindow(int width, int height, std::function<void(TestWindow&)> createControls)
{
    auto w = fw::New<TestWindow>();
    w->layout = [width, height](TestWindow& self) {
        fw::_SetProperties(self, {{"Width", width}, {"Height", height}, {"Title", "Test"}});
    };
    w->createControls = std::move(createControls);
    fw::RunDefaultWindowConstructor(w);
    return w;
}

// Closes and destroys every window a test left open.
struct WindowCleanup {
    ~WindowCleanup()
    {
        for (const auto& w : fw::OpenWindows())
            w->Close();
        fw::ReleaseAllWindows();
    }
};
