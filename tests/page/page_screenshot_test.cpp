// Renders the page offscreen to PNG files in the working folder, whole and
// at the height the main window gives it, for a look by eye.

#include "tests/page/page_window.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>
#include <iostream>

namespace {

class ScreenshotTest : public PageTest {
protected:
    void Save(const QString& file) const
    {
        const QImage image = window->Widget()->grab().toImage();
        ASSERT_TRUE(image.save(file, "PNG"));
        EXPECT_EQ(image.height(), window->Height());
        std::cout << "page rendered to " << QDir::current().absoluteFilePath(file).toStdString() << '\n';
    }
};

TEST_F(ScreenshotTest, ThePageRendersWholeAndInTheMainWindowsView)
{
    StopTimer();
    page->SetValues(page->GetValues());
    Field(3)->SetText("1995: knee surgery\n2004: tonsils");
    Save("qa_healthhist_page.png");
    SetPageHeight(434);
    page->UpdateFocus(*Field(5));
    Tick();
    Save("qa_healthhist_page_434.png");
}

} // namespace
