#include "shell/page_model.h"

namespace quorvel {

void PageModel::LoadSettings(const std::string& path) {
    const IniFile file(path);
    ReadSettings(file);
}

void PageModel::SaveSettings(const std::string& path) const {
    IniFile file(path);
    WriteSettings(file);
}

bool PageModel::RunMenuCommand(MenuCommandRef, Interaction&) {
    return false;
}

bool PageModel::RunCommandByCaption(std::string_view caption, Interaction& ui) {
    const std::vector<PopupMenu> menus = Menus();
    const PopupMenu* holder = nullptr;
    for (const PopupMenu& menu : menus) {
        for (const MenuItem& item : menu.items) {
            if (item.IsCommand() && item.caption == caption) {
                if (holder != nullptr && holder != &menu) {
                    return false;
                }
                holder = &menu;
            }
        }
    }
    return holder != nullptr && RunMenuCommand({holder->name, caption}, ui);
}
bool PageModel::CheckBoxClicked(std::string_view, bool, Interaction&) {
    return false;
}
bool PageModel::EditEntered(std::string_view, std::string_view, Interaction&) {
    return false;
}
bool PageModel::ListChosen(std::string_view, int, Interaction&) {
    return false;
}
bool PageModel::ButtonClicked(std::string_view, Interaction&) {
    return false;
}

}  // namespace quorvel
