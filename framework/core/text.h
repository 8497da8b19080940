#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

enum class Encoding { UTF8, WindowsANSI, ASCII };

namespace Encodings {
inline constexpr Encoding UTF8 = Encoding::UTF8;
inline constexpr Encoding WindowsANSI = Encoding::WindowsANSI;
// Single-byte text; bytes above 127 pass through unchanged, and where such a
// byte meets another encoding it reads as its Windows-1252 character.
inline constexpr Encoding ASCII = Encoding::ASCII;
} // namespace Encodings

// An immutable string of bytes tagged with its encoding. Positions and lengths
// count characters of that encoding (code points in UTF-8, bytes in the two
// single-byte encodings). Literals are UTF-8. In text that is not valid UTF-8
// a malformed sequence counts as one character and a stray continuation byte
// as one of its own, the same whichever way the text is walked.
//
// Copies share one buffer; Mid and Right share it too. A string remembers
// where its last character access was, so walking it character by character,
// forwards or backwards, stays linear in its length.
class String {
public:
    String();
    String(const char* utf8);
    String(std::string_view utf8);
    String(const std::string& utf8) : String(std::string_view(utf8)) {}

    // Takes the bytes as they are; they are not checked against the encoding.
    static String FromBytes(std::string bytes, Encoding encoding);

    Encoding GetEncoding() const { return m_encoding; }
    // Valid until this string is assigned or appended to.
    std::string_view Bytes() const { return std::string_view(m_buffer->data() + m_offset, m_length); }
    bool IsEmpty() const { return m_length == 0; }
    // The text as UTF-8 bytes, converted from its encoding.
    std::string ToUTF8() const;

    // Concatenation gives a new string and leaves both sides as they were.
    // Where the left side ends its buffer, the bytes go after it in place,
    // which no other string can see, so building a text piece by piece with
    // either += or s = s + t is linear. Mixed encodings give UTF-8 (ASCII
    // with Windows-1252 gives Windows-1252); an empty side takes the other
    // side's encoding.
    String& operator+=(const String& other);
    friend String operator+(const String& a, const String& b);

private:
    friend class TextAccess;
    std::shared_ptr<std::string> m_buffer;
    std::size_t m_offset = 0;
    std::size_t m_length = 0; // bytes
    Encoding m_encoding = Encoding::UTF8;
    // Caches, filled on first use.
    mutable std::int64_t m_charCount = -1;
    mutable std::int64_t m_cursorChar = 0; // 0-based character index ...
    mutable std::size_t m_cursorByte = 0;  // ... and its byte offset in the view
};

// Number of characters.
int Len(const String& s);
// Characters from 1-based position start; length characters or fewer at the
// end. A start past the end, or a length of 0 or less, gives "".
String Mid(const String& s, int start, int length);
// The last n characters (all of them when n >= Len, "" when n <= 0).
String Right(const String& s, int n);
// Code of the first character in the string's encoding; 0 for "".
int Asc(const String& s);
// Asc(Mid(s, position, 1)) without making the one-character string, so a
// scan stays cheap; 0 outside 1 to Len.
int AscAt(const String& s, int position);
// The one-character string of that code. Raises EncodingException when the
// code names no character of the encoding (UTF-8: outside 0..0x10FFFF or a
// surrogate; single-byte: outside 0..255).
String Chr(Encoding encoding, int code);
// s += Chr(encoding, code), without making the one-character string.
void AppendChr(String& s, Encoding encoding, int code);
// The same text in another encoding. ASCII and Windows-1252 convert to each
// other byte for byte, and both to UTF-8 through Windows-1252; a character
// Windows-1252 cannot hold becomes "?". Raises EncodingException for UTF-8
// text that is not valid UTF-8.
String ConvertEncoding(const String& s, Encoding encoding);
// True when the bytes are valid in the string's encoding.
bool IsValidEncoding(const String& s);
// Compares the texts, ignoring letter case; <0, 0 or >0.
int Compare(const String& a, const String& b);
inline bool TextEquals(const String& a, const String& b) { return Compare(a, b) == 0; }

// Bytes walked by character access since the process started; lets tests
// check that a scan stays linear without timing it.
std::uint64_t TextStepCountForTesting();

// Windows-1252 byte to Unicode code point, for all 256 bytes (the five bytes
// Windows-1252 leaves undefined map to the C1 control of the same value).
char32_t Windows1252ToUnicode(unsigned char byte);
// Unicode code point to Windows-1252 byte; -1 when it has none.
int UnicodeToWindows1252(char32_t code);

} // namespace fw
