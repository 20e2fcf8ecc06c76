#include "pages/misc/qt/misc_form.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <span>

#include "common/qt/value_labels.h"
#include "pages/misc/misc_page.h"

namespace quorvel {
namespace {

// The hint of every panel that opens a menu.
const char* const kEditHint = "Right click to edit";

// The widest text a value label can show: FormatNumber keeps at most eight characters, no
// character is wider than a digit but the one "E" of the scientific form, which always comes
// with a point, and every digit is as wide as any other.
const QString kWidestValue = QStringLiteral("88888888");

// One row of a calculator panel: its caption and the result label beside it.
struct ValueRow {
    const char* caption;
    const char* value;
};

constexpr std::array kVectorRows{
    ValueRow{"Magnitude X", "LabelVectorX"},
    ValueRow{"Magnitude Y", "LabelVectorY"},
    ValueRow{"Magnitude Z", "LabelVectorZ"},
    ValueRow{"Vector Length", "LabelVectorLength"},
};
constexpr std::array kDistanceRows{
    ValueRow{"NauticalMiles", "LabelNmi"},
    ValueRow{"Statute Miles", "LabelSmi"},
    ValueRow{"Feet", "LabelFt"},
    ValueRow{"Meters", "LabelMeters"},
    ValueRow{"Kilometers", "LabelKMeters"},
};
constexpr std::array kSpeedRows{
    ValueRow{"Knots", "LabelKts"},
    ValueRow{"Statute MPH", "LabelStatuteMph"},
    ValueRow{"Feet per Second", "LabelFps"},
};
constexpr std::array kAccelerationRows{
    ValueRow{"G Force", "LabelGs"},
    ValueRow{"Accel Z (ft^2)", "LabelAccelZ"},
};

// A calculator panel: its name, the menu it opens and its rows.
struct ValuePanel {
    const char* name;
    const char* menu;
    std::span<const ValueRow> rows;
};

constexpr std::array kLeftPanels{
    ValuePanel{"Panel4", "PopupMenu1", kVectorRows},
    ValuePanel{"Panel2", "PopupMenu3", kSpeedRows},
};
constexpr std::array kRightPanels{
    ValuePanel{"Panel1", "PopupMenu2", kDistanceRows},
    ValuePanel{"Panel3", "PopupMenu4", kAccelerationRows},
};

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

// Fills a panel with its rows: the caption on the left, the value right-aligned beside it, so
// that the decimal points of a panel line up.
void AddValueRows(QFrame* panel, std::span<const ValueRow> rows) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const ValueRow& line : rows) {
        auto* caption = new QLabel(panel);
        caption->setObjectName(QStringLiteral("Caption") + Name(line.value).mid(5));
        caption->setTextFormat(Qt::PlainText);
        caption->setText(Name(line.caption));
        grid->addWidget(caption, row, 0);
        auto* value = new TValueLabel(kWidestValue, panel);
        value->setObjectName(Name(line.value));
        value->setTextFormat(Qt::PlainText);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, row, 1);
        ++row;
    }
    grid->setColumnStretch(0, 1);
}

}  // namespace

TPageForm* MiscCalcPage::MakeForm(PageFormContext& context) {
    return new TMiscCalcForm(context);
}

TMiscCalcForm::TMiscCalcForm(PageFormContext& context) : TPageForm(context) {
    auto* panelMain = AddMainPanel();

    auto* columns = new QHBoxLayout(panelMain);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(6);
    for (std::span<const ValuePanel> panels :
         {std::span<const ValuePanel>(kLeftPanels), std::span<const ValuePanel>(kRightPanels)}) {
        auto* column = new QVBoxLayout;
        column->setSpacing(6);
        for (const ValuePanel& layout : panels) {
            auto* panel = new QFrame(panelMain);
            panel->setObjectName(Name(layout.name));
            panel->setFrameShape(QFrame::Panel);
            panel->setFrameShadow(QFrame::Raised);
            panel->setToolTip(QString::fromLatin1(kEditHint));
            AddValueRows(panel, layout.rows);
            // Both columns hold seven rows; sharing the height out by rows gives every row
            // of the page about the same height.
            column->addWidget(panel, static_cast<int>(layout.rows.size()));
            // The menu also opens over the panel's captions and values, which pass a right
            // click on to the panel.
            AttachPopupMenu(Name(layout.menu), {panel});
        }
        columns->addLayout(column, 1);
    }
}

}  // namespace quorvel
