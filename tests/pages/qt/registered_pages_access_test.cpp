// Every registered page, as the window makes it, for the screen reader, the clipboard and the
// keyboard: each value has a name from its caption and unit, no two value labels of a page
// share one, Ctrl+C gives one line per value with the exact text shown, and every panel with
// a popup menu takes the focus with Tab. Pages that join the registry are covered as they
// land.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <string>

#include "pages/page_registry.h"
#include "qt_support/window_fixture.h"
#include "shell/qt/page_form.h"
#include "shell/qt/tab_control.h"
#include "window/qt/page_forms.h"

namespace quorvel {
namespace {

using testing::QuietRun;

// One registered page in a window of the main window's client size, shown.
struct PageHost {
    explicit PageHost(int tab) {
        window.resize(470, 413);
        tabs = new TTabControl(&window);
        tabs->setGeometry(window.rect());
        for (int i = 0; i < kPageCount; ++i) {
            tabs->AddTab(QString::number(i));
        }
        tabs->SetTabIndex(tab);
        page = CreatePageForm(tab, *tabs, quiet.Run());
        window.show();
        page->show();
    }

    testing::ScratchWorkingDirectory directory;
    QuietRun quiet;
    QWidget window;
    TTabControl* tabs = nullptr;
    TPageForm* page = nullptr;
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

class RegisteredPagesAccessTest : public QObject {
    Q_OBJECT

private slots:
    void everyValueHasANameOfItsOwn_data() { AddPageRows(); }
    void everyValueHasANameOfItsOwn() {
        QFETCH(int, tab);
        PageHost host(tab);
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
        PageHost host(tab);
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

    void everyMenuPanelTakesTheFocusWithTab_data() { AddPageRows(); }
    void everyMenuPanelTakesTheFocusWithTab() {
        QFETCH(int, tab);
        PageHost host(tab);
        for (QWidget* widget : host.page->findChildren<QWidget*>()) {
            if (widget->contextMenuPolicy() == Qt::CustomContextMenu) {
                QVERIFY2((widget->focusPolicy() & Qt::TabFocus) != 0,
                         qPrintable(widget->objectName()));
                QVERIFY2(!AccessibleName(widget).isEmpty(), qPrintable(widget->objectName()));
            }
        }
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::RegisteredPagesAccessTest)
#include "registered_pages_access_test.moc"
