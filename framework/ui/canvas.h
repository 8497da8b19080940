#pragma once

#include "framework/ui/control.h"

namespace fw {

// A drawing area that holds other controls.
class Canvas : public RectControl {
public:
    Canvas();

    // Scrolls the part of the canvas in the rectangle (canvas coordinates)
    // by deltaX and deltaY; with scrollControls the controls in it move
    // along. A negative width or height (the usual -10000) means the whole
    // canvas: then every control inside moves, also those scrolled out of
    // sight.
    void Scroll(int deltaX, int deltaY, int left, int top, int width, int height, bool scrollControls);

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
};

} // namespace fw
