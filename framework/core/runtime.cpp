#include "framework/core/runtime.h"

#include "framework/core/trace.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cxxabi.h>
#include <iostream>
#include <optional>
#include <set>
#include <typeinfo>

namespace fw {

namespace {

struct RuntimeState {
    bool running = false;
    bool quitRequested = false;
    bool unhandledReported = false;
    int exitCode = 0;
    std::set<std::string> classes;
    Ref<Application> app;
    EventLoop* loop = nullptr;
    std::function<void(const std::string&, const std::string&)> reporter;
    long long backgroundCalls = 0;
    int callsSinceClock = 0;
    std::optional<std::chrono::steady_clock::time_point> lastRepaint;
    std::function<std::chrono::steady_clock::time_point()> clock;
};

constexpr int kCallsPerClockLook = 4096;

// Never destroyed: Qt may end the process with exit() from inside the event
// loop (a lost display); the destructors of other statics that run then may
// still reach the runtime, and the application object it holds must not be
// destroyed among them.
RuntimeState& State()
{
    static auto* state = new RuntimeState;
    return *state;
}

} // namespace

void CatchFileSizeSignal()
{
    // Caught rather than ignored: an ignored signal stays ignored in the
    // programs we start (the browser), a caught one is reset there.
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGXFSZ, &action, nullptr);
}

void RuntimeInit()
{
    auto& s = State();
    s.running = false;
    s.quitRequested = false;
    s.unhandledReported = false;
    s.exitCode = 0;
    s.classes.clear();
    s.app.Release();
    s.callsSinceClock = 0;
    s.lastRepaint.reset();
    trace::Record("RuntimeInit");
}

int RuntimeExit()
{
    auto& s = State();
    s.app.Release();
    const int code = s.quitRequested ? s.exitCode : (s.unhandledReported ? 1 : 0);
    trace::Record("RuntimeExit " + std::to_string(code));
    return code;
}

void RuntimeRegisterClass(const std::string& name, const std::string& base)
{
    auto& s = State();
    if (s.classes.count(name))
        return;
    if (!base.empty() && !s.classes.count(base))
        RuntimeRegisterClass(base);
    s.classes.insert(name);
    trace::Record("register class " + name);
}

bool RuntimeIsClassRegistered(const std::string& name) { return State().classes.count(name) > 0; }

void RuntimeInitExternalClasses() { trace::Record("external classes initialised"); }

Ref<PluginEntrypointsTable> RuntimeAllocatePluginEntrypointsTable(int count)
{
    trace::Record("plug-in entry table allocated for " + std::to_string(count));
    return New<PluginEntrypointsTable>(count);
}

void RuntimeRegisterAppObject(Ref<Application> app)
{
    State().app = std::move(app);
    trace::Record("register application object");
}

Ref<Application> App() { return State().app; }

void SetEventLoop(EventLoop* loop) { State().loop = loop; }

void RuntimeRun()
{
    auto& s = State();
    trace::Record("RuntimeRun");
    if (s.loop && !s.quitRequested) {
        s.running = true;
        try {
            s.loop->Run();
        } catch (...) {
            s.running = false;
            throw;
        }
        s.running = false;
    }
    trace::Record("event loop ended");
    if (s.app)
        s.app->Event_Close();
}

bool EventLoopRunning() { return State().running; }

void Quit(int code)
{
    auto& s = State();
    if (s.quitRequested)
        return;
    s.quitRequested = true;
    s.exitCode = code;
    trace::Record("Quit " + std::to_string(code));
    if (s.loop)
        s.loop->Quit();
}

bool QuitRequested() { return State().quitRequested; }

std::string ExceptionKind(const std::exception& e)
{
    if (const auto* r = dynamic_cast<const RuntimeException*>(&e))
        return r->Kind();
    const char* raw = typeid(e).name();
    int status = 0;
    char* readable = abi::__cxa_demangle(raw, nullptr, nullptr, &status);
    const std::string kind = readable ? readable : raw;
    std::free(readable);
    return kind;
}

void UnhandledException(const std::exception& e)
{
    auto& s = State();
    s.unhandledReported = true;
    const std::string kind = ExceptionKind(e);
    trace::Record("unhandled exception " + kind);
    std::cerr << "Unhandled " << kind << ": " << e.what() << '\n';
    if (s.reporter)
        s.reporter(kind, e.what());
}

void SetUnhandledExceptionReporter(std::function<void(const std::string&, const std::string&)> reporter)
{
    State().reporter = std::move(reporter);
}

void RuntimeBackgroundTask()
{
    auto& s = State();
    ++s.backgroundCalls;
    // Reading the clock on every pass would cost more than the loops it
    // serves; once every 4096 calls is often enough for a 50 ms repaint.
    if (++s.callsSinceClock < kCallsPerClockLook || !s.loop || !s.running)
        return;
    s.callsSinceClock = 0;
    const auto now = s.clock ? s.clock() : std::chrono::steady_clock::now();
    if (s.lastRepaint && now - *s.lastRepaint < std::chrono::milliseconds(50))
        return;
    s.lastRepaint = now;
    s.loop->Repaint();
}

long long BackgroundTaskCalls() { return State().backgroundCalls; }

void SetBackgroundClockForTesting(std::function<std::chrono::steady_clock::time_point()> clock)
{
    State().clock = std::move(clock);
}

} // namespace fw
