#pragma once
// The page contract without the window: what every calculator page holds and does. A page
// model keeps its value block, reads and writes its settings section, runs its commands and
// lists what it shows. Its window form (a thin Qt layer) maps the display list onto widgets
// by object name; the command-line front end prints the same list.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/interaction.h"
#include "shell/ini_store.h"

namespace quorvel {

// One line of what the page shows: a control's object name and the exact text the window
// shows in it. Labels and edit boxes show their text, check boxes and radio buttons "YES"
// or "NO", lists the text of the selected item.
struct DisplayItem {
    std::string name;
    std::string text;

    bool operator==(const DisplayItem&) const = default;
};
using DisplayList = std::vector<DisplayItem>;

// The typed read that a settings key goes through.
enum class SettingType { Int, Unsigned, Real, Bool };

struct SettingKey {
    std::string_view name;
    SettingType type;
};

// A popup menu of the page: its object name and its item captions in order ("-" separates
// groups).
struct PopupMenu {
    std::string name;
    std::vector<std::string> items;
};

class PageModel {
public:
    virtual ~PageModel() = default;

    // "RF", the page's settings section.
    virtual std::string_view SectionName() const = 0;
    // 'RF', the tab caption.
    virtual std::string_view TabCaption() const = 0;
    // "RF Functions", the page's own caption.
    virtual std::string_view PageCaption() const = 0;

    // The page's settings keys in the order they are read and written.
    virtual std::span<const SettingKey> SettingKeys() const = 0;
    // Reads the page's section, each key falling back to the value held, and derives every
    // dependent value.
    void LoadSettings(const IniStore& store) { ReadSettings(store); }
    void LoadSettings(const std::string& path);
    // Writes the page's inputs into its section.
    void SaveSettings(IniStore& store) const { WriteSettings(store); }
    void SaveSettings(const std::string& path) const;

    // Every value label and value control in the order the page writes them.
    virtual DisplayList Display() const = 0;

    // The page's popup menus; empty for a page without menus.
    virtual std::vector<PopupMenu> Menus() const { return {}; }

    // The user's actions. Each returns false when the page has no such command or control;
    // otherwise the page has prompted, stored, recomputed and is ready to be shown again.
    virtual bool RunMenuCommand(std::string_view caption, Interaction& ui);
    virtual bool CheckBoxClicked(std::string_view control, bool checked, Interaction& ui);
    virtual bool EditEntered(std::string_view control, std::string_view text, Interaction& ui);
    virtual bool ListChosen(std::string_view control, int index, Interaction& ui);
    virtual bool ButtonClicked(std::string_view control, Interaction& ui);

protected:
    // What LoadSettings and SaveSettings do for this page.
    virtual void ReadSettings(const IniStore& store) = 0;
    virtual void WriteSettings(IniStore& store) const = 0;
};

}  // namespace quorvel
