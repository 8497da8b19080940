// Runs every test inside a QApplication on the offscreen platform, so widget
// tests use real widgets without a display.
#include "framework/ui/desktop.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Stands in for Qt's desktop while no test has scripted one: a test must
// never open a real dialog or browser, so any use of it is a failure.
class UnscriptedDesktop : public fw::Desktop {
public:
    int MessageBox(const std::string& message, int, const std::string&) override
    {
        ADD_FAILURE() << "unscripted message box: " << message;
        return 1;
    }
    std::optional<std::string> OpenFileDialog(const std::vector<fw::FileFilter>&, const std::string&) override
    {
        ADD_FAILURE() << "unscripted open dialog";
        return std::nullopt;
    }
    std::optional<std::string> SaveFileDialog(const std::vector<fw::FileFilter>&, const std::string&,
                                              const std::string&) override
    {
        ADD_FAILURE() << "unscripted save dialog";
        return std::nullopt;
    }
    void OpenURL(const std::string& url) override { ADD_FAILURE() << "unscripted URL: " << url; }
};

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    UnscriptedDesktop unscripted;
    fw::SetDesktop(&unscripted);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
