#pragma once
// Operating calendar: the days of the year on which the exchanger may run when it is
// controlled by period. One on/off mark per month and day slot; slots of days that do not
// exist (30 February, 31 April, ...) are stored like the others but never asked.

#include <array>
#include <cstdint>

#include "core/texts.h"

namespace talp {

class OperatingCalendar {
public:
    static constexpr int kMonths = 12;
    static constexpr int kSlots = 31;

    OperatingCalendar() { setAll(true); }

    bool isOn(int month, int day) const { return flags_[index(month, day)] != 0; }  // month 1..12, day 1..31
    void set(int month, int day, bool on) { flags_[index(month, day)] = on ? 1 : 0; }
    void setAll(bool on) { flags_.fill(on ? 1 : 0); }
    // The mark of a day of the year 1..365.
    bool isOnDayOfYear(int dayOfYear) const;
    bool allOff() const;

    // Inverts every slot of the rectangle spanned by two cells (month, day) in either
    // order, slots of non-existent days included: the drag of the calendar dialog.
    void invertRectangle(int month1, int day1, int month2, int day2);

    static bool dayExists(int month, int day);

    // Raw month-major bytes, as the project file stores them.
    const std::array<std::uint8_t, kMonths * kSlots>& bytes() const { return flags_; }
    void setBytes(const std::array<std::uint8_t, kMonths * kSlots>& bytes) { flags_ = bytes; }

    bool operator==(const OperatingCalendar&) const = default;

private:
    static std::size_t index(int month, int day) { return static_cast<std::size_t>((month - 1) * kSlots + (day - 1)); }
    std::array<std::uint8_t, kMonths * kSlots> flags_{};
};

// The warning shown when OK is pressed on a calendar whose every mark is off.
inline constexpr Text kCalendarAllOffWarning{
    "Der EWT ist immer aus! Bitte wählen Sie wenigstens\neinen Tag, an dem der EWT eingeschaltet sein soll.",
    "The EHX is allways off! Please choose at least one\nday when the EHX should be switched on."};

}  // namespace talp
