#include <gtest/gtest.h>

#include "answers/qna_files.h"
#include "tests/answers/answer_file_bytes.h"

using answer_file_bytes::Field;
using answer_file_bytes::OldField;
using answer_file_bytes::Utf8;
using namespace QnA_Files;

namespace {

class AnswerFieldCodec : public ::testing::Test {
protected:
    void SetUp() override
    {
        QnAWrite = fw::String();
        QnARead = fw::String();
    }

    static std::string Written() { return std::string(QnAWrite.Bytes()); }
    static void ReadFrom(const std::string& bytes, fw::Encoding e) { QnARead = fw::String::FromBytes(bytes, e); }
    static std::string Rest() { return std::string(QnARead.Bytes()); }
};

} // namespace

TEST_F(AnswerFieldCodec, ValuesAreStoredLastCharacterFirstAndShiftedByCodePoint)
{
    QADataAdd(2.0);
    QADataAdd(std::int32_t{1});
    QADataAdd("Ab");
    EXPECT_EQ(Written(), "\x35\xC2\x96\x34\xC2\x96\x65\x44\xC2\x96");

    QnAWrite = fw::String();
    QADataAdd("\xC3\xA9~"); // é (U+00E9) and ~ (0x7E) both become two-byte characters
    EXPECT_EQ(Written(), "\xC2\x81\xC3\xAC\xC2\x96");
    EXPECT_EQ(Written(), Field(U"\u00E9~"));
}

TEST_F(AnswerFieldCodec, EmptyValueIsTheTerminatorAloneAndReadsBackEmpty)
{
    QADataAdd("");
    EXPECT_EQ(Written(), "\xC2\x96");
    QnARead = QnAWrite;
    const fw::Variant v = QADataRead();
    EXPECT_FALSE(fw::IsNull(v));
    EXPECT_EQ(fw::VariantToString(v).ToUTF8(), "");
    EXPECT_EQ(Rest(), "");
}

TEST_F(AnswerFieldCodec, EachReadTakesExactlyOneFieldInOrder)
{
    const std::string texts[] = {"first line\nsecond line", "caf\xC3\xA9 \xF0\x9F\x98\x80", "\xE2\x80\x93 dash", "z"};
    for (const auto& t : texts)
        QADataAdd(fw::String(t));
    QnARead = QnAWrite;
    for (const auto& t : texts)
        EXPECT_EQ(fw::VariantToString(QADataRead()).ToUTF8(), t);
    EXPECT_EQ(Rest(), "");
    EXPECT_THROW(QADataRead(), fw::RuntimeException);
    EXPECT_EQ(Rest(), "");
}

TEST_F(AnswerFieldCodec, ReadWithoutTerminatorFailsAndLeavesTheBufferAsItWas)
{
    ReadFrom(Field(U"kept") + "plain text, no terminator", fw::Encodings::UTF8);
    EXPECT_EQ(fw::VariantToString(QADataRead()).ToUTF8(), "kept");
    EXPECT_THROW(QADataRead(), fw::RuntimeException);
    EXPECT_EQ(Rest(), "plain text, no terminator");
}

TEST_F(AnswerFieldCodec, CharactersTheFormatCannotCarryAreRefused)
{
    // U+0093 would become the terminator; the others have no character three above.
    for (char32_t c : {U'\u0093', U'\U0010FFFD', U'\U0010FFFF', U'\uD7FD'}) {
        SCOPED_TRACE(static_cast<unsigned>(c));
        EXPECT_THROW(QAEncrypt(fw::String(Utf8(c)), ScramblingShift), fw::EncodingException);
    }
    EXPECT_EQ(std::string(QAEncrypt(fw::String(Utf8(U'\u0092')), ScramblingShift).Bytes()), Utf8(U'\u0095'));
}

TEST_F(AnswerFieldCodec, UnscrambledCodesThatNameNoCharacterAreRefused)
{
    for (char32_t c : {U'\u0002', U'\uE000', U'\uE002'}) {
        SCOPED_TRACE(static_cast<unsigned>(c));
        EXPECT_THROW(QADecrypt(fw::String(Utf8(c)), ScramblingShift), fw::EncodingException);
    }
    EXPECT_THROW(QADecryptOld(fw::String::FromBytes("\x01", fw::Encodings::WindowsANSI), ScramblingShift),
                 fw::EncodingException);
}

TEST_F(AnswerFieldCodec, Version1FieldsAreSingleBytesEndedBy0x96)
{
    // Bytes above 127 are Windows-1252 characters: é, €, and an en dash
    // (0x96 itself) inside a value, stored as 0x99.
    ReadFrom(OldField("1") + OldField("caf\xE9") + OldField("\x80 and \x96") + OldField(""), fw::Encodings::ASCII);
    EXPECT_EQ(Rest().substr(0, 2), "\x34\x96");

    EXPECT_EQ(fw::VariantToString(QADataReadOld()).ToUTF8(), "1");
    const fw::String cafe = fw::VariantToString(QADataReadOld());
    EXPECT_EQ(cafe.GetEncoding(), fw::Encodings::WindowsANSI);
    EXPECT_EQ(std::string(cafe.Bytes()), "caf\xE9");
    EXPECT_EQ(fw::VariantToString(QADataReadOld()).ToUTF8(), "\xE2\x82\xAC and \xE2\x80\x93");
    EXPECT_EQ(fw::VariantToString(QADataReadOld()).ToUTF8(), "");
    EXPECT_EQ(Rest(), "");
    EXPECT_THROW(QADataReadOld(), fw::RuntimeException);
}
