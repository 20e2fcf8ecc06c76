// quorvel-cli prints what the window shows: for every page of the catalogue, the page's form
// and the command-line program load the same settings file, and every widget named in the
// program's display list shows exactly the program's text.
#include <QAbstractButton>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <memory>
#include <optional>

#include "pages/page_registry.h"
#include "qt_support/window_fixture.h"
#include "shell/ini_store.h"
#include "shell/qt/tab_control.h"
#include "shell/settings_file.h"
#include "window/qt/page_forms.h"

namespace quorvel {
namespace {

using testing::QuietRun;
using testing::ScratchWorkingDirectory;

// The fake clock's start, so that a page reading the clock reads the same moment in both.
constexpr const char* kNow = "2006-02-14T12:00:00.000";

// A settings file that gives every key of every page a value of its type, different from the
// creation defaults and from key to key.
std::string EverySettingSet(ClockSource& clock) {
    IniText text;
    for (int tab = 0; tab < kPageCount; ++tab) {
        const std::unique_ptr<PageModel> page = MakePageModel(tab, clock);
        int n = 0;
        for (const SettingKey& key : page->SettingKeys()) {
            ++n;
            switch (key.type) {
                case SettingType::Int:
                    WriteIniInt(text, page->SectionName(), key.name, 1000 * n + 7);
                    break;
                case SettingType::Unsigned:
                    WriteIniUnsigned(text, page->SectionName(), key.name, 10, 250u + n);
                    break;
                case SettingType::Real:
                    WriteIniReal(text, page->SectionName(), key.name, 1.25 + 0.5 * n);
                    break;
                case SettingType::Bool:
                    WriteIniBool(text, page->SectionName(), key.name, true);
                    break;
            }
        }
    }
    return text.Text();
}

// The display text a widget shows, read back the way the form writes it.
QString WidgetText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->isCheckable()) {
            return button->isChecked() ? QStringLiteral("YES") : QStringLiteral("NO");
        }
        return button->text();
    }
    return QStringLiteral("<%1 shows no text>").arg(widget->metaObject()->className());
}

// Runs quorvel-cli in `dir` with `args` and checks that it lists the form's display list and
// that each widget shows the program's text.
void ExpectCliShowsTheForm(const TPageForm& form, const QString& dir, const QStringList& args) {
    QProcess cli;
    cli.setWorkingDirectory(dir);
    cli.start(QStringLiteral(QUORVEL_BINARY_DIR "/quorvel-cli"), args);
    QVERIFY2(cli.waitForFinished(10000), "quorvel-cli did not finish");
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
    const QStringList lines =
        QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    const DisplayList display = form.Model().Display();
    QCOMPARE(lines.size(), static_cast<qsizetype>(display.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const DisplayItem& item = display[static_cast<std::size_t>(i)];
        const QString name = QString::fromStdString(item.name);
        QCOMPARE(lines[i], name + u'\t' + QString::fromStdString(item.text));
        const QWidget* widget = form.findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr, qPrintable("no widget for " + name));
        QCOMPARE(WidgetText(widget), QString::fromStdString(item.text));
    }
}

class CliWindowDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void SameTextsAsTheWindowForTheSameSettings_data() {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < kPageCount; ++tab) {
            QTest::newRow(PageAt(tab).identity.section.data()) << tab;
        }
    }

    void SameTextsAsTheWindowForTheSameSettings() {
        QFETCH(int, tab);
        ScratchWorkingDirectory dir;
        QVERIFY(dir.IsValid());
        QuietRun run;
        const QString settings = dir.File(QStringLiteral("QuorvelII.Cfg"));
        testing::WriteFileBytes(settings, QByteArray::fromStdString(EverySettingSet(run.Clock())));

        // State: the page's form, loaded from the file and shown once.
        TTabControl tabs(nullptr);
        TPageForm* form = CreatePageForm(tab, tabs, run.Run());
        QVERIFY(form != nullptr);
        form->LoadSettings(settings.toStdString());
        form->FormShow();

        // Action: the program on the same file.
        QProcess cli;
        cli.setWorkingDirectory(dir.Path());
        cli.start(
            QStringLiteral(QUORVEL_BINARY_DIR "/quorvel-cli"),
            {QString::fromUtf8(PageAt(tab).identity.section.data()), QStringLiteral("--settings"),
             settings, QStringLiteral("--now"), QString::fromLatin1(kNow)});
        QVERIFY2(cli.waitForFinished(10000), "quorvel-cli did not finish");
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        const QStringList lines =
            QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);

        // Expected: the program lists the form's display list, and each widget shows its text.
        const DisplayList display = form->Model().Display();
        QCOMPARE(lines.size(), static_cast<qsizetype>(display.size()));
        QStringList missing;
        QStringList different;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const qsizetype tabAt = lines[i].indexOf(u'\t');
            QVERIFY2(tabAt > 0, qPrintable(lines[i]));
            const QString name = lines[i].left(tabAt);
            const QString text = lines[i].mid(tabAt + 1);
            QCOMPARE(name, QString::fromStdString(display[static_cast<std::size_t>(i)].name));
            const QWidget* widget = form->findChild<QWidget*>(name);
            if (widget == nullptr) {
                missing << name;
            } else if (WidgetText(widget) != text) {
                different << QStringLiteral("%1: window \"%2\", quorvel-cli \"%3\"")
                                 .arg(name, WidgetText(widget), text);
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable("no widget for " + missing.join(u", ")));
        QVERIFY2(different.isEmpty(), qPrintable(different.join(u"; ")));
    }
    // A page that reads the clock when it is made (the Date/Time page) and finds no settings:
    // the window on its clock and quorvel-cli --now on the same moment show the same texts.
    void SameTextsAsTheWindowForTheSameClock_data() {
        QTest::addColumn<QString>("now");
        for (const char* now :
             {"2006-02-14T13:45:30.250", "2006-01-01T00:00:00.000", "2004-12-31T23:59:59.999"}) {
            QTest::newRow(now) << QString::fromLatin1(now);
        }
    }

    void SameTextsAsTheWindowForTheSameClock() {
        QFETCH(QString, now);
        const QDateTime moment = QDateTime::fromString(now, Qt::ISODateWithMs);
        QVERIFY(moment.isValid());
        const QDate date = moment.date();
        const QTime time = moment.time();
        const std::optional<int> tab = FindPage("DateTime");
        QVERIFY(tab.has_value());
        ScratchWorkingDirectory dir;
        QVERIFY(dir.IsValid());
        QuietRun run;
        run.Clock().SetCalendar(CalendarReading{date.year(), date.month(), date.day(), time.hour(),
                                                time.minute(), time.second(), time.msec()});
        TTabControl tabs(nullptr);
        TPageForm* form = CreatePageForm(*tab, tabs, run.Run());
        QVERIFY(form != nullptr);
        form->FormShow();
        ExpectCliShowsTheForm(*form, dir.Path(),
                              {QStringLiteral("DateTime"), QStringLiteral("--now"), now});
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::CliWindowDisplayTest)
#include "cli_window_display_test.moc"
