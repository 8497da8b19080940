#pragma once

#include <cstdint>

#include "answers/qna_data.h"

// State shared by the window, saving and loading.
namespace QA_Module {
// The working subject; made when the page opens.
extern fw::Ref<QnA_FakeSub> tmpSubject;
// Record and value loop counters of saving and both loaders.
extern std::int32_t YLoop;
extern std::int32_t ZLoop;
} // namespace QA_Module
