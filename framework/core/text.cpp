#include "framework/core/text.h"

#include "framework/core/exceptions.h"

#include <algorithm>

namespace fw {

namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Byte length of the UTF-8 sequence that starts with b; invalid lead bytes
// count as one so that a scan always advances.
std::size_t Utf8SequenceLength(unsigned char b)
{
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if ((b & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Decodes one UTF-8 sequence at s[i]; returns -1 for an invalid one and sets
// len to the bytes it covers (at least 1).
long DecodeUtf8(std::string_view s, std::size_t i, std::size_t& len)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    len = 1;
    if (b0 < 0x80)
        return b0;
    std::size_t n = Utf8SequenceLength(b0);
    if (n == 1 || i + n > s.size())
        return -1;
    long code = b0 & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (!IsContinuation(b))
            return -1;
        code = (code << 6) | (b & 0x3F);
    }
    static constexpr long minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < minimum[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return -1;
    len = n;
    return code;
}

// Writes the UTF-8 form of c to out (room for 4 bytes); gives its length.
std::size_t EncodeUtf8(char32_t c, char* out)
{
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

void AppendUtf8(std::string& out, char32_t c)
{
    char bytes[4];
    out.append(bytes, EncodeUtf8(c, bytes));
}

// Code points 0x80..0x9F of Windows-1252; the five undefined bytes keep their
// own value.
constexpr char16_t kWin1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool SingleByte(Encoding e) { return e != Encoding::UTF8; }

} // namespace

char32_t Windows1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kWin1252High[byte - 0x80];
    return byte;
}

int UnicodeToWindows1252(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (kWin1252High[i] == code)
            return 0x80 + i;
    return -1;
}

// The one place that reaches into a String's buffer and caches.
class TextAccess {
public:
    static String Make(std::shared_ptr<std::string> buffer, std::size_t offset, std::size_t length,
                       Encoding e)
    {
        String s;
        s.m_buffer = std::move(buffer);
        s.m_offset = offset;
        s.m_length = length;
        s.m_encoding = e;
        return s;
    }

    static std::int64_t CharCount(const String& s)
    {
        if (s.m_charCount < 0) {
            if (SingleByte(s.m_encoding)) {
                s.m_charCount = static_cast<std::int64_t>(s.m_length);
            } else {
                const auto v = s.Bytes();
                std::int64_t n = 0;
                for (std::size_t i = 0; i < v.size(); i += Utf8SequenceLength(static_cast<unsigned char>(v[i])))
                    ++n;
                s.m_charCount = n;
            }
        }
        return s.m_charCount;
    }

    // Byte offset (within the view) of 0-based character index; index may
    // equal the count (the end). Walks from the nearest known point: the
    // start, the end or the cursor of the last access.
    static std::size_t ByteOffset(const String& s, std::int64_t index)
    {
        if (SingleByte(s.m_encoding))
            return static_cast<std::size_t>(index);
        const auto v = s.Bytes();
        const std::int64_t count = CharCount(s);
        std::int64_t fromChar = 0;
        std::size_t fromByte = 0;
        const std::int64_t dStart = index;
        const std::int64_t dCursor = index > s.m_cursorChar ? index - s.m_cursorChar : s.m_cursorChar - index;
        const std::int64_t dEnd = count - index;
        if (dCursor <= dStart && dCursor <= dEnd) {
            fromChar = s.m_cursorChar;
            fromByte = s.m_cursorByte;
        } else if (dEnd < dStart) {
            fromChar = count;
            fromByte = v.size();
        }
        while (fromChar < index) {
            fromByte += Utf8SequenceLength(static_cast<unsigned char>(v[fromByte]));
            fromByte = std::min(fromByte, v.size());
            ++fromChar;
        }
        while (fromChar > index) {
            // Step back over continuation bytes to the lead byte, within the
            // longest sequence a lead byte can start.
            std::size_t back = fromByte - 1;
            std::size_t steps = 0;
            while (back > 0 && steps < 3 && IsContinuation(static_cast<unsigned char>(v[back]))) {
                --back;
                ++steps;
            }
            if (IsContinuation(static_cast<unsigned char>(v[back])) ||
                back + Utf8SequenceLength(static_cast<unsigned char>(v[back])) < fromByte)
                back = fromByte - 1; // stray continuation byte: a character of its own
            fromByte = back;
            --fromChar;
        }
        s.m_cursorChar = index;
        s.m_cursorByte = fromByte;
        return fromByte;
    }

    // Appends bytes of the string's own encoding holding chars characters
    // (-1: not known); in place when nothing else shares the buffer.
    static void Append(String& s, std::string_view add, std::int64_t chars)
    {
        if (s.m_buffer.use_count() == 1 && s.m_offset + s.m_length == s.m_buffer->size()) {
            s.m_buffer->append(add);
        } else {
            auto fresh = std::make_shared<std::string>();
            fresh->reserve((s.m_length + add.size()) * 2);
            fresh->append(s.Bytes());
            fresh->append(add);
            s.m_buffer = std::move(fresh);
            s.m_offset = 0;
        }
        s.m_length += add.size();
        s.m_charCount = (s.m_charCount >= 0 && chars >= 0) ? s.m_charCount + chars : -1;
    }

    static String Slice(const String& s, std::size_t byteFrom, std::size_t byteTo, std::int64_t chars)
    {
        String r = Make(s.m_buffer, s.m_offset + byteFrom, byteTo - byteFrom, s.m_encoding);
        r.m_charCount = chars;
        return r;
    }
};

String::String() : m_buffer(std::make_shared<std::string>()) {}

String::String(const char* utf8) : String(std::string_view(utf8 ? utf8 : "")) {}

String::String(std::string_view utf8)
    : m_buffer(std::make_shared<std::string>(utf8)), m_length(utf8.size())
{
}

String String::FromBytes(std::string bytes, Encoding encoding)
{
    const std::size_t n = bytes.size();
    return TextAccess::Make(std::make_shared<std::string>(std::move(bytes)), 0, n, encoding);
}

std::string String::ToUTF8() const
{
    if (m_encoding == Encoding::UTF8)
        return std::string(Bytes());
    std::string out;
    out.reserve(m_length * 2);
    for (char c : Bytes())
        AppendUtf8(out, Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

String& String::operator+=(const String& other)
{
    if (other.m_length == 0)
        return *this;
    if (m_length == 0) {
        *this = other;
        return *this;
    }
    if (m_encoding != other.m_encoding) {
        const bool ansiPair = SingleByte(m_encoding) && SingleByte(other.m_encoding);
        if (ansiPair) {
            *this = String::FromBytes(std::string(Bytes()) + std::string(other.Bytes()), Encoding::WindowsANSI);
        } else {
            *this = String(ToUTF8() + other.ToUTF8());
        }
        return *this;
    }
    TextAccess::Append(*this, other.Bytes(), other.m_charCount);
    return *this;
}

String operator+(const String& a, const String& b)
{
    String r = a;
    if (b.IsEmpty())
        return r;
    // Keep a's buffer untouched: it is shared with a.
    String fresh = String::FromBytes(std::string(), a.GetEncoding());
    fresh += a;
    fresh += b;
    return fresh;
}

int Len(const String& s) { return static_cast<int>(TextAccess::CharCount(s)); }

String Mid(const String& s, int start, int length)
{
    const std::int64_t count = TextAccess::CharCount(s);
    if (start < 1 || length <= 0 || start > count)
        return String::FromBytes(std::string(), s.GetEncoding());
    const std::int64_t first = start - 1;
    const std::int64_t last = std::min<std::int64_t>(count, first + length);
    const std::size_t from = TextAccess::ByteOffset(s, first);
    const std::size_t to = TextAccess::ByteOffset(s, last);
    // Leave the cursor at the start of the slice: the next Mid of a scan
    // starts there or just after.
    TextAccess::ByteOffset(s, first);
    return TextAccess::Slice(s, from, to, last - first);
}

String Right(const String& s, int n)
{
    const std::int64_t count = TextAccess::CharCount(s);
    if (n <= 0)
        return String::FromBytes(std::string(), s.GetEncoding());
    const std::int64_t take = std::min<std::int64_t>(n, count);
    const std::size_t from = TextAccess::ByteOffset(s, count - take);
    return TextAccess::Slice(s, from, s.Bytes().size(), take);
}

namespace {

// Code of the character at byte i, as Asc gives it.
int CodeAt(std::string_view v, std::size_t i, Encoding encoding)
{
    const auto b = static_cast<unsigned char>(v[i]);
    if (encoding != Encoding::UTF8 || b < 0x80)
        return b;
    std::size_t len = 0;
    const long code = DecodeUtf8(v, i, len);
    return code < 0 ? static_cast<unsigned char>(v[i]) : static_cast<int>(code);
}

// Writes the bytes of the character of that code to out (room for 4 bytes)
// and gives their number; raises as Chr does.
std::size_t CharacterBytes(Encoding encoding, int code, char* out)
{
    if (encoding == Encoding::UTF8) {
        if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            throw EncodingException("The code " + std::to_string(code) + " names no Unicode character.");
        return EncodeUtf8(static_cast<char32_t>(code), out);
    }
    if (code < 0 || code > 255)
        throw EncodingException("The code " + std::to_string(code) + " names no single-byte character.");
    out[0] = static_cast<char>(code);
    return 1;
}

} // namespace

int Asc(const String& s)
{
    const auto v = s.Bytes();
    return v.empty() ? 0 : CodeAt(v, 0, s.GetEncoding());
}

int AscAt(const String& s, int position)
{
    if (position < 1 || position > TextAccess::CharCount(s))
        return 0;
    return CodeAt(s.Bytes(), TextAccess::ByteOffset(s, position - 1), s.GetEncoding());
}

String Chr(Encoding encoding, int code)
{
    char bytes[4];
    return String::FromBytes(std::string(bytes, CharacterBytes(encoding, code, bytes)), encoding);
}

void AppendChr(String& s, Encoding encoding, int code)
{
    if (s.IsEmpty() || s.GetEncoding() != encoding) {
        s += Chr(encoding, code);
        return;
    }
    char bytes[4];
    TextAccess::Append(s, std::string_view(bytes, CharacterBytes(encoding, code, bytes)), 1);
}

bool IsValidEncoding(const String& s)
{
    if (s.GetEncoding() != Encoding::UTF8)
        return true;
    const auto v = s.Bytes();
    for (std::size_t i = 0; i < v.size();) {
        std::size_t len = 0;
        if (DecodeUtf8(v, i, len) < 0)
            return false;
        i += len;
    }
    return true;
}

String ConvertEncoding(const String& s, Encoding encoding)
{
    const Encoding from = s.GetEncoding();
    if (from == encoding)
        return s;
    if (SingleByte(from) && SingleByte(encoding))
        return String::FromBytes(std::string(s.Bytes()), encoding);
    if (SingleByte(from))
        return String(s.ToUTF8());
    // UTF-8 to a single-byte encoding.
    const auto v = s.Bytes();
    std::string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size();) {
        std::size_t len = 0;
        const long code = DecodeUtf8(v, i, len);
        if (code < 0)
            throw EncodingException("The text is not valid UTF-8.");
        const int b = UnicodeToWindows1252(static_cast<char32_t>(code));
        out += (b < 0 || (encoding == Encoding::ASCII && b > 127)) ? '?' : static_cast<char>(b);
        i += len;
    }
    return String::FromBytes(std::move(out), encoding);
}

namespace {

// Simple case folding of ASCII and Latin-1 letters.
char32_t Fold(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    return c;
}

std::u32string Codes(const String& s)
{
    std::u32string out;
    const auto v = s.Bytes();
    if (s.GetEncoding() != Encoding::UTF8) {
        for (char c : v)
            out += Windows1252ToUnicode(static_cast<unsigned char>(c));
        return out;
    }
    for (std::size_t i = 0; i < v.size();) {
        std::size_t len = 0;
        const long code = DecodeUtf8(v, i, len);
        out += code < 0 ? static_cast<char32_t>(static_cast<unsigned char>(v[i])) : static_cast<char32_t>(code);
        i += len;
    }
    return out;
}

} // namespace

int Compare(const String& a, const String& b)
{
    const std::u32string x = Codes(a), y = Codes(b);
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char32_t p = Fold(x[i]), q = Fold(y[i]);
        if (p != q)
            return p < q ? -1 : 1;
    }
    if (x.size() == y.size())
        return 0;
    return x.size() < y.size() ? -1 : 1;
}

} // namespace fw
