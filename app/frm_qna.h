#pragma once

#include "framework/ui/menu.h"
#include "framework/ui/push_button.h"
#include "framework/ui/tab_panel.h"
#include "framework/ui/window.h"
#include "page/qa_healthhist.h"

// The main and only window: the questionnaire page on a one-tab panel, and
// the load, save and exit buttons below it.
class frmQnA : public fw::Window {
public:
    void Layout() override;
    void CreateControls() override;
    virtual void _CreateControls0();

    virtual void TabPanel1_Open(fw::TabPanel& me);
    virtual void QA_HealthHist1_Open(QA_HealthHist& me);
    virtual void cmdLoad_Action(fw::PushButton& me);
    virtual void cmdSave_Action(fw::PushButton& me);
    virtual void cmdCancel_Action(fw::PushButton& me);

    // The menu bar's items, found by name.
    fw::Ref<fw::MenuItem> EditMenu() const;
    fw::Ref<fw::MenuItem> EditSelectAll() const;
    fw::Ref<fw::MenuItem> EditClear() const;
    fw::Ref<fw::MenuItem> EditPaste() const;
    fw::Ref<fw::MenuItem> EditCopy() const;
    fw::Ref<fw::MenuItem> EditCut() const;
    fw::Ref<fw::MenuItem> EditUndo() const;
    fw::Ref<fw::MenuItem> FileMenu() const;
    fw::Ref<fw::QuitMenuItem> FileQuit() const;

    void AddMenuHandlers(fw::Window& w) override;
    void Event_Open() override;
    bool Event_MouseWheel(int x, int y, int deltaX, int deltaY) override;
    void Event_Close() override;

private:
    fw::Ref<fw::MenuItem> MenuItemNamed(const char* name) const;
};

// The one main window, made, opened and shown on first use.
fw::Ref<frmQnA> frmQnAInstance();
