#include "qt_support/window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include "diag/port_backend.h"
#include "qt_support/modal_guard.h"

namespace quorvel::testing {

ScratchWorkingDirectory::ScratchWorkingDirectory() : m_previous(QDir::currentPath()) {
    QDir::setCurrent(m_dir.path());
}

ScratchWorkingDirectory::~ScratchWorkingDirectory() {
    QDir::setCurrent(m_previous);
}

QuietRun::QuietRun() {
    ProgramRunOptions options;
    options.clock = &m_clock;
    options.portBackend = [] { return std::unique_ptr<PortBackend>(); };
    m_run = std::make_unique<ProgramRun>(std::move(options));
}

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

void AnswerNextModal(std::function<void(QWidget* modal)> answer) {
    // The timer fires inside the modal window's own event loop, when the window is up.
    NoteAnswerQueued();
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        NoteAnswerRun();
        answer(QApplication::activeModalWidget());
    });
}

}  // namespace quorvel::testing
