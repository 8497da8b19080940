#include "framework/core/folder_item.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "framework/core/filetype.h"

namespace fw {

namespace {

constexpr const char* kTypeAttribute = "user.mac.type";
constexpr const char* kCreatorAttribute = "user.mac.creator";

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool IsFolder(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string Folder(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

String ReadAttribute(const std::string& path, const char* name)
{
    char value[256];
    const ssize_t n = ::getxattr(path.c_str(), name, value, sizeof value);
    if (n <= 0)
        return String();
    return String(std::string_view(value, static_cast<std::size_t>(n)));
}

// Best effort: file systems without user attributes keep no codes.
void WriteAttribute(const std::string& path, const char* name, const String& value)
{
    const auto bytes = value.ToUTF8();
    ::setxattr(path.c_str(), name, bytes.data(), bytes.size(), 0);
}

bool IsUnreservedInURL(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

// A name for the temporary file beside the target that no other file has.
int CreateUniqueBeside(const std::string& target, std::string& temporaryPath)
{
    static unsigned counter = 0;
    const std::string folder = Folder(target);
    const std::string stem = (folder == "/" ? "" : folder) + "/." + target.substr(target.rfind('/') + 1) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = stem + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

FolderItem::FolderItem(std::string absolutePath) : m_path(WithoutTrailingSlashes(std::move(absolutePath))) {}

String FolderItem::Name() const { return String(m_path.substr(m_path.rfind('/') + 1)); }

void FolderItem::SetName(const String& name)
{
    const std::string n = name.ToUTF8();
    if (n.empty() || n.find('/') != std::string::npos || n == "." || n == "..")
        throw IOException("\"" + n + "\" is not a file name.");
    const std::string folder = Folder(m_path);
    m_path = (folder == "/" ? "" : folder) + "/" + n;
}

String FolderItem::Type() const { return MatchFileType(Name()); }

String FolderItem::AbsolutePath() const
{
    return String(IsFolder(m_path) && m_path != "/" ? m_path + "/" : m_path);
}

String FolderItem::URLPath() const
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char ch : AbsolutePath().ToUTF8()) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreservedInURL(c)) {
            url += ch;
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return String(url);
}

String FolderItem::MacType() const { return ReadAttribute(m_path, kTypeAttribute); }
void FolderItem::SetMacType(const String& code) { WriteAttribute(m_path, kTypeAttribute, code); }
String FolderItem::MacCreator() const { return ReadAttribute(m_path, kCreatorAttribute); }
void FolderItem::SetMacCreator(const String& code) { WriteAttribute(m_path, kCreatorAttribute, code); }

bool FolderItem::Exists() const
{
    struct stat st {};
    return ::lstat(m_path.c_str(), &st) == 0;
}

Ref<TextOutputStream> FolderItem::CreateTextFile()
{
    // Through a link, the file it points to is the one replaced.
    std::string target = m_path;
    char resolved[PATH_MAX];
    struct stat st {};
    if (::lstat(m_path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(m_path.c_str(), resolved))
        target = resolved;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        throw FileError("Cannot create", m_path, EISDIR);

    std::string temporaryPath;
    const int fd = CreateUniqueBeside(target, temporaryPath);
    if (fd < 0)
        throw FileError("Cannot create", m_path, errno);
    if (exists)
        ::fchmod(fd, st.st_mode & 07777); // the new version keeps the old one's permissions
    return Ref<TextOutputStream>(
        std::shared_ptr<TextOutputStream>(new TextOutputStream(fd, std::move(temporaryPath), std::move(target))));
}

Ref<TextInputStream> FolderItem::OpenAsTextFile()
{
    if (IsFolder(m_path))
        return nullptr;
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return Ref<TextInputStream>(std::shared_ptr<TextInputStream>(new TextInputStream(fd, m_path)));
}

Ref<FolderItem> TemporaryFolder()
{
    const std::string path = TemporaryFolderPath();
    auto folder = GetFolderItem(String(path), 0);
    if (!folder || !IsFolder(path))
        return nullptr;
    return folder;
}

Ref<FolderItem> GetFolderItem(const String& path, int /*pathMode*/)
{
    std::string p = path.ToUTF8();
    if (p.empty())
        return nullptr;
    if (p.front() != '/') {
        char cwd[PATH_MAX];
        if (!::getcwd(cwd, sizeof cwd))
            return nullptr;
        p = std::string(cwd) + "/" + p;
    }
    return New<FolderItem>(std::move(p));
}

std::string TemporaryFolderPath()
{
    const char* env = std::getenv("TMPDIR");
    return env && *env ? env : "/tmp";
}

} // namespace fw
