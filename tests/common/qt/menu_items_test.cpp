// Popup-menu items built, cleared and checked at run time.
#include <QMenu>
#include <QPointer>
#include <QTest>

#include "common/qt/menu_items.h"

namespace quorvel {
namespace {

class MenuItemsTest : public QObject {
    Q_OBJECT

private slots:
    void addedItemCarriesCaptionTagNameAndHandler() {
        QMenu menu;
        int clickedTag = -1;
        QAction* item = AddMenuItem(
            &menu, &menu, QStringLiteral("Bits16"),
            [&clickedTag](QAction* clicked) { clickedTag = MenuItemTag(clicked); }, 16,
            QStringLiteral("16 Bits"));
        QCOMPARE(menu.actions().size(), 1);
        QCOMPARE(item->text(), QStringLiteral("16 Bits"));
        QCOMPARE(item->objectName(), QStringLiteral("Bits16"));
        QCOMPARE(item->parent(), &menu);
        item->trigger();
        QCOMPARE(clickedTag, 16);
    }

    void refusedNamesLeaveTheItemUnnamed_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("duplicate") << "Bits16";
        QTest::newRow("starts with a digit") << "16Bits";
        QTest::newRow("holds a space") << "Bits 16";
        QTest::newRow("empty") << "";
    }

    void refusedNamesLeaveTheItemUnnamed() {
        QFETCH(QString, name);
        QMenu menu;
        AddMenuItem(&menu, &menu, QStringLiteral("Bits16"), {}, 0, QStringLiteral("first"));
        QAction* item = AddMenuItem(&menu, &menu, name, {}, 1, QStringLiteral("second"));
        QVERIFY(item->objectName().isEmpty());
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(menu.actions().at(1)->text(), QStringLiteral("second"));
    }

    void dashCaptionMakesASeparator() {
        QMenu menu;
        QAction* item = AddMenuItem(&menu, &menu, QString(), {}, 0, QStringLiteral("-"));
        QVERIFY(item->isSeparator());
        QVERIFY(item->text().isEmpty());
    }

    void clearDestroysEveryItemAndFreesTheirNames() {
        QMenu menu;
        QPointer<QAction> first =
            AddMenuItem(&menu, &menu, QStringLiteral("One"), {}, 0, QStringLiteral("1"));
        AddMenuItem(&menu, &menu, QStringLiteral("Two"), {}, 1, QStringLiteral("2"));
        ClearMenuItems(&menu);
        QVERIFY(menu.actions().isEmpty());
        QAction* again =
            AddMenuItem(&menu, &menu, QStringLiteral("One"), {}, 0, QStringLiteral("1"));
        QCOMPARE(again->objectName(), QStringLiteral("One"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
    }

    void clearFromAnItemsOwnHandlerIsSafe() {
        QMenu menu;
        AddMenuItem(
            &menu, &menu, QStringLiteral("Reset"), [&menu](QAction*) { ClearMenuItems(&menu); }, 0,
            QStringLiteral("Reset"));
        menu.actions().constFirst()->trigger();
        QVERIFY(menu.actions().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void checkMarksOnlyAnExistingIndex() {
        QMenu menu;
        for (int i = 0; i < 3; ++i) {
            AddMenuItem(&menu, &menu, QString(), {}, i, QString::number(i));
        }
        CheckMenuItem(&menu, 3);
        CheckMenuItem(&menu, -1);
        for (QAction* item : menu.actions()) {
            QVERIFY(!item->isChecked());
        }
        CheckMenuItem(&menu, 2);
        CheckMenuItem(&menu, 0);
        QVERIFY(menu.actions().at(0)->isChecked());
        QVERIFY(!menu.actions().at(1)->isChecked());
        QVERIFY(menu.actions().at(2)->isChecked());
        UncheckMenuItems(&menu);
        for (QAction* item : menu.actions()) {
            QVERIFY(!item->isChecked());
        }
    }
};

}  // namespace
}  // namespace quorvel

QTEST_MAIN(quorvel::MenuItemsTest)
#include "menu_items_test.moc"
