#include "framework/ui/canvas.h"

#include <QRect>
#include <QWidget>

namespace fw {

Canvas::Canvas() : RectControl(new QWidget) {}

void Canvas::Scroll(int deltaX, int deltaY, int left, int top, int width, int height, bool scrollControls)
{
    const bool whole = width < 0 || height < 0;
    const QRect area(left, top, width, height);
    if (scrollControls)
        for (RectControl* c : Children()) {
            const QRect place(c->Left() - Left(), c->Top() - Top(), c->Width(), c->Height());
            if (whole || area.contains(place))
                c->SetBounds(c->Left() + deltaX, c->Top() + deltaY, c->Width(), c->Height());
        }
    Refresh();
}

bool Canvas::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    return StoreProperty(name, value, {"UseFocusRing", "AcceptFocus", "AcceptTabs", "EraseBackground"}) ||
           RectControl::ApplyProperty(name, value);
}

} // namespace fw
