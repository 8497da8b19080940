#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "framework/ui/desktop.h"

// Qt's own message box, answered by pressing Return. A timer finds the box
// and presses Return once; if the box is still open two seconds later it
// presses Yes and fails, so the test cannot hang.
TEST(QtDesktop, ReturnPressesTheDefaultButtonThatTheCodeChooses)
{
    fw::Desktop* const unscripted = fw::SetDesktop(nullptr);
    for (const auto& [code, answer] : {std::pair{36, 6}, std::pair{292, 7}}) {
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (++ticks == 1)
                QTest::keyClick(box, Qt::Key_Return);
            else if (ticks > 200) {
                ADD_FAILURE() << "Return did not close the box";
                box->button(QMessageBox::Yes)->click();
            }
        });
        timer.start(10);
        EXPECT_EQ(fw::MsgBox("Replace it?", code, "Save to File"), answer) << code;
    }
    fw::SetDesktop(unscripted);
}
