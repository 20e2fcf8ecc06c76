#include "shell/qt/about_box.h"

namespace quorvel {

// This build has no About box yet; the menu item does nothing.
void ShowAboutBox(QWidget*, ProgramRun&, std::string_view, std::string_view, std::string_view,
                  std::string_view, std::string_view) {}

}  // namespace quorvel
