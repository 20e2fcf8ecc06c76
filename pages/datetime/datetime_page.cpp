#include "pages/datetime/datetime_page.h"

#include <algorithm>
#include <limits>

#include "common/calendar.h"
#include "common/number_text.h"
#include "common/prompts.h"
#include "common/safe_math.h"
#include "pages/datetime/greg_date_prompt_dialog.h"
#include "pages/datetime/tod_prompt_dialog.h"

namespace quorvel {
namespace {

// The bounds of the Julian date prompt: year digit 9, day 366 at most.
constexpr std::int32_t kJulianHigh = 9366;
constexpr std::int32_t kJulianLow = 0;

// The Julian date of a year and a day of year, in 64 bits: a day of year from the settings
// file may be any int, and the year digit's thousands must not overflow it.
long long JulianDateValue(std::int32_t year, std::int32_t dayOfYear) {
    return static_cast<long long>(JulianDate(year, 0)) + dayOfYear;
}

// The number a label text holds, as the integer reading takes it: as far as it reads.
std::int32_t IntOf(std::string_view text) {
    std::int32_t value = 0;
    ParseInt(text, value);
    return value;
}

std::string SecondsText(int precision, double seconds) {
    return FormatNumber(precision, 0, seconds) + " Seconds";
}

}  // namespace

std::unique_ptr<PageModel> DateTimePage::MakeModel(const PageContext& context) {
    return std::make_unique<DateTimePageModel>(context.clock);
}

DateTimePageModel::DateTimePageModel(ClockSource& clock) : TablePageModel(DateTimePage::kIdentity) {
    const CalendarReading now = clock.LocalCalendar();
    DateTimeValues& v = m_values;
    v.toy = DayOfYear(now.year, now.month, now.day) * kSecondsPerDay + now.hour * 3600.0 +
            now.minute * 60.0 + now.second + now.millisecond * 0.001;
    v.tod = v.toy - FloorToInt(v.toy / kSecondsPerDay) * kSecondsPerDay;
    v.yr = now.year;
    v.mo = now.month;
    v.dom = now.day;
    v.doy = DayOfYear(v.yr, v.mo, v.dom);
}

std::span<const SettingField<DateTimePageModel, DateTimeValues>>
DateTimePageModel::SettingFields() {
    // No derivation after any read: a saved page comes back exactly as it was saved, even
    // where its fields do not agree with each other.
    static constexpr std::array<SettingField<DateTimePageModel, DateTimeValues>, 6> kFields{{
        {"Tod", Stored<&DateTimeValues::tod>},
        {"Toy", Stored<&DateTimeValues::toy>},
        {"Yr", Stored<&DateTimeValues::yr>},
        {"Mo", Stored<&DateTimeValues::mo>},
        {"Dom", Stored<&DateTimeValues::dom>},
        {"Doy", Stored<&DateTimeValues::doy>},
    }};
    return kFields;
}

std::span<const MenuEntry<DateTimePageModel>> DateTimePageModel::MenuEntries() {
    using Model = DateTimePageModel;
    using Menu = MenuTable<Model>;
    static constexpr std::string_view kMenu = "PopupMenu1";
    static constexpr std::array kEntries{
        Menu::Command(kMenu, "Edit Gregorian Date", &Model::EditGregorianDateCommand,
                      "EditGregorianDate1"),
        Menu::Command(kMenu, "Edit Julian Date", &Model::EditJulianDateCommand, "EditJulianDate1"),
        Menu::Command(kMenu, "Edit Time Of Day", &Model::EditTimeOfDayCommand, "EditTimeOfDay1"),
    };
    return kEntries;
}

std::string DateTimePageModel::JulianDateText() const {
    return FormatNumber(16, 0, static_cast<double>(JulianDateValue(m_values.yr, m_values.doy)));
}

DisplayList DateTimePageModel::Display() const {
    const DateTimeValues& v = m_values;
    // The time of year counted from the start of the year, as "Time of Year" and the two
    // epoch counts take it.
    const double fromStart = v.toy - kSecondsPerDay;
    return {
        {"LabelIsLeapYear", YesNoText(IsLeapYear(v.yr))},
        {"LabelMonth", std::string(MonthName(v.mo))},
        {"LabelGregDate", GregorianDateText(v.yr, v.toy)},
        {"LabelJulianDate", JulianDateText()},
        {"LabelTod", "(" + SecondsText(12, v.tod) + ")"},
        {"LabelTodHms", TimeOfDayText(v.tod)},
        {"LabelToy", TimeOfYearText(fromStart) + "  (" + SecondsText(12, fromStart) + ")"},
        {"LabelIrigToy", SecondsText(12, v.toy)},
        {"Label1970", SecondsText(16, SecondsSince1970(v.yr, fromStart))},
        {"Label1958", SecondsText(16, SecondsSince1958(v.yr, fromStart))},
    };
}

void DateTimePageModel::DeriveTimeOfYear() {
    m_values.toy = m_values.doy * kSecondsPerDay + m_values.tod;
}

void DateTimePageModel::EditGregorianDateCommand(Interaction& ui) {
    TGregDatePromptDlg dialog(ui.cues());
    dialog.Run(ui, m_values.dom, m_values.mo, m_values.yr);
    // Also after Cancel: the day of year and Toy follow the date held.
    m_values.doy = DayOfYear(m_values.yr, m_values.mo, m_values.dom);
    DeriveTimeOfYear();
}

void DateTimePageModel::EditJulianDateCommand(Interaction& ui) {
    // The label shows the Julian date; the prompt starts from it and an accepted value is
    // written into the label. The date is then read back from the label, so that Cancel, which
    // hands back the value shown, still takes the date that value names: the year moves into
    // 2000..2009 by its last digit.
    std::string label = JulianDateText();
    std::int32_t julian = static_cast<std::int32_t>(std::clamp<long long>(
        JulianDateValue(m_values.yr, m_values.doy), std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
    if (PromptIntValue(ui, "Enter Julian Date", julian, kJulianHigh, kJulianLow, 10)) {
        label = FormatNumber(4, 0, julian);
    }
    ApplyJulianText(label);
}

void DateTimePageModel::ApplyJulianText(std::string_view text) {
    std::int32_t julian = 0;
    if (text.empty() || !ParseInt(text, julian)) {
        return;
    }
    m_values.yr = 2000 + std::clamp(julian / 1000, 0, 9);
    m_values.doy = std::clamp(julian % 1000, 1, 366);
    DeriveTimeOfYear();
    // Day 366 of a common year has no date of its own: it shows as December 31.
    const MonthDay date = DayOfYearToMonthDay(m_values.yr, m_values.doy);
    m_values.mo = date.month;
    m_values.dom = date.day;
}

void DateTimePageModel::EditTimeOfDayCommand(Interaction& ui) {
    TTodPromptDlg dialog(ui.cues());
    dialog.Run(ui, m_values.tod);
    // The text drops whole days, so a time of 24:00:00 or later wraps past midnight on the
    // same date; reading it back also leaves whole seconds only.
    ApplyTimeOfDayText(TimeOfDayText(m_values.tod));
}

void DateTimePageModel::ApplyTimeOfDayText(std::string_view text) {
    const std::string clock = RemoveChar(text, ' ');
    const std::string minutesAndSeconds = TextAfter(clock, ":");
    const int hours = std::clamp(IntOf(TextBefore(clock, ":")), 0, 23);
    const int minutes = std::clamp(IntOf(TextBefore(minutesAndSeconds, ":")), 0, 59);
    const int seconds = std::clamp(IntOf(TextAfter(minutesAndSeconds, ":")), 0, 59);
    m_values.tod = hours * 3600.0 + minutes * 60.0 + seconds;
    DeriveTimeOfYear();
}

}  // namespace quorvel
