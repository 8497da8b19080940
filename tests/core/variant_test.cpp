#include "framework/core/variant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

std::string Text(const fw::String& s) { return s.ToUTF8(); }

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Variant, OnlyTheEmptyVariantIsNullAndAStringNeverIs)
{
    EXPECT_TRUE(fw::IsNull(fw::Variant()));
    EXPECT_FALSE(fw::IsNull(fw::StringToVariant(fw::String())));
    EXPECT_FALSE(fw::IsNull(fw::Variant("")));
    EXPECT_FALSE(fw::IsNull(fw::Variant(std::int32_t{0})));
    EXPECT_FALSE(fw::IsNull(fw::Variant(0.0)));
    EXPECT_EQ(fw::Variant("").GetType(), fw::Variant::Type::String);
    EXPECT_EQ(Text(fw::VariantToString(fw::Variant())), "");
}

TEST(Variant, TextFormOfNumbersIsShortestAndExact)
{
    EXPECT_EQ(Text(fw::CStr(2.0)), "2");
    EXPECT_EQ(Text(fw::CStr(fw::Variant(2.0))), "2");
    EXPECT_EQ(Text(fw::CStr(0.1)), "0.1");
    EXPECT_EQ(Text(fw::CStr(-2.5)), "-2.5");
    EXPECT_EQ(Text(fw::CStr(1.0 / 3.0)), "0.3333333333333333");
    EXPECT_EQ(fw::CDbl(fw::CStr(1.0 / 3.0)), 1.0 / 3.0);
    EXPECT_EQ(Text(fw::CStr(std::int32_t{-42})), "-42");
    EXPECT_EQ(Text(fw::CStr(kMin)), "-2147483648");
    EXPECT_EQ(Text(fw::CStr(fw::Variant(std::int32_t{7}))), "7");
    EXPECT_EQ(Text(fw::CStr(fw::Variant("\xC3\xA9t\xC3\xA9"))), "\xC3\xA9t\xC3\xA9");
}

TEST(Variant, CDblReadsTheLeadingNumberAndZeroWhenThereIsNone)
{
    EXPECT_EQ(fw::CDbl("2.0"), 2.0);
    EXPECT_EQ(fw::CDbl(" 2x"), 2.0);
    EXPECT_EQ(fw::CDbl("\t-3.5e2abc"), -350.0);
    EXPECT_EQ(fw::CDbl("+4"), 4.0);
    EXPECT_EQ(fw::CDbl(".5"), 0.5);
    EXPECT_EQ(fw::CDbl("1e"), 1.0);
    EXPECT_EQ(fw::CDbl("abc"), 0.0);
    EXPECT_EQ(fw::CDbl(""), 0.0);
    EXPECT_EQ(fw::CDbl("."), 0.0);
    EXPECT_EQ(fw::CDbl("-"), 0.0);
    EXPECT_EQ(fw::CDbl(fw::String::FromBytes("12", fw::Encodings::ASCII)), 12.0);
}

TEST(Variant, IntegerConversionGoesTowardZeroAndSaturates)
{
    EXPECT_EQ(fw::Variant(2.9).Int32Value(), 2);
    EXPECT_EQ(fw::Variant(-2.9).Int32Value(), -2);
    EXPECT_EQ(fw::Variant(1e10).Int32Value(), kMax);
    EXPECT_EQ(fw::Variant(-1e10).Int32Value(), kMin);
    EXPECT_EQ(fw::Variant(2147483647.5).Int32Value(), kMax);
    EXPECT_EQ(fw::Variant(std::numeric_limits<double>::quiet_NaN()).Int32Value(), 0);
    EXPECT_EQ(fw::Variant(std::numeric_limits<double>::infinity()).Int32Value(), kMax);
    EXPECT_EQ(fw::Variant("12.7").Int32Value(), 12);
    EXPECT_EQ(fw::Variant("x").Int32Value(), 0);
    EXPECT_EQ(fw::Variant().Int32Value(), 0);
    EXPECT_EQ(fw::Variant(" 1").DoubleValue(), 1.0);
    EXPECT_EQ(fw::Variant(std::int32_t{5}).DoubleValue(), 5.0);
}

} // namespace
