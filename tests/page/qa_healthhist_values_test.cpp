#include "page/qa_healthhist.h"

#include "tests/page/page_window.h"

#include <gtest/gtest.h>

namespace {

class ValuesTest : public PageTest {
protected:
    void Fill(const std::vector<std::string>& texts)
    {
        for (int i = 1; i <= 10; ++i)
            Field(i)->SetText(texts[static_cast<std::size_t>(i - 1)]);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (int i = 1; i <= 10; ++i)
            out.push_back(Field(i)->Text().ToUTF8());
        return out;
    }
};

const std::vector<std::string> kAnswers = {
    "1998 appendix removed",
    "",
    "two lines\nof surgery",
    "Windows\r\nline breaks",
    "Ärztin: Grüße — naïve café",
    "old Mac\rline break",
    "日本語の食事",
    "  leading and trailing spaces  ",
    "tab\tseparated",
    "last answer 🙂\n",
};

TEST_F(ValuesTest, GetValuesOnEmptyFieldsGivesTenEmptyStringsAndIsSetFalse)
{
    auto d = page->GetValues();
    EXPECT_EQ(d->NumVals, 10);
    EXPECT_EQ(d->Value.UBound(), 9);
    EXPECT_FALSE(d->IsSet);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(d->Value(i).GetType(), fw::Variant::Type::String);
        EXPECT_TRUE(d->Value(i).StringValue().IsEmpty());
    }
}

TEST_F(ValuesTest, ValueIBelongsToFieldIPlusOne)
{
    Fill(kAnswers);
    auto d = page->GetValues();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(d->Value(i).StringValue().ToUTF8(), kAnswers[static_cast<std::size_t>(i)]) << i;
}

TEST_F(ValuesTest, SetValuesOfGetValuesKeepsEveryText)
{
    Fill(kAnswers);
    page->SetValues(page->GetValues());
    EXPECT_EQ(Texts(), kAnswers);
}

TEST_F(ValuesTest, SetValuesWithTenNullsShowsTenEmptyFields)
{
    Fill(kAnswers);
    auto d = fw::New<QnA_Data>();
    d->Set_Num(10);
    page->SetValues(d);
    EXPECT_EQ(Texts(), std::vector<std::string>(10, ""));
}

TEST_F(ValuesTest, TwoRecordsAreDistinctAndIndependentOfThePage)
{
    Fill(kAnswers);
    auto a = page->GetValues();
    auto b = page->GetValues();
    EXPECT_FALSE(a == b);
    a->Value(0) = fw::Variant("changed");
    EXPECT_EQ(b->Value(0).StringValue().ToUTF8(), kAnswers[0]);
    EXPECT_EQ(Field(1)->Text().ToUTF8(), kAnswers[0]);
}

TEST_F(ValuesTest, SetValuesWithNilFailsBeforeAnyFieldChanges)
{
    Fill(kAnswers);
    EXPECT_THROW(page->SetValues(nullptr), fw::NilObjectException);
    EXPECT_EQ(Texts(), kAnswers);
}

TEST_F(ValuesTest, AShortRecordFillsTheFieldsItHasThenFailsOutOfBounds)
{
    Fill(std::vector<std::string>(10, "old"));
    auto d = fw::New<QnA_Data>();
    d->Set_Num(3);
    d->Value(0) = fw::Variant("a");
    d->Value(1) = fw::Variant(42);
    EXPECT_THROW(page->SetValues(d), fw::OutOfBoundsException);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "42", "", "old", "old", "old", "old", "old", "old", "old"}));
}

TEST_F(ValuesTest, ValuesBeyondTheTenthAreIgnored)
{
    auto d = fw::New<QnA_Data>();
    d->Set_Num(12);
    for (int i = 0; i < 12; ++i)
        d->Value(i) = fw::Variant(fw::CStr(static_cast<std::int32_t>(i)));
    page->SetValues(d);
    EXPECT_EQ(Field(10)->Text().ToUTF8(), "9");
}

TEST_F(ValuesTest, FillingThePageRecordsNoScrollTarget)
{
    StopTimer();
    page->SetValues(page->GetValues());
    Fill(kAnswers);
    EXPECT_FALSE(page->FocusChanged);
}

} // namespace
