#include "page/qa_healthhist.h"

#include "framework/core/variant.h"
#include "framework/ui/canvas.h"
#include "page/ie_print.h"
#include "page/print_out.h"

namespace {

// The page's arithmetic is that of signed 32-bit integers, which wrap.
std::int32_t Add32(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::int32_t Sub32(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

const int kAnswerCount = 10;

fw::String AnswerFieldName(int index) { return "EditField" + fw::CStr(static_cast<std::int32_t>(index + 1)); }

} // namespace

// ---- Answer transfer

fw::Ref<QnA_Data> QA_HealthHist::GetValues()
{
    auto d = fw::New<QnA_Data>();
    d->Set_Num(kAnswerCount);
    for (int i = 0; i < kAnswerCount; ++i) {
        auto field = fw::RuntimeWindowControlByName<fw::EditField>(*this, AnswerFieldName(i));
        d->Value(i) = fw::StringToVariant(field->Text());
    }
    return d;
}

void QA_HealthHist::SetValues(const fw::Ref<QnA_Data>& d)
{
    for (int i = 0; i < kAnswerCount; ++i) {
        auto field = fw::RuntimeWindowControlByName<fw::EditField>(*this, AnswerFieldName(i));
        const fw::String text = fw::VariantToString(d->Value(i));
        field->SetText(text);
    }
}

// ---- Focus-following scrolling

void QA_HealthHist::EditField1_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField1_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField2_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField2_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField3_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField3_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField4_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField4_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField5_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField5_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField6_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField6_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField7_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField7_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField8_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField8_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField9_TextChange(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField9_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField10_GotFocus(fw::EditField& me) { UpdateFocus(me); }
void QA_HealthHist::EditField10_TextChange(fw::EditField& me) { UpdateFocus(me); }

void QA_HealthHist::UpdateFocus(fw::RectControl& ctl)
{
    auto scrollWindow = fw::RuntimeWindowControlByName<fw::ScrollBar>(*this, "ScrollWindow");
    FocusTop = Add32(ctl.Top(), scrollWindow->Value());
    // Once the page is scrolled so far that the topmost field has gone up
    // past 100, the target is taken 192 pixels further down.
    if (fw::RuntimeWindowControlByName<fw::EditField>(*this, "EditField1")->Top() < 100)
        FocusTop = Add32(FocusTop, 192);
    FocusBottom = Add32(FocusTop, ctl.Height());
    FocusChanged = true;
}

void QA_HealthHist::Timer1_Action(fw::Timer&)
{
    if (FocusTop != 0 && FocusChanged) {
        FocusChanged = false;
        const double frameHeight = fw::RuntimeWindowControlByName<fw::Canvas>(*this, "BackFrame")->Height();
        const double fieldHeight = Sub32(FocusBottom, FocusTop);
        // Half the field's height comes off, not on.
        const double e = ((frameHeight / 2.0 - fieldHeight / 2.0) + FocusTop) - frameHeight;
        fw::RuntimeWindowControlByName<fw::ScrollBar>(*this, "ScrollWindow")->SetValue(fw::DoubleToInt32(e));
    } else if (FocusTop == 0 && FocusChanged) {
        fw::RuntimeWindowControlByName<fw::ScrollBar>(*this, "ScrollWindow")->SetValue(0);
    }
    FocusChanged = false;
}

void QA_HealthHist::ScrollWindow_ValueChanged(fw::ScrollBar&)
{
    // A clamping set here does not run this handler inside itself: the bar
    // raises ValueChanged again once this run has returned, and this run
    // already scrolls to the clamped value, so the next finds nothing to do.
    auto scrollWindow = [this] { return fw::RuntimeWindowControlByName<fw::ScrollBar>(*this, "ScrollWindow"); };
    if (scrollWindow()->Maximum() < scrollWindow()->Value())
        scrollWindow()->SetValue(scrollWindow()->Maximum());
    if (scrollWindow()->Value() < scrollWindow()->Minimum())
        scrollWindow()->SetValue(scrollWindow()->Minimum());
    const std::int32_t deltaY = Sub32(LastScroll, scrollWindow()->Value());
    auto backFrame = fw::RuntimeWindowControlByName<fw::Canvas>(*this, "BackFrame");
    backFrame->Scroll(0, deltaY, 0, 0, -10000, -10000, true);
    LastScroll = scrollWindow()->Value();
    backFrame->Refresh();
}

void QA_HealthHist::ScrollWindow_Open(fw::ScrollBar&) { FormHeight = Height(); }

void QA_HealthHist::Event_Resized()
{
    auto scrollWindow = fw::RuntimeWindowControlByName<fw::ScrollBar>(*this, "ScrollWindow");
    auto lost = [this] {
        return Sub32(FormHeight, fw::RuntimeWindowControlByName<fw::Canvas>(*this, "BackFrame")->Height());
    };
    // The value first: while the old, larger maximum still admits it.
    if (lost() < scrollWindow->Value())
        scrollWindow->SetValue(lost());
    scrollWindow->SetMaximum(lost());
    Refresh();
}

// ---- Print hooks and the remaining class hooks

void QA_HealthHist::Print_Action(fw::PushButton&)
{
    IE_Print::Backup();
    IE_Print::Prepare();
    WriteAndShowBlankQuestionnaire(HTMLString);
}

// The page has no menu handlers to install.
void QA_HealthHist::AddMenuHandlers(fw::Window& w) { fw::SenderAs<QA_HealthHist>(w); }

void QA_HealthHist::Event_Close() { IE_Print::Restore(); }
