#pragma once

// Answer-file bytes built by hand, independently of the codec under test.

#include <string>

#include "framework/core/text.h"

namespace answer_file_bytes {

inline std::string Utf8(char32_t c) { return std::string(fw::Chr(fw::Encodings::UTF8, static_cast<int>(c)).Bytes()); }

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

} // namespace answer_file_bytes
