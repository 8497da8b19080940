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
    static fw::Ref<TestWindow> Open()
    {
        return OpenTestWindow(200, 200, [](TestWindow& w) {
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
    }

    void SetUp() override
    {
        window = Open();
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
        double sum = 0;
        for (const auto& [value, weight] : {std::pair{c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
            sum += weight * (value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
        return sum;
    };
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    for (const bool isDark : {false, true}) {
        QApplication::setPalette(isDark ? dark : light);
        const fw::Ref<TestWindow> built = Open();
        auto label = fw::RuntimeWindowControlByName<fw::StaticText>(*built, "Label0");
        label->SetText("Allergies");
        const QImage shot = built->Widget()->grab().toImage();
        const QColor behind = shot.pixelColor(label->Left() + label->Width() - 2, label->Top() + 2);
        if (!isDark) {
            EXPECT_EQ(behind, light.color(QPalette::Window));
        }
        double text = 1;
        for (int x = label->Left(); x < label->Left() + label->Width(); ++x)
            for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
                text = std::min(text, luminance(shot.pixelColor(x, y)));
        EXPECT_LT(text, 0.01) << "the declared black is kept";
        EXPECT_GE((luminance(behind) + 0.05) / (text + 0.05), 4.5);
    }
    QApplication::setPalette(light);
}

} // namespace
