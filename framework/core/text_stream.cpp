#include "framework/core/text_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

std::string FileErrorMessage(const std::string& doing, const std::string& path, int error)
{
    return doing + " \"" + path + "\": " + std::strerror(error) + ".";
}

IOException FileError(const std::string& doing, const std::string& path, int error)
{
    return IOException(FileErrorMessage(doing, path, error), path, std::strerror(error));
}

IOException FileError(const std::string& doing, const std::string& path, const std::string& reason)
{
    return IOException(doing + " \"" + path + "\": " + reason + ".", path, reason);
}

namespace {

std::string ParentFolder(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

// So the rename survives a crash of the system, not only of the program.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

TextOutputStream::TextOutputStream(int fd, std::string temporaryPath, std::string targetPath)
    : m_fd(fd), m_temporaryPath(std::move(temporaryPath)), m_targetPath(std::move(targetPath))
{
}

TextOutputStream::~TextOutputStream() { Discard(); }

void TextOutputStream::Discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        ::unlink(m_temporaryPath.c_str());
    }
}

void TextOutputStream::Fail(const std::string& doing, int error)
{
    Discard();
    m_closed = true;
    throw FileError(doing, m_targetPath, error);
}

void TextOutputStream::Write(const String& text)
{
    if (m_closed)
        throw IOException("Cannot write \"" + m_targetPath + "\": the file is already closed.");
    const std::string_view bytes = text.Bytes();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail("Cannot write", errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

void TextOutputStream::Close()
{
    if (m_closed)
        return;
    if (::fsync(m_fd) != 0)
        Fail("Cannot write", errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(m_temporaryPath.c_str());
        m_closed = true;
        throw FileError("Cannot write", m_targetPath, error);
    }
    if (::rename(m_temporaryPath.c_str(), m_targetPath.c_str()) != 0) {
        const int error = errno;
        ::unlink(m_temporaryPath.c_str());
        m_closed = true;
        throw FileError("Cannot replace", m_targetPath, error);
    }
    m_closed = true;
    SyncFolder(ParentFolder(m_targetPath));
}

TextInputStream::TextInputStream(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}

TextInputStream::~TextInputStream() { Close(); }

String TextInputStream::ReadAll(Encoding encoding)
{
    if (m_fd < 0)
        throw IOException("Cannot read \"" + m_path + "\": the file is already closed.");
    // Read straight into the string; one byte more than the size so the end
    // of the file shows without growing it. Never more than one byte past the
    // bound is asked for, whatever the file claims or turns out to hold.
    constexpr std::size_t kLimit = kMaxTextFileBytes + 1;
    std::string bytes;
    struct stat st {};
    const std::size_t expected = ::fstat(m_fd, &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    bytes.resize(std::min(expected + 1, kLimit));
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(std::min(bytes.size() * 2 + 65536, kLimit));
        const ssize_t n = ::read(m_fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError("Cannot read", m_path, errno);
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
        if (used > kMaxTextFileBytes)
            throw FileError("Cannot read", m_path, kTooLargeReason);
    }
    bytes.resize(used);
    String text = String::FromBytes(std::move(bytes), encoding);
    if (!IsValidEncoding(text))
        throw EncodingException("\"" + m_path + "\" is not valid UTF-8 text.");
    return text;
}

void TextInputStream::Close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace fw
