#pragma once

#include <cstdint>

#include "framework/core/object.h"
#include "framework/core/variant.h"

// One questionnaire's answers: NumVals values, one per answer field.
class QnA_Data : public fw::Object {
public:
    std::int32_t NumVals = 0;
    fw::Array<fw::Variant> Value;
    // True when some value holds something; loading only ever sets it.
    bool IsSet = false;

    virtual void Set_Num(std::int32_t n);
    // Makes this record a copy of source; nil raises NilObjectException
    // before anything changes.
    virtual void CopyFrom(const fw::Ref<QnA_Data>& source);
};

// The subject whose answers are edited: slot 0 holds the working record,
// slot 1 stays empty.
class QnA_FakeSub : public fw::Object {
public:
    fw::Array<fw::Ref<QnA_Data>> QnA_List{1};

    virtual void Constructor();
};
