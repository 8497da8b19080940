#pragma once

#include <cstdint>
#include <variant>

#include "framework/core/text.h"

namespace fw {

// A boxed value: null, a string, a signed 32-bit integer or a double.
// A string is never null, also when it is empty.
class Variant {
public:
    enum class Type { Null, String, Int32, Double };

    Variant() = default;
    Variant(const String& s) : m_value(s) {}
    Variant(const char* utf8) : m_value(String(utf8)) {}
    Variant(std::int32_t i) : m_value(i) {}
    Variant(double d) : m_value(d) {}

    Type GetType() const { return static_cast<Type>(m_value.index()); }
    bool IsNull() const { return m_value.index() == 0; }

    // The text form (CStr); null gives "".
    String StringValue() const;
    // To a signed 32-bit integer: a double goes toward zero and saturates at
    // the type's ends, a string is read as its leading number, null is 0.
    std::int32_t Int32Value() const;
    // To a double: a string is read as its leading number, null is 0.
    double DoubleValue() const;

private:
    std::variant<std::monostate, String, std::int32_t, double> m_value;
};

inline bool IsNull(const Variant& v) { return v.IsNull(); }
inline Variant StringToVariant(const String& s) { return Variant(s); }
inline String VariantToString(const Variant& v) { return v.StringValue(); }

// Text form: a string gives itself, an integer its decimal digits, a double
// its shortest exact decimal form (2.0 gives "2"), null gives "".
String CStr(const Variant& v);
String CStr(std::int32_t i);
String CStr(double d);
// The number a text begins with (after leading blanks), 0 when there is none.
double CDbl(const String& s);
// Toward zero, saturating at the ends of the type; NaN gives 0.
std::int32_t DoubleToInt32(double d);

} // namespace fw
