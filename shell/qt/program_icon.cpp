#include "shell/qt/program_icon.h"

#include <QString>

// The pictures live in a resource of the GUI library, which a static library has to register
// by hand; Q_INIT_RESOURCE stands outside any namespace.
static void RegisterProgramIconResource() {
    Q_INIT_RESOURCE(quorvel_icons);
}

namespace quorvel {

QIcon ProgramWindowIcon() {
    RegisterProgramIconResource();
    QIcon icon;
    for (const int size : kProgramIconSizes) {
        icon.addFile(QStringLiteral(":/icons/quorvel-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace quorvel
