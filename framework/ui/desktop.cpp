#include "framework/ui/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

namespace fw {

namespace {

QString ToQ(const std::string& s) { return QString::fromStdString(s); }

QString FilterText(const std::vector<FileFilter>& filters)
{
    QStringList parts;
    for (const auto& f : filters) {
        QStringList patterns;
        for (const auto& e : f.extensions)
            patterns << "*" + ToQ(e);
        parts << ToQ(f.name) + " (" + patterns.join(' ') + ")";
    }
    return parts.join(";;");
}

// Qt's own file dialog reads a name holding '"' as a list of quoted names: it
// would give back one of them, and judges its button by them. We choose one
// file, so such a name field's text is taken whole, in the dialog's folder
// unless it is absolute. Native dialogs give back the name as typed and leave
// this field empty.
class FileDialog : public QFileDialog {
public:
    FileDialog(const QString& folder, const QString& filter, AcceptMode mode)
        : QFileDialog(QApplication::activeWindow(), QString(), folder, filter)
    {
        setAcceptMode(mode);
        if (mode == AcceptOpen)
            setFileMode(ExistingFile);
        m_name = findChild<QLineEdit*>("fileNameEdit");
        auto* buttons = findChild<QDialogButtonBox*>("buttonBox");
        m_button = buttons ? buttons->button(mode == AcceptOpen ? QDialogButtonBox::Open : QDialogButtonBox::Save)
                           : nullptr;
        auto* list = findChild<QListView*>("listView");
        if (!m_name || !m_button || !list)
            return;
        m_label = m_button->text();
        // Connected after the dialog's own handlers, so they have the last
        // word: the dialog judges its button again on every change of the
        // name, of the selection and of the folder.
        connect(m_name, &QLineEdit::textChanged, this, &FileDialog::JudgeButton);
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FileDialog::JudgeButton);
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this, &FileDialog::JudgeButton);
    }

    // Shows the dialog; the chosen path, or nothing when it was cancelled.
    std::optional<std::string> Run()
    {
        if (exec() != Accepted)
            return std::nullopt;
        const QStringList files = m_typed.isEmpty() ? selectedFiles() : QStringList{m_typed};
        if (files.isEmpty() || files.constFirst().isEmpty())
            return std::nullopt;
        return files.constFirst().toStdString();
    }

    void accept() override
    {
        const QString path = TypedPath();
        const QFileInfo info(path);
        if (path.isEmpty()) {
            QFileDialog::accept();
        } else if (info.isDir()) {
            // As the dialog does with a folder's name; the button then
            // follows the emptied field.
            setDirectory(path);
            m_name->clear();
        } else if (acceptMode() == AcceptOpen && !info.exists()) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1\nFile not found.\nPlease verify the correct file name was given.")
                                     .arg(info.fileName()));
        } else {
            m_typed = path;
            QDialog::accept();
        }
    }

private:
    // The name field's text as one path when it holds '"', else "".
    QString TypedPath() const
    {
        if (!m_name || !m_name->text().contains('"'))
            return QString();
        return directory().absoluteFilePath(m_name->text());
    }

    void JudgeButton()
    {
        const QString path = TypedPath();
        if (path.isEmpty())
            return;
        const QFileInfo info(path);
        if (acceptMode() == AcceptOpen) {
            m_button->setEnabled(info.exists());
        } else {
            m_button->setEnabled(true);
            m_button->setText(info.isDir() ? tr("&Open") : m_label);
        }
    }

    QLineEdit* m_name = nullptr;
    QPushButton* m_button = nullptr;
    QString m_label;
    QString m_typed;
};

class QtDesktop : public Desktop {
public:
    int MessageBox(const std::string& message, int code, const std::string& title) override
    {
        // No parent window: one that closed while the box is open would take
        // the box with it. Modal for the whole program all the same.
        QMessageBox box;
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowTitle(ToQ(title));
        box.setText(ToQ(message));
        // Icon from the code's 16s (16 stop, 32 question, 48 caution, 64 note).
        switch (code & 0x70) {
        case 16: box.setIcon(QMessageBox::Critical); break;
        case 32: box.setIcon(QMessageBox::Question); break;
        case 48: box.setIcon(QMessageBox::Warning); break;
        case 64: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
        }
        // Buttons from the code's low bits: 4 Yes and No, anything else OK;
        // 256 makes the second one the default.
        if ((code & 7) == 4) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(code & 256 ? QMessageBox::No : QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? 6 : 7;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return 1;
    }

    std::optional<std::string> OpenFileDialog(const std::vector<FileFilter>& filters,
                                              const std::string& startFolder) override
    {
        return FileDialog(ToQ(startFolder), FilterText(filters), QFileDialog::AcceptOpen).Run();
    }

    std::optional<std::string> SaveFileDialog(const std::vector<FileFilter>& filters,
                                              const std::string& startFolder,
                                              const std::string& defaultName) override
    {
        // No default suffix and no replace question: a native dialog adds the
        // suffix only after it has returned, so its question would be about
        // another name than the one written. The caller asks instead.
        FileDialog dialog(ToQ(startFolder), FilterText(filters), QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(ToQ(defaultName));
        return dialog.Run();
    }

    void OpenURL(const std::string& url) override
    {
        const QUrl u(ToQ(url));
        if (QDesktopServices::openUrl(u))
            return;
        // Some platforms (offscreen, minimal) cannot open URLs themselves.
        QProcess::startDetached("xdg-open", {u.toString()});
    }
};

Desktop* g_desktop = nullptr;

} // namespace

Desktop* SetDesktop(Desktop* desktop)
{
    Desktop* previous = g_desktop;
    g_desktop = desktop;
    return previous;
}

Desktop& CurrentDesktop()
{
    static QtDesktop qtDesktop;
    return g_desktop ? *g_desktop : qtDesktop;
}

int MsgBox(const String& message, int code, const String& title)
{
    return CurrentDesktop().MessageBox(message.ToUTF8(), code, title.ToUTF8());
}

void ShowURL(const String& url) { CurrentDesktop().OpenURL(url.ToUTF8()); }

} // namespace fw
