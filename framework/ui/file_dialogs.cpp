#include "framework/ui/file_dialogs.h"

#include "framework/core/filetype.h"
#include "framework/core/folder_item.h"
#include "framework/ui/desktop.h"

#include <QDir>

namespace fw {

namespace {

// Where the next file dialog starts: the user's home folder until a file has
// been chosen, then the folder of the last choice.
std::string& LastFolder()
{
    static std::string folder;
    if (folder.empty())
        folder = QDir::homePath().toStdString();
    return folder;
}

} // namespace

void ForgetFileDialogFolder() { LastFolder().clear(); }

namespace {

std::vector<FileFilter> FiltersFor(const String& typeName)
{
    const RegisteredFileType* type = FindRegisteredFileType(typeName);
    if (!type)
        return {};
    return {FileFilter{type->name, type->extensions}};
}

Ref<FolderItem> Chosen(const std::optional<std::string>& path)
{
    if (!path || path->empty())
        return nullptr;
    // A chosen path names a file: a "/" typed after the name is dropped, as
    // only the temporary folder is named as a folder.
    std::string file = *path;
    while (file.size() > 1 && file.back() == '/')
        file.pop_back();
    Ref<FolderItem> item = GetFolderItem(String(file), 0);
    const std::string absolute = item->AbsolutePath().ToUTF8();
    const auto slash = absolute.rfind('/');
    LastFolder() = slash == 0 ? "/" : absolute.substr(0, slash);
    return item;
}

} // namespace

Ref<FolderItem> GetOpenFolderItem(const String& typeName)
{
    return Chosen(CurrentDesktop().OpenFileDialog(FiltersFor(typeName), LastFolder()));
}

Ref<FolderItem> GetSaveFolderItem(const String& typeName, const String& defaultName)
{
    return Chosen(CurrentDesktop().SaveFileDialog(FiltersFor(typeName), LastFolder(), defaultName.ToUTF8()));
}

} // namespace fw
