#pragma once

#include <functional>

namespace fw {

// Runs one event handler: a control's event, a window's event or a timer's
// action. While the event loop runs, a RuntimeException that leaves the
// handler is reported in a stop message box ("<kind>: <message>", titled
// "Error!") and the program goes on; outside the loop (start-up) it
// propagates to the caller. Any other exception ends the event loop, which
// hands it on.
void RunHandler(const std::function<void()>& handler);

// Which of the two ways RunHandler takes; tests pick one.
enum class HandlerErrors { FollowEventLoop, Report, Propagate };
void SetHandlerErrors(HandlerErrors mode);

} // namespace fw
