#pragma once

#include <string>
#include <vector>

#include "tests/support/scripted_desktop.h"

#include <gtest/gtest.h>

namespace test_support {

// The texts of the message boxes the desktop was asked to show, checking
// that each was a stop box titled "Error!".
inline std::vector<std::string> ErrorMessageTexts(const fw::ScriptedDesktop& desktop)
{
    std::vector<std::string> out;
    for (const auto& m : desktop.messages) {
        EXPECT_EQ(m.code, 16);
        EXPECT_EQ(m.title, "Error!");
        out.push_back(m.text);
    }
    return out;
}

} // namespace test_support
