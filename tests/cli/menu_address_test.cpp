// Naming a menu command on the command line: by caption, MENU:CAPTION, item name or the
// menu of a pop-up command, exact spelling before letter case, and captions of two menus.
#include <gtest/gtest.h>

#include "cli/menu_address.h"

namespace quorvel::cli {
namespace {

using Kind = MenuItem::Kind;

const std::vector<PopupMenu> kMenus{
    {"PopupMenuRef",
     {{Kind::Title, "Reference Geod", "", "", 0, false},
      {Kind::Separator, "-", "", "", 1, false},
      {Kind::Command, "Edit Lat Long Msl", "MenuEditLatLongMslRef", "", 2, false},
      {Kind::Command, "Edit Range Az El", "", "", 3, false}},
     false},
    {"PopupMenuTgt",
     {{Kind::Command, "Edit Lat Long Msl", "MenuEditLatLongMslTgt", "", 0, false},
      {Kind::Command, "edit range az el", "", "", 1, false}},
     false},
    {"PopupMenuMissDist", {}, true},
};

MenuCommandName Found(std::string_view given) {
    const MenuCommandLookup lookup = FindMenuCommand(kMenus, given);
    EXPECT_TRUE(lookup.found) << given;
    return lookup.command;
}

TEST(MenuAddress, EveryFormFindsItsCommand) {
    EXPECT_EQ(Found("PopupMenuTgt:Edit Lat Long Msl").menu, "PopupMenuTgt");
    EXPECT_EQ(Found("popupmenuref:EDIT LAT LONG MSL").menu, "PopupMenuRef");
    EXPECT_EQ(Found("MenuEditLatLongMslTgt").menu, "PopupMenuTgt");
    EXPECT_EQ(Found("menueditlatlongmslref").caption, "Edit Lat Long Msl");
    const MenuCommandName popup = Found("popupmenumissdist");
    EXPECT_EQ(popup.menu, "PopupMenuMissDist");
    EXPECT_EQ(popup.caption, "");
}

TEST(MenuAddress, ExactSpellingWinsOverLetterCase) {
    // "Edit Range Az El" and "edit range az el" differ only in case: the exact one is meant.
    EXPECT_EQ(Found("Edit Range Az El").menu, "PopupMenuRef");
    EXPECT_EQ(Found("edit range az el").menu, "PopupMenuTgt");
    const MenuCommandLookup folded = FindMenuCommand(kMenus, "EDIT RANGE AZ EL");
    EXPECT_FALSE(folded.found);
    EXPECT_EQ(folded.ambiguous, (std::vector<std::string>{"PopupMenuRef:Edit Range Az El",
                                                          "PopupMenuTgt:edit range az el"}));
}

TEST(MenuAddress, ACaptionOfTwoMenusNamesBoth) {
    const MenuCommandLookup lookup = FindMenuCommand(kMenus, "Edit Lat Long Msl");
    EXPECT_FALSE(lookup.found);
    EXPECT_EQ(lookup.ambiguous, (std::vector<std::string>{"PopupMenuRef:Edit Lat Long Msl",
                                                          "PopupMenuTgt:Edit Lat Long Msl"}));
}

TEST(MenuAddress, TitlesSeparatorsAndUnknownNamesFindNothing) {
    for (const char* given : {"Reference Geod", "-", "PopupMenuRef",
                              "PopupMenuRef:", "PopupMenuMissDist:", "Nothing", ""}) {
        const MenuCommandLookup lookup = FindMenuCommand(kMenus, given);
        EXPECT_FALSE(lookup.found) << given;
        EXPECT_TRUE(lookup.ambiguous.empty()) << given;
    }
}

TEST(MenuAddress, NamesForMessagesAreTheShortestThatFind) {
    EXPECT_EQ(MenuCommandNames(kMenus),
              (std::vector<std::string>{"PopupMenuRef:Edit Lat Long Msl", "Edit Range Az El",
                                        "PopupMenuTgt:Edit Lat Long Msl", "edit range az el",
                                        "PopupMenuMissDist"}));
}

}  // namespace
}  // namespace quorvel::cli
