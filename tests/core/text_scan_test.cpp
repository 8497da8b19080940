#include <gtest/gtest.h>

#include "framework/core/exceptions.h"
#include "framework/core/text.h"

// AscAt and AppendChr are the allocation-free forms of Asc(Mid(...)) and
// += Chr(...); they must agree with them exactly.

TEST(TextScan, AscAtAgreesWithAscOfMidInBothDirections)
{
    // ASCII, two-, three- and four-byte characters, and a stray byte.
    const fw::String s("a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80z\x80q");
    const int n = fw::Len(s);
    for (int i = 1; i <= n; ++i)
        EXPECT_EQ(fw::AscAt(s, i), fw::Asc(fw::Mid(s, i, 1))) << i;
    for (int i = n; i >= 1; --i)
        EXPECT_EQ(fw::AscAt(s, i), fw::Asc(fw::Mid(s, i, 1))) << i;
    EXPECT_EQ(fw::AscAt(s, 0), 0);
    EXPECT_EQ(fw::AscAt(s, n + 1), 0);

    const fw::String bytes = fw::String::FromBytes("\x96\xFF", fw::Encodings::ASCII);
    EXPECT_EQ(fw::AscAt(bytes, 1), 0x96);
    EXPECT_EQ(fw::AscAt(bytes, 2), 0xFF);
}

TEST(TextScan, AppendChrAgreesWithConcatenatingChr)
{
    fw::String built;
    fw::String expected;
    for (int code : {0x41, 0xE9, 0x65E5, 0x1F600, 0x96}) {
        fw::AppendChr(built, fw::Encodings::UTF8, code);
        expected += fw::Chr(fw::Encodings::UTF8, code);
    }
    EXPECT_EQ(built.Bytes(), expected.Bytes());
    EXPECT_EQ(fw::Len(built), 5);

    fw::String ansi = fw::String::FromBytes("a", fw::Encodings::WindowsANSI);
    fw::AppendChr(ansi, fw::Encodings::WindowsANSI, 0x96);
    EXPECT_EQ(ansi.Bytes(), "a\x96");
    EXPECT_EQ(ansi.GetEncoding(), fw::Encodings::WindowsANSI);
}

TEST(TextScan, AppendChrLeavesStringsThatShareTheBufferAlone)
{
    const fw::String original("abc");
    fw::String copy = original;
    fw::AppendChr(copy, fw::Encodings::UTF8, 'd');
    fw::String slice = fw::Mid(original, 1, 2);
    fw::AppendChr(slice, fw::Encodings::UTF8, 'x');
    EXPECT_EQ(original.Bytes(), "abc");
    EXPECT_EQ(copy.Bytes(), "abcd");
    EXPECT_EQ(slice.Bytes(), "abx");
}

TEST(TextScan, AppendChrRefusesWhatChrRefusesAndChangesNothing)
{
    fw::String s("keep");
    EXPECT_THROW(fw::AppendChr(s, fw::Encodings::UTF8, 0xD800), fw::EncodingException);
    EXPECT_THROW(fw::AppendChr(s, fw::Encodings::UTF8, 0x110000), fw::EncodingException);
    EXPECT_THROW(fw::AppendChr(s, fw::Encodings::WindowsANSI, -1), fw::EncodingException);
    EXPECT_EQ(s.Bytes(), "keep");
}
