#include "answers/qna_data.h"

#include <gtest/gtest.h>

namespace {

fw::Ref<QnA_Data> RecordOf(std::initializer_list<fw::Variant> values)
{
    auto r = fw::New<QnA_Data>();
    r->Set_Num(static_cast<int>(values.size()));
    int i = 0;
    for (const auto& v : values)
        r->Value(i++) = v;
    return r;
}

TEST(QnA_DataTest, NewRecordIsEmptyAndNotSet)
{
    QnA_Data r;
    EXPECT_EQ(r.NumVals, 0);
    EXPECT_EQ(r.Value.UBound(), -1);
    EXPECT_FALSE(r.IsSet);
}

TEST(QnA_DataTest, SetNumGivesThatManyNullValues)
{
    QnA_Data r;
    r.Set_Num(10);
    ASSERT_EQ(r.Value.Count(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(r.Value(i).IsNull());
    r.Set_Num(0);
    EXPECT_EQ(r.Value.Count(), 0);
    EXPECT_THROW(r.Value(0), fw::OutOfBoundsException);
}

TEST(QnA_DataTest, CopyFromSetsIsSetExactlyWhenACopiedValueIsNonNull)
{
    auto target = fw::New<QnA_Data>();
    target->CopyFrom(RecordOf({{}, {}, {}, {}, {}, {}, {}, {}, {}, fw::Variant("last")}));
    EXPECT_TRUE(target->IsSet);
    EXPECT_EQ(target->NumVals, 10);
    EXPECT_EQ(target->Value(9).StringValue().ToUTF8(), "last");

    // All null: not set, although the target was set before.
    target->CopyFrom(RecordOf({{}, {}, {}}));
    EXPECT_FALSE(target->IsSet);
    EXPECT_EQ(target->NumVals, 3);

    // An empty text is a value, not null.
    target->CopyFrom(RecordOf({fw::Variant("")}));
    EXPECT_TRUE(target->IsSet);

    target->CopyFrom(fw::New<QnA_Data>());
    EXPECT_EQ(target->NumVals, 0);
    EXPECT_EQ(target->Value.Count(), 0);
    EXPECT_FALSE(target->IsSet);
}

TEST(QnA_DataTest, CopyFromNilRaisesAndLeavesTheTargetAsItWas)
{
    auto target = RecordOf({fw::Variant("kept")});
    target->IsSet = true;
    EXPECT_THROW(target->CopyFrom(nullptr), fw::NilObjectException);
    EXPECT_EQ(target->NumVals, 1);
    EXPECT_EQ(target->Value(0).StringValue().ToUTF8(), "kept");
    EXPECT_TRUE(target->IsSet);
}

TEST(QnA_DataTest, CopiesAreIndependentOfTheirSource)
{
    auto source = RecordOf({fw::Variant("a"), fw::Variant("b")});
    auto target = fw::New<QnA_Data>();
    target->CopyFrom(source);
    source->Value(0) = fw::Variant("changed");
    EXPECT_EQ(target->Value(0).StringValue().ToUTF8(), "a");
}

TEST(QnA_FakeSubTest, ConstructorFillsSlotZeroWithTenNullValuesAndLeavesSlotOneEmpty)
{
    QnA_FakeSub subject;
    EXPECT_TRUE(subject.QnA_List(0).IsNil());
    subject.Constructor();
    const auto record = subject.QnA_List(0);
    EXPECT_EQ(record->NumVals, 10);
    EXPECT_FALSE(record->IsSet);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(record->Value(i).IsNull());
    EXPECT_THROW(subject.QnA_List(1)->NumVals, fw::NilObjectException);
    EXPECT_THROW(subject.QnA_List(2), fw::OutOfBoundsException);
    EXPECT_THROW(subject.QnA_List(-1), fw::OutOfBoundsException);
}

} // namespace
