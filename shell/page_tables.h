#pragma once
// A page declares its settings and its popup-menu commands once, in two tables, and gets
// its settings read and write, its key list, its menus and its command dispatch from them.
//
// A settings field names its key, the member of the value block it keeps (whose type picks
// the typed read and write: std::int32_t, std::uint32_t, double or bool), and optionally a
// derivation the page runs right after the key is read, so that a page keeps its own load
// order and the recomputations it makes between reads. A menu entry names its menu, its
// caption and the page's handler, or the bounded prompt that is its whole command.
//
//     class RfPageModel final : public TablePageModel<RfPageModel, RfValues> {
//         friend TablePageModel;
//         static std::span<const SettingField<RfPageModel, RfValues>> SettingFields();
//         static std::span<const MenuEntry<RfPageModel>> MenuEntries();
//         ...
//     };
//
//     {"Ratio", Stored<&RfValues::ratio>, &RfPageModel::DeriveDecibels},
//     Menu::Command("PopupMenu1", "VSWR", &RfPageModel::VswrCommand),
//     Menu::RealPrompt("PopupMenu1", "Ratio To Db", "Enter the Ratio",
//                      &RfPageModel::Edited<&RfValues::ratio>, 2, 10000, 0.1,
//                      &RfPageModel::DeriveDecibels),

#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "common/prompts.h"
#include "shell/page_model.h"
#include "shell/settings_file.h"

namespace quorvel {

// The member of a value block a settings field keeps, reached through a function so that a
// field may sit in a record inside the block (a position's latitude).
template <class Values>
using SettingMember = std::variant<std::int32_t& (*)(Values&), std::uint32_t& (*)(Values&),
                                   double& (*)(Values&), bool& (*)(Values&)>;

namespace detail {

template <class Member>
struct MemberOwner;
template <class Owner, class Type>
struct MemberOwner<Type Owner::*> {
    using type = Owner;
};

template <auto First, auto... Rest, class Object>
constexpr auto& FollowMembers(Object& object) {
    if constexpr (sizeof...(Rest) == 0) {
        return object.*First;
    } else {
        return FollowMembers<Rest...>(object.*First);
    }
}

template <auto First, auto... Rest>
struct MemberPath {
    using Values = typename MemberOwner<decltype(First)>::type;
    using Value =
        std::remove_reference_t<decltype(FollowMembers<First, Rest...>(std::declval<Values&>()))>;
    static Value& Get(Values& values) { return FollowMembers<First, Rest...>(values); }
};

}  // namespace detail

// The member at the end of a path of member pointers from the value block:
// Stored<&RfValues::ratio>, Stored<&Wg84Values::ref, &LlmPosition::latitude>.
template <auto... Path>
inline constexpr SettingMember<typename detail::MemberPath<Path...>::Values> Stored{
    &detail::MemberPath<Path...>::Get};

template <class Page, class Values>
struct SettingField {
    std::string_view key;
    SettingMember<Values> member;
    // Run after the key is read, whether or not the file held it.
    void (Page::*afterRead)() = nullptr;
    // A value read outside [low, high] is refused as an unreadable one is: the value held
    // stays. So is a NaN, unless the field takes it: a field whose page makes something of
    // a non-finite value (a position's NaN becomes 0 at its next recompute).
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool takesNan = false;
};

// The typed read of a member kind, in the variant's order.
inline constexpr SettingType kSettingTypeOfMember[] = {SettingType::Int, SettingType::Unsigned,
                                                       SettingType::Real, SettingType::Bool};

template <class Page, class Values>
std::vector<SettingKey> SettingKeysOf(std::span<const SettingField<Page, Values>> fields) {
    std::vector<SettingKey> keys;
    keys.reserve(fields.size());
    for (const auto& field : fields) {
        keys.push_back({field.key, kSettingTypeOfMember[field.member.index()]});
    }
    return keys;
}

// Reads every field in table order, each falling back to the value held, running each
// field's derivation after its read.
template <class Page, class Values>
void ReadSettingFields(const IniStore& store, std::string_view section,
                       std::span<const SettingField<Page, Values>> fields, Page& page,
                       Values& values) {
    for (const auto& field : fields) {
        std::visit(
            [&](auto get) {
                auto& held = get(values);
                auto read = held;
                bool found = false;
                using Type = std::remove_reference_t<decltype(held)>;
                if constexpr (std::is_same_v<Type, std::int32_t>) {
                    found = ReadIniInt(store, section, field.key, read);
                } else if constexpr (std::is_same_v<Type, std::uint32_t>) {
                    found = ReadIniUnsigned(store, section, field.key, 10, read);
                } else if constexpr (std::is_same_v<Type, double>) {
                    found = ReadIniReal(store, section, field.key, read);
                } else {
                    found = ReadIniBool(store, section, field.key, read);
                }
                const double number = static_cast<double>(read);
                const bool inRange = number >= field.low && number <= field.high;
                if (found && (inRange || (field.takesNan && std::isnan(number)))) {
                    held = read;
                }
            },
            field.member);
        if (field.afterRead != nullptr) {
            (page.*field.afterRead)();
        }
    }
}

// Writes every field in table order with its typed write.
template <class Page, class Values>
void WriteSettingFields(IniStore& store, std::string_view section,
                        std::span<const SettingField<Page, Values>> fields, const Values& values) {
    // The members are only read here; the accessors take the block as the reads do.
    auto& block = const_cast<Values&>(values);
    for (const auto& field : fields) {
        std::visit(
            [&](auto get) {
                const auto value = get(block);
                using Type = std::remove_const_t<decltype(value)>;
                if constexpr (std::is_same_v<Type, std::int32_t>) {
                    WriteIniInt(store, section, field.key, value);
                } else if constexpr (std::is_same_v<Type, std::uint32_t>) {
                    WriteIniUnsigned(store, section, field.key, 10, value);
                } else if constexpr (std::is_same_v<Type, double>) {
                    WriteIniReal(store, section, field.key, value);
                } else {
                    WriteIniBool(store, section, field.key, value);
                }
            },
            field.member);
    }
}

// The command of a menu row that is one bounded prompt: PromptRealValue for a real,
// PromptIntValue for a signed integer. It starts from the value held, stores the answer when
// the prompt accepts it and then runs the derivation; a prompt that is not accepted changes
// nothing, unless the row derives all the same.
template <class Page>
struct BoundedPrompt {
    std::string_view text;  // "Enter the Ratio"
    // The value of the page's value block it edits (TablePageModel::Edited).
    std::variant<double& (*)(Page&), std::int32_t& (*)(Page&)> value = {};
    double high = 0;  // the bounds in the order the prompts take them
    double low = 0;
    int decimals = 0;  // of a real's text
    int radix = 10;    // of an integer's text
    void (Page::*derive)() = nullptr;
    bool deriveWhenRefused = false;
};

template <class Page>
struct MenuEntry {
    std::string_view menu;     // the popup menu's object name
    std::string_view caption;  // empty for the command of a menu that acts on pop-up
    void (Page::*run)(Interaction&) = nullptr;
    MenuItem::Kind kind = MenuItem::Kind::Command;
    std::string_view name = {};               // the item's object name, where the page names it
    std::string_view parent = {};             // the submenu item it sits in
    bool (Page::*checked)() const = nullptr;  // the item's check mark, where it has one
    BoundedPrompt<Page> prompt = {};          // the command, where it is one prompt (no `run`)
};

// The ways of writing a menu entry, for a page's table.
template <class Page>
struct MenuTable {
    using Entry = MenuEntry<Page>;
    using Handler = void (Page::*)(Interaction&);
    using Check = bool (Page::*)() const;
    using Derive = void (Page::*)();

    static constexpr Entry Command(std::string_view menu, std::string_view caption, Handler run,
                                   std::string_view name = {}) {
        return {menu, caption, run, MenuItem::Kind::Command, name};
    }
    static constexpr Entry Separator(std::string_view menu) {
        return {menu, "-", nullptr, MenuItem::Kind::Separator};
    }
    static constexpr Entry Title(std::string_view menu, std::string_view caption) {
        return {menu, caption, nullptr, MenuItem::Kind::Title};
    }
    static constexpr Entry Submenu(std::string_view menu, std::string_view caption,
                                   std::string_view name = {}) {
        return {menu, caption, nullptr, MenuItem::Kind::Submenu, name};
    }
    // A command in the submenu of `parent`, checked when `checked` says so.
    static constexpr Entry SubCommand(std::string_view menu, std::string_view parent,
                                      std::string_view caption, Handler run,
                                      Check checked = nullptr, std::string_view name = {}) {
        return {menu, caption, run, MenuItem::Kind::Command, name, parent, checked};
    }
    // A menu without items whose opening runs `run`.
    static constexpr Entry OnPopup(std::string_view menu, Handler run) {
        return {menu, {}, run, MenuItem::Kind::Command};
    }
    // A command that is one PromptRealValue(text, value, decimals, high, low), followed by
    // `derive` when it is accepted.
    static constexpr Entry RealPrompt(std::string_view menu, std::string_view caption,
                                      std::string_view text, double& (*value)(Page&), int decimals,
                                      double high, double low, Derive derive) {
        return {menu, caption, nullptr, MenuItem::Kind::Command,
                {},   {},      nullptr, {text, value, high, low, decimals, 10, derive}};
    }
    // A command that is one PromptIntValue(text, value, high, low, radix), followed by
    // `derive` when it is accepted, or whatever the answer when `deriveWhenRefused`.
    static constexpr Entry IntPrompt(std::string_view menu, std::string_view caption,
                                     std::string_view text, std::int32_t& (*value)(Page&),
                                     std::int32_t high, std::int32_t low, int radix, Derive derive,
                                     bool deriveWhenRefused = false) {
        return {menu,
                caption,
                nullptr,
                MenuItem::Kind::Command,
                {},
                {},
                nullptr,
                {text, value, static_cast<double>(high), static_cast<double>(low), 0, radix, derive,
                 deriveWhenRefused}};
    }
};

// Runs the prompt of a menu row on the page.
template <class Page>
void RunBoundedPrompt(const BoundedPrompt<Page>& prompt, Page& page, Interaction& ui) {
    const bool stored = std::visit(
        [&](auto edited) {
            auto& held = edited(page);
            auto entry = held;
            bool accepted = false;
            if constexpr (std::is_same_v<decltype(entry), double>) {
                accepted = PromptRealValue(ui, prompt.text, entry, prompt.decimals, prompt.high,
                                           prompt.low);
            } else {
                accepted =
                    PromptIntValue(ui, prompt.text, entry, static_cast<std::int32_t>(prompt.high),
                                   static_cast<std::int32_t>(prompt.low), prompt.radix);
            }
            if (accepted) {
                held = entry;
            }
            return accepted;
        },
        prompt.value);
    if ((stored || prompt.deriveWhenRefused) && prompt.derive != nullptr) {
        (page.*prompt.derive)();
    }
}

// The menus the entries make, in the order of their first entry, with the check marks the
// page shows now. An item's tag is its position among the items of its menu or submenu.
template <class Page>
std::vector<PopupMenu> MenusOf(std::span<const MenuEntry<Page>> entries, const Page& page) {
    std::vector<PopupMenu> menus;
    for (const MenuEntry<Page>& entry : entries) {
        PopupMenu* menu = nullptr;
        for (PopupMenu& candidate : menus) {
            if (candidate.name == entry.menu) {
                menu = &candidate;
            }
        }
        if (menu == nullptr) {
            menu = &menus.emplace_back(PopupMenu{std::string(entry.menu), {}, false});
        }
        if (entry.caption.empty() && entry.kind == MenuItem::Kind::Command) {
            menu->actsOnPopup = true;
            continue;
        }
        int tag = 0;
        for (const MenuItem& sibling : menu->items) {
            tag += sibling.parent == entry.parent ? 1 : 0;
        }
        menu->items.push_back(MenuItem{entry.kind, std::string(entry.caption),
                                       std::string(entry.name), std::string(entry.parent), tag,
                                       entry.checked != nullptr && (page.*entry.checked)()});
    }
    return menus;
}

// Runs the command entry of that menu and caption; false when there is none.
template <class Page>
bool RunMenuEntry(std::span<const MenuEntry<Page>> entries, Page& page, MenuCommandRef command,
                  Interaction& ui) {
    for (const MenuEntry<Page>& entry : entries) {
        if (entry.kind != MenuItem::Kind::Command || entry.menu != command.menu ||
            entry.caption != command.caption) {
            continue;
        }
        if (entry.run != nullptr) {
            (page.*entry.run)(ui);
            return true;
        }
        if (!entry.prompt.text.empty()) {
            RunBoundedPrompt(entry.prompt, page, ui);
            return true;
        }
    }
    return false;
}

// A page model whose settings and commands come from its two tables: the page defines the
// static members SettingFields() and MenuEntries() (and befriends this class, so that they
// may stay private). The value block is m_values.
template <class Page, class ValueBlock>
class TablePageModel : public PageModel {
public:
    using PageModel::PageModel;

    std::span<const SettingKey> SettingKeys() const override {
        static const std::vector<SettingKey> keys = SettingKeysOf(Page::SettingFields());
        return keys;
    }
    std::vector<PopupMenu> Menus() const override { return MenusOf(Page::MenuEntries(), Self()); }
    bool RunMenuCommand(MenuCommandRef command, Interaction& ui) override {
        return RunMenuEntry(Page::MenuEntries(), Self(), command, ui);
    }

    const ValueBlock& Values() const { return m_values; }

    // The member at the end of `Path` in the page's value block, as a prompt row of the menu
    // table edits it: &Model::Edited<&RfValues::ratio>.
    template <auto... Path>
    static auto& Edited(Page& page) {
        return detail::FollowMembers<Path...>(static_cast<TablePageModel&>(page).m_values);
    }

protected:
    void ReadSettings(const IniStore& store) override {
        ReadSettingFields(store, SectionName(), Page::SettingFields(), Self(), m_values);
    }
    void WriteSettings(IniStore& store) const override {
        WriteSettingFields(store, SectionName(), Page::SettingFields(), m_values);
    }

    ValueBlock m_values;

private:
    Page& Self() { return static_cast<Page&>(*this); }
    const Page& Self() const { return static_cast<const Page&>(*this); }
};

}  // namespace quorvel
