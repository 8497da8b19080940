#include "framework/core/trace.h"

namespace fw::trace {

namespace {

struct State {
    bool enabled = false;
    std::vector<std::string> steps;
    std::function<void(const std::string&)> listener;
};

// Never destroyed: destructors of other statics record steps too (a file type
// withdrawing itself) and may run at exit after this one would have gone.
State& S()
{
    static auto* state = new State;
    return *state;
}

} // namespace

void Enable(bool on)
{
    S().enabled = on;
    if (!on) {
        S().steps.clear();
        S().listener = nullptr;
    }
}

bool Enabled() { return S().enabled; }

void Record(std::string step)
{
    auto& s = S();
    if (!s.enabled)
        return;
    s.steps.push_back(step);
    if (s.listener)
        s.listener(step);
}

void SetListener(std::function<void(const std::string&)> listener) { S().listener = std::move(listener); }

std::vector<std::string> Take()
{
    std::vector<std::string> out;
    out.swap(S().steps);
    return out;
}

} // namespace fw::trace
