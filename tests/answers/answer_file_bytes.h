#pragma once

// Answer-file bytes built by hand, independently of the codec under test,
// and the messages a failed save or load shows.

#include <string>

namespace answer_file_bytes {

// UTF-8 by hand, so expected bytes owe nothing to the text code under test.
inline std::string Utf8(char32_t c)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80)
        return {byte(c)};
    if (c < 0x800)
        return {byte(0xC0 | (c >> 6)), byte(0x80 | (c & 0x3F))};
    if (c < 0x10000)
        return {byte(0xE0 | (c >> 12)), byte(0x80 | ((c >> 6) & 0x3F)), byte(0x80 | (c & 0x3F))};
    return {byte(0xF0 | (c >> 18)), byte(0x80 | ((c >> 12) & 0x3F)), byte(0x80 | ((c >> 6) & 0x3F)),
            byte(0x80 | (c & 0x3F))};
}

inline std::string Utf8(const std::u32string& text)
{
    std::string out;
    for (const char32_t c : text)
        out += Utf8(c);
    return out;
}

// One field of a current file: the characters last to first, each code
// raised by 3, then U+0096.
inline std::string Field(const std::u32string& text)
{
    std::string out;
    for (auto it = text.rbegin(); it != text.rend(); ++it)
        out += Utf8(*it + 3);
    return out + "\xC2\x96";
}

// One field of a version-1 file: the bytes last to first, each raised by 3,
// then the byte 0x96.
inline std::string OldField(const std::string& bytes)
{
    std::string out;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it)
        out += static_cast<char>(static_cast<unsigned char>(*it) + 3);
    return out + "\x96";
}

// The message of a load of the file at path that failed for the reason.
inline std::string LoadError(const std::string& path, const std::string& reason)
{
    return "File error attempting to load QnA file! \"" + path + "\" could not be loaded: " + reason +
           ". The answers on the page were not changed.";
}
inline std::string SaveError(const std::string& path, const std::string& reason, bool fileExisted)
{
    return "File error attempting to save QnA file! \"" + path + "\" could not be saved: " + reason +
           (fileExisted ? ". The existing file was left unchanged." : ". No file was written.");
}

} // namespace answer_file_bytes
