#include "framework/core/exceptions.h"
#include "framework/core/text.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

using fw::Encodings::ASCII;
using fw::Encodings::UTF8;
using fw::Encodings::WindowsANSI;

namespace {

std::string B(const fw::String& s) { return std::string(s.Bytes()); }

fw::String Bytes(std::string bytes, fw::Encoding e) { return fw::String::FromBytes(std::move(bytes), e); }

// "a", "é", "€", "😀": one character each of one, two, three and four bytes.
const std::string kMixed = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";

TEST(Text, PositionsAndLengthsCountCharactersNotBytes)
{
    const fw::String s(kMixed);
    EXPECT_EQ(fw::Len(s), 4);
    EXPECT_EQ(s.Bytes().size(), 10u);
    EXPECT_EQ(fw::Len(fw::String("\xC3\xA9")), 1);
    EXPECT_EQ(B(fw::Mid(s, 2, 1)), "\xC3\xA9");
    EXPECT_EQ(B(fw::Mid(s, 3, 2)), "\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(B(fw::Right(s, 1)), "\xF0\x9F\x98\x80");
    EXPECT_EQ(fw::Asc(fw::Mid(s, 4, 1)), 0x1F600);
    EXPECT_EQ(fw::Len(Bytes("\xC3\xA9", WindowsANSI)), 2); // single-byte: one character per byte
}

TEST(Text, MidAndRightClampToTheText)
{
    const fw::String s("hello");
    EXPECT_EQ(B(fw::Mid(s, 4, 100)), "lo");
    EXPECT_EQ(B(fw::Mid(s, 6, 1)), "");
    EXPECT_EQ(B(fw::Mid(s, 0, 2)), "");
    EXPECT_EQ(B(fw::Mid(s, 2, 0)), "");
    EXPECT_EQ(B(fw::Mid(s, 2, -1)), "");
    EXPECT_EQ(B(fw::Right(s, 0)), "");
    EXPECT_EQ(B(fw::Right(s, -3)), "");
    EXPECT_EQ(B(fw::Right(s, 99)), "hello");
    EXPECT_EQ(fw::Mid(Bytes("ab", WindowsANSI), 3, 1).GetEncoding(), WindowsANSI);
    EXPECT_EQ(fw::Len(fw::Right(fw::String(kMixed), 2)), 2);
}

TEST(Text, ChrAndAscAreInverseAcrossTheCodeRange)
{
    for (int code : {0, 0x41, 0x7F, 0x80, 0x96, 0xE9, 0x7FF, 0x800, 0xFFFF, 0x10000, 0x10FFFF}) {
        const fw::String c = fw::Chr(UTF8, code);
        EXPECT_EQ(fw::Len(c), 1) << code;
        EXPECT_EQ(fw::Asc(c), code) << code;
    }
    EXPECT_EQ(B(fw::Chr(UTF8, 150)), "\xC2\x96");
    EXPECT_EQ(fw::Asc(fw::String()), 0);
}

TEST(Text, ChrRaisesForCodesThatNameNoCharacter)
{
    for (int code : {-1, 0xD800, 0xDFFF, 0x110000})
        EXPECT_THROW(fw::Chr(UTF8, code), fw::EncodingException) << code;
    for (fw::Encoding e : {WindowsANSI, ASCII}) {
        EXPECT_THROW(fw::Chr(e, 256), fw::EncodingException);
        EXPECT_THROW(fw::Chr(e, -1), fw::EncodingException);
    }
    try {
        fw::Chr(UTF8, 0xD800);
    } catch (const fw::RuntimeException& e) {
        EXPECT_NE(e.Message().find("55296"), std::string::npos);
    }
}

TEST(Text, AsciiTextPassesEveryByteUnchanged)
{
    const fw::String c = fw::Chr(ASCII, 0x96);
    EXPECT_EQ(c.GetEncoding(), ASCII);
    EXPECT_EQ(B(c), "\x96");
    EXPECT_EQ(fw::Asc(c), 0x96);
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const fw::String ascii = Bytes(all, ASCII);
    EXPECT_EQ(fw::Len(ascii), 256);
    EXPECT_EQ(fw::Asc(fw::Mid(ascii, 0xE9 + 1, 1)), 0xE9);
    const fw::String ansi = fw::ConvertEncoding(ascii, WindowsANSI);
    EXPECT_EQ(ansi.GetEncoding(), WindowsANSI);
    EXPECT_EQ(B(ansi), all);
    EXPECT_EQ(B(fw::ConvertEncoding(ansi, ASCII)), all);
    // Through UTF-8 and back, every byte survives.
    EXPECT_EQ(B(fw::ConvertEncoding(fw::ConvertEncoding(ascii, UTF8), ASCII)), all);
}

TEST(Text, ConversionToSingleByteReplacesWhatItCannotHold)
{
    const fw::String s = fw::ConvertEncoding(fw::String("\xE2\x82\xAC\xC3\xA9\xF0\x9F\x98\x80"), WindowsANSI);
    EXPECT_EQ(B(s), "\x80\xE9?");
    EXPECT_THROW(fw::ConvertEncoding(fw::String("a\xC3"), WindowsANSI), fw::EncodingException);
    EXPECT_EQ(B(fw::ConvertEncoding(Bytes("\x80\xE9", WindowsANSI), UTF8)), "\xE2\x82\xAC\xC3\xA9");
}

// glibc's view of one Windows-1252 byte; rejected when it refuses the byte.
std::string IconvCp1252ToUtf8(int byte, bool& rejected)
{
    iconv_t cd = iconv_open("UTF-8", "CP1252");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inp = in;
    char* outp = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    rejected = iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1);
    iconv_close(cd);
    return std::string(out, static_cast<std::size_t>(outp - out));
}

TEST(Text, WindowsAnsiAgreesWithIconvOnAllBytes)
{
    std::set<int> rejected;
    for (int b = 0; b < 256; ++b) {
        bool refused = false;
        const std::string utf8 = IconvCp1252ToUtf8(b, refused);
        const fw::String ours = fw::ConvertEncoding(Bytes(std::string(1, static_cast<char>(b)), WindowsANSI), UTF8);
        if (refused) {
            rejected.insert(b);
            // Undefined in Windows-1252: the C1 control of the same value.
            EXPECT_EQ(fw::Windows1252ToUnicode(static_cast<unsigned char>(b)), static_cast<char32_t>(b));
            EXPECT_EQ(fw::Asc(ours), b);
        } else {
            EXPECT_EQ(B(ours), utf8) << "byte " << b;
        }
        EXPECT_EQ(B(fw::ConvertEncoding(ours, WindowsANSI)), std::string(1, static_cast<char>(b))) << b;
    }
    EXPECT_EQ(rejected, (std::set<int>{0x81, 0x8D, 0x8F, 0x90, 0x9D}));
}

TEST(Text, ValidityFollowsTheEncoding)
{
    EXPECT_TRUE(fw::IsValidEncoding(fw::String(kMixed)));
    for (const char* bad : {"\xC3", "\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF", "\xE2\x82"})
        EXPECT_FALSE(fw::IsValidEncoding(fw::String(bad))) << bad;
    EXPECT_TRUE(fw::IsValidEncoding(Bytes("\xFF\x80", WindowsANSI)));
    EXPECT_TRUE(fw::IsValidEncoding(Bytes("\xFF\x80", ASCII)));
}

TEST(Text, MalformedTextSplitsTheSameWayForwardAndBackward)
{
    for (const std::string& bytes :
         {std::string("\xC2\x80\x80x"), std::string("\xF0\x80\x80\x80\x80"), std::string("\xE2\x82\xAC\x80"),
          std::string("\x80\x80\xC3"), std::string("a\xFF\xE2\x82z\xC3\xA9")}) {
        const fw::String s(bytes);
        const int n = fw::Len(s);
        std::vector<std::string> forward(n), backward(n);
        for (int i = 1; i <= n; ++i)
            forward[i - 1] = B(fw::Mid(s, i, 1));
        const fw::String t(bytes);
        fw::Len(t);
        for (int i = n; i >= 1; --i)
            backward[i - 1] = B(fw::Mid(t, i, 1));
        EXPECT_EQ(forward, backward);
        std::string joined;
        for (const auto& c : forward)
            joined += c;
        EXPECT_EQ(joined, bytes);
    }
}

TEST(Text, ComparisonIgnoresLetterCase)
{
    EXPECT_EQ(fw::Compare(".VQA", ".vqa"), 0);
    EXPECT_TRUE(fw::TextEquals(fw::Right("ANSWERS.Vqa", 4), ".vqa"));
    EXPECT_EQ(fw::Compare("\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89"), 0); // Été
    EXPECT_EQ(fw::Compare(Bytes("\xE9", WindowsANSI), "\xC3\xA9"), 0);
    EXPECT_LT(fw::Compare("abc", "ABD"), 0);
    EXPECT_GT(fw::Compare("b", "A"), 0);
    EXPECT_LT(fw::Compare("ab", "AB c"), 0);
    EXPECT_NE(fw::Compare(".vq", ".vqa"), 0);
    EXPECT_NE(fw::Compare("\xFF", "\xC3\xBF"), 0); // a malformed byte is not ÿ
}

TEST(Text, ConcatenationNeverChangesTheStringsItStartsFrom)
{
    const fw::String a("abc");
    fw::String b = a;
    b += "d";
    const fw::String c = a + "x";
    const fw::String d = a + "y";
    EXPECT_EQ(B(a), "abc");
    EXPECT_EQ(B(b), "abcd");
    EXPECT_EQ(B(c), "abcx");
    EXPECT_EQ(B(d), "abcy");
    fw::String e = c;
    e += "1";
    EXPECT_EQ(B(c + "2"), "abcx2");
    EXPECT_EQ(B(e), "abcx1");

    const fw::String text("hello world");
    fw::String head = fw::Mid(text, 1, 5);
    fw::String tail = fw::Right(text, 5);
    head += "!";
    tail += "?";
    EXPECT_EQ(B(text), "hello world");
    EXPECT_EQ(B(head), "hello!");
    EXPECT_EQ(B(tail), "world?");

    fw::String self(kMixed);
    self += self;
    EXPECT_EQ(B(self), kMixed + kMixed);
    EXPECT_EQ(fw::Len(self), 8);
}

TEST(Text, ConcatenationOfMixedEncodingsKeepsTheCharacters)
{
    const fw::String utf = fw::String("\xC3\xA9") + Bytes("\x80", WindowsANSI);
    EXPECT_EQ(utf.GetEncoding(), UTF8);
    EXPECT_EQ(B(utf), "\xC3\xA9\xE2\x82\xAC");
    const fw::String ansi = Bytes("\x96", ASCII) + Bytes("\xE9", WindowsANSI);
    EXPECT_EQ(ansi.GetEncoding(), WindowsANSI);
    EXPECT_EQ(B(ansi), "\x96\xE9");
    fw::String built;
    built += fw::Chr(WindowsANSI, 0xE9);
    EXPECT_EQ(built.GetEncoding(), WindowsANSI);
}

// Ten MiB of the four-character pattern: 4 Mi characters.
fw::String BigText()
{
    std::string bytes;
    bytes.reserve(10u << 20);
    while (bytes.size() < (10u << 20))
        bytes += kMixed;
    return fw::String(bytes);
}

constexpr int kPatternCodes[] = {'a', 0xE9, 0x20AC, 0x1F600};

// Counts bytes walked by text access from its creation, so that a scan that
// turned quadratic stops at its budget instead of running for hours.
class StepBudget {
public:
    explicit StepBudget(std::uint64_t budget) : m_budget(budget) {}
    bool Exceeded() const { return Used() > m_budget; }
    std::uint64_t Used() const { return fw::TextStepCountForTesting() - m_start; }

private:
    std::uint64_t m_start = fw::TextStepCountForTesting();
    std::uint64_t m_budget;
};

TEST(TextScan, ForwardAndBackwardCharacterScansStayLinear)
{
    for (bool forward : {true, false}) {
        const fw::String s = BigText();
        const StepBudget budget(5 * s.Bytes().size());
        const int n = fw::Len(s);
        ASSERT_EQ(n, 4 << 20);
        int matched = 0;
        for (int k = 0; k < n && !budget.Exceeded(); ++k) {
            const int i = forward ? k + 1 : n - k;
            matched += fw::Asc(fw::Mid(s, i, 1)) == kPatternCodes[(i - 1) % 4];
        }
        EXPECT_EQ(matched, n) << (forward ? "forward" : "backward");
        EXPECT_FALSE(budget.Exceeded()) << budget.Used() << " steps";
    }
}

TEST(TextScan, ReadingTerminatedFieldsOffTheFrontStaysLinear)
{
    const fw::String term = fw::Chr(UTF8, 150);
    std::string field;
    for (int i = 0; i < 25; ++i)
        field += kMixed;
    fw::String text;
    int fields = 0;
    while (text.Bytes().size() < (10u << 20)) {
        text += fw::String(field) + term;
        ++fields;
    }
    const StepBudget budget(5 * text.Bytes().size());
    int read = 0;
    bool allMatch = true;
    while (fw::Len(text) > 0 && !budget.Exceeded()) {
        int pos = 1;
        while (fw::Asc(fw::Mid(text, pos, 1)) != 150)
            ++pos;
        allMatch = allMatch && pos == 101;
        text = fw::Right(text, fw::Len(text) - pos);
        ++read;
    }
    EXPECT_TRUE(allMatch);
    EXPECT_EQ(read, fields);
    EXPECT_FALSE(budget.Exceeded()) << budget.Used() << " steps";
}

} // namespace
