// Every registered page, as the window makes it: its colours follow the colour scheme, and it
// serves the screen reader, the clipboard and the keyboard: each value has a name from its
// caption and unit, no two value labels of a page share one, Ctrl+C gives one line per value
// with the exact text shown, and every panel with a popup menu takes the focus with Tab. At
// every step of the window's zoom no value is clipped.
// Pages that join the registry are covered as they land.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <string>

#include "common/qt/zoom_applier.h"
#include "common/qt/zoom_style.h"
#include "pages/page_registry.h"
#include "qt_support/form_checks.h"
#include "qt_support/page_driving.h"
#include "qt_support/page_host.h"
#include "qt_support/window_fixture.h"
#include "shell/ini_store.h"
#include "shell/qt/page_form.h"
#include "shell/qt/scheme_colours.h"
#include "shell/qt/tab_control.h"
#include "shell/settings_file.h"
#include "window/qt/page_forms.h"

namespace quorvel {
namespace {

using testing::PageProgram;
using testing::PageView;
using testing::ScratchWorkingDirectory;

struct InScratchDirectory {
    ScratchWorkingDirectory directory;
};

// One registered page in a window of the main window's client size, shown, made in a scratch
// working directory.
struct ShownPage : InScratchDirectory, testing::PageHost {
    explicit ShownPage(int tab) : PageHost(tab) {
        window.show();
        page->show();
    }
};

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// The name a screen reader has for a value. A list reads its text as its accessible name and
// its caption from its buddy label, so for the other controls it is the name the control
// carries.
QString ValueNameOf(QWidget* widget) {
    if (qobject_cast<QLabel*>(widget) != nullptr ||
        qobject_cast<QAbstractButton*>(widget) != nullptr) {
        return AccessibleName(widget);
    }
    return widget->accessibleName();
}

// A row for each registered page, by its section.
void AddPageRows() {
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < kPageCount; ++tab) {
        QTest::newRow(std::string(PageAt(tab).identity.section).c_str()) << tab;
    }
}

// The longest texts the pages show: a DMS angle, 12-digit feet, the guarded math functions'
// error value, and nine digits.
const QStringList kLongestTexts{QStringLiteral("-179 59 59.999"), QStringLiteral("-888888888888"),
                                QStringLiteral("9.9999999999E26"), QStringLiteral("888888888")};

// The page's value labels.
QList<QLabel*> ValueLabels(const TPageForm& page) {
    QList<QLabel*> labels;
    for (const DisplayItem& item : page.Model().Display()) {
        if (auto* label = page.findChild<QLabel*>(QString::fromStdString(item.name))) {
            labels.append(label);
        }
    }
    return labels;
}

// Whether the label shows `text` whole once its page has been laid out again for it; the
// label's own text comes back after.
bool ShowsWhole(QLabel* label, const QString& text) {
    const QString shown = label->text();
    label->setText(text);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const bool whole = label->fontMetrics().horizontalAdvance(text) <= label->width();
    label->setText(shown);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return whole;
}

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

class RegisteredPagesTest : public QObject {
    Q_OBJECT

private slots:
    // The program's style, whose marks follow the zoom.
    void initTestCase() { QApplication::setStyle(new TZoomStyle); }

    // Each page with the scheme's default colours and with a data colour of the options file.
    void coloursFollowTheScheme_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QColor>("data");
        for (int tab = 0; tab < kPageCount; ++tab) {
            const std::string page(PageAt(tab).identity.section);
            QTest::newRow((page + " defaults").c_str()) << tab << QByteArray() << QColor(0, 255, 0);
            QTest::newRow((page + " red results").c_str())
                << tab << QByteArray("[COLORS]\r\nDeviceGuiDataColor=255\r\n") << QColor(255, 0, 0);
        }
    }

    // The main panels take the scheme's panel and label colours, every value label the data
    // colour, and every other label and control the colour of the panel it stands on.
    void coloursFollowTheScheme() {
        QFETCH(int, tab);
        QFETCH(QByteArray, options);
        QFETCH(QColor, data);
        ScratchWorkingDirectory dir;
        if (!options.isEmpty()) {
            testing::WriteFileBytes(dir.File(QStringLiteral("ServerOptions.Opt")), options);
        }
        PageProgram program(tab, PageView::SelectTab);
        const QColor white(255, 255, 255);
        for (std::string_view name : PageAt(tab).colours.mainPanels) {
            QWidget* panel = program.Find(Latin1(name));
            QVERIFY2(panel != nullptr, name.data());
            QCOMPARE(BackgroundColour(panel), QColor(78, 78, 78));
            QCOMPARE(FontColour(panel), white);
        }
        QSet<const QWidget*> values;
        for (const DisplayItem& item : program.Page().Model().Display()) {
            const QWidget* value = program.Find(QString::fromStdString(item.name));
            values.insert(value);
            const bool label = qobject_cast<const QLabel*>(value) != nullptr;
            QVERIFY2(value != nullptr && FontColour(value) == (label ? data : white),
                     item.name.c_str());
        }
        for (const QLabel* label : program.Page().findChildren<QLabel*>()) {
            const QColor colour = FontColour(label);
            QVERIFY2(values.contains(label) || colour == white ||
                         colour == FontColour(label->parentWidget()),
                     qPrintable(label->objectName()));
        }
    }

    void everyValueHasANameOfItsOwn_data() { AddPageRows(); }
    void everyValueHasANameOfItsOwn() {
        QFETCH(int, tab);
        ShownPage host(tab);
        QSet<QString> labelNames;
        for (const DisplayItem& item : host.page->Model().Display()) {
            const QString objectName = QString::fromStdString(item.name);
            auto* widget = host.page->findChild<QWidget*>(objectName);
            QVERIFY2(widget != nullptr, qPrintable(objectName));
            const QString name = ValueNameOf(widget);
            QVERIFY2(!name.isEmpty(), qPrintable(objectName + " has no name"));
            if (qobject_cast<QLabel*>(widget) != nullptr) {
                QVERIFY2(!labelNames.contains(name),
                         qPrintable(objectName + " shares its name \"" + name + "\""));
                labelNames.insert(name);
            }
        }
    }

    void ctrlCCopiesOneLinePerValueWithItsExactText_data() { AddPageRows(); }
    void ctrlCCopiesOneLinePerValueWithItsExactText() {
        QFETCH(int, tab);
        ShownPage host(tab);
        QString expected;
        for (const DisplayItem& item : host.page->Model().Display()) {
            auto* widget = host.page->findChild<QWidget*>(QString::fromStdString(item.name));
            if (widget != nullptr && widget->isVisibleTo(host.page)) {
                expected += host.page->ValueName(widget) + QLatin1Char('\t') +
                            QString::fromStdString(item.text) + QLatin1Char('\n');
            }
        }
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QApplication::setActiveWindow(&host.window);
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        QTest::keyClick(&host.window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 expected.isEmpty() ? QStringLiteral("before") : expected);
    }

    // Each page at each zoom step: every widget shows its text whole and lies in its panel,
    // and every long text that a value label holds at the designed size it holds at the step.
    void noValueIsClippedAtAnyZoomStep_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("percent");
        for (int tab = 0; tab < kPageCount; ++tab) {
            for (int percent : Zoom::kSteps) {
                const std::string page(PageAt(tab).identity.section);
                QTest::newRow((page + " " + std::to_string(percent)).c_str()) << tab << percent;
            }
        }
    }
    void noValueIsClippedAtAnyZoomStep() {
        QFETCH(int, tab);
        QFETCH(int, percent);
        ShownPage host(tab);
        QHash<QLabel*, QStringList> heldAtDesignedSize;
        for (QLabel* label : ValueLabels(*host.page)) {
            for (const QString& text : kLongestTexts) {
                if (ShowsWhole(label, text)) {
                    heldAtDesignedSize[label].append(text);
                }
            }
        }
        // The host window stands for the main window's panel: fixed, with the tab control
        // placed on it.
        host.window.setFixedSize(host.window.size());
        PlaceWidget(host.tabs, host.window.rect());
        ApplyZoom(&host.window, Zoom::FromPercent(percent));
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        // The page fills its tab, and the tabs fill the window, which grew with the zoom.
        QVERIFY(host.window.rect().contains(host.tabs->geometry()));
        QCOMPARE(host.page->size(), host.tabs->ClientArea()->size());
        testing::CompareEveryWidgetFits(*host.page);
        for (auto it = heldAtDesignedSize.cbegin(); it != heldAtDesignedSize.cend(); ++it) {
            for (const QString& text : it.value()) {
                QVERIFY2(ShowsWhole(it.key(), text),
                         qPrintable(it.key()->objectName() + " clips " + text));
            }
        }
    }

    void everyMenuPanelTakesTheFocusWithTab_data() { AddPageRows(); }
    void everyMenuPanelTakesTheFocusWithTab() {
        QFETCH(int, tab);
        ShownPage host(tab);
        for (QWidget* widget : host.page->findChildren<QWidget*>()) {
            if (widget->contextMenuPolicy() == Qt::CustomContextMenu) {
                QVERIFY2((widget->focusPolicy() & Qt::TabFocus) != 0,
                         qPrintable(widget->objectName()));
                QVERIFY2(!AccessibleName(widget).isEmpty(), qPrintable(widget->objectName()));
            }
        }
    }

    // The window builds a page's form when its tab is first shown, over a model that has read
    // its settings already: building and showing the form leaves every key as it was read.
    void formBuiltOverALoadedModelLeavesItsSettings_data() { AddPageRows(); }
    void formBuiltOverALoadedModelLeavesItsSettings() {
        QFETCH(int, tab);
        ScratchWorkingDirectory dir;
        testing::PageHost host(tab);
        auto model = MakePageModel(tab, host.quiet.Clock());
        const std::string section(model->SectionName());
        IniText settings;
        for (const SettingKey& key : model->SettingKeys()) {
            switch (key.type) {
                case SettingType::Int:
                    WriteIniInt(settings, section, key.name, 3);
                    break;
                case SettingType::Unsigned:
                    WriteIniUnsigned(settings, section, key.name, 10, 5);
                    break;
                case SettingType::Real:
                    WriteIniReal(settings, section, key.name, 1.25);
                    break;
                case SettingType::Bool:
                    WriteIniBool(settings, section, key.name, true);
                    break;
            }
        }
        model->LoadSettings(settings);
        IniText loaded;
        model->SaveSettings(loaded);

        TPageForm* form = CreatePageForm(tab, *host.tabs, host.quiet.Run(), std::move(model));
        host.window.show();
        form->show();
        IniText saved;
        form->Model().SaveSettings(saved);
        QCOMPARE(QString::fromStdString(saved.Text()), QString::fromStdString(loaded.Text()));
        delete form;
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::RegisteredPagesTest)
#include "registered_pages_test.moc"
