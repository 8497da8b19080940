#pragma once

#include "framework/core/date.h"
#include "framework/core/object.h"

namespace vbSupportLib {
// A new date holding the current local date and time.
fw::Ref<fw::Date> Now();
} // namespace vbSupportLib
