#pragma once
// The page contract without the window: what every calculator page holds and does. A page
// model keeps its value block, reads and writes its settings section, runs its commands and
// lists what it shows. Its window form (a thin Qt layer) maps the display list onto widgets
// by object name; the command-line front end prints the same list.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/interaction.h"
#include "common/picture.h"
#include "shell/ini_store.h"

namespace quorvel {

// Who a page is: its settings section, its tab caption and its own caption.
struct PageIdentity {
    std::string_view section;  // settings section, "RF"
    std::string_view tab;      // tab caption, 'RF'
    std::string_view caption;  // page caption, "RF Functions"
};

// Where a page shows the colour scheme: the panels that take the scheme's panel colour as
// background and its label colour as font colour, the heading labels that take the label
// colour too, and the reference result label whose data colour every result label follows.
struct PageColourTargets {
    std::span<const std::string_view> mainPanels;
    std::span<const std::string_view> headingLabels;
    std::string_view referenceLabel;
};

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

    bool operator==(const SettingKey&) const = default;
};

// One item of a popup menu. A command item runs the page's command of its menu and caption;
// a separator and a title item (a heading without action) run nothing; an item with a
// parent sits in the submenu of the item of that caption, which itself runs nothing.
struct MenuItem {
    enum class Kind { Command, Separator, Title, Submenu };
    Kind kind = Kind::Command;
    std::string caption;
    std::string name;      // the item's object name, empty where the page names none
    std::string parent;    // the caption of the submenu item it sits in, empty at the top
    int tag = 0;           // the item's tag, its position among its siblings unless set
    bool checked = false;  // the check mark the item shows

    bool IsCommand() const { return kind == Kind::Command; }
    bool operator==(const MenuItem&) const = default;
};

// A popup menu of the page: its object name and its items in order. A menu that acts on
// pop-up has no items: opening it runs the page's command of that menu and an empty caption.
struct PopupMenu {
    std::string name;
    std::vector<MenuItem> items;
    bool actsOnPopup = false;

    bool operator==(const PopupMenu&) const = default;
};

// A command of a page, addressed without ambiguity: the menu's object name and the item's
// caption (empty for a menu that acts on pop-up).
struct MenuCommandRef {
    std::string_view menu;
    std::string_view caption;
};

class PageModel {
public:
    explicit PageModel(PageIdentity identity) : m_identity(identity) {}
    virtual ~PageModel() = default;

    const PageIdentity& Identity() const { return m_identity; }
    // "RF", the page's settings section.
    std::string_view SectionName() const { return m_identity.section; }
    // 'RF', the tab caption.
    std::string_view TabCaption() const { return m_identity.tab; }
    // "RF Functions", the page's own caption.
    std::string_view PageCaption() const { return m_identity.caption; }

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

    // The page's popup menus, with the check marks the items show now; empty for a page
    // without menus.
    virtual std::vector<PopupMenu> Menus() const { return {}; }

    // The picture the page draws from its values now (the PCM frame map), at the size it
    // takes when nothing else decides it; nullopt for a page without one. quorvel-cli --svg
    // writes it.
    virtual std::optional<Picture> PagePicture() const { return std::nullopt; }
    // Figures that belong to the picture but are not values of the page; quorvel-cli prints
    // them after the display list whenever it writes the picture.
    virtual DisplayList PictureFigures() const { return {}; }

    // The user's actions. Each returns false when the page has no such command or control;
    // otherwise the page has prompted, stored, recomputed and is ready to be shown again.
    virtual bool RunMenuCommand(MenuCommandRef command, Interaction& ui);
    // The command of that caption, when exactly one menu holds it; false otherwise.
    bool RunCommandByCaption(std::string_view caption, Interaction& ui);
    virtual bool CheckBoxClicked(std::string_view control, bool checked, Interaction& ui);
    virtual bool EditEntered(std::string_view control, std::string_view text, Interaction& ui);
    virtual bool ListChosen(std::string_view control, int index, Interaction& ui);
    virtual bool ButtonClicked(std::string_view control, Interaction& ui);

protected:
    // What LoadSettings and SaveSettings do for this page.
    virtual void ReadSettings(const IniStore& store) = 0;
    virtual void WriteSettings(IniStore& store) const = 0;

private:
    PageIdentity m_identity;
};

}  // namespace quorvel
