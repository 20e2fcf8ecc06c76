#include "pages/datetime/greg_date_prompt_dialog.h"

#include <algorithm>

#include "common/calendar.h"
#include "common/number_text.h"

namespace quorvel {
namespace {

constexpr int kLatestYear = 2055;
// A month that is not 1..12 (one the caller held) has no length of its own: its day keeps up
// to 31, the longest any month has.
constexpr int kLongestMonth = 31;

// The number with zeros in front up to `digits` digits ("2" -> "02", 206 -> "0206"); a
// negative number is left as it is written. Every int is written whole, so a value held
// outside the limits still reads back as itself.
std::string ZeroFilled(int value, int digits) {
    std::string text = FormatNumber(11, 0, value);
    if (value >= 0 && text.size() < static_cast<std::size_t>(digits)) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return text;
}

}  // namespace

TGregDatePromptDlg::TGregDatePromptDlg(Cues& cues)
    : ThreePartDialog(cues, "EditGreg", "Gregorian Date", "-./_") {}

bool TGregDatePromptDlg::Run(Interaction& ui, int& dayOfMonth, int& month, int& year) {
    m_day = dayOfMonth;
    m_month = month;
    m_year = year;
    if (!RunModal(ui)) {
        return false;
    }
    dayOfMonth = m_day;
    month = m_month;
    year = m_year;
    return true;
}

bool TGregDatePromptDlg::ReadParts(const ThreeParts& parts) {
    // The year first: February's length depends on it.
    std::string yearText = parts.third;
    if (yearText.size() < 3) {
        yearText.insert(0, "20");
    }
    if (const std::optional<int> year = PartValue(yearText)) {
        m_year = std::clamp(*year, 0, kLatestYear);
    }
    if (const std::optional<int> month = PartValue(parts.first)) {
        m_month = std::clamp(*month, 1, 12);
    }
    if (const std::optional<int> day = PartValue(parts.second)) {
        m_day = std::clamp(*day, 1, 31);
    }
    const int monthLength =
        m_month >= 1 && m_month <= 12 ? DaysInMonth(m_year, m_month) : kLongestMonth;
    m_day = std::clamp(m_day, 1, monthLength);
    return true;
}

std::string TGregDatePromptDlg::ValueText() const {
    return ZeroFilled(m_month, 2) + "/" + ZeroFilled(m_day, 2) + "/" + ZeroFilled(m_year, 4);
}

}  // namespace quorvel
