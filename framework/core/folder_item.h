#pragma once

#include <string>

#include "framework/core/object.h"
#include "framework/core/text.h"
#include "framework/core/text_stream.h"

namespace fw {

// A file or folder named by its absolute path; the file need not exist.
class FolderItem : public Object {
public:
    // Takes an absolute path; a trailing "/" is dropped.
    explicit FolderItem(std::string absolutePath);

    // The last part of the path.
    String Name() const;
    // Makes the item refer to that name in the same folder. Nothing on disk
    // is renamed. A name holding "/" raises IOException.
    void SetName(const String& name);
    // The registered file type whose extension the name ends with; "" when none.
    String Type() const;
    // The path; a folder's ends with "/", so a name can be appended directly.
    String AbsolutePath() const;
    // The item as a file:// URL, its path percent-encoded.
    String URLPath() const;

    // Four-character type and creator codes, kept as extended attributes of
    // the file. "" when there are none; setting them does nothing where the
    // file system cannot keep them.
    String MacType() const;
    void SetMacType(const String& code);
    String MacCreator() const;
    void SetMacCreator(const String& code);

    bool Exists() const;

    // A stream that writes a new version of the file (see TextOutputStream).
    // Raises IOException when it cannot be created, and refuses, creating
    // nothing, a file that is not a regular one or that this process may not
    // write.
    Ref<TextOutputStream> CreateTextFile();
    // A stream on the file's content. Raises IOException when the file cannot
    // be opened, is not a regular file (a pipe, device, socket or folder) or
    // holds more than kMaxTextFileBytes.
    Ref<TextInputStream> OpenAsTextFile();

private:
    std::string m_path;
};

// The folder for temporary files (TMPDIR when set, else the system's); nil
// when it does not exist.
Ref<FolderItem> TemporaryFolder();
// The item at a path, whether or not the file exists. Mode 0 takes the path
// in the form AbsolutePath gives; a relative path starts in the current
// folder. Nil for an empty path.
Ref<FolderItem> GetFolderItem(const String& path, int pathMode = 0);
// The path TemporaryFolder looks at, whether or not it exists.
std::string TemporaryFolderPath();

} // namespace fw
