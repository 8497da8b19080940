#pragma once

#include <chrono>
#include <exception>
#include <functional>
#include <string>

#include "framework/core/object.h"

namespace fw {

// The application object. A program subclasses it; the framework holds the one
// instance from its registration on.
class Application : public Object {
public:
    // Raised once when the application quits, after the event loop has ended.
    virtual void Event_Close() {}
};

// What runs the events. The window layer installs the real one; without it
// the loop returns at once.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void Run() = 0;
    virtual void Quit() = 0;
    // Repaints what needs it without dispatching user input.
    virtual void Repaint() = 0;
};

class PluginEntrypointsTable : public Object {
public:
    explicit PluginEntrypointsTable(int count) : m_count(count) {}
    int Count() const { return m_count; }

private:
    int m_count;
};

// Makes a write beyond the file-size limit (ulimit -f) fail with "File too
// large", which a save reports, instead of the kernel's SIGXFSZ ending the
// program with its unsaved answers. Programs it starts keep the default. The
// window system's start calls it first.
void CatchFileSizeSignal();

void RuntimeInit();
// Ends the runtime and gives the exit status: the code of the quit request
// that was taken, else 1 when an unhandled exception was reported, else 0.
int RuntimeExit();

// Registers a class under its name, its base first when the base is not
// registered yet. A second registration of a name does nothing.
void RuntimeRegisterClass(const std::string& name, const std::string& base = "");
bool RuntimeIsClassRegistered(const std::string& name);
void RuntimeInitExternalClasses();
Ref<PluginEntrypointsTable> RuntimeAllocatePluginEntrypointsTable(int count);

void RuntimeRegisterAppObject(Ref<Application> app);
Ref<Application> App();

void SetEventLoop(EventLoop* loop);
// Runs the event loop until the application quits, then raises the
// application's Close event.
void RuntimeRun();
// True while RuntimeRun is dispatching events.
bool EventLoopRunning();

// Asks the application to quit with an exit code. The request returns to its
// caller; the loop ends once the current event is done. Further requests
// while quitting are ignored, so the first one's code is the exit status.
void Quit(int code);
bool QuitRequested();

// The report of an exception that nothing else caught: a line on standard
// error, then the installed reporter, if any (the window system installs one
// that shows a stop message box). After it the exit status is 1 unless a
// quit was requested.
void UnhandledException(const std::exception& e);
void SetUnhandledExceptionReporter(std::function<void(const std::string& kind, const std::string& message)> reporter);
std::string ExceptionKind(const std::exception& e);

// The cooperative yield point of long loops. Cheap: it looks at the clock
// only every few thousand calls, and repaints at most every 50 ms.
void RuntimeBackgroundTask();
long long BackgroundTaskCalls();
// Lets tests drive the clock the background task looks at; an empty
// function restores the steady clock.
void SetBackgroundClockForTesting(std::function<std::chrono::steady_clock::time_point()> clock);

} // namespace fw
