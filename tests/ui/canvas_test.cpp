#include "framework/ui/canvas.h"

#include "framework/ui/static_text.h"
#include "tests/support/test_window.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace {

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = OpenTestWindow(200, 200, [](TestWindow& w) {
            w._AddControl("Frame", fw::New<fw::Canvas>());
            fw::_SetProperties(*fw::RuntimeWindowControlByName(w, "Frame"),
                               {{"Left", 1}, {"Top", 1}, {"Width", 150}, {"Height", 100}});
            w._AddControl("Beside", fw::New<fw::StaticText>());
            fw::_SetProperties(*fw::RuntimeWindowControlByName(w, "Beside"),
                               {{"Left", 160}, {"Top", 10}, {"Width", 30}, {"Height", 20}});
            for (int i = 0; i < 3; ++i) {
                const std::string name = "Label" + std::to_string(i);
                w._AddControl(name, fw::New<fw::StaticText>());
                fw::_SetProperties(*fw::RuntimeWindowControlByName(w, name),
                                   {{"Left", 6}, {"Top", 10 + 60 * i}, {"Width", 100}, {"Height", 20},
                                    {"InitialParent", "Frame"}});
            }
        });
        frame = fw::RuntimeWindowControlByName<fw::Canvas>(*window, "Frame");
    }

    int TopOf(const std::string& name) const
    {
        return fw::RuntimeWindowControlByName<fw::RectControl>(*window, name)->Top();
    }

    WindowCleanup cleanup;
    fw::Ref<TestWindow> window;
    fw::Ref<fw::Canvas> frame;
};

TEST_F(CanvasTest, ScrollingTheWholeCanvasMovesEveryChildByDeltaY)
{
    frame->Scroll(0, -50, 0, 0, -10000, -10000, true);
    EXPECT_EQ(TopOf("Label0"), -40);
    EXPECT_EQ(TopOf("Label1"), 20);
    EXPECT_EQ(TopOf("Label2"), 80);
    EXPECT_EQ(fw::RuntimeWindowControlByName<fw::RectControl>(*window, "Label1")->Widget()->y(), 19);
    // The canvas itself and controls outside it stay.
    EXPECT_EQ(frame->Top(), 1);
    EXPECT_EQ(TopOf("Beside"), 10);

    // Children scrolled out of sight come back too.
    frame->Scroll(0, 50, 0, 0, -10000, -10000, true);
    EXPECT_EQ(TopOf("Label0"), 10);
    EXPECT_EQ(TopOf("Label2"), 130);
}

TEST_F(CanvasTest, ScrollingPartOfTheCanvasMovesOnlyTheChildrenInside)
{
    frame->Scroll(0, 5, 0, 0, 150, 50, true);
    EXPECT_EQ(TopOf("Label0"), 15);
    EXPECT_EQ(TopOf("Label1"), 70);
    frame->Scroll(0, 5, 0, 0, -10000, -10000, false);
    EXPECT_EQ(TopOf("Label0"), 15);
}

TEST_F(CanvasTest, MovingTheCanvasCarriesItsChildren)
{
    frame->SetTop(21);
    EXPECT_EQ(TopOf("Label0"), 30);
    EXPECT_EQ(fw::RuntimeWindowControlByName<fw::RectControl>(*window, "Label0")->Widget()->y(), 9);
}

// The labels' declared black was chosen for a light window: under a dark
// desktop palette the canvas behind them is light, under a light one the
// window shows through as before.
TEST_F(CanvasTest, LabelsOnTheCanvasReadUnderADarkPalette)
{
    auto luminance = [](QColor c) {
        auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    for (const bool isDark : {false, true}) {
        QApplication::setPalette(isDark ? dark : light);
        SetUp(); // a palette reaches the widgets built after it
        auto label = fw::RuntimeWindowControlByName<fw::StaticText>(*window, "Label0");
        label->SetText("Allergies");
        const QImage shot = window->Widget()->grab().toImage().copy(label->Left(), label->Top(), 100, 20);
        const QColor behind = shot.pixelColor(98, 2);
        EXPECT_TRUE(isDark || behind == light.color(QPalette::Window));
        double text = 1;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                text = std::min(text, luminance(shot.pixelColor(x, y)));
        EXPECT_LT(text, 0.01) << "the declared black is kept";
        EXPECT_GE((luminance(behind) + 0.05) / (text + 0.05), 4.5);
    }
    QApplication::setPalette(light);
}

} // namespace
