#pragma once

#include <cstddef>
#include <string>

#include "framework/core/object.h"
#include "framework/core/text.h"

namespace fw {

class FolderItem;

// The most a file read as text may hold, in MiB; a larger one is refused
// rather than read, so a huge or endless file cannot fill the memory. Stated
// here only: the byte count and every message follow it.
inline constexpr std::size_t kMaxTextFileMiB = 64;
inline constexpr std::size_t kMaxTextFileBytes = kMaxTextFileMiB * 1024 * 1024;
// That bound as messages give it: "64 MiB".
inline const std::string kMaxTextFileSizeText = std::to_string(kMaxTextFileMiB) + " MiB";
// The reason given for a file above that bound.
inline const std::string kTooLargeReason = "it is larger than " + kMaxTextFileSizeText;

// Writes a new version of a file. The text goes to a temporary file beside
// the target; Close flushes it to disk and puts it in the target's place in
// one step, so a failure never leaves a half-written file where the old one
// was. A stream dropped without Close discards what it wrote.
class TextOutputStream : public Object {
public:
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;
    ~TextOutputStream() override;

    // Writes the text's bytes unchanged; adds no line end. Raises
    // IOException when the system refuses them (the stream is then discarded).
    void Write(const String& text);
    // Makes the written text the file's content. Raises IOException when that
    // fails; the old file is then left as it was. Closing again does nothing.
    void Close();

private:
    friend class FolderItem;
    TextOutputStream(int fd, std::string temporaryPath, std::string targetPath);
    void Discard();
    [[noreturn]] void Fail(const std::string& doing, int error);

    int m_fd = -1;
    std::string m_temporaryPath;
    std::string m_targetPath;
    bool m_closed = false;
};

// Reads a file's text.
class TextInputStream : public Object {
public:
    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;
    ~TextInputStream() override;

    // The rest of the file as one string tagged with the encoding. The bytes
    // pass unchanged; UTF-8 text that is not valid UTF-8 raises
    // EncodingException, a failed read IOException, as does a file that grows
    // past kMaxTextFileBytes.
    String ReadAll(Encoding encoding);
    void Close();

private:
    friend class FolderItem;
    TextInputStream(int fd, std::string path);

    int m_fd = -1;
    std::string m_path;
};

// "<doing> "<path>": <system error text>." for IOException messages.
std::string FileErrorMessage(const std::string& doing, const std::string& path, int error);
// The IOException for a system error on one file, path and reason kept.
IOException FileError(const std::string& doing, const std::string& path, int error);
// The same for a file refused for a reason of our own, written as a clause
// ("it is a folder, not a file").
IOException FileError(const std::string& doing, const std::string& path, const std::string& reason);

} // namespace fw
