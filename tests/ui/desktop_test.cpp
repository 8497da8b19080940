#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "framework/ui/desktop.h"
#include "tests/support/file_test_support.h"

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

// Qt's own save dialog: a typed name comes back as typed when Save is
// pressed, with no question about an existing file and no suffix added, for
// the save to ask about the name it writes. Quotes are part of the name, not
// a list of names. A question is answered No; two seconds on, the dialog is
// cancelled.
TEST(QtDesktop, SaveDialogReturnsTheTypedNameAndAsksNothing)
{
    test_support::ScratchFolder folder;
    test_support::WriteBytes(folder / "answers", "old");
    test_support::WriteBytes(folder / "best", "old");
    fw::Desktop* const unscripted = fw::SetDesktop(nullptr);
    for (const std::string typed : {"answers", "notes", "my \"best\" answers", "a\""}) {
        bool named = false;
        bool asked = false;
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                asked = true;
                box->done(QMessageBox::No);
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !named) {
                named = true;
                if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
                    name->setText(QString::fromStdString(typed));
                QPushButton* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
                QMetaObject::invokeMethod(save, "click", Qt::QueuedConnection);
            } else if (dialog && ++ticks > 200) {
                dialog->reject();
            }
        });
        timer.start(10);
        const auto path = fw::CurrentDesktop().SaveFileDialog({{"QELM QnA (UTF8)", {".vqa"}}}, folder.Path(), "x.vqa");
        EXPECT_FALSE(asked) << typed;
        EXPECT_EQ(path, folder / typed);
    }
    fw::SetDesktop(unscripted);
}
