#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fw {

// An optional record of observable steps (start-up, registration, release),
// so tests can check their order without looking at internals. Off unless a
// test switches it on.
namespace trace {
void Enable(bool on);
bool Enabled();
void Record(std::string step);
// Called with every step as it is recorded, while tracing is on; a test may
// throw from it to fail the step that is being taken.
void SetListener(std::function<void(const std::string&)> listener);
// The steps recorded since the last Take, oldest first; clears them.
std::vector<std::string> Take();
} // namespace trace

} // namespace fw
