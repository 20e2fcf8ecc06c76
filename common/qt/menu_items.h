#pragma once
// Building, clearing and checking popup-menu items at run time. A menu item is a QAction in a
// QMenu: its object name is the item name, its data the tag, its text the caption; the
// caption "-" makes a separator.

#include <QAction>
#include <QMenu>
#include <QString>

#include <functional>

namespace quorvel {

using MenuItemHandler = std::function<void(QAction* item)>;

// Creates an item owned by `owner` with the caption, tag and click handler, and appends it to
// `parent`. The item takes `itemName` as object name unless the name is not an identifier or
// another item of `owner` already has it; it then stays unnamed.
QAction* AddMenuItem(QObject* owner, QMenu* parent, const QString& itemName,
                     MenuItemHandler onClick, int tag, const QString& caption);
// Removes and destroys every item of `parent`. An item whose handler is running is destroyed
// once the handler has returned.
void ClearMenuItems(QMenu* parent);
// Clears the check mark of every item of `parent`.
void UncheckMenuItems(QMenu* parent);
// Checks item `index` (0-based, separators counted) when `parent` has that many items;
// otherwise does nothing.
void CheckMenuItem(QMenu* parent, int index);
// The tag given to AddMenuItem.
int MenuItemTag(const QAction* item);

}  // namespace quorvel
