#include "cli/cli_run.h"

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/display_output.h"
#include "cli/fixed_clock.h"
#include "cli/menu_address.h"
#include "cli/name_match.h"
#include "cli/page_settings.h"
#include "cli/script_interaction.h"
#include "pages/page_registry.h"
#include "shell/ini_store.h"
#include "shell/program_identity.h"

namespace quorvel::cli {
namespace {

constexpr std::string_view kProgram = "quorvel-cli: ";

// "RF, Number, MathTrig, DateTime, Wg84, MiscCalc, "Pcm Data"".
std::string PageSections() {
    std::string list;
    for (int i = 0; i < kPageCount; ++i) {
        const std::string_view section = PageAt(i).identity.section;
        list += i > 0 ? ", " : "";
        list +=
            section.find(' ') == std::string_view::npos ? std::string(section) : Quoted(section);
    }
    return list;
}

class Run {
public:
    Run(std::ostream& out, std::ostream& err, const PageFactory& makePage)
        : m_out(out), m_err(err), m_makePage(makePage) {}

    int Execute(std::span<const std::string_view> args) {
        Request request;
        std::string error;
        if (!ParseArguments(args, request, error)) {
            return Usage(error);
        }
        switch (request.mode) {
            case Mode::Help:
                m_out << HelpText();
                return kExitOk;
            case Mode::Version:
                m_out << "quorvel-cli " << kProgramVersion << "\n";
                return kExitOk;
            case Mode::List:
                return ListPages();
            case Mode::Keys:
            case Mode::Commands:
            case Mode::Page:
                break;
        }
        const std::optional<int> tab = FindPage(request.page);
        if (!tab) {
            return Usage("unknown page " + Quoted(request.page) + "; give one of " +
                         PageSections() + ", or a tab caption (quorvel-cli --list)");
        }
        std::optional<FixedClock> fixed;
        if (request.now) {
            fixed.emplace(*request.now);
        }
        ClockSource& clock = fixed ? static_cast<ClockSource&>(*fixed) : SystemClock();
        std::unique_ptr<PageModel> page = m_makePage(*tab, clock);
        if (!page) {
            return Failed("page " + Quoted(request.page) + " could not be made");
        }
        if (request.mode == Mode::Keys) {
            return ListKeys(*page);
        }
        if (request.mode == Mode::Commands) {
            return ListCommands(*page);
        }
        return RunPage(request, *page);
    }

private:
    int Usage(const std::string& message) {
        m_err << kProgram << message << "\n";
        return kExitUsage;
    }

    int Failed(const std::string& message) {
        m_err << kProgram << message << "\n";
        return kExitFailed;
    }

    int ListPages() {
        for (int i = 0; i < kPageCount; ++i) {
            const PageIdentity& page = PageAt(i).identity;
            m_out << page.section << '\t' << page.tab << '\t' << page.caption << '\n';
        }
        return kExitOk;
    }

    int ListKeys(const PageModel& page) {
        for (const SettingKey& key : page.SettingKeys()) {
            m_out << key.name << '\t' << SettingTypeName(key.type) << '\n';
        }
        return kExitOk;
    }

    // One line per command: the menu, the caption (empty for a menu that acts on pop-up)
    // and the item's object name (empty where the page names none).
    int ListCommands(const PageModel& page) {
        for (const PopupMenu& menu : page.Menus()) {
            if (menu.actsOnPopup) {
                m_out << menu.name << "\t\t\n";
            }
            for (const MenuItem& item : menu.items) {
                if (item.IsCommand()) {
                    m_out << menu.name << '\t' << ShownText(item.caption) << '\t' << item.name
                          << '\n';
                }
            }
        }
        return kExitOk;
    }

    int RunPage(const Request& request, PageModel& page) {
        std::string error;
        std::optional<std::string> original;
        if (request.settingsPath &&
            !ReadSettingsBytes(*request.settingsPath, request.save, original, error)) {
            return Usage(error);
        }
        IniText settings(original.value_or(std::string()));
        std::string warnings;
        if (!OverlaySettings(page, request.settings, settings, warnings, error)) {
            return Usage(error);
        }
        m_err << warnings;
        // One load, so the page reads its keys in its own order and derives as it goes.
        page.LoadSettings(settings);

        ScriptInteraction ui(m_err, request.verbose);
        for (const Action& action : request.actions) {
            if (!RunAction(page, action, ui, error)) {
                return Usage(error);
            }
        }

        std::string notes;
        const bool saveFailed =
            request.save && !SavePageSection(page, *request.settingsPath, original, notes, error);
        m_err << notes;
        if (saveFailed) {
            return Failed(error);
        }
        const DisplayList display = page.Display();
        m_out << (request.json ? DisplayJson(display) : DisplayLines(display));
        return kExitOk;
    }

    static std::vector<std::string> ControlNames(const PageModel& page) {
        std::vector<std::string> names;
        for (const DisplayItem& item : page.Display()) {
            names.push_back(item.name);
        }
        return names;
    }

    static bool RunAction(PageModel& page, const Action& action, ScriptInteraction& ui,
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
                error = "page " + Quoted(section) + " has the menu command " +
                        Quoted(action.control) + " in more than one menu; name one of " +
                        NameList(quoted, 99);
                return false;
            }
            ui.BeginCommand(action.shown, action.answers);
            known = lookup.found &&
                    page.RunMenuCommand({lookup.command.menu, lookup.command.caption}, ui);
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

    std::ostream& m_out;
    std::ostream& m_err;
    const PageFactory& m_makePage;
};

}  // namespace

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
           const PageFactory& makePage) {
    return Run(out, err, makePage).Execute(args);
}

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const PageFactory catalogue = [](int tabIndex, ClockSource& clock) {
        return MakePageModel(tabIndex, clock);
    };
    return RunCli(args, out, err, catalogue);
}

}  // namespace quorvel::cli
