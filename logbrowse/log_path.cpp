#include "logbrowse/log_path.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace quorvel {

namespace {

QString JoinPath(const QString& directory, const QString& name) {
    return directory.endsWith(u'/') ? directory + name : directory + u'/' + name;
}

// The name of the entry of `directory` that matches `name` with letter case ignored: the exact
// name when it exists, else the first case-blind match in name order; empty when none matches.
QString MatchEntry(const QString& directory, const QString& name, bool directoryOnly) {
    const QFileInfo exact(JoinPath(directory, name));
    if (exact.exists() && (!directoryOnly || exact.isDir())) {
        return name;
    }
    const QDir::Filters filters = (directoryOnly ? QDir::Dirs : QDir::AllEntries) | QDir::Hidden |
                                  QDir::System | QDir::NoDotAndDotDot;
    const QStringList entries = QDir(directory).entryList(filters, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return {};
}

// Walks `components` down from `base`, each matched with case ignored; nothing when one of
// them does not exist.
std::optional<QString> FindDirectory(const QString& base, const QStringList& components) {
    QString current = base;
    for (const QString& component : components) {
        if (component == u"..") {
            current = QDir::cleanPath(JoinPath(current, component));
            continue;
        }
        const QString match = MatchEntry(current, component, true);
        if (match.isEmpty()) {
            return std::nullopt;
        }
        current = JoinPath(current, match);
    }
    if (!QFileInfo(current).isDir()) {
        return std::nullopt;
    }
    return current;
}

LogLocation LocateIn(const QString& directory, const QString& fileName) {
    LogLocation location;
    const QString match = MatchEntry(directory, fileName, false);
    location.fileName = match.isEmpty() ? fileName : match;
    location.path = QDir::cleanPath(JoinPath(directory, location.fileName));
    location.exists = !match.isEmpty();
    return location;
}

}  // namespace

QString JoinCommandLine(const QStringList& arguments) {
    QString text = arguments.join(u' ');
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) {
        text = text.mid(1, text.size() - 2);
    }
    return text;
}

LogLocation ResolveLogPath(const QString& text, const QString& workingDirectory) {
    QString rest = text.trimmed();
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    const bool hasDrive = drive.match(rest).hasMatch();
    if (hasDrive) {
        rest = rest.mid(2);
    }
    const bool linuxAbsolute = !hasDrive && rest.startsWith(u'/');

    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QStringList components = rest.split(separators, Qt::SkipEmptyParts);
    components.removeAll(QStringLiteral("."));
    // A text that ends in a separator names a directory, not a log.
    if (components.isEmpty() || rest.endsWith(u'\\') || rest.endsWith(u'/') ||
        components.last() == u"..") {
        return {};
    }
    const QString fileName = components.takeLast();

    QStringList bases;
    if (linuxAbsolute) {
        bases << QStringLiteral("/");
    }
    bases << workingDirectory;
    for (const QString& base : bases) {
        if (const auto directory = FindDirectory(base, components)) {
            return LocateIn(*directory, fileName);
        }
    }
    return LocateIn(workingDirectory, fileName);
}

}  // namespace quorvel
