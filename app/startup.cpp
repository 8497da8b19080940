#include "app/startup.h"

#include "answers/file_types.h"
#include "answers/qa_module.h"
#include "answers/qna_files.h"
#include "app/frm_qna.h"
#include "app/menubar1.h"
#include "app/velmo_qna.h"
#include "framework/core/runtime.h"
#include "framework/core/trace.h"
#include "framework/ui/window.h"
#include "page/ie_print.h"


namespace Startup {

namespace {

// Kept only so the table lives as long as the process; never read.
fw::Ref<fw::PluginEntrypointsTable> g_pluginEntrypoints;

void _InitPluginEntrypoints() { g_pluginEntrypoints = fw::RuntimeAllocatePluginEntrypointsTable(0); }

void _InitFileTypes() { FileTypes::_Initialize(); }

void _NewAppInstance()
{
    auto app = fw::New<VelmoQnA>();
    fw::RuntimeRegisterAppObject(app);
}

// The application installs no menu handlers of its own.
void _ApplicationAddMenuHandlers() {}

void _MakeDefaultView()
{
    // The framework keeps the open window; this reference is not needed.
    frmQnAInstance();
}

void Step(const char* name, void (*step)())
{
    fw::trace::Record(name);
    step();
}

template <class T>
void ReleaseValue(T& value, const char* name)
{
    fw::trace::Record(std::string("release ") + name + (value.IsNil() ? " (nil)" : ""));
    value.Release();
}

void ReleaseString(fw::String& value, const char* name)
{
    fw::trace::Record(std::string("release ") + name);
    value = fw::String();
}

} // namespace

void InitializationStep()
{
    // The framework's own classes, then the program's, each after its base.
    for (const char* c : {"Object", "Application", "Window", "ContainerControl", "RectControl", "TabPanel",
                          "PushButton", "EditField", "StaticText", "ScrollBar", "Canvas", "Timer", "MenuItem",
                          "MenuBar", "QuitMenuItem", "FileType", "FolderItem", "Date"})
        fw::RuntimeRegisterClass(c);
    fw::trace::Record("window list set up");
    fw::RuntimeRegisterClass("VelmoQnA", "Application");
    fw::RuntimeRegisterClass("frmQnA", "Window");
    fw::RuntimeRegisterClass("QA_HealthHist", "ContainerControl");
    fw::RuntimeRegisterClass("frmQnA.QA_HealthHist1", "QA_HealthHist");
    fw::RuntimeRegisterClass("QnA_Data", "Object");
    fw::RuntimeRegisterClass("QnA_FakeSub", "Object");
    IE_Print::BackedUp = false;
    fw::trace::Record("IE_Print.BackedUp = false");
    // The label the answer-file messages use (released again at shutdown).
    QnA_Files::QnAFile = "QnA";
    fw::RuntimeRegisterClass("QA_HealthHist", "ContainerControl");
    fw::RuntimeRegisterClass("QA_HealthHist.Timer1", "Timer");
    fw::RuntimeRegisterClass("MenuBar1", "MenuBar");
}

void _Main()
{
    try {
        Step("_RuntimeInitExternalClasses", fw::RuntimeInitExternalClasses);
        Step("_InitPluginEntrypoints", _InitPluginEntrypoints);
        Step("_InitFileTypes", _InitFileTypes);
        Step("_NewAppInstance", _NewAppInstance);
        Step("_ApplicationAddMenuHandlers", _ApplicationAddMenuHandlers);
        Step("_MakeDefaultView", _MakeDefaultView);
        Step("_RuntimeRun", fw::RuntimeRun);
    } catch (const std::exception& e) {
        fw::UnhandledException(e);
    } catch (...) {
        fw::UnhandledException(fw::RuntimeException("An unknown error ended the program."));
    }
}

void FinalizationStep()
{
    fw::trace::Record("release window lists");
    fw::ReleaseAllWindows();
    ReleaseString(QnA_Files::QnARead, "QnA_Files.QnARead");
    ReleaseString(QnA_Files::QnAWrite, "QnA_Files.QnAWrite");
    ReleaseString(QnA_Files::QnAFile, "QnA_Files.QnAFile");
    ReleaseValue(QA_Module::tmpSubject, "QA_Module.tmpSubject");
    FileTypes::Release();
    ReleaseValue(MenuBar1::_implicitInstance, "MenuBar1._implicitInstance");
}

int MainRoutine()
{
    fw::RuntimeInit();
    InitializationStep();
    _Main();
    FinalizationStep();
    return fw::RuntimeExit();
}

} // namespace Startup
