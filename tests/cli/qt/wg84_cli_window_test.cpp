// quorvel-cli shows what the WG 84 window shows, also after the entry dialogs: the window runs
// a command through its menu (or the miss panel's right click) and the real dialog, typed key
// by key; quorvel-cli runs the same command with the same boxes on the same settings file; and
// every one of the 38 value labels must show the program's text.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "qt_support/page_driving.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/tab_control.h"
#include "window/qt/main_form.h"

namespace quorvel::testing {
namespace {

constexpr int kWg84Tab = 4;

// A program run in the current working directory, on the WG 84 tab.
struct Program : PageProgram {
    Program() : PageProgram(kWg84Tab, PageView::SelectTab) {}
};
// "EditEast=1;EditUp=1000" as the boxes and texts to type.
QList<QPair<QString, QString>> Typed(const QString& boxes) {
    QList<QPair<QString, QString>> typed;
    for (const QString& step : boxes.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = step.indexOf(u'=');
        typed.append({step.left(equals), step.mid(equals + 1)});
    }
    return typed;
}

class Wg84CliWindowTest : public QObject {
    Q_OBJECT
private slots:
    void SameTextsAfterTheSameCommand_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("command");  // a menu item's object name, or PopupMenuMissDist
        QTest::addColumn<QString>("typed");
        const QByteArray fresh = "[Wg84]\r\n";
        const QByteArray dateLine =
            "[Wg84]\r\nRefLlm0=-0.6228644253\r\nRefLlm1=-3.1415926487\r\nRefLlm2=0.3757762766\r\n"
            "TgtLlm0=-0.6228644253\r\nTgtLlm1=3.1409\r\nTgtLlm2=4999.99\r\nMissDx3=-99.99\r\n"
            "MissDy3=-0.01\r\n";
        const QByteArray beyond =
            "[Wg84]\r\nRefLlm0=1.308996939\r\nRefLlm1=-3.2\r\nRefLlm2=6000\r\nTgtLlm2=-1\r\n";
        QTest::newRow("date line, untouched target") << dateLine << "MenuEditLatLongMslTgt"
                                                     << "";
        QTest::newRow("target 10' north") << fresh << "MenuEditLatLongMslTgt"
                                          << "EditLat=35 51 15.010";
        QTest::newRow("target offset up") << fresh << "MenuEditEastNorthUpTgt"
                                          << "EditEast=1;EditNorth=0;EditUp=1000";
        QTest::newRow("reference straight up") << fresh << "MenuEditEastNorthUpRef"
                                               << "EditEast=0;EditNorth=0;EditUp=1000";
        QTest::newRow("reference range az el") << dateLine << "MenuEditRangeAzElRef"
                                               << "EditRange=100;EditAz=300;EditEl=-1";
        QTest::newRow("target range 0") << dateLine << "MenuEditRangeAzElTgt"
                                        << "EditRange=0";
        QTest::newRow("limits from the file") << beyond << "MenuEditLatLongMslRef"
                                              << "";
        QTest::newRow("miss") << beyond << "PopupMenuMissDist"
                              << "EditDx=-100;EditDy=100";
    }

    void SameTextsAfterTheSameCommand() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, command);
        QFETCH(QString, typed);
        ScratchWorkingDirectory dir;
        QVERIFY(dir.IsValid());
        const QString file = dir.File(QStringLiteral("QuorvelII.Cfg"));
        WriteFileBytes(file, settings);

        // Action: the program on the file, with the command and its typed boxes.
        QStringList arguments{QStringLiteral("Wg84"), QStringLiteral("--settings"), file,
                              QStringLiteral("--menu"), command};
        for (const auto& [box, text] : Typed(typed)) {
            arguments << QStringLiteral("--type") << box + u'=' + text;
        }
        arguments << QStringLiteral("--ok");
        QProcess cli;
        cli.setWorkingDirectory(dir.Path());
        cli.start(QStringLiteral(QUORVEL_BINARY_DIR "/quorvel-cli"), arguments);
        QVERIFY2(cli.waitForFinished(10000), "quorvel-cli did not finish");
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        const QStringList lines =
            QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 38);

        // Action: the window on the same file, the same command through its menu.
        Program program;
        const QList<QPair<QString, QString>> steps = Typed(typed);
        AnswerNextModal([steps](QWidget* dialog) {
            for (const auto& [box, text] : steps) {
                auto* edit = dialog->findChild<QLineEdit*>(box);
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, text);
            }
            dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        if (command == QLatin1String("PopupMenuMissDist")) {
            RightClick(program.Find(QStringLiteral("Panel6")));
        } else {
            const QString menu = command.endsWith(QLatin1String("Ref"))
                                     ? QStringLiteral("PopupMenuRef")
                                     : QStringLiteral("PopupMenuTgt");
            auto* item = program.Page().PopupMenuNamed(menu)->findChild<QAction*>(command);
            QVERIFY(item != nullptr);
            item->trigger();
        }

        // Expected: every label shows the program's text.
        QStringList different;
        for (const QString& line : lines) {
            const QString name = line.section(u'\t', 0, 0);
            const QString text = line.section(u'\t', 1);
            const auto* label = program.Page().findChild<QLabel*>(name);
            QVERIFY2(label != nullptr, qPrintable(name));
            if (label->text() != text) {
                different << QStringLiteral("%1: window \"%2\", quorvel-cli \"%3\"")
                                 .arg(name, label->text(), text);
            }
        }
        QVERIFY2(different.isEmpty(), qPrintable(different.join(u"; ")));
    }
};

}  // namespace
}  // namespace quorvel::testing

QTEST_MAIN(quorvel::testing::Wg84CliWindowTest)
#include "wg84_cli_window_test.moc"
