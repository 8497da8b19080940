#include "framework/core/exceptions.h"
#include "framework/core/object.h"
#include "framework/core/variant.h"

#include <gtest/gtest.h>

namespace {

struct Animal : fw::Object {
    int legs = 4;
};
struct Bird : Animal {
    Bird() { legs = 2; }
};
struct Stone : fw::Object {};

TEST(Ref, UsingNilRaisesNilObjectException)
{
    fw::Ref<Animal> nil;
    EXPECT_TRUE(nil.IsNil());
    EXPECT_THROW(nil.Get(), fw::NilObjectException);
    EXPECT_THROW((void)nil->legs, fw::NilObjectException);
    EXPECT_THROW(*nil, fw::NilObjectException);
    EXPECT_THROW(nil.Get(), fw::RuntimeException);
}

TEST(Cast, CheckedDownCastKeepsNilAndRefusesOtherClasses)
{
    const fw::Ref<fw::Object> bird = fw::New<Bird>();
    EXPECT_EQ(fw::Cast<Bird>(bird)->legs, 2);
    EXPECT_TRUE(fw::Cast<Animal>(bird) == bird);
    EXPECT_TRUE(fw::Cast<Bird>(fw::Ref<fw::Object>()).IsNil());
    EXPECT_THROW(fw::Cast<Stone>(bird), fw::IllegalCastException);
    EXPECT_THROW(fw::Cast<Bird>(fw::Ref<fw::Object>(fw::New<Animal>())), fw::IllegalCastException);
}

TEST(Array, IndexOutsideTheBoundsRaisesOutOfBoundsException)
{
    fw::Array<fw::Variant> a(2);
    EXPECT_EQ(a.Count(), 3);
    EXPECT_TRUE(fw::IsNull(a(2)));
    EXPECT_THROW(a(3), fw::OutOfBoundsException);
    EXPECT_THROW(a(-1), fw::OutOfBoundsException);
    try {
        a(5);
    } catch (const fw::OutOfBoundsException& e) {
        EXPECT_EQ(e.Message(), "Index 5 lies outside 0 to 2.");
    }
    const fw::Array<fw::Ref<Animal>> slots(1);
    EXPECT_TRUE(slots(1).IsNil());
    EXPECT_THROW(slots(1)->legs, fw::NilObjectException);
}

TEST(Array, RedimResizesAndANegativeBoundEmpties)
{
    fw::Array<fw::Variant> a;
    EXPECT_EQ(a.UBound(), -1);
    a.Redim(9);
    EXPECT_EQ(a.Count(), 10);
    a(9) = fw::Variant("x");
    a.Redim(-1);
    EXPECT_EQ(a.Count(), 0);
    EXPECT_THROW(a(0), fw::OutOfBoundsException);
    a.Redim(-7);
    EXPECT_EQ(a.UBound(), -1);
    a.Redim(0);
    EXPECT_TRUE(fw::IsNull(a(0)));
}

} // namespace
