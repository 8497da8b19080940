#pragma once

#include "framework/core/object.h"
#include "framework/core/text.h"

namespace fw {

class FolderItem;

// File dialogs limited to a registered file type, shown through the desktop;
// nil when cancelled. Each starts in the folder of the last file chosen (the
// home folder at first). The save dialog gives the name as typed and does not
// ask about replacing a file: the caller adds its extension and asks.
Ref<FolderItem> GetOpenFolderItem(const String& typeName);
Ref<FolderItem> GetSaveFolderItem(const String& typeName, const String& defaultName);
// The next file dialog starts in the home folder again, as the first one does.
void ForgetFileDialogFolder();

} // namespace fw
