#pragma once

#include <string>

#include "framework/core/object.h"
#include "framework/core/text.h"
#include "framework/core/text_stream.h"

namespace fw {

// A file or folder named by its absolute path; the file need not exist.
class FolderItem : public Object {
public:
    // Takes an absolute path. A trailing "/" names a folder, whose path then
    // ends with "/" whether or not it exists.
    explicit FolderItem(std::string absolutePath);

    // The last part of the path.
    String Name() const;
    // Makes the item refer to that name in the same folder, named as a file.
    // Nothing on disk is renamed. A name holding "/" raises IOException.
    void SetName(const String& name);
    // The registered file type whose extension the name ends with; "" when none.
    String Type() const;
    // The path; a folder's, or one named as a folder, ends with "/", so a
    // name can be appended directly.
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

    // What CreateTextFile does where the path is a link.
    enum class AtALink {
        // The file the link points to is replaced; a link to a file that
        // does not exist is refused.
        ReplaceItsTarget,
        // The link itself is replaced by the new file; what it points to is
        // never opened.
        ReplaceTheLink,
    };
    // A stream that writes a new version of the file (see TextOutputStream).
    // Raises IOException when it cannot be created, and refuses, creating
    // nothing, a file that is not a regular one or that this process may not
    // write.
    Ref<TextOutputStream> CreateTextFile(AtALink atALink = AtALink::ReplaceItsTarget);
    // Raises the IOException CreateTextFile raises for what no answer of the
    // user's could let it replace: a folder, a pipe, a device, a link to
    // nothing. A file, a link to one, or nothing at all passes.
    void CheckReplaceable() const;
    // A stream on the file's content. Raises IOException when the file cannot
    // be opened, is not a regular file (a pipe, device, socket or folder) or
    // holds more than kMaxTextFileBytes.
    Ref<TextInputStream> OpenAsTextFile();

private:
    bool m_namedAsFolder;
    std::string m_path;
};

// The user's folder for temporary items: "qelm-<user id>" in the folder for
// temporary files (TMPDIR when set, else the system's), made with mode 0700.
// One standing there that is not the user's own, is a link, or is not exactly
// rwx for the user alone (setgid and sticky bits aside) is never used: a
// fresh private folder beside it is made instead and used for the rest of the
// run while it stays private. Nil when the folder for temporary files does
// not exist; raises IOException when no private folder can be made in it.
Ref<FolderItem> TemporaryFolder();
// The item at a path, whether or not the file exists. Mode 0 takes the path
// in the form AbsolutePath gives; a relative path starts in the current
// folder. Nil for an empty path.
Ref<FolderItem> GetFolderItem(const String& path, int pathMode = 0);
// The folder for temporary files TemporaryFolder makes its folder in, whether
// or not it exists.
std::string TemporaryFolderPath();

} // namespace fw
