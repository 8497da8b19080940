#include "answers/qna_data.h"

#include "framework/core/runtime.h"

void QnA_Data::Set_Num(std::int32_t n)
{
    NumVals = n;
    Value.Redim(n - 1);
}

void QnA_Data::CopyFrom(const fw::Ref<QnA_Data>& source)
{
    QnA_Data& src = source.Get();
    Set_Num(src.NumVals);
    IsSet = false;
    for (std::int32_t i = 0; i <= src.NumVals - 1; ++i) {
        Value(i) = src.Value(i);
        if (!fw::IsNull(Value(i)))
            IsSet = true;
        fw::RuntimeBackgroundTask();
    }
}

void QnA_FakeSub::Constructor()
{
    QnA_List(0) = fw::New<QnA_Data>();
    QnA_List(0)->Set_Num(10);
}
