#pragma once
// SIGTERM, SIGINT and SIGHUP ask the program to close as its window's close box does, so that
// a session logout, a Ctrl+C in the terminal or a service manager still leaves the settings
// saved and the end record written. The signal handler only writes a byte into a pipe; the
// event loop reads it and reports the request on the GUI thread.

#include <QObject>

class QSocketNotifier;

namespace quorvel {

class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; the previous ones come back when the object is destroyed. Only
    // one object may exist at a time.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False when the pipe or a handler could not be set up (the signals then keep their
    // previous handling).
    bool Installed() const { return m_installed; }

signals:
    void CloseRequested(int signalNumber);

private:
    void ReadPipe();

    QSocketNotifier* m_notifier = nullptr;
    bool m_installed = false;
};

}  // namespace quorvel
