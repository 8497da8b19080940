#include "framework/ui/canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QWidget>

namespace fw {

namespace {

// Declared colours were chosen for a light window: the black of a label on a
// dark desktop theme's window is barely legible. Under such a palette (its
// window darker than its text) the canvas takes the window colour of Qt's own
// palette, so what is drawn on it reads as designed; under a light one it
// draws nothing and the window shows through, as before.
class CanvasWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        const QPalette& p = palette();
        if (p.color(QPalette::Window).lightness() < p.color(QPalette::WindowText).lightness())
            QPainter(this).fillRect(event->rect(), QColor(0xef, 0xef, 0xef));
    }
};

} // namespace

Canvas::Canvas() : RectControl(new CanvasWidget) {}

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
