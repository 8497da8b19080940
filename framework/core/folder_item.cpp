#include "framework/core/folder_item.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
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

// The temporary file beside the target. Its name is short, so that a target
// whose name takes all the system allows still saves.
int CreateTemporaryBeside(const std::string& target, std::string& temporaryPath)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    const std::string folder = Folder(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = (folder == "/" ? "" : folder) + "/.qelm-";
        for (int i = 0; i < 10; ++i)
            temporaryPath += kLetters[letter(random)];
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Why a file of that type is neither read nor replaced as text; "" for a
// regular file. Pipes and devices could block or never end.
std::string NotARegularFile(mode_t mode)
{
    if (S_ISREG(mode))
        return "";
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a named pipe, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a regular file";
    return "it is not a regular file";
}

// Why the file is not read as text; "" when it may be.
std::string ReasonNotToRead(const struct stat& st)
{
    std::string reason = NotARegularFile(st.st_mode);
    if (reason.empty() && static_cast<std::uintmax_t>(st.st_size) > kMaxTextFileBytes)
        reason = kTooLargeReason;
    return reason;
}

// True when only this user may use the folder: the user's own, a real folder
// rather than a link to one, and open to no one else. The setgid and sticky
// bits share nothing; a folder made in a setgid folder inherits the first.
bool IsPrivateFolder(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 0777) == 0700;
}

// What a new version of the file at path replaces.
struct WriteTarget {
    std::string path; // a link's target, unless the link itself is replaced
    bool exists = false;
    struct stat st {};
};

// Where CreateTextFile writes. Raises what it refuses whatever the user may
// have said: a folder, a pipe, a device, a link to nothing.
WriteTarget TargetOf(const std::string& path, FolderItem::AtALink atALink)
{
    WriteTarget target{path};
    target.exists = ::lstat(path.c_str(), &target.st) == 0;
    if (!target.exists && errno != ENOENT)
        throw FileError("Cannot create", path, errno);
    if (target.exists && S_ISLNK(target.st.st_mode)) {
        if (atALink == FolderItem::AtALink::ReplaceTheLink) {
            // The new file is renamed into the link's place.
            target.exists = false;
        } else {
            // The file the link points to is replaced. A link to nothing is
            // refused: a new file would appear wherever it points, which
            // nobody chose.
            char resolved[PATH_MAX];
            if (!::realpath(path.c_str(), resolved)) {
                if (errno == ENOENT)
                    throw FileError("Cannot create", path, "it is a link to a file that does not exist");
                throw FileError("Cannot create", path, errno);
            }
            target.path = resolved;
            if (::stat(target.path.c_str(), &target.st) != 0)
                throw FileError("Cannot create", path, errno);
        }
    }
    if (target.exists)
        if (const std::string reason = NotARegularFile(target.st.st_mode); !reason.empty())
            throw FileError("Cannot create", path, reason);
    return target;
}

} // namespace

FolderItem::FolderItem(std::string absolutePath)
    : m_namedAsFolder(absolutePath.size() > 1 && absolutePath.back() == '/'),
      m_path(WithoutTrailingSlashes(std::move(absolutePath)))
{
}

String FolderItem::Name() const { return String(m_path.substr(m_path.rfind('/') + 1)); }

void FolderItem::SetName(const String& name)
{
    const std::string n = name.ToUTF8();
    if (n.empty() || n.find('/') != std::string::npos || n == "." || n == "..")
        throw IOException("\"" + n + "\" is not a file name.");
    const std::string folder = Folder(m_path);
    m_path = (folder == "/" ? "" : folder) + "/" + n;
    m_namedAsFolder = false;
}

String FolderItem::Type() const { return MatchFileType(Name()); }

String FolderItem::AbsolutePath() const
{
    return String((m_namedAsFolder || IsFolder(m_path)) && m_path != "/" ? m_path + "/" : m_path);
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

void FolderItem::CheckReplaceable() const { TargetOf(m_path, AtALink::ReplaceItsTarget); }

Ref<TextOutputStream> FolderItem::CreateTextFile(AtALink atALink)
{
    WriteTarget target = TargetOf(m_path, atALink);
    if (target.exists) {
        // Renaming over the file needs only the folder's permission; a file
        // its owner made read-only should stay as it is all the same.
        const int probe = ::open(target.path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (probe < 0)
            throw FileError("Cannot create", m_path, errno);
        ::close(probe);
    }

    std::string temporaryPath;
    const int fd = CreateTemporaryBeside(target.path, temporaryPath);
    if (fd < 0) {
        const int error = errno;
        // The new version is made in the folder first, so it is the folder
        // that refuses, even where the file itself may be written.
        if (error == EACCES || error == EPERM || error == EROFS)
            throw FileError("Cannot create", m_path,
                            "the folder \"" + Folder(target.path) + "\" does not let a new file be made there: " +
                                std::strerror(error));
        throw FileError("Cannot create", m_path, error);
    }
    if (target.exists)
        ::fchmod(fd, target.st.st_mode & 07777); // the new version keeps the old one's permissions
    return Ref<TextOutputStream>(
        std::shared_ptr<TextOutputStream>(new TextOutputStream(fd, std::move(temporaryPath), std::move(target.path))));
}

Ref<TextInputStream> FolderItem::OpenAsTextFile()
{
    // Looked at before opening, so that a pipe or device is never opened for
    // reading; the descriptor is checked again, as the path may have changed.
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0)
        throw FileError("Cannot open", m_path, errno);
    if (const std::string reason = ReasonNotToRead(st); !reason.empty())
        throw FileError("Cannot open", m_path, reason);
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("Cannot open", m_path, errno);
    // The stream owns the descriptor from here, so a refusal closes it.
    auto stream = Ref<TextInputStream>(std::shared_ptr<TextInputStream>(new TextInputStream(fd, m_path)));
    if (::fstat(fd, &st) != 0)
        throw FileError("Cannot open", m_path, errno);
    if (const std::string reason = ReasonNotToRead(st); !reason.empty())
        throw FileError("Cannot open", m_path, reason);
    return stream;
}

Ref<FolderItem> TemporaryFolder()
{
    // The folder for temporary files is often shared: what others leave there
    // must be neither written through nor in the way.
    const std::string shared = WithoutTrailingSlashes(TemporaryFolderPath());
    if (!IsFolder(shared))
        return nullptr;
    const std::string own = (shared == "/" ? "" : shared) + "/qelm-" + std::to_string(::geteuid());
    if (::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST)
        throw FileError("Cannot create", own, errno);
    // Named as a folder, so a name appended to its path lands inside it even
    // if a cleaner removes the folder meanwhile.
    if (IsPrivateFolder(own))
        return GetFolderItem(String(own + "/"), 0);

    // Someone else holds the name. A fresh folder is kept for the rest of the
    // run, so that each use does not make another.
    static std::string fresh;
    if (fresh.rfind(own + "-", 0) != 0 || !IsPrivateFolder(fresh)) {
        std::string pattern = own + "-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            throw FileError("Cannot create", own + "-XXXXXX", errno);
        fresh = pattern;
    }
    return GetFolderItem(String(fresh + "/"), 0);
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
