#include "shell/qt/value_captions.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QWidget>

#include "common/qt/qt_text.h"

namespace quorvel {
namespace {

// The layout under `layout` (itself included) that holds `widget` as an item, with the
// item's index.
QLayout* LayoutHolding(QLayout* layout, const QWidget* widget, int& index) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) {
            index = i;
            return layout;
        }
        if (QLayout* inner = item->layout()) {
            if (QLayout* found = LayoutHolding(inner, widget, index)) {
                return found;
            }
        }
    }
    return nullptr;
}

// What a layout cell holds, for the search.
enum class Cell { Empty, Value, Caption, Other };

class CellReader {
public:
    explicit CellReader(const IsValueWidget& isValue) : m_isValue(isValue) {}

    Cell Kind(const QWidget* widget) const {
        if (widget == nullptr || widget->isHidden()) {
            return Cell::Empty;
        }
        if (m_isValue(widget)) {
            return Cell::Value;
        }
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label == nullptr) {
            return Cell::Other;
        }
        return label->text().trimmed().isEmpty() ? Cell::Empty : Cell::Caption;
    }

    Cell Kind(const QLayoutItem* item) const {
        return item == nullptr ? Cell::Empty : Kind(item->widget());
    }

private:
    const IsValueWidget& m_isValue;
};

QLabel* CaptionLabel(const QLayoutItem* item) {
    return static_cast<QLabel*>(item->widget());
}

std::string CaptionText(const QLayoutItem* item) {
    return ToStdString(CaptionLabel(item)->text().simplified());
}

struct GridCell {
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
};

GridCell PositionOf(const QGridLayout* grid, const QLayoutItem* item) {
    GridCell cell;
    const int index = grid->indexOf(item->widget());
    grid->getItemPosition(index, &cell.row, &cell.column, &cell.rowSpan, &cell.columnSpan);
    return cell;
}

// The first occupied cell of `row` from `column` on, or nullptr.
QLayoutItem* NextInRow(const QGridLayout* grid, const CellReader& cells, int row, int column) {
    for (int c = column; c < grid->columnCount(); ++c) {
        QLayoutItem* item = grid->itemAtPosition(row, c);
        if (cells.Kind(item) != Cell::Empty) {
            return item;
        }
    }
    return nullptr;
}

LayoutCaption GridCaption(const QGridLayout* grid, const GridCell& at, const CellReader& cells) {
    std::string rowCaption;
    QLabel* rowLabel = nullptr;
    for (int c = at.column - 1; c >= 0; --c) {
        QLayoutItem* item = grid->itemAtPosition(at.row, c);
        const Cell kind = cells.Kind(item);
        if (kind == Cell::Caption) {
            rowCaption = CaptionText(item);
            rowLabel = CaptionLabel(item);
        }
        if (kind == Cell::Caption || kind == Cell::Other) {
            break;
        }
    }

    std::string unit;
    if (QLayoutItem* after = NextInRow(grid, cells, at.row, at.column + at.columnSpan);
        after != nullptr && cells.Kind(after) == Cell::Caption) {
        const GridCell label = PositionOf(grid, after);
        const QLayoutItem* next = NextInRow(grid, cells, at.row, label.column + label.columnSpan);
        if (cells.Kind(next) != Cell::Value) {
            unit = CaptionText(after);
        }
    }

    // A column head stands in the value's own columns; a heading across the whole panel is
    // not one.
    std::string head;
    QLabel* headLabel = nullptr;
    for (int r = at.row - 1; r >= 0; --r) {
        QLayoutItem* item = grid->itemAtPosition(r, at.column);
        const Cell kind = cells.Kind(item);
        if (kind == Cell::Caption) {
            const GridCell label = PositionOf(grid, item);
            if (label.column >= at.column &&
                label.column + label.columnSpan <= at.column + at.columnSpan) {
                head = CaptionText(item);
                headLabel = CaptionLabel(item);
            }
        }
        if (kind == Cell::Caption || kind == Cell::Other) {
            break;
        }
    }

    if (rowCaption.empty()) {
        return {{head, unit}, headLabel};
    }
    if (head.empty()) {
        return {{rowCaption, unit}, rowLabel};
    }
    if (unit.empty()) {
        return {{rowCaption, head}, rowLabel};
    }
    return {{ValueName({rowCaption, head}), unit}, rowLabel};
}

LayoutCaption BoxCaption(const QBoxLayout* box, int index, const CellReader& cells) {
    LayoutCaption found;
    for (int i = index - 1; i >= 0; --i) {
        const QLayoutItem* item = box->itemAt(i);
        const Cell kind = cells.Kind(item);
        if (kind == Cell::Caption) {
            found.text.caption = CaptionText(item);
            found.label = CaptionLabel(item);
        }
        if (kind != Cell::Empty) {
            break;
        }
    }
    const bool across =
        box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft;
    for (int i = index + 1; across && i < box->count(); ++i) {
        const QLayoutItem* item = box->itemAt(i);
        const Cell kind = cells.Kind(item);
        if (kind == Cell::Empty) {
            continue;
        }
        if (kind == Cell::Caption) {
            const QLayoutItem* next = i + 1 < box->count() ? box->itemAt(i + 1) : nullptr;
            if (cells.Kind(next) != Cell::Value) {
                found.text.unit = CaptionText(item);
            }
        }
        break;
    }
    return found;
}

}  // namespace

LayoutCaption CaptionFromLayout(const QWidget* value, const IsValueWidget& isValue) {
    const QWidget* parent = value->parentWidget();
    if (parent == nullptr || parent->layout() == nullptr) {
        return {};
    }
    int index = -1;
    QLayout* layout = LayoutHolding(parent->layout(), value, index);
    if (layout == nullptr) {
        return {};
    }
    const CellReader cells(isValue);
    if (const auto* grid = qobject_cast<const QGridLayout*>(layout)) {
        GridCell at;
        grid->getItemPosition(index, &at.row, &at.column, &at.rowSpan, &at.columnSpan);
        return GridCaption(grid, at, cells);
    }
    if (const auto* box = qobject_cast<const QBoxLayout*>(layout)) {
        return BoxCaption(box, index, cells);
    }
    return {};
}

}  // namespace quorvel
