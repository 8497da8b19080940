#pragma once

#include <functional>

namespace fw {

// Runs one event handler: a control's event, a window's event or a timer's
// action. While the event loop runs, any exception that leaves the handler
// is reported in a stop message box titled "Error!" and the loop goes on, so
// no typed answer is lost: a RuntimeException as "<kind>: <message>", running
// out of memory, any other exception and anything else thrown each with a
// text of their own. Outside the loop (start-up) it propagates to the caller.
void RunHandler(const std::function<void()>& handler);

} // namespace fw
