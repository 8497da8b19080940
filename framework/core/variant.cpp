#include "framework/core/variant.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace fw {

String Variant::StringValue() const
{
    switch (GetType()) {
    case Type::Null: return String();
    case Type::String: return std::get<String>(m_value);
    case Type::Int32: return CStr(std::get<std::int32_t>(m_value));
    case Type::Double: return CStr(std::get<double>(m_value));
    }
    return String();
}

std::int32_t Variant::Int32Value() const
{
    switch (GetType()) {
    case Type::Null: return 0;
    case Type::Int32: return std::get<std::int32_t>(m_value);
    case Type::Double: return DoubleToInt32(std::get<double>(m_value));
    case Type::String: return DoubleToInt32(CDbl(std::get<String>(m_value)));
    }
    return 0;
}

double Variant::DoubleValue() const
{
    switch (GetType()) {
    case Type::Null: return 0;
    case Type::Int32: return std::get<std::int32_t>(m_value);
    case Type::Double: return std::get<double>(m_value);
    case Type::String: return CDbl(std::get<String>(m_value));
    }
    return 0;
}

String CStr(const Variant& v) { return v.StringValue(); }

String CStr(std::int32_t i) { return String(std::to_string(i)); }

String CStr(double d)
{
    if (std::isnan(d))
        return String("NaN");
    if (std::isinf(d))
        return String(d > 0 ? "INF" : "-INF");
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, d);
    return String(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

double CDbl(const String& s)
{
    const std::string text = s.ToUTF8();
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    // The longest prefix that reads as a decimal number: sign, digits, point,
    // digits, exponent.
    std::size_t j = i;
    if (j < text.size() && (text[j] == '+' || text[j] == '-'))
        ++j;
    const std::size_t digitsStart = j;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
        ++j;
    if (j < text.size() && text[j] == '.') {
        ++j;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            ++j;
    }
    if (j == digitsStart || (j == digitsStart + 1 && text[digitsStart] == '.'))
        return 0;
    if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-'))
            ++k;
        if (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]))) {
            while (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])))
                ++k;
            j = k;
        }
    }
    std::string number = text.substr(i, j - i);
    if (!number.empty() && number[0] == '+')
        number.erase(0, 1);
    double value = 0;
    const auto r = std::from_chars(number.data(), number.data() + number.size(), value);
    if (r.ec == std::errc::result_out_of_range)
        return std::strtod(number.c_str(), nullptr);
    return r.ec == std::errc() ? value : 0;
}

std::int32_t DoubleToInt32(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (d <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(d); // truncates toward zero
}

} // namespace fw
