#include "pages/page_catalog.h"

#include "common/number_text.h"

#include <array>

#include "pages/number/number_page.h"
#include "pages/rf/rf_page.h"

namespace quorvel {
namespace {

constexpr std::array<PageIdentity, kPageCount> kPages{{
    {"RF", "RF", "RF Functions"},
    {"Number", "Number", "Number Functions"},
    {"MathTrig", "Math/Trig", "Math/Trig Functions"},
    {"DateTime", "Date/Time", "Date/Time Functions"},
    {"Wg84", "WG 84", "WG84 Earth Functions"},
    {"MiscCalc", "Misc", "Misc Functions"},
    {"Pcm Data", "PCM Data", "PCM Data Functions"},
}};

// A page whose calculator is not built yet: its captions, no values, no settings.
class EmptyPageModel final : public PageModel {
public:
    explicit EmptyPageModel(const PageIdentity& identity) : m_identity(identity) {}
    std::string_view SectionName() const override { return m_identity.section; }
    std::string_view TabCaption() const override { return m_identity.tab; }
    std::string_view PageCaption() const override { return m_identity.caption; }
    std::span<const SettingKey> SettingKeys() const override { return {}; }
    DisplayList Display() const override { return {}; }

protected:
    void ReadSettings(const IniStore&) override {}
    void WriteSettings(IniStore&) const override {}

private:
    const PageIdentity& m_identity;
};

}  // namespace

const PageIdentity& PageIdentityAt(int tabIndex) {
    return kPages.at(tabIndex);
}

std::optional<int> FindPage(std::string_view sectionOrTab) {
    for (int i = 0; i < kPageCount; ++i) {
        if (SameIgnoringCase(sectionOrTab, kPages[i].section) ||
            SameIgnoringCase(sectionOrTab, kPages[i].tab)) {
            return i;
        }
    }
    return std::nullopt;
}

std::unique_ptr<PageModel> MakePageModel(int tabIndex, ClockSource& /*clock*/) {
    switch (tabIndex) {
        case 0:
            return std::make_unique<RfPageModel>();
        case 1:
            return std::make_unique<NumberPageModel>();
        default:
            return std::make_unique<EmptyPageModel>(PageIdentityAt(tabIndex));
    }
}

}  // namespace quorvel
