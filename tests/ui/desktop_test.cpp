#include <QApplication>
#include <QDir>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
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

// Qt's own file dialogs: a typed name comes back as typed when the button is
// pressed, also after a change of folder, with no question about an existing
// file and no suffix added, for the save to ask about the name it writes.
// Quotes are part of the name, not a list of names; a quoted folder's name
// enters the folder and empties the field. A question is answered No; two
// seconds on, the dialog is cancelled.
TEST(QtDesktop, FileDialogsReturnTheTypedNameAndAskNothing)
{
    test_support::ScratchFolder folder;
    for (const char* file : {"answers", "best", "my \"best\" answers.vqa"})
        test_support::WriteBytes(folder / file, "old");
    std::filesystem::create_directory(folder / "my \"dir\"");
    fw::Desktop* const unscripted = fw::SetDesktop(nullptr);
    // Each "/" ends a name typed and the button pressed; a name ending in
    // ".vqa" is opened, any other saved.
    for (const std::string chosen : {"answers", "notes", "my \"best\" answers", "a\"", "my \"dir\"/x",
                                     "my \"best\" answers.vqa"}) {
        const QStringList typed = QString::fromStdString(chosen).split('/');
        const bool open = chosen.ends_with(".vqa");
        qsizetype step = 0;
        bool asked = false;
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                asked = true;
                box->done(QMessageBox::No);
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && step < typed.size()) {
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                auto* buttons = dialog->findChild<QDialogButtonBox*>();
                ASSERT_TRUE(name && buttons) << "not Qt's own dialog";
                EXPECT_TRUE(step == 0 || name->text().isEmpty()) << "a folder entered keeps its name";
                name->setText(typed[step++]);
                const QString here = dialog->directory().path();
                dialog->setDirectory(QDir::rootPath());
                dialog->setDirectory(here);
                QPushButton* button = buttons->button(open ? QDialogButtonBox::Open : QDialogButtonBox::Save);
                QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
            } else if (dialog && ++ticks > 200) {
                dialog->reject();
            }
        });
        timer.start(10);
        const std::vector<fw::FileFilter> filters = {{"QELM QnA (UTF8)", {".vqa"}}};
        const auto path = open ? fw::CurrentDesktop().OpenFileDialog(filters, folder.Path())
                               : fw::CurrentDesktop().SaveFileDialog(filters, folder.Path(), "x.vqa");
        EXPECT_FALSE(asked) << chosen;
        EXPECT_EQ(path, folder / chosen);
    }
    fw::SetDesktop(unscripted);
}
