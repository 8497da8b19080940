#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/text.h"

namespace fw {

struct Color {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Color&) const = default;
};

// The Index of a control that is not part of a control array.
inline constexpr std::int32_t NotInControlArray = std::numeric_limits<std::int32_t>::min();

// One declared value: a Boolean, a number, a text or a colour.
class PropertyValue {
public:
    PropertyValue(bool v) : m_value(v) {}
    PropertyValue(int v) : m_value(static_cast<std::int32_t>(v)) {}
    PropertyValue(const char* v) : m_value(String(v)) {}
    PropertyValue(const String& v) : m_value(v) {}
    PropertyValue(Color v) : m_value(v) {}

    // Each raises DeclarationException when the value is of another kind.
    bool Bool() const;
    std::int32_t Int() const;
    String Text() const;
    Color ColorValue() const;

private:
    std::variant<bool, std::int32_t, String, Color> m_value;
};

struct Property {
    std::string name;
    PropertyValue value;
};

// A control's or window's declared properties, applied in the listed order.
using Declaration = std::vector<Property>;

// A declaration or binding names a property or event the class does not
// have, or gives a property a value of the wrong kind.
class DeclarationException : public RuntimeException {
public:
    explicit DeclarationException(std::string message) : RuntimeException(std::move(message)) {}
    std::string Kind() const override { return "DeclarationException"; }
};

} // namespace fw
