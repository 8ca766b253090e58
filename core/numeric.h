#pragma once
// Numeric helpers shared by the calculation, the windows and the exports.

#include <array>
#include <string>
#include <string_view>

namespace talp {

inline constexpr int kDaysPerYear = 365;
inline constexpr int kHoursPerDay = 24;
inline constexpr int kHoursPerYear = kDaysPerYear * kHoursPerDay;
inline constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Sum of the lengths of the months before month index m (0 = January).
int daysBeforeMonth(int monthIndex);

// base^exponent as exp(exponent * ln base); 0 for base 0 and -(|base|^exponent) for a
// negative base.
long double Potenz(long double base, long double exponent);

// Rounds x to n decimals: the product x * 10^n rounded half to even, divided by 10^n.
long double RundeStellen(int decimals, long double x);

// Shortens the decimals of a number shown in a text field: an all-zero fraction is
// dropped, otherwise the decimals run to one digit past the first non-zero decimal digit
// (rounded). Text that is no plain decimal number comes back unchanged.
std::string KuerzeDezimalen(std::string_view text);

// x written as a display number, shortened by KuerzeDezimalen and read back.
long double RundeSignifikant(long double x);

struct DayOfMonth {
    int day;    // 1..31
    int month;  // 1..12
};
// Day of the year 1..365 to day and month.
DayOfMonth TagImMonat(int dayOfYear);

// German or English month name to 0..11; -1 for an unknown name.
int MonatsIndex(std::string_view monthName);

// Month names of the user interface, index 0 = January.
std::string_view monthName(int monthIndex, bool english);

// Number formatting with "." as decimal separator whatever the locale.
std::string formatFixed(long double value, int decimals);
// "%W.Df" for the screen and the report: right-aligned in at least `width` characters,
// a negative value that rounds to zero shown as "0.0".
std::string formatFixedWidth(long double value, int width, int decimals);
// A field of a fixed-format export file exactly as "%W.Df" writes it: a negative value
// that rounds to zero keeps its sign ("-0.0"), since other programs read these files and
// compare them with the files of other installations. A zero is written without sign.
std::string formatFixedField(long double value, int width, int decimals);
// "%Wd" for whole numbers.
std::string formatIntWidth(long long value, int width);
// Shortest text that reads back to the same value, at most 15 significant digits, in
// the manner of a general float-to-text conversion (fixed unless very large or small).
std::string formatGeneral(long double value);

// Reads a decimal number with "." as decimal separator; surrounding blanks are allowed.
// Returns false for anything else (empty text, trailing garbage, a comma).
bool parseNumber(std::string_view text, long double& value);

}  // namespace talp
