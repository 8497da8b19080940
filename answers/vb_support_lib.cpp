#include "answers/vb_support_lib.h"

namespace vbSupportLib {
fw::Ref<fw::Date> Now() { return fw::New<fw::Date>(); }
} // namespace vbSupportLib
