#include "framework/ui/declaration.h"

namespace fw {

namespace {

template <class T>
const T& Expect(const std::variant<bool, std::int32_t, String, Color>& v, const char* kind)
{
    if (const T* p = std::get_if<T>(&v))
        return *p;
    throw DeclarationException(std::string("The property wants ") + kind + ".");
}

} // namespace

bool PropertyValue::Bool() const { return Expect<bool>(m_value, "a Boolean"); }
std::int32_t PropertyValue::Int() const { return Expect<std::int32_t>(m_value, "a number"); }
String PropertyValue::Text() const { return Expect<String>(m_value, "a text"); }
Color PropertyValue::ColorValue() const { return Expect<Color>(m_value, "a colour"); }

} // namespace fw
