#pragma once
// What the window and form tests share: a scratch working directory per test (the program
// directory is the working directory at start), a program run that sounds nothing and never
// waits (fake clock, no port access), file helpers, and a way to answer a modal dialog that a
// command under test opens.

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "diag/program_run.h"
#include "support/fake_clock.h"

namespace quorvel::testing {

// Makes a fresh empty directory the working directory; the previous one comes back and the
// directory is removed at the end.
class ScratchWorkingDirectory {
public:
    ScratchWorkingDirectory();
    ~ScratchWorkingDirectory();
    ScratchWorkingDirectory(const ScratchWorkingDirectory&) = delete;
    ScratchWorkingDirectory& operator=(const ScratchWorkingDirectory&) = delete;

    bool IsValid() const { return m_dir.isValid(); }
    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }
    std::string FileText(const QString& name) const { return File(name).toStdString(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A program run for tests: the fake clock times everything, and the speaker has no port
// access, so cues are silent and take no real time.
class QuietRun {
public:
    QuietRun();
    ProgramRun& Run() { return *m_run; }
    FakeClock& Clock() { return m_clock; }

private:
    FakeClock m_clock;
    std::unique_ptr<ProgramRun> m_run;
};

QByteArray ReadFileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// Runs `answer` on the next modal window once its event loop runs (the window is passed in),
// so that a test can drive a dialog that a command opens and waits on.
void AnswerNextModal(std::function<void(QWidget* modal)> answer);

}  // namespace quorvel::testing
