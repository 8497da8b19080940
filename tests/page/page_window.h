#pragma once

// A plain window holding one questionnaire page at the page's full height,
// locked top and bottom as the main window holds it.

#include "framework/ui/canvas.h"
#include "framework/ui/edit_field.h"
#include "framework/ui/scroll_bar.h"
#include "framework/ui/static_text.h"
#include "framework/ui/timer.h"
#include "page/qa_healthhist.h"
#include "tests/support/test_window.h"

#include <gtest/gtest.h>
#include <string>

class PageWindow : public TestWindow {
public:
    void Layout() override { fw::_SetProperties(*this, {{"Width", 537}, {"Height", 1075}, {"Title", "Page"}}); }
    void CreateControls() override
    {
        auto page = fw::New<QA_HealthHist>();
        fw::RunDefaultWindowConstructor(page);
        _AddControl("QA_HealthHist1", page);
        fw::_SetProperties(*fw::RuntimeWindowControlByName(*this, "QA_HealthHist1"),
                           {{"Left", 0},
                            {"Top", 0},
                            {"Width", 537},
                            {"Height", 1075},
                            {"LockTop", true},
                            {"LockBottom", true},
                            {"FocusChanged", false}});
    }
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = fw::New<PageWindow>();
        fw::RunDefaultWindowConstructor(window);
        page = fw::RuntimeWindowControlByName<QA_HealthHist>(*window, "QA_HealthHist1");
    }

    template <class T = fw::RectControl>
    fw::Ref<T> Get(const std::string& name) const
    {
        return fw::RuntimeWindowControlByName<T>(*page, name);
    }
    fw::Ref<fw::EditField> Field(int number) const { return Get<fw::EditField>("EditField" + std::to_string(number)); }
    fw::Ref<fw::ScrollBar> Bar() const { return Get<fw::ScrollBar>("ScrollWindow"); }
    fw::Ref<fw::Canvas> Frame() const { return Get<fw::Canvas>("BackFrame"); }
    // Only the test's own ticks count.
    void StopTimer() const { Get<fw::Timer>("Timer1")->SetMode(0); }
    void Tick() const { Get<fw::Timer>("Timer1")->Fire(); }
    // The page's height follows the window's through its locks.
    void SetPageHeight(int height) const { window->SetHeight(height); }

    WindowCleanup cleanup;
    fw::Ref<PageWindow> window;
    fw::Ref<QA_HealthHist> page;
};
