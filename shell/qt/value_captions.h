#pragma once
// Finds what stands beside a value on a page's form, from the layout the value stands in:
// its caption and its unit. A form whose layout cannot tell (a row without a caption, two
// values under one caption) names its values itself.

#include <functional>

#include "shell/value_caption.h"

class QLabel;
class QWidget;

namespace quorvel {

// True for the page's values (the controls of its display list); every other label with a
// text is a caption.
using IsValueWidget = std::function<bool(const QWidget*)>;

// What the layout tells of a value: its caption and unit, and the label that shows the
// caption (the row's caption, or else the column head); nullptr when there is none.
struct LayoutCaption {
    ValueCaption text;
    QLabel* label = nullptr;
};

// The caption and unit of `value`, from the layout that holds it:
// - in a grid, the caption is the nearest caption to its left in its row (past other values
//   of the row), or without one the head of its column: the nearest caption above it in its
//   own column, over nothing but values. The unit is the caption right after the value,
//   unless a value follows that caption (then it is the next value's caption). A value with
//   both a row caption and a column head takes the head as its unit ("East", "Nmi"), or
//   beside a unit of its own as part of its caption;
// - in a box layout, the caption just before the value and, in a row, the unit just after it.
// Both are empty where nothing is found. Caption texts come with their white space
// simplified.
LayoutCaption CaptionFromLayout(const QWidget* value, const IsValueWidget& isValue);

}  // namespace quorvel
