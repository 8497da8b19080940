#include "framework/ui/qt_text_style.h"

#include <QApplication>
#include <QFontDatabase>
#include <map>
#include <string>

namespace fw {

namespace {

// Debian's fonts-wine ships a Tahoma with the original's widths, outside
// fontconfig's folders. Its bold face is drawn thin and wide, so bold text
// is emboldened from the regular face instead.
bool TahomaAvailable()
{
    static const bool available = [] {
        if (QFontDatabase::hasFamily("Tahoma"))
            return true;
        QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahoma.ttf");
        return QFontDatabase::hasFamily("Tahoma");
    }();
    return available;
}

// The fonts made so far; emptied before the application object goes.
std::map<std::string, QFont>& Fonts()
{
    static std::map<std::string, QFont> made;
    return made;
}

} // namespace

void ForgetFonts() { Fonts().clear(); }

QFont MakeFont(const String& family, int pixelSize, bool bold, bool italic, bool underline)
{
    // A page declares the same few fonts dozens of times; resolve each once.
    const std::string name = family.ToUTF8();
    const std::string key = name + '/' + std::to_string(pixelSize) + '/' + char('0' + bold) + char('0' + italic) +
                            char('0' + underline);
    auto& made = Fonts();
    if (const auto it = made.find(key); it != made.end())
        return it->second;
    QFont font = QApplication::font();
    if (name == "Tahoma" && !TahomaAvailable()) {
        font.setFamilies({"Liberation Sans Narrow", "Arial Narrow", "DejaVu Sans"});
        font.setStretch(QFont::SemiCondensed);
    } else if (!name.empty() && name != "System") {
        font.setFamilies({QString::fromStdString(name)});
    }
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    made.emplace(key, font);
    return font;
}

bool TextStyle::Apply(const std::string& name, const PropertyValue& value)
{
    if (name == "TextFont")
        m_family = value.Text();
    else if (name == "TextSize")
        m_size = value.Int();
    else if (name == "Bold")
        m_bold = value.Bool();
    else if (name == "Italic")
        m_italic = value.Bool();
    else if (name == "Underline")
        m_underline = value.Bool();
    else
        return false;
    return true;
}

QFont TextStyle::Font() const { return MakeFont(m_family, m_size, m_bold, m_italic, m_underline); }

} // namespace fw
