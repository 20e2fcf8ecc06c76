#pragma once
// Finding the popup-menu command a command line names. A command is named by its caption
// ("Ratio To Db"), by its menu's object name and its caption ("PopupMenu1:Ratio To Db"), or
// by the item's object name where the page names its items ("MenuEditLatLongMslTgt"); a menu
// that acts on pop-up is named by its own object name ("PopupMenuMissDist"). Names match in
// their exact spelling first, then without regard to letter case.

#include <string>
#include <string_view>
#include <vector>

#include "shell/page_model.h"

namespace quorvel::cli {

struct MenuCommandName {
    std::string menu;
    std::string caption;  // empty for a menu that acts on pop-up
};

struct MenuCommandLookup {
    bool found = false;
    MenuCommandName command;
    // Set when a caption names commands of several menus: the MENU:CAPTION form of each.
    std::vector<std::string> ambiguous;
};

MenuCommandLookup FindMenuCommand(const std::vector<PopupMenu>& menus, std::string_view given);

// Every command of the menus in menu order, each by the shortest name that finds it: its
// caption, or MENU:CAPTION where another menu holds the same caption, or the menu's name for
// a menu that acts on pop-up.
std::vector<std::string> MenuCommandNames(const std::vector<PopupMenu>& menus);

}  // namespace quorvel::cli
