#include "answers/qa_module.h"

namespace QA_Module {
fw::Ref<QnA_FakeSub> tmpSubject;
std::int32_t YLoop = 0;
std::int32_t ZLoop = 0;
} // namespace QA_Module
