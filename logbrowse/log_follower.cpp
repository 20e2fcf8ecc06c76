#include "logbrowse/log_follower.h"

#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

// How many leading bytes are compared to notice a rewritten file.
constexpr qsizetype kHeadBytes = 256;

}  // namespace

LogFollower::LogFollower(QString text, QString workingDirectory, QObject* parent)
    : QObject(parent), m_text(std::move(text)), m_workingDirectory(std::move(workingDirectory)) {
    m_location = ResolveLogPath(m_text, m_workingDirectory);
    m_pollTimer.setInterval(kPollMs);
    m_continueTimer.setSingleShot(true);
    m_continueTimer.setInterval(0);
    connect(&m_pollTimer, &QTimer::timeout, this, &LogFollower::Poll);
    connect(&m_continueTimer, &QTimer::timeout, this, &LogFollower::Poll);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &LogFollower::Poll);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &LogFollower::Poll);
}

void LogFollower::Start() {
    Poll();
    m_pollTimer.start();
}

void LogFollower::Poll() {
    if (m_location.path.isEmpty()) {
        SetState(LogState::NoFile);
        return;
    }
    struct stat info {};
    if (::stat(QFile::encodeName(m_location.path).constData(), &info) != 0) {
        // Gone or not there yet: the log may appear elsewhere (its directory made meanwhile,
        // another letter case), so the path is worked out again.
        const QString before = m_location.path;
        m_location = ResolveLogPath(m_text, m_workingDirectory);
        if (m_location.path != before) {
            emit StateChanged();
        }
        if (::stat(QFile::encodeName(m_location.path).constData(), &info) != 0) {
            CloseFile();
            SetState(LogState::Waiting);
            UpdateWatches();
            return;
        }
    }
    m_location.exists = true;
    if (!S_ISREG(info.st_mode)) {
        CloseFile();
        SetState(LogState::Unreadable, tr("not a regular file"));
        UpdateWatches();
        return;
    }
    if (!m_file.isOpen() || info.st_dev != m_device || info.st_ino != m_inode) {
        CloseFile();
        if (!OpenFile()) {
            SetState(LogState::Unreadable, m_file.errorString());
            UpdateWatches();
            return;
        }
        StartOver();
        // A replaced file keeps its path but loses the watch that followed the old one.
        m_watcher.removePath(m_location.path);
    }
    struct stat opened {};
    if (::fstat(m_file.handle(), &opened) != 0) {
        CloseFile();
        SetState(LogState::Unreadable, tr("cannot look at the open file"));
        return;
    }
    if (opened.st_size < m_offset || !HeadUnchanged()) {
        StartOver();
    }
    ReadChunk(opened.st_size);
    SetState(LogState::Following);
    UpdateWatches();
}

bool LogFollower::OpenFile() {
    m_file.setFileName(m_location.path);
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return false;
    }
    struct stat opened {};
    if (::fstat(m_file.handle(), &opened) != 0) {
        m_file.close();
        return false;
    }
    m_device = opened.st_dev;
    m_inode = opened.st_ino;
    return true;
}

void LogFollower::CloseFile() {
    if (m_file.isOpen()) {
        m_file.close();
    }
    m_continueTimer.stop();
    if (m_catchingUp) {
        m_catchingUp = false;
        emit StateChanged();
    }
}

void LogFollower::StartOver() {
    m_offset = 0;
    m_head.clear();
    m_decoder.resetState();
    emit Cleared();
}

bool LogFollower::HeadUnchanged() {
    if (m_head.isEmpty()) {
        return true;
    }
    if (!m_file.seek(0)) {
        return false;
    }
    return m_file.read(m_head.size()) == m_head;
}

void LogFollower::ReadChunk(qint64 fileSize) {
    QByteArray data;
    if (m_offset < fileSize && m_file.seek(m_offset)) {
        data = m_file.read(std::min(fileSize - m_offset, kChunkBytes));
    }
    if (!data.isEmpty()) {
        if (m_head.size() < kHeadBytes) {
            m_head += data.left(kHeadBytes - m_head.size());
        }
        m_offset += data.size();
        QString text = m_decoder.decode(data);
        // A log written on Windows ends its lines with "\r\n".
        text.remove(u'\r');
        if (!text.isEmpty()) {
            emit Appended(text);
        }
    }
    const bool more = !data.isEmpty() && m_offset < fileSize;
    if (more) {
        m_continueTimer.start();
    }
    if (more != m_catchingUp) {
        m_catchingUp = more;
        emit StateChanged();
    }
}

void LogFollower::SetState(LogState state, const QString& problem) {
    if (state == m_state && problem == m_problem) {
        return;
    }
    m_state = state;
    m_problem = problem;
    emit StateChanged();
}

void LogFollower::UpdateWatches() {
    QStringList wanted;
    if (m_state == LogState::Following) {
        wanted << m_location.path;
    }
    const QString directory = QFileInfo(m_location.path).absolutePath();
    if (QFileInfo(directory).isDir()) {
        wanted << directory;
    }
    QStringList stale;
    for (const QString& path : m_watcher.files() + m_watcher.directories()) {
        if (!wanted.contains(path)) {
            stale << path;
        }
    }
    if (!stale.isEmpty()) {
        m_watcher.removePaths(stale);
    }
    for (const QString& path : wanted) {
        if (!m_watcher.files().contains(path) && !m_watcher.directories().contains(path)) {
            m_watcher.addPath(path);
        }
    }
}

}  // namespace quorvel
