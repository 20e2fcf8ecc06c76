#pragma once
// How the log viewer finds the file it was asked for. QuorvelII names its log the way a Windows
// program does ("\SYSTEM\ERLOGS\\QuorvelII.log"), while the file on disk is
// "SYSTEM/ERLOGS/QuorvelII.Log" under the program directory. The path text is read as a Windows
// file system would read it:
//   - "\" and "/" both separate components, and a doubled separator reads as one;
//   - letter case does not matter in any component (an exact match is preferred, then the
//     first case-blind match in name order);
//   - a leading drive ("C:") is dropped, there are no drives here.
// The directories are tried in this order:
//   1. a text that begins with "/" is first taken as an absolute Linux path;
//   2. a text that begins with "\" (or with a drive, or "/" when step 1 found no directory) is
//      root-relative, and the root is the working directory, the program directory that
//      QuorvelII starts the viewer in;
//   3. a relative text is taken under the working directory;
//   4. when the directory of step 1-3 does not exist, the file name alone in the working
//      directory, which is where QuorvelII writes its log when its log directory is missing.
// The file itself need not exist: the viewer waits for it.

#include <QString>
#include <QStringList>

namespace quorvel {

struct LogLocation {
    // The absolute path of the log, empty when the text names no file.
    QString path;
    // The file's name as it is (or will be) on disk.
    QString fileName;
    // True when something exists at `path` now.
    bool exists = false;
};

// The viewer's command-line text: the arguments joined by single spaces (a path with spaces
// arrives split over several arguments), with one pair of surrounding double quotes removed.
QString JoinCommandLine(const QStringList& arguments);

// Finds the log named by `text` (see above); `workingDirectory` is an absolute directory path.
LogLocation ResolveLogPath(const QString& text, const QString& workingDirectory);

}  // namespace quorvel
