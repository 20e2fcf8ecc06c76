#pragma once
// Follows a growing log file: reads what is there, then only the bytes added since, and starts
// over when the file is emptied or replaced (QuorvelII empties its log at every start). A file
// that is missing is waited for, and where it will appear is worked out again each time, so a
// log that is created later (in any letter case) is found.
//
// Changes are noticed through QFileSystemWatcher, and a light poll catches what the watcher
// misses (a file replaced under the watch, file systems without change notification). A large
// file is read a chunk at a time through the event loop, so the window stays responsive while a
// long log loads.

#include <QFile>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringDecoder>
#include <QTimer>

#include <sys/types.h>

#include "logbrowse/log_path.h"

namespace quorvel {

enum class LogState {
    NoFile,      // the path text names no file
    Waiting,     // nothing at the path yet
    Unreadable,  // something is there but cannot be read
    Following,   // the file is open and being followed
};

class LogFollower : public QObject {
    Q_OBJECT

public:
    // Bytes read in one turn of the event loop.
    static constexpr qint64 kChunkBytes = 256 * 1024;
    // The fallback poll, in milliseconds.
    static constexpr int kPollMs = 500;

    // `text` is the path as given on the command line, `workingDirectory` what a root-relative
    // or relative text is taken under (see log_path.h). Nothing is read before Start or Poll.
    LogFollower(QString text, QString workingDirectory, QObject* parent = nullptr);

    // Reads the file as it is now and starts the poll.
    void Start();
    // Looks at the file once: finds a missing file again, starts over on a replaced or shrunk
    // file, and reads up to one chunk of new bytes (further chunks follow from the event loop).
    void Poll();

    LogState State() const { return m_state; }
    // Why the file cannot be read, when the state is Unreadable.
    const QString& Problem() const { return m_problem; }
    const QString& Text() const { return m_text; }
    // Where the log is, or where it is waited for.
    const LogLocation& Location() const { return m_location; }
    // True while bytes that are already in the file have not been read yet.
    bool CatchingUp() const { return m_catchingUp; }

signals:
    // What was read so far no longer stands: the file was emptied, replaced or appeared anew.
    void Cleared();
    // New text at the end of the file (line ends "\n"; a chunk may end inside a line).
    void Appended(const QString& text);
    // The state, the location or the catching-up flag changed.
    void StateChanged();

private:
    bool OpenFile();
    void CloseFile();
    void StartOver();
    bool HeadUnchanged();
    void ReadChunk(qint64 fileSize);
    void SetState(LogState state, const QString& problem = {});
    void UpdateWatches();

    QString m_text;
    QString m_workingDirectory;
    LogLocation m_location;
    LogState m_state = LogState::Waiting;
    QString m_problem;

    QFile m_file;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    qint64 m_offset = 0;
    // The first bytes of the file as read; a different beginning means the file was rewritten
    // even when it has grown past the old end between two looks.
    QByteArray m_head;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
    bool m_catchingUp = false;

    QFileSystemWatcher m_watcher;
    QTimer m_pollTimer;
    QTimer m_continueTimer;
};

}  // namespace quorvel
