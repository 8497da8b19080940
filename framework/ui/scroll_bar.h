#pragma once

#include "framework/ui/control.h"

namespace fw {

// A scroll bar whose Minimum, Maximum and Value are plain integers, set in
// any order: nothing clamps Value, and Maximum may lie below Minimum. Every
// change of Value, from code or from the user (arrows by LineStep, the track
// by PageStep, the thumb while it is dragged when LiveScroll), raises
// ValueChanged at once, inside the change. A change made by a ValueChanged
// handler itself raises the event again as soon as that handler returns, not
// inside it: a handler that clamps the value (even to a range whose Maximum
// lies below its Minimum) cannot set off an endless recursion.
class ScrollBar : public RectControl {
public:
    ScrollBar();

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    int Value() const { return m_value; }
    int LineStep() const { return m_lineStep; }
    int PageStep() const { return m_pageStep; }
    void SetMinimum(int v);
    void SetMaximum(int v);
    // Raises ValueChanged when the value changes.
    void SetValue(int v);
    void SetLineStep(int v);
    void SetPageStep(int v);
    void SetLiveScroll(bool live);

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    bool HasEvent(std::string_view event) const override;

protected:
    void SizeChanged(int deltaWidth, int deltaHeight) override;

private:
    void UserAction(int action);
    // Shows the value on the Qt bar, within a range Qt accepts.
    void SyncWidget();

    int m_minimum = 0, m_maximum = 100, m_value = 0;
    int m_lineStep = 1, m_pageStep = 20;
    bool m_raising = false;
};

} // namespace fw
