// The main window's settings save in hostile conditions: a close whose writes fail at each
// step in turn, a save that cannot be made (told to the user and the log), the file written
// byte for byte as the key-by-key writes would, links planted in the program directory, a
// program directory with "\" in its name, and the temporary files of a killed save.
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/interaction.h"
#include "pages/page_registry.h"
#include "qt_support/window_fixture.h"
#include "shell/colour_scheme.h"
#include "shell/ini_store.h"
#include "shell/qt/page_form.h"
#include "shell/qt/tab_control.h"
#include "shell/settings_file.h"
#include "window/qt/main_form.h"

namespace quorvel {
namespace {

using testing::QuietRun;
using testing::ReadFileBytes;
using testing::ScratchWorkingDirectory;
using testing::WriteFileBytes;

const QString kSettings = QStringLiteral("QuorvelII.Cfg");
const QString kBackup = QStringLiteral("QuorvelII.Cfg.BAK");

// Takes the window's notices instead of showing them; a prompt or dialog fails the test.
class NoticeRecorder final : public Interaction {
public:
    explicit NoticeRecorder(Cues& cues) : m_cues(cues) {}
    Cues& cues() override { return m_cues; }
    std::string InputBox(std::string_view, std::string_view, std::string_view text) override {
        unexpected = true;
        return std::string(text);
    }
    bool RunDialog(DialogModel&) override {
        unexpected = true;
        return false;
    }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    std::vector<std::string> messages;
    bool unexpected = false;

private:
    Cues& m_cues;
};

// One run of the program in the current working directory, its notices recorded.
struct ProgramSession {
    ProgramSession()
        : window(std::make_unique<TQuorvelMainForm>(quiet.Run())), notices(quiet.Run()) {
        window->SetInteraction(notices);
    }
    void Start() { window->show(); }
    void Close() { window->close(); }

    QuietRun quiet;
    std::unique_ptr<TQuorvelMainForm> window;
    NoticeRecorder notices;
};

// The settings of a run that moved the window and chose a tab: what the window saves.
QByteArray GoodSettings(const ScratchWorkingDirectory& dir) {
    ProgramSession session;
    session.Start();
    session.window->move(130, 120);
    session.window->TabControl()->SetTabIndex(1);
    session.Close();
    return ReadFileBytes(dir.File(kSettings));
}

QStringList Entries(const QString& path) {
    return QDir(path).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

class SettingsSaveWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The writes of a close fail at each step in turn (a full disk, a refused rename): each
    // time the user is told, the log has it, the file keeps the last good settings, and the
    // next normal run saves and backs up complete files.
    void failureAtEachStepOfTheCloseKeepsTheLastGoodSettings() {
        for (int failing = 0;; ++failing) {
            ScratchWorkingDirectory dir;
            const QByteArray good = GoodSettings(dir);
            QVERIFY(good.contains("ScreenPosX=130"));
            int steps = 0;
            {
                ProgramSession session;
                session.window->SetFileStepCheck([&](FileStep, const std::string&) {
                    return steps++ == failing ? StepVerdict::Fail : StepVerdict::Go;
                });
                session.Start();
                session.window->move(160, 150);
                session.Close();
                if (steps <= failing) {
                    QVERIFY(session.notices.messages.empty());
                    QVERIFY(failing >= 8);
                    break;
                }
                QCOMPARE(session.notices.messages.size(), std::size_t{1});
                const std::string& message = session.notices.messages[0];
                QVERIFY2(
                    message.rfind("Your inputs were not saved to " + dir.FileText(kSettings) + ": ",
                                  0) == 0,
                    message.c_str());
                const QByteArray log = ReadFileBytes(dir.File(QStringLiteral("QuorvelII.Log")));
                QVERIFY2(log.contains(QByteArray::fromStdString(message)), log.constData());
                QVERIFY(log.indexOf(QByteArray::fromStdString(message)) <
                        log.indexOf("PROGRAM END"));
            }
            QCOMPARE(ReadFileBytes(dir.File(kSettings)), good);

            ProgramSession next;
            next.Start();
            QCOMPARE(next.window->pos(), QPoint(130, 120));
            next.Close();
            QVERIFY(next.notices.messages.empty());
            QCOMPARE(ReadFileBytes(dir.File(kSettings)), good);
            QCOMPARE(ReadFileBytes(dir.File(kBackup)), good);
            QCOMPARE(Entries(dir.Path()), (QStringList{QStringLiteral("QuorvelII.Cfg"),
                                                       QStringLiteral("QuorvelII.Cfg.BAK"),
                                                       QStringLiteral("QuorvelII.Log")}));
        }
    }

    void backupThatCannotBeMadeLeavesTheFileAndSaysWhy() {
        ScratchWorkingDirectory dir;
        const QByteArray good = GoodSettings(dir);
        QVERIFY(QDir(dir.Path()).mkdir(kBackup));
        ProgramSession session;
        session.Start();
        session.window->move(170, 140);
        session.Close();
        QCOMPARE(
            session.notices.messages,
            std::vector<std::string>{"Your inputs were not saved to " + dir.FileText(kSettings) +
                                     ": the backup " + dir.FileText(kBackup) +
                                     " could not be written (Is a directory). The file "
                                     "keeps the settings of the last save."});
        QCOMPARE(ReadFileBytes(dir.File(kSettings)), good);
        QVERIFY(!session.notices.unexpected);
    }

    // Settings and options files far larger than any of this program (sparse terabytes):
    // the start is not held up reading them, the pages and colours keep their defaults, the
    // log says so once for each, and the close leaves the settings file as it is and says
    // why.
    void filesBeyondTheSizeBoundAreReadAsUnreadableAndLeftAlone() {
        ScratchWorkingDirectory dir;
        const std::uintmax_t terabyte = std::uintmax_t{1} << 40;
        WriteFileBytes(dir.File(kSettings), "[MiscInfo]\r\nScreenPosX=130\r\n");
        const QString options = dir.File(QStringLiteral("ServerOptions.Opt"));
        WriteFileBytes(options, "[COLORS]\r\nDeviceGuiDataColor=255\r\n");
        std::error_code error;
        std::filesystem::resize_file(dir.FileText(kSettings), terabyte, error);
        std::filesystem::resize_file(options.toStdString(), terabyte, error);
        if (error) {
            QSKIP("this file system holds no sparse terabyte");
        }

        ProgramSession session;
        session.Start();
        QCOMPARE(session.window->pos(), QPoint(100, 100));
        QCOMPARE(session.window->Scheme(), ColourScheme{});
        session.Close();
        QCOMPARE(
            session.notices.messages,
            std::vector<std::string>{"Your inputs were not saved to " + dir.FileText(kSettings) +
                                     ": it is larger than 1 MiB (1048576 bytes), so it is "
                                     "left as it is."});
        QCOMPARE(std::filesystem::file_size(dir.FileText(kSettings)), terabyte);
        QVERIFY(!QFile::exists(dir.File(kBackup)));
        const QByteArray log = ReadFileBytes(dir.File(QStringLiteral("QuorvelII.Log")));
        QCOMPARE(log.count(": it is larger than 1 MiB (1048576 bytes); the pages start with their "
                           "defaults, and the file is left as it is"),
                 1);
        QCOMPARE(log.count("ServerOptions.Opt: it is larger than 1 MiB (1048576 bytes); the "
                           "colours keep their defaults"),
                 1);
    }

    // The settings as another editor saves them: old Mac line ends, Notepad's UTF-16 with its
    // byte-order mark, UTF-8 with one. They read as they are, and the close saves them in the
    // program's own form, so that two starts do not lose them (the second close copying
    // defaults over the backup).
    void settingsSavedByAnotherEditorAreKept_data() {
        QTest::addColumn<QString>("form");
        for (const char* form : {"CR", "UTF-16LE", "UTF-16BE", "UTF-8 mark"}) {
            QTest::newRow(form) << QString::fromLatin1(form);
        }
    }

    void settingsSavedByAnotherEditorAreKept() {
        QFETCH(QString, form);
        ScratchWorkingDirectory dir;
        const QByteArray good = GoodSettings(dir);
        QByteArray foreign = good;
        if (form == QStringLiteral("CR")) {
            foreign.replace("\r\n", "\r");
        } else if (form.startsWith(QStringLiteral("UTF-16"))) {
            const bool little = form.endsWith(QStringLiteral("LE"));
            foreign = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
            for (const char c : good) {
                foreign.append(little ? c : '\0').append(little ? '\0' : c);
            }
        } else {
            foreign.prepend("\xEF\xBB\xBF");
        }
        WriteFileBytes(dir.File(kSettings), foreign);

        for (int start = 1; start <= 2; ++start) {
            ProgramSession session;
            session.Start();
            QCOMPARE(session.window->pos(), QPoint(130, 120));
            QCOMPARE(session.window->TabControl()->TabIndex(), 1);
            session.Close();
            QVERIFY(session.notices.messages.empty());
            QCOMPARE(ReadFileBytes(dir.File(kSettings)), good);
            QCOMPARE(ReadFileBytes(dir.File(kBackup)), start == 1 ? foreign : good);
        }
    }

    // A settings file cut short (a save of an older version that died halfway) beside a fuller
    // backup: the backup is kept rather than replaced, and the log says so.
    void fullerBackupIsKeptAndTheLogSaysSo() {
        ScratchWorkingDirectory dir;
        const QByteArray good = GoodSettings(dir);
        WriteFileBytes(dir.File(kBackup), good);
        WriteFileBytes(dir.File(kSettings), "[MiscInfo]\r\nScreenPosX=130\r\n");
        ProgramSession session;
        session.Start();
        session.Close();
        QVERIFY(session.notices.messages.empty());
        QCOMPARE(ReadFileBytes(dir.File(kBackup)), good);
        const QByteArray log = ReadFileBytes(dir.File(QStringLiteral("QuorvelII.Log")));
        QVERIFY2(log.contains("Kept the backup " + QFile::encodeName(dir.File(kBackup)) +
                              ": it holds settings that " + QFile::encodeName(dir.File(kSettings)) +
                              " lacks"),
                 log.constData());
    }

    // The whole file is built in memory with the pages' own writes: it must be exactly what
    // the writes key by key into a fresh file give, for the pages never shown (whose forms
    // are never built) as for the page on view.
    void savedFileIsByteForByteTheKeyByKeyWrites() {
        ScratchWorkingDirectory dir;
        WriteFileBytes(dir.File(kSettings),
                       "[RF]\r\nRatio=2.5\r\nWatts=0.125\r\nNonNrzCode=YES\r\n[Number]\r\n"
                       "Base10Value=48879\r\nNumBits=12\r\n[MiscInfo]\r\nPageControl=1\r\n");
        ProgramSession session;
        session.Start();
        session.window->move(111, 122);
        const std::string reference = dir.FileText(QStringLiteral("reference.Cfg"));
        for (int tab = 0; tab < kPageCount; ++tab) {
            QCOMPARE(session.window->BuiltPage(tab) != nullptr, tab == 1);
            IniFile file(reference);
            session.window->PageModelAt(tab)->SaveSettings(file);
        }
        WriteIniInt(reference, "MiscInfo", "ScreenPosX", 111);
        WriteIniInt(reference, "MiscInfo", "ScreenPosY", 122);
        WriteIniInt(reference, "MiscInfo", "PageControl", 1);
        WriteIniInt(reference, "MiscInfo", "Zoom", 100);
        session.Close();
        const QByteArray saved = ReadFileBytes(dir.File(kSettings));
        QVERIFY(saved.contains("[Number]\r\nBase10Value=48879\r\n"));
        QVERIFY(saved.contains("[RF]\r\nRatio=2.500000000\r\n"));
        QCOMPARE(saved, ReadFileBytes(QString::fromStdString(reference)));
    }

    // Links planted in the program directory (the program may run as root): their targets
    // are neither written nor emptied.
    void linksInTheProgramDirectoryAreNeverWrittenThrough() {
        ScratchWorkingDirectory dir;
        const QByteArray good = GoodSettings(dir);
        QVERIFY(QDir(dir.Path()).mkdir(QStringLiteral("elsewhere")));
        const QString victim = dir.File(QStringLiteral("elsewhere/victim"));
        WriteFileBytes(victim, "precious\n");
        QFile::remove(dir.File(kBackup));
        QFile::remove(dir.File(QStringLiteral("QuorvelII.Log")));
        QVERIFY(QFile::link(victim, dir.File(kBackup)));
        QVERIFY(QFile::link(victim, dir.File(QStringLiteral("QuorvelII.Log"))));

        ProgramSession session;
        session.Start();
        session.Close();
        QVERIFY(session.notices.messages.empty());
        QCOMPARE(ReadFileBytes(victim), QByteArray("precious\n"));
        QCOMPARE(Entries(dir.File(QStringLiteral("elsewhere"))), QStringList{"victim"});
        QVERIFY(!QFileInfo(dir.File(kBackup)).isSymLink());
        QCOMPARE(ReadFileBytes(dir.File(kBackup)), good);
        QVERIFY(QFileInfo(dir.File(QStringLiteral("QuorvelII.Log"))).isSymLink());
    }

    // Started in a directory named "a\b": the files are read and written there, and nothing
    // goes to "a/b".
    void backslashInTheProgramDirectoryIsPartOfItsName() {
        ScratchWorkingDirectory scratch;
        QVERIFY(QDir(scratch.Path()).mkpath(QStringLiteral("a/b")));
        QVERIFY(QDir(scratch.Path()).mkdir(QStringLiteral("a\\b")));
        QDir::setCurrent(scratch.File(QStringLiteral("a\\b")));
        WriteFileBytes(kSettings, "[MiscInfo]\r\nPageControl=1\r\n");
        {
            ProgramSession session;
            session.Start();
            QCOMPARE(session.window->TabControl()->TabIndex(), 1);
            QCOMPARE(QString::fromStdString(session.window->SettingsPath()),
                     scratch.File(QStringLiteral("a\\b/QuorvelII.Cfg")));
            session.Close();
        }
        QVERIFY(ReadFileBytes(kSettings).contains("PageControl=1"));
        QCOMPARE(ReadFileBytes(kBackup), QByteArray("[MiscInfo]\r\nPageControl=1\r\n"));
        QVERIFY(QFile::exists(QStringLiteral("QuorvelII.Log")));
        QCOMPARE(Entries(scratch.File(QStringLiteral("a/b"))), QStringList());
        QDir::setCurrent(scratch.Path());
    }

    void startRemovesTheTemporaryFilesOfAKilledSave() {
        ScratchWorkingDirectory dir;
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        const QString ended = QString::number(child);
        const QString stale = QStringLiteral("QuorvelII.Cfg.tmp") + ended + "-0";
        const QString staleBackup = QStringLiteral("QuorvelII.Cfg.BAK.tmp") + ended + "-1";
        const QString ours =
            QStringLiteral("QuorvelII.Cfg.tmp") + QString::number(::getpid()) + "-7";
        for (const QString& name : {stale, staleBackup, ours}) {
            WriteFileBytes(dir.File(name), "[RF]\r\nRat");
        }
        ProgramSession session;
        session.Start();
        QVERIFY(!QFile::exists(dir.File(stale)));
        QVERIFY(!QFile::exists(dir.File(staleBackup)));
        QVERIFY(QFile::exists(dir.File(ours)));  // a running process may still be saving
        session.Close();
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::SettingsSaveWindowTest)
#include "settings_save_window_test.moc"
