#include "qt_support/form_checks.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

#include "shell/qt/page_form.h"

namespace quorvel::testing {

QStringList DisplayNames(const PageModel& page) {
    QStringList names;
    for (const DisplayItem& item : page.Display()) {
        names << QString::fromStdString(item.name);
    }
    return names;
}

void AddPanelColumns() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("values");
}

QWidget* ComparePanelRow(const TPageForm& page, const QStringList& valueNames) {
    QFETCH(QString, panel);
    QFETCH(QString, parent);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, values);
    auto* widget = page.findChild<QWidget*>(panel);
    [&] {
        QVERIFY2(widget != nullptr, qPrintable(panel));
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QStringList shownCaptions;
        QStringList shownValues;
        for (const QLabel* label : widget->findChildren<QLabel*>()) {
            if (valueNames.contains(label->objectName())) {
                shownValues << label->objectName();
            } else {
                shownCaptions << label->text();
            }
        }
        QCOMPARE(shownCaptions, captions);
        QCOMPARE(shownValues, values);
    }();
    return widget;
}

void CompareEveryWidgetFits(const TPageForm& page) {
    QVERIFY(page.rect().contains(page.childrenRect()));
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        if (widget->window() != page.window()) {
            continue;  // the popup menus and lists, laid out as they open
        }
        const auto* label = qobject_cast<const QLabel*>(widget);
        const int needed = label != nullptr ? label->fontMetrics().horizontalAdvance(label->text())
                                            : widget->sizeHint().width();
        // A widget without a name of its own (a part of a list box) is named by its kind and
        // its parent.
        const QString name = widget->objectName().isEmpty()
                                 ? QString::fromLatin1(widget->metaObject()->className()) + " in " +
                                       widget->parentWidget()->objectName()
                                 : widget->objectName();
        QVERIFY2(needed <= widget->width(), qPrintable(name + " is clipped"));
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                 qPrintable(name + " lies outside its panel"));
    }
}

}  // namespace quorvel::testing
