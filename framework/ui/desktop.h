#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/core/object.h"
#include "framework/core/text.h"

namespace fw {

class FolderItem;

// One choice of a file dialog's type list: the type's name and its
// extensions, each with its leading dot.
struct FileFilter {
    std::string name;
    std::vector<std::string> extensions;
};

// Everything that talks to the user outside our windows or hands work to
// other programs: message boxes, file dialogs, the browser. The running
// program uses Qt's; tests install a scripted one, so nothing ever blocks on
// a modal dialog.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Shows a modal message box; returns the button pressed (1 = OK, 6 = Yes,
    // 7 = No).
    virtual int MessageBox(const std::string& message, int code, const std::string& title) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> OpenFileDialog(const std::vector<FileFilter>& filters,
                                                      const std::string& startFolder) = 0;
    // The path as the user chose it: no extension is added and replacing an
    // existing file is not confirmed, so the caller, which knows the name it
    // will really write, asks about that one.
    virtual std::optional<std::string> SaveFileDialog(const std::vector<FileFilter>& filters,
                                                      const std::string& startFolder,
                                                      const std::string& defaultName) = 0;
    // Hands a URL to the desktop's default handler for it.
    virtual void OpenURL(const std::string& url) = 0;
};

// Installs a desktop (nullptr: Qt's) and gives back the one it replaces.
Desktop* SetDesktop(Desktop* desktop);
Desktop& CurrentDesktop();

// Message box. The code's buttons part (code & 7): 0 = OK, which returns 1;
// 4 = Yes and No, which return 6 and 7. Its icon part: 16 stop, 32 question,
// 48 caution, 64 note, 0 none. Adding 256 makes the second button (No) the
// default, the one Return presses; otherwise the first one is.
int MsgBox(const String& message, int code = 0, const String& title = "");
void ShowURL(const String& url);

} // namespace fw
