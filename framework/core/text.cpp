#include "framework/core/text.h"

#include "framework/core/exceptions.h"

#include <algorithm>

namespace fw {

namespace {

std::uint64_t g_steps = 0;

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

unsigned char ByteAt(std::string_view v, std::size_t i) { return static_cast<unsigned char>(v[i]); }

// Byte length a lead byte announces; 1 for ASCII, stray continuation bytes and
// bytes that start no sequence.
std::size_t AnnouncedLength(unsigned char b)
{
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if ((b & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Bytes of the character that starts at v[i]: the lead byte and the
// continuation bytes that follow it, up to the announced length. Every walk,
// count and decode splits text with this one rule, so all agree also on text
// that is not valid UTF-8.
std::size_t CharBytes(std::string_view v, std::size_t i)
{
    const std::size_t n = AnnouncedLength(ByteAt(v, i));
    std::size_t k = 1;
    while (k < n && i + k < v.size() && IsContinuation(ByteAt(v, i + k)))
        ++k;
    return k;
}

// Start of the character that ends at the boundary end (end > 0).
std::size_t PreviousCharStart(std::string_view v, std::size_t end)
{
    std::size_t q = end - 1;
    for (int back = 0; back < 3 && q > 0 && IsContinuation(ByteAt(v, q)); ++back)
        --q;
    g_steps += end - q;
    if (!IsContinuation(ByteAt(v, q)) && q + CharBytes(v, q) == end)
        return q;
    return end - 1; // a stray continuation byte
}

// Code point of the character of len bytes at v[i]; -1 when the bytes are
// not a valid, shortest encoding of a Unicode scalar value.
long DecodeChar(std::string_view v, std::size_t i, std::size_t len)
{
    const unsigned char b0 = ByteAt(v, i);
    if (b0 < 0x80)
        return b0;
    if (len == 1 || len != AnnouncedLength(b0))
        return -1;
    long code = b0 & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k)
        code = (code << 6) | (ByteAt(v, i + k) & 0x3F);
    static constexpr long minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < minimum[len] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return -1;
    return code;
}

// Calls f(code, start, length) for every character of UTF-8 bytes; code is
// -1 for a malformed one.
template <class F>
void ForEachUtf8Char(std::string_view v, F&& f)
{
    for (std::size_t i = 0; i < v.size();) {
        const std::size_t len = CharBytes(v, i);
        f(DecodeChar(v, i, len), i, len);
        i += len;
    }
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

// Code points of bytes 0x80..0x9F of Windows-1252; the five bytes it leaves
// undefined keep their own value (the C1 control), so every byte converts
// and converts back.
constexpr char16_t kWin1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool SingleByte(Encoding e) { return e != Encoding::UTF8; }

String EmptyIn(Encoding e) { return String::FromBytes(std::string(), e); }

} // namespace

std::uint64_t TextStepCountForTesting() { return g_steps; }

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
                for (std::size_t i = 0; i < v.size(); i += CharBytes(v, i))
                    ++n;
                g_steps += v.size();
                s.m_charCount = n;
            }
        }
        return s.m_charCount;
    }

    // Byte offset (within the view) of 0-based character index; index may
    // equal the count (the end). Walks from the nearest known point: the
    // start, the end or the cursor of the last access, and leaves the cursor
    // there.
    static std::size_t ByteOffset(const String& s, std::int64_t index)
    {
        if (SingleByte(s.m_encoding))
            return static_cast<std::size_t>(index);
        const auto v = s.Bytes();
        const std::int64_t count = CharCount(s);
        std::int64_t atChar = 0;
        std::size_t atByte = 0;
        const std::int64_t fromCursor = index > s.m_cursorChar ? index - s.m_cursorChar : s.m_cursorChar - index;
        if (fromCursor <= index && fromCursor <= count - index) {
            atChar = s.m_cursorChar;
            atByte = s.m_cursorByte;
        } else if (count - index < index) {
            atChar = count;
            atByte = v.size();
        }
        for (; atChar < index; ++atChar) {
            const std::size_t len = CharBytes(v, atByte);
            g_steps += len;
            atByte += len;
        }
        for (; atChar > index; --atChar)
            atByte = PreviousCharStart(v, atByte);
        s.m_cursorChar = index;
        s.m_cursorByte = atByte;
        return atByte;
    }

    static String Slice(const String& s, std::size_t byteFrom, std::size_t byteTo, std::int64_t chars)
    {
        String r = Make(s.m_buffer, s.m_offset + byteFrom, byteTo - byteFrom, s.m_encoding);
        r.m_charCount = chars;
        return r;
    }

    // Appends bytes of the same encoding. Bytes past the end of the used part
    // of a buffer belong to no string yet, and an append within the capacity
    // moves nothing, so a string that ends its buffer may grow in place even
    // while others share it; otherwise it moves to a fresh buffer with room.
    static void Append(String& s, std::string_view add, std::int64_t addChars)
    {
        std::string& buffer = *s.m_buffer;
        const bool endsBuffer = s.m_offset + s.m_length == buffer.size();
        const bool fits = buffer.capacity() - buffer.size() >= add.size();
        if (endsBuffer && (fits || s.m_buffer.use_count() == 1)) {
            buffer.append(add);
        } else {
            auto fresh = std::make_shared<std::string>();
            fresh->reserve((s.m_length + add.size()) * 2);
            fresh->append(s.Bytes());
            fresh->append(add);
            s.m_buffer = std::move(fresh);
            s.m_offset = 0;
        }
        s.m_length += add.size();
        s.m_charCount = (s.m_charCount >= 0 && addChars >= 0) ? s.m_charCount + addChars : -1;
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
    if (m_encoding == other.m_encoding) {
        TextAccess::Append(*this, other.Bytes(), other.m_charCount);
    } else if (SingleByte(m_encoding) && SingleByte(other.m_encoding)) {
        *this = FromBytes(std::string(Bytes()) + std::string(other.Bytes()), Encoding::WindowsANSI);
    } else {
        *this = String(ToUTF8() + other.ToUTF8());
    }
    return *this;
}

String operator+(const String& a, const String& b)
{
    String r = a;
    r += b;
    return r;
}

int Len(const String& s) { return static_cast<int>(TextAccess::CharCount(s)); }

String Mid(const String& s, int start, int length)
{
    const std::int64_t count = TextAccess::CharCount(s);
    if (start < 1 || length <= 0 || start > count)
        return EmptyIn(s.GetEncoding());
    const std::int64_t first = start - 1;
    const std::int64_t last = std::min<std::int64_t>(count, first + length);
    const std::size_t from = TextAccess::ByteOffset(s, first);
    const std::size_t to = TextAccess::ByteOffset(s, last);
    // Leave the cursor at the start of the slice: the next Mid of a scan,
    // either way, starts next to it.
    TextAccess::ByteOffset(s, first);
    return TextAccess::Slice(s, from, to, last - first);
}

String Right(const String& s, int n)
{
    const std::int64_t count = TextAccess::CharCount(s);
    if (n <= 0)
        return EmptyIn(s.GetEncoding());
    const std::int64_t take = std::min<std::int64_t>(n, count);
    const std::size_t from = TextAccess::ByteOffset(s, count - take);
    return TextAccess::Slice(s, from, s.Bytes().size(), take);
}

namespace {

// Code of the character that starts at byte i, as Asc gives it.
int CodeAt(std::string_view v, std::size_t i, Encoding encoding)
{
    const unsigned char b = ByteAt(v, i);
    if (SingleByte(encoding) || b < 0x80)
        return b;
    const long code = DecodeChar(v, i, CharBytes(v, i));
    return code < 0 ? b : static_cast<int>(code);
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
    if (SingleByte(s.GetEncoding()))
        return true;
    bool valid = true;
    ForEachUtf8Char(s.Bytes(), [&](long code, std::size_t, std::size_t) { valid = valid && code >= 0; });
    return valid;
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
    std::string out;
    out.reserve(s.Bytes().size());
    ForEachUtf8Char(s.Bytes(), [&](long code, std::size_t, std::size_t) {
        if (code < 0)
            throw EncodingException("The text is not valid UTF-8.");
        const int b = UnicodeToWindows1252(static_cast<char32_t>(code));
        out += b < 0 ? '?' : static_cast<char>(b);
    });
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

// Above every code point, so a malformed byte never equals a character.
constexpr char32_t kMalformedByte = 0x110000;

std::u32string Codes(const String& s)
{
    std::u32string out;
    const auto v = s.Bytes();
    if (SingleByte(s.GetEncoding())) {
        for (char c : v)
            out += Windows1252ToUnicode(static_cast<unsigned char>(c));
        return out;
    }
    ForEachUtf8Char(v, [&](long code, std::size_t at, std::size_t len) {
        if (code >= 0) {
            out += static_cast<char32_t>(code);
            return;
        }
        for (std::size_t k = 0; k < len; ++k)
            out += kMalformedByte + ByteAt(v, at + k);
    });
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
