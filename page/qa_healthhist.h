#pragma once

#include <cstdint>

#include "answers/qna_data.h"
#include "framework/core/object.h"
#include "framework/core/text.h"
#include "framework/ui/edit_field.h"
#include "framework/ui/push_button.h"
#include "framework/ui/scroll_bar.h"
#include "framework/ui/timer.h"
#include "framework/ui/window.h"

// The Health and Lifestyle History questionnaire: an introduction, ten
// questions with an answer field under each and a print button on the
// canvas BackFrame, scrolled by ScrollWindow; Timer1 brings the field being
// edited into view.
class QA_HealthHist : public fw::ContainerControl {
public:
    // FocusTop plus the height of the field recorded last.
    std::int32_t FocusBottom = 0;
    // Where the recorded field's top lies in the unscrolled content; 0 asks
    // for a scroll to the top.
    std::int32_t FocusTop = 0;
    // A recorded target waits for the next tick.
    bool FocusChanged = false;
    // The scroll value already applied to BackFrame.
    std::int32_t LastScroll = 0;
    // The page's full height, taken when ScrollWindow opens.
    std::int32_t FormHeight = 0;
    // The text of the last print-out.
    fw::String HTMLString;

    void Layout() override;
    void CreateControls() override;
    // Creates, declares and binds the 27 controls.
    virtual void _CreateControls0();

    // Each answer field's GotFocus and TextChange record it as the target.
    virtual void EditField1_GotFocus(fw::EditField& me);
    virtual void EditField1_TextChange(fw::EditField& me);
    virtual void EditField2_GotFocus(fw::EditField& me);
    virtual void EditField2_TextChange(fw::EditField& me);
    virtual void EditField3_GotFocus(fw::EditField& me);
    virtual void EditField3_TextChange(fw::EditField& me);
    virtual void EditField4_GotFocus(fw::EditField& me);
    virtual void EditField4_TextChange(fw::EditField& me);
    virtual void EditField5_GotFocus(fw::EditField& me);
    virtual void EditField5_TextChange(fw::EditField& me);
    virtual void EditField6_GotFocus(fw::EditField& me);
    virtual void EditField6_TextChange(fw::EditField& me);
    virtual void EditField7_GotFocus(fw::EditField& me);
    virtual void EditField7_TextChange(fw::EditField& me);
    virtual void EditField8_GotFocus(fw::EditField& me);
    virtual void EditField8_TextChange(fw::EditField& me);
    virtual void EditField9_TextChange(fw::EditField& me);
    virtual void EditField9_GotFocus(fw::EditField& me);
    virtual void EditField10_GotFocus(fw::EditField& me);
    virtual void EditField10_TextChange(fw::EditField& me);

    virtual void Print_Action(fw::PushButton& me);
    // Clamps the scroll value and moves BackFrame's controls to it.
    virtual void ScrollWindow_ValueChanged(fw::ScrollBar& me);
    virtual void ScrollWindow_Open(fw::ScrollBar& me);
    // Scrolls to the recorded target, if one waits.
    virtual void Timer1_Action(fw::Timer& me);
    void AddMenuHandlers(fw::Window& w) override;
    // Keeps the scroll range in step with the page's height.
    void Event_Resized() override;
    void Event_Close() override;

    // A new record of the ten answers, each the text of its field.
    virtual fw::Ref<QnA_Data> GetValues();
    // Shows values 0 to 9 of the record in the ten fields.
    virtual void SetValues(const fw::Ref<QnA_Data>& d);

    // Records the control as the target of the next tick.
    void UpdateFocus(fw::RectControl& ctl);

    // An embedding window may declare FocusChanged.
    bool ApplyProperty(const std::string& name, const fw::PropertyValue& value) override;
};
