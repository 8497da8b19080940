#pragma once

// Qt side of the framework only: the declared font of a text control.

#include <QFont>
#include <string>

#include "framework/ui/declaration.h"

namespace fw {

class TextStyle {
public:
    // Takes TextFont, TextSize, Bold, Italic and Underline; false for any
    // other property.
    bool Apply(const std::string& name, const PropertyValue& value);
    QFont Font() const;

private:
    String m_family = "System";
    int m_size = 0;
    bool m_bold = false, m_italic = false, m_underline = false;
};

// The font for a declared family and size in pixels (0: the default size).
// The layouts are drawn for Tahoma; where it is missing the narrowest good
// sans font stands in.
QFont MakeFont(const String& family, int pixelSize, bool bold, bool italic, bool underline);
// Lets go of the fonts MakeFont keeps, which must not outlive the
// application object.
void ForgetFonts();

} // namespace fw

#include <QColor>

namespace fw {
inline QColor ToQColor(Color c) { return QColor(c.red, c.green, c.blue); }
} // namespace fw
