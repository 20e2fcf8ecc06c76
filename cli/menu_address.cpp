#include "cli/menu_address.h"

#include <functional>
#include <optional>

#include "common/number_text.h"

namespace quorvel::cli {
namespace {

std::string Qualified(const MenuCommandName& command) {
    return command.caption.empty() ? command.menu : command.menu + ":" + command.caption;
}

std::vector<MenuCommandName> AllCommands(const std::vector<PopupMenu>& menus) {
    std::vector<MenuCommandName> commands;
    for (const PopupMenu& menu : menus) {
        if (menu.actsOnPopup) {
            commands.push_back({menu.name, std::string()});
        }
        for (const MenuItem& item : menu.items) {
            if (item.IsCommand()) {
                commands.push_back({menu.name, item.caption});
            }
        }
    }
    return commands;
}

// The commands whose name (as `nameOf` gives it) is `given`: those of the exact spelling
// when there are any, otherwise those that match without regard to case.
std::vector<MenuCommandName> Matching(
    const std::vector<MenuCommandName>& commands, std::string_view given,
    const std::function<std::optional<std::string>(const MenuCommandName&)>& nameOf) {
    std::vector<MenuCommandName> exact;
    std::vector<MenuCommandName> folded;
    for (const MenuCommandName& command : commands) {
        const std::optional<std::string> name = nameOf(command);
        if (!name) {
            continue;
        }
        if (*name == given) {
            exact.push_back(command);
        } else if (SameIgnoringCase(*name, given)) {
            folded.push_back(command);
        }
    }
    return exact.empty() ? folded : exact;
}

// The distinct menus the matches lie in, each named once.
MenuCommandLookup FromMatches(const std::vector<MenuCommandName>& matches) {
    MenuCommandLookup lookup;
    if (matches.empty()) {
        return lookup;
    }
    bool oneCommand = true;
    for (const MenuCommandName& match : matches) {
        oneCommand = oneCommand && match.menu == matches.front().menu &&
                     match.caption == matches.front().caption;
    }
    if (oneCommand) {
        lookup.found = true;
        lookup.command = matches.front();
        return lookup;
    }
    for (const MenuCommandName& match : matches) {
        const std::string qualified = Qualified(match);
        bool listed = false;
        for (const std::string& name : lookup.ambiguous) {
            listed = listed || name == qualified;
        }
        if (!listed) {
            lookup.ambiguous.push_back(qualified);
        }
    }
    return lookup;
}

// The item object name of each command, where the page names it.
std::optional<std::string> ItemName(const std::vector<PopupMenu>& menus,
                                    const MenuCommandName& command) {
    for (const PopupMenu& menu : menus) {
        if (menu.name != command.menu) {
            continue;
        }
        for (const MenuItem& item : menu.items) {
            if (item.IsCommand() && item.caption == command.caption && !item.name.empty()) {
                return item.name;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

MenuCommandLookup FindMenuCommand(const std::vector<PopupMenu>& menus, std::string_view given) {
    const std::vector<MenuCommandName> commands = AllCommands(menus);
    // MENU:CAPTION, where the text before a colon names a menu of the page.
    if (const std::size_t colon = given.find(':'); colon != std::string_view::npos) {
        const std::string_view menu = given.substr(0, colon);
        const std::string_view caption = given.substr(colon + 1);
        const MenuCommandLookup qualified =
            FromMatches(Matching(commands, given, [menu, caption](const MenuCommandName& command) {
                if (command.caption.empty() || !SameIgnoringCase(command.menu, menu) ||
                    !SameIgnoringCase(command.caption, caption)) {
                    return std::optional<std::string>();
                }
                return std::optional<std::string>(command.menu + ":" + command.caption);
            }));
        if (qualified.found || !qualified.ambiguous.empty()) {
            return qualified;
        }
    }
    const MenuCommandLookup byItemName =
        FromMatches(Matching(commands, given, [&menus](const MenuCommandName& command) {
            return ItemName(menus, command);
        }));
    if (byItemName.found) {
        return byItemName;
    }
    const MenuCommandLookup byMenu =
        FromMatches(Matching(commands, given, [](const MenuCommandName& command) {
            return command.caption.empty() ? std::optional<std::string>(command.menu)
                                           : std::nullopt;
        }));
    if (byMenu.found) {
        return byMenu;
    }
    return FromMatches(Matching(commands, given, [](const MenuCommandName& command) {
        return command.caption.empty() ? std::nullopt : std::optional<std::string>(command.caption);
    }));
}

std::vector<std::string> MenuCommandNames(const std::vector<PopupMenu>& menus) {
    const std::vector<MenuCommandName> commands = AllCommands(menus);
    std::vector<std::string> names;
    for (const MenuCommandName& command : commands) {
        bool shared = false;
        for (const MenuCommandName& other : commands) {
            shared = shared || (other.menu != command.menu && other.caption == command.caption);
        }
        names.push_back(command.caption.empty() || shared ? Qualified(command) : command.caption);
    }
    return names;
}

}  // namespace quorvel::cli
