#include "framework/ui/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
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
        QFileDialog dialog(QApplication::activeWindow(), QString(), ToQ(startFolder), FilterText(filters));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(ToQ(defaultName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst().toStdString();
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
