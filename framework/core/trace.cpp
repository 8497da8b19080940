#include "framework/core/trace.h"

namespace fw::trace {

namespace {
bool g_enabled = false;
std::vector<std::string> g_steps;
std::function<void(const std::string&)> g_listener;
} // namespace

void Enable(bool on)
{
    g_enabled = on;
    if (!on) {
        g_steps.clear();
        g_listener = nullptr;
    }
}

bool Enabled() { return g_enabled; }

void Record(std::string step)
{
    if (!g_enabled)
        return;
    g_steps.push_back(step);
    if (g_listener)
        g_listener(step);
}

void SetListener(std::function<void(const std::string&)> listener) { g_listener = std::move(listener); }

std::vector<std::string> Take()
{
    std::vector<std::string> out;
    out.swap(g_steps);
    return out;
}

} // namespace fw::trace
