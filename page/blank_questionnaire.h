#pragma once

#include <array>

#include "framework/core/text.h"

// The printable blank questionnaire: one HTML page, the same on every press,
// that asks the browser to print it once it has loaded.
namespace BlankQuestionnaire {
// The page's pieces, in order; the document is them joined with nothing between.
extern const std::array<const char*, 27> kParts;
// The whole document: ASCII on one line, no line end.
fw::String Document();
} // namespace BlankQuestionnaire
