#include "shell/qt/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <array>
#include <cerrno>

namespace quorvel {
namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

// The pipe the handler writes to and the handlers it replaced. A signal handler can reach
// nothing else.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[kSignals.size()];

extern "C" void OnTerminationSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request; the byte may be dropped.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::ReadPipe);

    struct sigaction action {};
    action.sa_handler = &OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_installed = true;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (::sigaction(kSignals[i], &action, &g_previous[i]) != 0) {
            m_installed = false;
        }
    }
}

TerminationSignals::~TerminationSignals() {
    if (g_pipe[0] < 0 || m_notifier == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::ReadPipe() {
    unsigned char bytes[16];
    ssize_t count = 0;
    int last = 0;
    while ((count = ::read(g_pipe[0], bytes, sizeof bytes)) > 0) {
        last = bytes[count - 1];
    }
    if (last != 0) {
        emit CloseRequested(last);
    }
}

}  // namespace quorvel
