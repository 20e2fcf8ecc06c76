#pragma once
// Ends the viewer cleanly on SIGTERM, SIGINT and SIGHUP: the signal handler only writes a byte
// to a pipe, and the event loop reads it and quits, so the window closes and the program
// returns from main as it does after Ctrl+Q. QuorvelII ends the viewer this way or with a kill.

#include <QObject>

class QSocketNotifier;

namespace quorvel {

class QuitSignals : public QObject {
    Q_OBJECT

public:
    // Installs the handlers; make one, after the application object, for the whole run.
    explicit QuitSignals(QObject* parent = nullptr);
    // Puts the default handlers back.
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    void SignalArrived();

    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace quorvel
