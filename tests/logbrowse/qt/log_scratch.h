#pragma once
// Scratch files for the log viewer's tests: a program directory in a temporary directory, and
// the ways QuorvelII and its users change a log (append, empty in place, replace, delete).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace quorvel::test {

inline void WriteFile(const QString& path, const QByteArray& bytes,
                      QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Truncate) {
    QFile file(path);
    QVERIFY2(file.open(mode), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline void AppendFile(const QString& path, const QByteArray& bytes) {
    WriteFile(path, bytes, QIODevice::WriteOnly | QIODevice::Append);
}

// Writes a new file beside the old one and renames it over, as editors and log rotators do.
inline void ReplaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.commit());
}

// `count` lines in the error log's own format, numbered from `first`.
inline QByteArray LogLines(int first, int count) {
    QByteArray bytes;
    for (int i = first; i < first + count; ++i) {
        bytes += QByteArray("000001  123:14:05:09.123456  line ") + QByteArray::number(i) + '\n';
    }
    return bytes;
}

}  // namespace quorvel::test
