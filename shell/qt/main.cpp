// QuorvelII: the main window and its message loop.

#include <QFont>

#include "common/qt/qt_text.h"
#include "diag/program_run.h"
#include "shell/program_identity.h"
#include "shell/qt/application.h"
#include "shell/qt/main_form.h"
#include "shell/qt/termination_signals.h"

int main(int argc, char** argv) {
    quorvel::TQuorvelApplication app(argc, argv);
    QApplication::setApplicationName(quorvel::ToQString(quorvel::kProgramWord));
    QApplication::setApplicationVersion(quorvel::ToQString(quorvel::kProgramVersion));
    // The program's font, also for its dialogs; where Arial is missing, fontconfig gives its
    // metric twin (Liberation Sans).
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

    quorvel::ProgramRun run;
    quorvel::TQuorvelMainForm window(run);
    quorvel::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &quorvel::TerminationSignals::CloseRequested, &window,
                     &quorvel::TQuorvelMainForm::RequestClose);

    window.show();
    return app.exec();
}
