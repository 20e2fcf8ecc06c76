#include "common/qt/menu_items.h"

#include <QRegularExpression>

namespace quorvel {
namespace {

bool NameUsable(QObject* owner, const QString& name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch()) {
        return false;
    }
    return owner == nullptr ||
           owner->findChild<QAction*>(name, Qt::FindDirectChildrenOnly) == nullptr;
}

}  // namespace

QAction* AddMenuItem(QObject* owner, QMenu* parent, const QString& itemName,
                     MenuItemHandler onClick, int tag, const QString& caption) {
    auto* item = new QAction(caption, owner != nullptr ? owner : parent);
    if (caption == QLatin1String("-")) {
        // A separator is a plain line: the style would draw any text it held beside the line.
        item->setSeparator(true);
        item->setText(QString());
    }
    item->setData(tag);
    if (NameUsable(owner, itemName)) {
        item->setObjectName(itemName);
    }
    if (onClick) {
        QObject::connect(item, &QAction::triggered, item,
                         [item, handler = std::move(onClick)] { handler(item); });
    }
    parent->addAction(item);
    return item;
}

void ClearMenuItems(QMenu* parent) {
    while (!parent->actions().isEmpty()) {
        QAction* item = parent->actions().constFirst();
        parent->removeAction(item);
        // The name is free at once for a new item, as if the old one were already gone.
        item->setObjectName(QString());
        item->deleteLater();
    }
}

void UncheckMenuItems(QMenu* parent) {
    for (QAction* item : parent->actions()) {
        item->setChecked(false);
    }
}

void CheckMenuItem(QMenu* parent, int index) {
    const QList<QAction*> items = parent->actions();
    if (index < 0 || index >= items.size()) {
        return;
    }
    items[index]->setCheckable(true);
    items[index]->setChecked(true);
}

int MenuItemTag(const QAction* item) {
    return item->data().toInt();
}

}  // namespace quorvel
