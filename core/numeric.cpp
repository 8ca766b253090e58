#include "core/numeric.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace talp {

int daysBeforeMonth(int monthIndex)
{
    int days = 0;
    for (int m = 0; m < monthIndex && m < 12; ++m) days += kMonthLengths[m];
    return days;
}

long double Potenz(long double base, long double exponent)
{
    if (base == 0.0L) return 0.0L;
    if (base < 0.0L) return -std::exp(exponent * std::log(-base));
    return std::exp(exponent * std::log(base));
}

long double RundeStellen(int decimals, long double x)
{
    long double scale = 1.0L;
    for (int i = 0; i < decimals; ++i) scale *= 10.0L;
    // nearbyint rounds half to even in the default rounding mode.
    return std::nearbyint(x * scale) / scale;
}

namespace {

bool isPlainDecimal(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') digits = true;
        else if (text[i] == '.' && !point) point = true;
        else return false;
    }
    return digits;
}

// Adds one unit in the last place of a digit string, returning true on a carry out.
bool incrementDigits(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return false;
        }
    }
    return true;
}

}  // namespace

std::string KuerzeDezimalen(std::string_view text)
{
    if (!isPlainDecimal(text)) return std::string(text);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return std::string(text);

    std::string sign, whole(text.substr(0, point));
    if (!whole.empty() && (whole[0] == '-' || whole[0] == '+')) {
        sign = whole.substr(0, 1);
        whole.erase(0, 1);
    }
    if (whole.empty()) whole = "0";
    std::string fraction(text.substr(point + 1));

    const std::size_t firstNonZero = fraction.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return sign + whole;

    const std::size_t keep = firstNonZero + 2;
    if (fraction.size() > keep) {
        const bool roundUp = fraction[keep] >= '5';
        fraction.resize(keep);
        if (roundUp && incrementDigits(fraction)) {
            if (incrementDigits(whole)) whole.insert(0, "1");
        }
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    std::string result = sign + whole;
    if (!fraction.empty()) result += "." + fraction;
    if (result == "-0") result = "0";
    return result;
}

long double RundeSignifikant(long double x)
{
    long double value = 0.0L;
    if (!parseNumber(KuerzeDezimalen(formatGeneral(x)), value)) return x;
    return value;
}

DayOfMonth TagImMonat(int dayOfYear)
{
    int month = 0, total = 0;
    while (month < 11 && dayOfYear > total + kMonthLengths[month]) {
        total += kMonthLengths[month];
        ++month;
    }
    return {dayOfYear - total, month + 1};
}

namespace {
constexpr std::array<std::string_view, 12> kMonthsDe{"Januar", "Februar", "März",     "April",
                                                     "Mai",    "Juni",    "Juli",     "August",
                                                     "September", "Oktober", "November", "Dezember"};
constexpr std::array<std::string_view, 12> kMonthsEn{"January", "February", "March",    "April",
                                                     "May",     "June",     "July",     "August",
                                                     "September", "October", "November", "December"};
}  // namespace

int MonatsIndex(std::string_view name)
{
    for (int m = 0; m < 12; ++m)
        if (name == kMonthsDe[m] || name == kMonthsEn[m]) return m;
    return -1;
}

std::string_view monthName(int monthIndex, bool english)
{
    if (monthIndex < 0 || monthIndex > 11) return {};
    return english ? kMonthsEn[monthIndex] : kMonthsDe[monthIndex];
}

namespace {

// The value in fixed notation with its sign as the C library writes it.
std::string signedFixed(long double value, int decimals)
{
    char buffer[128];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc{}) return "0";
    return std::string(buffer, end);
}

std::string rightAligned(std::string text, int width)
{
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

}  // namespace

std::string formatFixed(long double value, int decimals)
{
    std::string text = signedFixed(value, decimals);
    // A negative value that rounds to zero prints as "0.0", as a planner expects.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string formatFixedWidth(long double value, int width, int decimals)
{
    return rightAligned(formatFixed(value, decimals), width);
}

std::string formatFixedField(long double value, int width, int decimals)
{
    // A zero computed as 0 × a negative factor carries a sign bit but is no negative value.
    return rightAligned(signedFixed(value == 0 ? 0.0L : value, decimals), width);
}

std::string formatIntWidth(long long value, int width) { return rightAligned(std::to_string(value), width); }

std::string formatGeneral(long double value)
{
    if (value == 0.0L) return "0";
    const long double magnitude = std::fabs(value);
    char buffer[128];
    std::to_chars_result r;
    if (magnitude >= 1e-5L && magnitude < 1e15L) {
        // Fixed notation with 15 significant digits, trailing zeros removed.
        const int intDigits = magnitude >= 1.0L ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 0;
        int decimals = 15 - intDigits;
        if (magnitude < 1.0L) decimals = 15 - static_cast<int>(std::floor(std::log10(magnitude))) - 1;
        if (decimals < 0) decimals = 0;
        r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        std::string text(buffer, r.ptr);
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0') text.pop_back();
            if (text.back() == '.') text.pop_back();
        }
        return text;
    }
    r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string text(buffer, r.ptr);
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e), exponent = text.substr(e + 1);
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
    const int exp = std::atoi(exponent.c_str());
    return mantissa + "E" + std::to_string(exp);
}

bool parseNumber(std::string_view text, long double& value)
{
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    std::size_t last = text.find_last_not_of(" \t");
    text = text.substr(first, last - first + 1);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    // The library converts a long double through strtold, which reads on past the end of
    // the text up to a NUL: a text inside a larger buffer (a field of a line, a file's
    // bytes) is converted as a terminated copy.
    const std::string terminated(text);
    long double parsed = 0.0L;
    auto [end, ec] = std::from_chars(terminated.data(), terminated.data() + terminated.size(), parsed);
    if (ec != std::errc{} || end != terminated.data() + terminated.size()) return false;
    if (!std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

}  // namespace talp
