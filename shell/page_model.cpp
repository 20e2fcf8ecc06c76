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

bool PageModel::RunMenuCommand(std::string_view, Interaction&) { return false; }
bool PageModel::CheckBoxClicked(std::string_view, bool, Interaction&) { return false; }
bool PageModel::EditEntered(std::string_view, std::string_view, Interaction&) { return false; }
bool PageModel::ListChosen(std::string_view, int, Interaction&) { return false; }
bool PageModel::ButtonClicked(std::string_view, Interaction&) { return false; }

}  // namespace quorvel
