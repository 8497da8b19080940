#include "framework/ui/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
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

// Qt's own save dialog reads a name holding '"' as a list of quoted names: it
// would give back one of them, and judges its Save button by them. A save
// writes one name, so such a name field's text is taken whole, in the
// dialog's folder unless it is absolute. Native dialogs give back the name as
// typed and leave this field empty.
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& folder, const QString& filter)
        : QFileDialog(parent, QString(), folder, filter)
    {
        setAcceptMode(QFileDialog::AcceptSave);
        m_name = findChild<QLineEdit*>("fileNameEdit");
        auto* buttons = findChild<QDialogButtonBox*>("buttonBox");
        QPushButton* save = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
        if (!m_name || !save)
            return;
        // Connected after the dialog's own handler, so it has the last word.
        connect(m_name, &QLineEdit::textChanged, this, [this, save, label = save->text()] {
            if (const QString path = TypedPath(); !path.isEmpty()) {
                save->setEnabled(true);
                save->setText(QFileInfo(path).isDir() ? QFileDialog::tr("&Open") : label);
            }
        });
    }

    QString ChosenPath() const
    {
        if (!m_typed.isEmpty())
            return m_typed;
        const QStringList files = selectedFiles();
        return files.isEmpty() ? QString() : files.constFirst();
    }

    void accept() override
    {
        const QString path = TypedPath();
        if (path.isEmpty()) {
            QFileDialog::accept();
        } else if (QFileInfo(path).isDir()) {
            setDirectory(path); // as the dialog does with a folder's name
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

    QLineEdit* m_name = nullptr;
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
        const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                          ToQ(startFolder), FilterText(filters));
        if (path.isEmpty())
            return std::nullopt;
        return path.toStdString();
    }

    std::optional<std::string> SaveFileDialog(const std::vector<FileFilter>& filters,
                                              const std::string& startFolder,
                                              const std::string& defaultName) override
    {
        // No default suffix and no replace question: a native dialog adds the
        // suffix only after it has returned, so its question would be about
        // another name than the one written. The caller asks instead.
        SaveDialog dialog(QApplication::activeWindow(), ToQ(startFolder), FilterText(filters));
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(ToQ(defaultName));
        const QString path = dialog.exec() == QDialog::Accepted ? dialog.ChosenPath() : QString();
        if (path.isEmpty())
            return std::nullopt;
        return path.toStdString();
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
