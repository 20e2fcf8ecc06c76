// QuorvelII: the main window and its message loop.

#include <QFont>
#include <QGuiApplication>

#include <cstdio>
#include <string_view>

#include "common/qt/qt_text.h"
#include "common/qt/zoom_style.h"
#include "diag/program_run.h"
#include "shell/program_identity.h"
#include "shell/qt/application.h"
#include "shell/qt/program_icon.h"
#include "shell/qt/termination_signals.h"
#include "window/program_help.h"
#include "window/qt/main_form.h"

namespace {

// The desktop entry the window belongs to, for desktops that match windows to their entries.
constexpr char kDesktopEntryName[] = "example.kelmor_instruments.QuorvelII";

// Prints `text` on standard output; 0 when it was written, 1 when it could not be.
int PrintText(std::string_view text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the application object exists, so that they need no display.
    switch (quorvel::ReadProgramArguments(argc, argv)) {
        case quorvel::ProgramRequest::Help:
            return PrintText(quorvel::ProgramHelpText());
        case quorvel::ProgramRequest::Version:
            return PrintText(quorvel::ProgramVersionText());
        case quorvel::ProgramRequest::StartWindow:
            break;
    }

    quorvel::TQuorvelApplication app(argc, argv);
    QApplication::setApplicationName(quorvel::ToQString(quorvel::kProgramWord));
    QApplication::setApplicationVersion(quorvel::ToQString(quorvel::kProgramVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryName));
    // The program's font, also for its dialogs; where Arial is missing, fontconfig gives its
    // metric twin (Liberation Sans).
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    // Check boxes, radio buttons and scroll bars grow with the window's zoom.
    QApplication::setStyle(new quorvel::TZoomStyle);

    quorvel::ProgramRun run;
    quorvel::TQuorvelMainForm window(run);
    quorvel::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &quorvel::TerminationSignals::CloseRequested, &window,
                     &quorvel::TQuorvelMainForm::RequestClose);

    // The icon (for the window and the About box) is read and handed to the window system
    // once the first frame is on screen: reading its pictures and sending every size of them
    // to the X server took longer than building the window.
    QObject::connect(&window, &quorvel::TQuorvelMainForm::FirstFrameShown, &app,
                     [] { QApplication::setWindowIcon(quorvel::ProgramWindowIcon()); });
    window.show();
    const int status = app.exec();
    // A close that could not save the settings ends with status 1, so that a session manager
    // or a script can tell that the inputs of this run were lost.
    return window.SaveFailedAtClose() ? 1 : status;
}
