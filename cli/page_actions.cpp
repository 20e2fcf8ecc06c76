#include "cli/page_actions.h"

#include <algorithm>

#include "cli/menu_address.h"
#include "cli/name_match.h"

namespace quorvel::cli {
namespace {

std::vector<std::string> ControlNames(const PageModel& page) {
    std::vector<std::string> names;
    for (const DisplayItem& item : page.Display()) {
        names.push_back(item.name);
    }
    return names;
}

}  // namespace

bool RunPageAction(PageModel& page, const Action& action, ScriptInteraction& ui,
                   std::string& error) {
    const std::string section(page.SectionName());
    bool known = false;
    std::string missing;
    if (action.kind == Action::Kind::Menu) {
        const std::vector<PopupMenu> menus = page.Menus();
        const MenuCommandLookup lookup = FindMenuCommand(menus, action.control);
        if (!lookup.ambiguous.empty()) {
            std::vector<std::string> quoted;
            for (const std::string& name : lookup.ambiguous) {
                quoted.push_back(Quoted(name));
            }
            error = "page " + Quoted(section) + " has the menu command " + Quoted(action.control) +
                    " in more than one menu; name one of " + NameList(quoted, 99);
            return false;
        }
        ui.BeginCommand(action.shown, action.answers);
        known =
            lookup.found && page.RunMenuCommand({lookup.command.menu, lookup.command.caption}, ui);
        const std::vector<std::string> names = MenuCommandNames(menus);
        missing = "no menu command " + Quoted(action.control) + "; its commands are " +
                  (names.empty() ? std::string("none") : NameList(names, 99));
    } else {
        const std::vector<std::string> names = ControlNames(page);
        const std::string control = MatchName(names, action.control).value_or(action.control);
        ui.BeginCommand(action.shown, action.answers);
        switch (action.kind) {
            case Action::Kind::Menu:
                break;
            case Action::Kind::Check:
                known = page.CheckBoxClicked(control, action.checked, ui);
                missing = "no check box " + Quoted(action.control);
                break;
            case Action::Kind::Edit:
                known = page.EditEntered(control, action.text, ui);
                missing = "no edit box " + Quoted(action.control);
                break;
            case Action::Kind::Choose:
                known = page.ListChosen(control, action.index, ui);
                missing = "no list " + Quoted(action.control) + " with an item " +
                          std::to_string(action.index);
                break;
            case Action::Kind::Click:
                known = page.ButtonClicked(control, ui);
                missing = "no button " + Quoted(action.control);
                break;
        }
    }
    if (!known) {
        error = "page " + Quoted(section) + " has " + missing;
        if (action.kind != Action::Kind::Menu) {
            error += "; its controls carry the names of its display list (quorvel-cli " +
                     (section.find(' ') == std::string::npos ? section : Quoted(section)) + ")";
        }
        return false;
    }
    if (!ui.EndCommand()) {
        error = ui.Failure();
        return false;
    }
    return true;
}

bool SelectLabels(const DisplayList& display, const std::vector<std::string>& only,
                  std::vector<std::string>& selected, std::string& error) {
    std::vector<std::string> names;
    for (const DisplayItem& item : display) {
        names.push_back(item.name);
    }
    selected.clear();
    for (const std::string& given : only) {
        const std::optional<std::string> name = MatchName(names, given);
        if (!name) {
            error = "--only names " + Quoted(given) + ", which the page does not show; it shows " +
                    NameList(names, 99);
            return false;
        }
        selected.push_back(*name);
    }
    return true;
}

DisplayList OnlySelected(DisplayList display, const std::vector<std::string>& selected) {
    if (selected.empty()) {
        return display;
    }
    std::erase_if(display, [&selected](const DisplayItem& item) {
        return std::find(selected.begin(), selected.end(), item.name) == selected.end();
    });
    return display;
}

}  // namespace quorvel::cli
