#include "framework/ui/dispatch.h"

#include "framework/core/exceptions.h"
#include "framework/core/runtime.h"
#include "framework/ui/desktop.h"

#include <new>
#include <string>

namespace fw {

namespace {

void ReportStop(const std::string& text) { MsgBox(String(text), 16, "Error!"); }

} // namespace

void RunHandler(const std::function<void()>& handler)
{
    if (!EventLoopRunning()) {
        handler();
        return;
    }
    try {
        handler();
    } catch (const RuntimeException& e) {
        ReportStop(e.Kind() + ": " + e.Message());
    } catch (const std::bad_alloc&) {
        ReportStop("The program ran out of memory while carrying out the last action. The action was stopped.");
    } catch (const std::exception& e) {
        ReportStop(std::string("The last action was stopped by an error: ") + e.what());
    } catch (...) {
        // Nothing may unwind through Qt's event handling.
        ReportStop("The last action was stopped by an unknown error.");
    }
}

} // namespace fw
