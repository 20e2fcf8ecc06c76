// Pages declared by their tables: the settings read in table order with the derivations in
// between, refused values, fields inside records, the typed writes, the key list, and the
// menus and commands the entries make.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "shell/ini_store.h"
#include "shell/page_tables.h"
#include "support/scripted_interaction.h"

namespace quorvel {
namespace {

struct Point {
    double x = 0;
    double y = 0;
};

struct TableValues {
    double ratio = 0;
    double twice = 0;  // derived from the ratio
    std::int32_t bits = 16;
    std::uint32_t word = 0;
    bool trails = false;
    Point point;
    std::vector<std::string> log;  // what ran, in order
};

class TablePage final : public TablePageModel<TablePage, TableValues> {
public:
    static constexpr PageIdentity kIdentity{"Tables", "Tables", "Table Functions"};
    TablePage() : TablePageModel(kIdentity) {}
    DisplayList Display() const override { return {}; }
    TableValues& Mutable() { return m_values; }

private:
    friend TablePageModel;
    static std::span<const SettingField<TablePage, TableValues>> SettingFields() {
        static constexpr std::array<SettingField<TablePage, TableValues>, 6> kFields{{
            {"Ratio", Stored<&TableValues::ratio>, &TablePage::DeriveTwice},
            {"Bits", Stored<&TableValues::bits>, &TablePage::NoteBits, 4, 32},
            {"Word", Stored<&TableValues::word>},
            {"Trails", Stored<&TableValues::trails>},
            {.key = "Point0", .member = Stored<&TableValues::point, &Point::x>, .takesNan = true},
            {"Point1", Stored<&TableValues::point, &Point::y>},
        }};
        return kFields;
    }
    static std::span<const MenuEntry<TablePage>> MenuEntries() {
        using Menu = MenuTable<TablePage>;
        static constexpr std::array kEntries{
            Menu::Title("PopupMenuA", "Heading"),
            Menu::Separator("PopupMenuA"),
            Menu::Command("PopupMenuA", "Edit", &TablePage::EditA, "MenuEditA"),
            Menu::Submenu("PopupMenuA", "Position"),
            Menu::SubCommand("PopupMenuA", "Position", "Leads", &TablePage::Leads,
                             &TablePage::IsLeading),
            Menu::SubCommand("PopupMenuA", "Position", "Trails", &TablePage::Trails,
                             &TablePage::IsTrailing),
            Menu::Command("PopupMenuB", "Edit", &TablePage::EditB, "MenuEditB"),
            Menu::OnPopup("PopupMenuC", &TablePage::Popup),
        };
        return kEntries;
    }

    void DeriveTwice() {
        m_values.twice = 2 * m_values.ratio;
        m_values.log.push_back("twice");
    }
    void NoteBits() { m_values.log.push_back("bits " + std::to_string(m_values.bits)); }
    void EditA(Interaction&) { m_values.log.push_back("edit A"); }
    void EditB(Interaction&) { m_values.log.push_back("edit B"); }
    void Leads(Interaction&) { m_values.trails = false; }
    void Trails(Interaction&) { m_values.trails = true; }
    void Popup(Interaction&) { m_values.log.push_back("popup"); }
    bool IsLeading() const { return !m_values.trails; }
    bool IsTrailing() const { return m_values.trails; }
};

TEST(PageTables, KeysComeInTableOrderWithTheTypeOfTheirMember) {
    const TablePage page;
    const std::vector<SettingKey> expected{
        {"Ratio", SettingType::Real},    {"Bits", SettingType::Int},
        {"Word", SettingType::Unsigned}, {"Trails", SettingType::Bool},
        {"Point0", SettingType::Real},   {"Point1", SettingType::Real}};
    const std::span<const SettingKey> keys = page.SettingKeys();
    EXPECT_EQ(std::vector<SettingKey>(keys.begin(), keys.end()), expected);
}

TEST(PageTables, ReadsInOrderDerivingAfterEachKeyFoundOrNot) {
    TablePage page;
    page.LoadSettings(IniText("[Tables]\r\nRatio=1.25\r\nWord=7\r\nPoint1=-3.5\r\nTrails=YES\r\n"));
    const TableValues& v = page.Values();
    EXPECT_EQ(v.ratio, 1.25);
    EXPECT_EQ(v.twice, 2.5);
    EXPECT_EQ(v.word, 7U);
    EXPECT_TRUE(v.trails);
    EXPECT_EQ(v.point.x, 0.0);
    EXPECT_EQ(v.point.y, -3.5);
    // "Bits" is missing: its derivation runs all the same, on the value held.
    EXPECT_EQ(v.log, (std::vector<std::string>{"twice", "bits 16"}));
}

TEST(PageTables, AValueOutsideItsRangeIsRefusedLikeAnUnreadableOne) {
    for (const char* text : {"Bits=3", "Bits=33", "Bits=abc", "Bits=-1"}) {
        TablePage page;
        page.LoadSettings(IniText(std::string("[Tables]\r\n") + text + "\r\n"));
        EXPECT_EQ(page.Values().bits, 16) << text;
    }
    TablePage page;
    page.LoadSettings(IniText("[Tables]\r\nBits=32\r\n"));
    EXPECT_EQ(page.Values().bits, 32);
}

TEST(PageTables, ANanIsRefusedUnlessTheFieldTakesIt) {
    TablePage page;
    page.LoadSettings(IniText("[Tables]\r\nRatio=nan\r\nPoint0=nan\r\nPoint1=nan\r\n"));
    EXPECT_EQ(page.Values().ratio, 0.0);
    EXPECT_TRUE(std::isnan(page.Values().point.x));
    EXPECT_EQ(page.Values().point.y, 0.0);
}

TEST(PageTables, WritesEveryFieldInOrderWithItsTypedWrite) {
    TablePage page;
    page.Mutable().ratio = 0.5;
    page.Mutable().word = 4294967295U;
    page.Mutable().point = {1, 2};
    IniText text;
    page.SaveSettings(text);
    EXPECT_EQ(text.Text(),
              "[Tables]\r\nRatio=0.500000000\r\nBits=16\r\nWord=4294967295\r\nTrails=NO\r\n"
              "Point0=1.000000000\r\nPoint1=2.000000000\r\n");
    // What is written reads back as it was.
    TablePage again;
    again.LoadSettings(text);
    EXPECT_EQ(again.Values().word, 4294967295U);
    EXPECT_EQ(again.Values().point.y, 2.0);
}

TEST(PageTables, MenusListTheirItemsWithTagsNamesAndChecks) {
    const TablePage page;
    const std::vector<PopupMenu> menus = page.Menus();
    ASSERT_EQ(menus.size(), 3U);
    using Kind = MenuItem::Kind;
    const std::vector<MenuItem> a{
        {Kind::Title, "Heading", "", "", 0, false},
        {Kind::Separator, "-", "", "", 1, false},
        {Kind::Command, "Edit", "MenuEditA", "", 2, false},
        {Kind::Submenu, "Position", "", "", 3, false},
        {Kind::Command, "Leads", "", "Position", 0, true},
        {Kind::Command, "Trails", "", "Position", 1, false},
    };
    EXPECT_EQ(menus[0], (PopupMenu{"PopupMenuA", a, false}));
    EXPECT_EQ(menus[1].name, "PopupMenuB");
    EXPECT_EQ(menus[2], (PopupMenu{"PopupMenuC", {}, true}));
}

TEST(PageTables, ACommandRunsByItsMenuAndCaption) {
    TablePage page;
    testing::ScriptedInteraction ui;
    EXPECT_TRUE(page.RunMenuCommand({"PopupMenuB", "Edit"}, ui));
    EXPECT_TRUE(page.RunMenuCommand({"PopupMenuA", "Edit"}, ui));
    EXPECT_TRUE(page.RunMenuCommand({"PopupMenuC", ""}, ui));
    EXPECT_EQ(page.Values().log, (std::vector<std::string>{"edit B", "edit A", "popup"}));
    // Titles, separators and submenu items run nothing; captions belong to their menu.
    EXPECT_FALSE(page.RunMenuCommand({"PopupMenuA", "Heading"}, ui));
    EXPECT_FALSE(page.RunMenuCommand({"PopupMenuA", "-"}, ui));
    EXPECT_FALSE(page.RunMenuCommand({"PopupMenuA", "Position"}, ui));
    EXPECT_FALSE(page.RunMenuCommand({"PopupMenuB", "Leads"}, ui));

    EXPECT_TRUE(page.RunMenuCommand({"PopupMenuA", "Trails"}, ui));
    EXPECT_TRUE(page.Menus()[0].items[5].checked);
    EXPECT_FALSE(page.Menus()[0].items[4].checked);
}

TEST(PageTables, ByCaptionOnlyWhenOneMenuHoldsIt) {
    TablePage page;
    testing::ScriptedInteraction ui;
    EXPECT_FALSE(page.RunCommandByCaption("Edit", ui));
    EXPECT_TRUE(page.RunCommandByCaption("Trails", ui));
    EXPECT_TRUE(page.Values().trails);
    EXPECT_TRUE(page.Values().log.empty());
}

}  // namespace
}  // namespace quorvel
