#pragma once
// The Date/Time page without its window: one local date and one time of day, shown as the
// Gregorian date, the one-digit-year Julian date, the time of day, the time of year from the
// start of the year and from day 1 (IRIG), seconds since 1970 and since 1958, the leap-year
// flag and the month's name. Kept in section "DateTime" of the settings file.
//
// The page reads the local clock once, when it is made; the values of the settings file
// replace the clock's, taken as they stand, without recomputing or checking that they agree.
// Every command keeps Toy = Doy x 86400 + Tod.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "diag/clock_source.h"
#include "pages/page_entry.h"
#include "shell/page_tables.h"

namespace quorvel {

// The page's value block.
struct DateTimeValues {
    std::int32_t yr = 0;   // year
    std::int32_t mo = 0;   // month, 1..12 when it comes from the clock or a command
    std::int32_t dom = 0;  // day of month
    std::int32_t doy = 0;  // day of year, 1 for January 1
    double tod = 0;        // time of day, seconds since midnight
    double toy = 0;        // time of year counted from day 1: doy x 86400 + tod
};

// The Date/Time page in the page registry.
struct DateTimePage {
    static constexpr PageIdentity kIdentity{"DateTime", "Date/Time", "Date/Time Functions"};
    static constexpr std::array<std::string_view, 1> kMainPanels{"Panel1"};
    static constexpr PageColourTargets kColours{kMainPanels, {}, "LabelGregDate"};
    static std::unique_ptr<PageModel> MakeModel(const PageContext& context);
    static TPageForm* MakeForm(PageFormContext& context);
};

class DateTimePageModel final : public TablePageModel<DateTimePageModel, DateTimeValues> {
public:
    // The date and time the clock's local calendar reads now, to the millisecond.
    explicit DateTimePageModel(ClockSource& clock);

    // LabelIsLeapYear, LabelMonth, LabelGregDate, LabelJulianDate, LabelTod, LabelTodHms,
    // LabelToy, LabelIrigToy, Label1970 and Label1958, in the order the page writes them.
    DisplayList Display() const override;

    // The Julian date as LabelJulianDate shows it: the year's last digit and the day of year
    // as one plain integer (6045, or 45 for a year ending in 0).
    std::string JulianDateText() const;

private:
    friend TablePageModel;
    // "Tod", "Toy", "Yr", "Mo", "Dom" and "Doy", each taken as it stands.
    static std::span<const SettingField<DateTimePageModel, DateTimeValues>> SettingFields();
    // PopupMenu1: EditGregorianDate1, EditJulianDate1, EditTimeOfDay1.
    static std::span<const MenuEntry<DateTimePageModel>> MenuEntries();

    // The date from the Gregorian date dialog; the day of year and Toy follow it.
    void EditGregorianDateCommand(Interaction& ui);
    // The Julian date from the prompt, read back from the text LabelJulianDate then holds.
    void EditJulianDateCommand(Interaction& ui);
    // The time of day from the time dialog, read back from its " HH:MM:SS" text.
    void EditTimeOfDayCommand(Interaction& ui);

    // Takes the date from a Julian date text: the year 2000 + its thousands (0..9), the day
    // of year its last three digits (1..366). A text that holds no number changes nothing.
    void ApplyJulianText(std::string_view text);
    // Takes the time of day from a " HH:MM:SS" text, in whole seconds, hours limited to
    // 0..23 and minutes and seconds to 0..59.
    void ApplyTimeOfDayText(std::string_view text);
    // Toy from the day of year and the time of day.
    void DeriveTimeOfYear();
};

}  // namespace quorvel
