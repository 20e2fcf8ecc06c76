// LogBrowse.exe: shows a log file and follows it as it grows. QuorvelII's About box starts it
// with the log's path text as the whole command line ("\SYSTEM\ERLOGS\\QuorvelII.log"), in the
// program directory, and ends it when the box closes.

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

#include "logbrowse/log_browse_form.h"
#include "logbrowse/log_path.h"
#include "logbrowse/quit_signals.h"

namespace {

constexpr char kUsage[] =
    "Usage: LogBrowse.exe LOGFILE\n"
    "Shows LOGFILE and follows it as it grows. The path may use \"\\\" or \"/\" and any letter\n"
    "case; \"\\DIR\\NAME\" is taken under the current directory, and when DIR does not exist,\n"
    "NAME alone in the current directory. Ctrl+Q or Escape closes the window.\n";

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LogBrowse"));
    QApplication::setApplicationDisplayName(QStringLiteral("LogBrowse"));
    quorvel::QuitSignals quitSignals;

    // The application object has taken its own options (-platform and the like) out of argv.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (arguments.size() == 1 && (arguments[0] == u"--help" || arguments[0] == u"-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (arguments.isEmpty()) {
        std::fputs(kUsage, stderr);
    }

    quorvel::TLogBrowseForm form(quorvel::JoinCommandLine(arguments), QDir::currentPath());
    form.show();
    return QApplication::exec();
}
