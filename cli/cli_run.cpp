#include "cli/cli_run.h"

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "cli/cli_args.h"
#include "cli/cli_help.h"
#include "cli/display_output.h"
#include "cli/fixed_clock.h"
#include "cli/name_match.h"
#include "cli/page_actions.h"
#include "cli/page_picture.h"
#include "cli/page_settings.h"
#include "cli/script_interaction.h"
#include "pages/page_registry.h"
#include "shell/ini_store.h"
#include "shell/program_identity.h"
#include "shell/settings_text.h"

namespace quorvel::cli {
namespace {

constexpr std::string_view kProgram = "quorvel-cli: ";

class Run {
public:
    Run(std::istream& in, std::ostream& out, std::ostream& err, const PageFactory& makePage,
        bool flushEachAnswer)
        : m_in(in), m_out(out), m_err(err), m_makePage(makePage), m_flush(flushEachAnswer) {}

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
                         JoinedNames(PageNames(PageNaming::Section)) +
                         ", or a tab caption (quorvel-cli --list)");
        }
        std::optional<FixedClock> fixed;
        if (request.now) {
            fixed.emplace(*request.now);
        }
        ClockSource& clock = fixed ? static_cast<ClockSource&>(*fixed) : SystemClock();
        if (request.batch) {
            return RunBatch(request, *tab, clock, m_makePage, {m_in, m_out, m_err, m_flush});
        }
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
        // Before anything is loaded or saved: a page without a picture cannot give one.
        if (request.svgPath && !page->PagePicture()) {
            return Usage("page " + Quoted(page->SectionName()) +
                         " draws no picture; --svg goes with a page that draws one: " +
                         PagesWithPictures(m_makePage, clock));
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
        IniText settings(SettingsTextOf(original.value_or(std::string())));
        std::string warnings;
        if (!OverlaySettings(page, request.settings, settings, warnings, error)) {
            return Usage(error);
        }
        m_err << warnings;
        // One load, so the page reads its keys in its own order and derives as it goes.
        page.LoadSettings(settings);

        ScriptInteraction ui(m_err, request.verbose);
        for (const Action& action : request.actions) {
            if (!RunPageAction(page, action, ui, error)) {
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
        DisplayList shown = page.Display();
        if (request.svgPath) {
            // The figures that go with the picture follow the page's values.
            for (DisplayItem& figure : page.PictureFigures()) {
                shown.push_back(std::move(figure));
            }
        }
        std::vector<std::string> labels;
        if (!SelectLabels(shown, request.only, labels, error)) {
            return Usage(error);
        }
        if (request.svgPath && !WritePagePicture(page, *request.svgPath, error)) {
            return Failed(error);
        }
        const DisplayList display = OnlySelected(shown, labels);
        m_out << (request.json ? DisplayJson(display) : DisplayLines(display));
        return kExitOk;
    }

    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
    const PageFactory& m_makePage;
    bool m_flush;
};

}  // namespace

int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err, const PageFactory& makePage, bool flushEachAnswer) {
    return Run(in, out, err, makePage, flushEachAnswer).Execute(args);
}

int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err, bool flushEachAnswer) {
    const PageFactory registry = [](int tabIndex, ClockSource& clock) {
        return MakePageModel(tabIndex, clock);
    };
    return RunCli(args, in, out, err, registry, flushEachAnswer);
}

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
           const PageFactory& makePage) {
    std::istringstream none;
    return RunCli(args, none, out, err, makePage);
}

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    std::istringstream none;
    return RunCli(args, none, out, err);
}

}  // namespace quorvel::cli
