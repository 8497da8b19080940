#include "app/frm_qna.h"

#include "answers/qa_module.h"
#include "answers/qna_files.h"
#include "app/menubar1.h"
#include "framework/core/runtime.h"
#include "framework/ui/scroll_bar.h"

namespace {

using fw::Declaration;

// The page as placed on this window; nothing of its own.
class frmQnA_QA_HealthHist1 final : public QA_HealthHist {};

// The declared height is that at which the whole page fits; the window
// shrinks to 511 when it opens.
const Declaration kWindow = {
    {"Placement", 0},           {"Width", 555},           {"Height", 1152},       {"MinWidth", 550},
    {"MinHeight", 350},         {"MaxWidth", 550},        {"MaxHeight", 32000},   {"Frame", 0},
    {"Composite", false},       {"HasBackColor", false},  {"BackColor", fw::Color{255, 255, 255}},
    {"Title", "QELM Questionnaires"},                     {"Visible", true},      {"FullScreen", false},
    {"MenuBarVisible", true},   {"CloseButton", true},    {"Resizeable", true},   {"LiveResize", true},
    {"MaximizeButton", false},  {"MinimizeButton", false}, {"BalloonHelp", ""},   {"MacProcID", 0},
};

const Declaration kTabPanel1 = {
    {"Name", "TabPanel1"}, {"Index", fw::NotInControlArray}, {"Left", 5}, {"Top", 5}, {"Width", 545},
    {"Height", 1112}, {"LockLeft", false}, {"LockTop", true}, {"LockRight", false}, {"LockBottom", true},
    {"TabPanelIndex", 0}, {"TabIndex", 0}, {"Facing", 0}, {"TabDefinition", "Health and Lifestyle History"},
    {"SmallTabs", false}, {"Value", 0}, {"Visible", true}, {"HelpTag", ""}, {"AutoDeactivate", false},
    {"Enabled", true}, {"TextFont", "Tahoma"}, {"TextSize", 11}, {"Bold", false}, {"Italic", false},
    {"Underline", false}, {"InitialParent", ""},
};

// On the panel's first page (pages counted from 1 here).
const Declaration kQA_HealthHist1 = {
    {"Left", 8}, {"Top", 37}, {"Width", 537}, {"Height", 1075}, {"LockLeft", false}, {"LockTop", true},
    {"LockRight", false}, {"LockBottom", true}, {"TabPanelIndex", 1}, {"TabIndex", 0},
    {"InitialParent", "TabPanel1"}, {"Visible", true}, {"Enabled", true}, {"AutoDeactivate", true},
    {"HelpTag", ""}, {"UseFocusRing", false}, {"AcceptFocus", false}, {"AcceptTabs", false},
    {"EraseBackground", true}, {"FocusChanged", false},
};

Declaration Button(const char* name, int left, int width, int tabIndex, const char* caption)
{
    return {{"Name", name}, {"Index", fw::NotInControlArray}, {"Left", left}, {"Top", 1121}, {"Width", width},
            {"Height", 25}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", true},
            {"TabPanelIndex", 0}, {"TabIndex", tabIndex}, {"Caption", caption}, {"Default", false},
            {"Cancel", false}, {"Enabled", true}, {"Visible", true}, {"HelpTag", ""}, {"AutoDeactivate", true},
            {"TextFont", "Tahoma"}, {"TextSize", 11}, {"Bold", false}, {"Italic", false}, {"Underline", false},
            {"InitialParent", ""}};
}

// The declared captions of the last two buttons are replaced when the window opens.
const Declaration kCmdLoad = Button("cmdLoad", 5, 143, 1, "Load Data from File...");
const Declaration kCmdSave = Button("cmdSave", 300, 125, 2, "Save and Exit");
const Declaration kCmdCancel = Button("cmdCancel", 437, 94, 3, "Cancel");

struct ControlRow {
    const char* name;
    fw::Ref<fw::Control> (*make)();
    const Declaration* declaration;
    const char* event;
    fw::Method<frmQnA> handler;
    const char* handlerName;
};

template <class T>
fw::Ref<fw::Control> Make()
{
    return fw::New<T>();
}

fw::Ref<fw::Control> MakePage()
{
    auto page = fw::New<frmQnA_QA_HealthHist1>();
    fw::RunDefaultWindowConstructor(page);
    return page;
}

} // namespace

void frmQnA::Layout()
{
    SetMenuBar(MenuBar1Instance());
    fw::_SetProperties(*this, kWindow);
}

void frmQnA::CreateControls() { _CreateControls0(); }

void frmQnA::_CreateControls0()
{
    const ControlRow rows[] = {
        {"TabPanel1", Make<fw::TabPanel>, &kTabPanel1, "Open", &frmQnA::TabPanel1_Open, "TabPanel1_Open"},
        {"QA_HealthHist1", MakePage, &kQA_HealthHist1, "Open", &frmQnA::QA_HealthHist1_Open,
         "QA_HealthHist1_Open"},
        {"cmdLoad", Make<fw::PushButton>, &kCmdLoad, "Action", &frmQnA::cmdLoad_Action, "cmdLoad_Action"},
        {"cmdSave", Make<fw::PushButton>, &kCmdSave, "Action", &frmQnA::cmdSave_Action, "cmdSave_Action"},
        {"cmdCancel", Make<fw::PushButton>, &kCmdCancel, "Action", &frmQnA::cmdCancel_Action,
         "cmdCancel_Action"},
    };
    for (const auto& row : rows) {
        _AddControl(row.name, row.make());
        fw::_SetProperties(*fw::RuntimeWindowControlByName(*this, row.name), *row.declaration);
        fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*this, row.name), row.event,
                                         fw::RuntimeCreateDelegate(*this, row.handler, row.handlerName));
    }
}

void frmQnA::TabPanel1_Open(fw::TabPanel&)
{
    auto page = fw::RuntimeWindowControlByName<QA_HealthHist>(*this, "QA_HealthHist1");
    auto panel = fw::RuntimeWindowControlByName<fw::TabPanel>(*this, "TabPanel1");
    page->EmbedWithinPanel(panel.Get(), 0, 0, 0, -1, -1);
}

void frmQnA::QA_HealthHist1_Open(QA_HealthHist& me)
{
    auto subject = fw::New<QnA_FakeSub>();
    subject->Constructor();
    QA_Module::tmpSubject = subject;
    me.SetValues(subject->QnA_List(0));
    // Scroll to the top at the next tick.
    me.FocusTop = 0;
    me.FocusBottom = 0;
    me.FocusChanged = true;
}

void frmQnA::cmdLoad_Action(fw::PushButton&)
{
    // The page keeps what the user typed unless a file was really loaded.
    if (!QnA_Files::QA_OpenDAT())
        return;
    auto page = fw::RuntimeWindowControlByName<QA_HealthHist>(*this, "QA_HealthHist1");
    const fw::Ref<QnA_FakeSub> subject = QA_Module::tmpSubject;
    page->SetValues(subject->QnA_List(0));
}

void frmQnA::cmdSave_Action(fw::PushButton&)
{
    const fw::Ref<QnA_FakeSub> subject = QA_Module::tmpSubject;
    const fw::Ref<QnA_Data> record = subject->QnA_List(0);
    // Subject and record are checked before the page is asked for anything.
    record.Get();
    auto page = fw::RuntimeWindowControlByName<QA_HealthHist>(*this, "QA_HealthHist1");
    record->CopyFrom(page->GetValues());
    QnA_Files::QA_SaveDAT();
}

void frmQnA::cmdCancel_Action(fw::PushButton&) { Close(); }

fw::Ref<fw::MenuItem> frmQnA::MenuItemNamed(const char* name) const { return MenuBar()->Lookup(name); }

fw::Ref<fw::MenuItem> frmQnA::EditMenu() const { return MenuItemNamed("EditMenu"); }
fw::Ref<fw::MenuItem> frmQnA::EditSelectAll() const { return MenuItemNamed("EditSelectAll"); }
fw::Ref<fw::MenuItem> frmQnA::EditClear() const { return MenuItemNamed("EditClear"); }
fw::Ref<fw::MenuItem> frmQnA::EditPaste() const { return MenuItemNamed("EditPaste"); }
fw::Ref<fw::MenuItem> frmQnA::EditCopy() const { return MenuItemNamed("EditCopy"); }
fw::Ref<fw::MenuItem> frmQnA::EditCut() const { return MenuItemNamed("EditCut"); }
fw::Ref<fw::MenuItem> frmQnA::EditUndo() const { return MenuItemNamed("EditUndo"); }
fw::Ref<fw::MenuItem> frmQnA::FileMenu() const { return MenuItemNamed("FileMenu"); }
fw::Ref<fw::QuitMenuItem> frmQnA::FileQuit() const { return fw::Cast<fw::QuitMenuItem>(MenuItemNamed("FileQuit")); }

// The window installs no menu handlers of its own.
void frmQnA::AddMenuHandlers(fw::Window& w) { fw::SenderAs<frmQnA>(w); }

void frmQnA::Event_Open()
{
    fw::RuntimeWindowControlByName<fw::PushButton>(*this, "cmdSave")->SetCaption("Save to File...");
    fw::RuntimeWindowControlByName<fw::PushButton>(*this, "cmdCancel")->SetCaption("Exit");
    SetHeight(511);
    SetTop(100);
}

bool frmQnA::Event_MouseWheel(int, int, int, int deltaY)
{
    if (fw::RuntimeWindowControlByName<fw::TabPanel>(*this, "TabPanel1")->Value() == 0) {
        auto page = fw::RuntimeWindowControlByName<QA_HealthHist>(*this, "QA_HealthHist1");
        auto bar = fw::RuntimeWindowControlByName<fw::ScrollBar>(*page, "ScrollWindow");
        // Wraps like the 32-bit arithmetic it stands for; the page clamps it.
        const auto value = static_cast<std::int32_t>(static_cast<std::int64_t>(bar->Value()) +
                                                     static_cast<std::int64_t>(deltaY) * 10);
        bar->SetValue(value);
    }
    return false;
}

void frmQnA::Event_Close() { fw::Quit(0); }

fw::Ref<frmQnA> frmQnAInstance()
{
    auto window = fw::_GetImplicitWindow<frmQnA>();
    if (!window) {
        window = fw::New<frmQnA>();
        fw::RunDefaultWindowConstructor(window);
    }
    return fw::Cast<frmQnA>(fw::Ref<fw::Window>(window));
}
