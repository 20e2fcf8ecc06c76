// The About box driven by object name: its texts and layout, the comments line, the log
// viewer started by "View Logs", started anew by a second press and ended when the box
// closes, and the two failure lines when no viewer can be found.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include "diag/program_run.h"
#include "qt_support/window_fixture.h"
#include "shell/program_identity.h"
#include "shell/qt/about_box.h"
#include "support/fake_viewer.h"
#include "window/qt/main_form.h"

namespace quorvel {
namespace {

using testing::ProcessGone;
using testing::QuietRun;
using testing::ScratchWorkingDirectory;
using testing::WaitForReport;
using testing::WriteFakeViewer;

const std::string kCommandLine = "\\SYSTEM\\ERLOGS\\\\QuorvelII.log";
const QString kFirstFailure = QStringLiteral(
    "000001 Could Not Find LogBrowse.exe.  Looking in Debug Directory.  BUILD ERROR FOR "
    "INSTALL.");

QLabel* Label(const QWidget& box, const char* name) {
    return box.findChild<QLabel*>(QString::fromLatin1(name));
}

QPushButton* Button(const QWidget& box, const char* name) {
    return box.findChild<QPushButton*>(QString::fromLatin1(name));
}

// A started run in the scratch directory: its log is "QuorvelII.Log" there.
struct StartedRun {
    explicit StartedRun(const ScratchWorkingDirectory& dir) : m_dir(dir) {
        quiet.Run().StartRecord("2.05", "QuorvelII", "\\SYSTEM\\ERLOGS\\", "QuorvelII");
        m_startLines = AllLines().size();
    }
    ~StartedRun() { quiet.Run().EndRecord(); }

    // The log lines written after the start record, as code and text.
    QStringList LinesAfterStart() const { return AllLines().mid(m_startLines); }

    QuietRun quiet;

private:
    QStringList AllLines() const {
        QFile file(m_dir.File(QStringLiteral("QuorvelII.Log")));
        QStringList lines;
        if (file.open(QIODevice::ReadOnly)) {
            QTextStream in(&file);
            while (!in.atEnd()) {
                const QString line = in.readLine();
                lines << line.left(6) + QLatin1Char(' ') + line.mid(29);
            }
        }
        return lines;
    }

    const ScratchWorkingDirectory& m_dir;
    qsizetype m_startLines = 0;
};

void FillWithTheProgramsTexts(TKelmorAboutBoxForm& box, std::string_view comments) {
    box.Fill(kProgramWord, kProgramVersion, comments, kLogDirectory, kProgramWord);
}

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The program's own font (see main.cpp).
        QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    }

    void showsTheProgramsTextsInItsLabels() {
        QuietRun quiet;
        TKelmorAboutBoxForm box(nullptr, quiet.Run());
        FillWithTheProgramsTexts(box, kProductTitle);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));

        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(298, 213));
        QVERIFY(box.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(box.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(Label(box, "ProductName")->text(), QStringLiteral("QuorvelII"));
        QCOMPARE(Label(box, "Version")->text(), QStringLiteral("Version 2.05"));
        QCOMPARE(Label(box, "LabelComments")->text(),
                 QStringLiteral("Comments : ") +
                     QString::fromLatin1(kProductTitle.data(), kProductTitle.size()));
        QVERIFY(Label(box, "LabelComments")->isVisible());
        QCOMPARE(Button(box, "ButtonLogBrowse")->text(), QStringLiteral("View Logs"));
        QCOMPARE(Button(box, "OKButton")->text(), QStringLiteral("OK"));
        QVERIFY(Button(box, "OKButton")->isDefault());
        QVERIFY(!Label(box, "ProgramIcon")->pixmap().isNull());

        // Every line of the panel is there, inside the panel, and shows its whole text.
        auto* panel = box.findChild<QFrame*>(QStringLiteral("Panel1"));
        QVERIFY(panel != nullptr);
        for (const char* name : {"ProductName", "Version", "Copyright", "LabelAddress",
                                 "LabelPhone", "LabelWeb", "LabelComments", "ProgramIcon"}) {
            QLabel* label = Label(box, name);
            QVERIFY2(label != nullptr, name);
            QCOMPARE(label->parentWidget(), panel);
            QVERIFY2(panel->contentsRect().contains(label->geometry()), name);
            if (label->pixmap().isNull()) {
                QVERIFY2(!label->text().isEmpty(), name);
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->sizeHint().height();
                QVERIFY2(label->wordWrap() || label->sizeHint().width() <= label->width(), name);
                QVERIFY2(needed <= label->height(), name);
            }
        }
        QCOMPARE(Button(box, "ButtonLogBrowse")->parentWidget(), panel);
        QVERIFY(!panel->geometry().intersects(Button(box, "OKButton")->geometry()));
    }

    void emptyCommentsHideTheCommentsLine() {
        QuietRun quiet;
        TKelmorAboutBoxForm box(nullptr, quiet.Run());
        FillWithTheProgramsTexts(box, "");
        box.show();
        QVERIFY(Label(box, "LabelComments")->isHidden());
    }

    void aboutMenuOpensTheBoxCentredAndOkClosesIt() {
        ScratchWorkingDirectory dir;
        QuietRun quiet;
        TQuorvelMainForm window(quiet.Run());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QString product;
        QString comments;
        QPoint centre;
        QPoint screenCentre;
        testing::AnswerNextModal([&](QWidget* modal) {
            if (auto* box = qobject_cast<TKelmorAboutBoxForm*>(modal)) {
                product = Label(*box, "ProductName")->text();
                comments = Label(*box, "LabelComments")->text();
                centre = box->frameGeometry().center();
                screenCentre = box->screen()->availableGeometry().center();
                QTest::mouseClick(Button(*box, "OKButton"), Qt::LeftButton);
            } else if (modal != nullptr) {
                modal->close();
            }
        });
        window.findChild<QAction*>(QStringLiteral("MenuAbout"))->trigger();
        QCOMPARE(product, QStringLiteral("QuorvelII"));
        QVERIFY(comments.startsWith(QStringLiteral("Comments : ")));
        QVERIFY2((centre - screenCentre).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2 against %3,%4")
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(screenCentre.x())
                                .arg(screenCentre.y())));
        QVERIFY(window.findChild<TKelmorAboutBoxForm*>() == nullptr);
    }

    void viewLogsStartsTheViewerAgainAndClosingTheBoxEndsIt() {
        ScratchWorkingDirectory dir;
        StartedRun run(dir);
        const std::string viewer = dir.FileText(QStringLiteral("LogBrowse.exe"));
        WriteFakeViewer(viewer);
        TKelmorAboutBoxForm box(nullptr, run.quiet.Run());

        pid_t first = 0;
        pid_t second = 0;
        bool firstGoneAfterSecondPress = false;
        std::optional<testing::FakeViewerReport> report;
        testing::AnswerNextModal([&](QWidget* modal) {
            if (modal != &box) {
                if (modal != nullptr) {
                    modal->close();
                }
                return;
            }
            QTest::mouseClick(Button(box, "ButtonLogBrowse"), Qt::LeftButton);
            first = box.Viewer().Pid();
            report = WaitForReport(viewer);
            QFile::remove(QString::fromStdString(viewer + ".report"));
            QTest::mouseClick(Button(box, "ButtonLogBrowse"), Qt::LeftButton);
            second = box.Viewer().Pid();
            firstGoneAfterSecondPress = ProcessGone(first);
            QTest::mouseClick(Button(box, "OKButton"), Qt::LeftButton);
        });
        box.ShowAboutBox(kProgramWord, kProgramVersion, kProductTitle, kLogDirectory, kProgramWord);

        QVERIFY(first > 0);
        QVERIFY(report.has_value());
        QCOMPARE(report->pid, long{first});
        QCOMPARE(report->argumentCount, 1);
        QCOMPARE(report->firstArgument, kCommandLine);
        QVERIFY(second > 0 && second != first);
        QVERIFY(firstGoneAfterSecondPress);
        // Closing the box ended the second viewer and reaped it.
        QVERIFY(box.Viewer().Empty());
        QVERIFY(ProcessGone(second));
        QVERIFY(testing::NotOurChild(second));
        QCOMPARE(run.LinesAfterStart(), QStringList());
    }

    void noViewerAnywhereWritesTwoLinesAndTheBoxStaysOpen() {
        ScratchWorkingDirectory dir;
        StartedRun run(dir);
        QVERIFY(QDir(dir.Path()).mkpath(QStringLiteral("debug")));
        const std::string fallback = dir.FileText(QStringLiteral("debug")) + "/";
        TKelmorAboutBoxForm box(nullptr, run.quiet.Run());
        box.SetViewerFallbackDirectory(fallback);
        FillWithTheProgramsTexts(box, kProductTitle);
        box.show();

        QTest::mouseClick(Button(box, "ButtonLogBrowse"), Qt::LeftButton);
        QVERIFY(box.Viewer().Empty());
        QVERIFY(box.isVisible());
        QCOMPARE(run.LinesAfterStart(),
                 (QStringList{kFirstFailure,
                              QStringLiteral("000001 Could Not Find Debug  ") +
                                  QString::fromStdString(fallback) +
                                  QStringLiteral("LogBrowse.exe.  Cannot View Log Files")}));
    }

    void viewerBuiltBesideTheProgramIsTheFallback() {
        const QString built = QStringLiteral(QUORVEL_BINARY_DIR "/LogBrowse.exe");
        if (!QFile::exists(built)) {
            QSKIP("LogBrowse.exe is not built");
        }
        ScratchWorkingDirectory dir;
        StartedRun run(dir);
        TKelmorAboutBoxForm box(nullptr, run.quiet.Run());
        FillWithTheProgramsTexts(box, kProductTitle);
        box.show();

        QTest::mouseClick(Button(box, "ButtonLogBrowse"), Qt::LeftButton);
        const pid_t pid = box.Viewer().Pid();
        QVERIFY(pid > 0);
        QCOMPARE(run.LinesAfterStart(), QStringList{kFirstFailure});
        QFile exe(QStringLiteral("/proc/%1/exe").arg(pid));
        QCOMPARE(QFileInfo(exe.symLinkTarget()).canonicalFilePath(),
                 QFileInfo(built).canonicalFilePath());
        box.close();
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::AboutBoxTest)
#include "about_box_test.moc"
