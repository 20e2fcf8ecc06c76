#include "shell/qt/hardcopy.h"

namespace quorvel {

// This build takes no hardcopies yet; the menu item does nothing.
void TakeHardcopy(TQuorvelMainForm&) {}

}  // namespace quorvel
