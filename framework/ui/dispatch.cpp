#include "framework/ui/dispatch.h"

#include "framework/core/exceptions.h"
#include "framework/core/runtime.h"
#include "framework/ui/desktop.h"
#include "framework/ui/event_loop.h"

namespace fw {

namespace {

HandlerErrors g_mode = HandlerErrors::FollowEventLoop;

bool Reporting()
{
    switch (g_mode) {
    case HandlerErrors::Report: return true;
    case HandlerErrors::Propagate: return false;
    case HandlerErrors::FollowEventLoop: break;
    }
    return EventLoopRunning();
}

} // namespace

void SetHandlerErrors(HandlerErrors mode) { g_mode = mode; }

void RunHandler(const std::function<void()>& handler)
{
    if (!Reporting()) {
        handler();
        return;
    }
    try {
        handler();
    } catch (const RuntimeException& e) {
        MsgBox(String(e.Kind() + ": " + e.Message()), 16, "Error!");
    } catch (...) {
        // Nothing may unwind through Qt's event handling: the loop stops and
        // raises the exception once it has returned.
        if (!AbandonEventLoop(std::current_exception()))
            throw;
    }
}

} // namespace fw
