#pragma once
// Checks every page's form tests make of its layout: what stands in each panel, and that every
// text shows whole.

#include <QStringList>

#include "shell/page_model.h"

class QWidget;

namespace quorvel {

class TPageForm;

namespace testing {

// The object names of the page's display list, in order.
QStringList DisplayNames(const PageModel& page);

// For a _data() table with the columns "panel" (object name), "parent" (its parent's object
// name), "captions" (the texts of the other labels in it) and "values" (the object names of
// the labels of `valueNames` in it), all in child order.
void AddPanelColumns();
// The row's panel on the page holds what the row says; returns the panel.
QWidget* ComparePanelRow(const TPageForm& page, const QStringList& valueNames);

// Every widget of the page but its popup menus shows its text whole (a label its text, any
// other widget its size hint) and lies inside its parent, and the page holds them all.
void CompareEveryWidgetFits(const TPageForm& page);

}  // namespace testing
}  // namespace quorvel
