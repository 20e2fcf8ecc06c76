#include "pages/wg84/qt/wg84_form.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

#include "common/qt/value_labels.h"
#include "pages/wg84/qt/line_of_sight_form.h"
#include "pages/wg84/wg84_page.h"
#include "shell/qt/scheme_colours.h"

namespace quorvel {
namespace {

const char* const kEditHint = "Right click to edit";

// The widest texts a value label can show: a latitude or longitude, FormatNumber's eight
// characters (nautical miles, feet with decimals, degrees) and twelve (whole feet). Every
// digit is as wide as any other and wider than a sign, point or space.
const char* const kWidestAngle = "-888 88 88.888";
const char* const kWidestShort = "88888888";
const char* const kWidestLong = "888888888888";
// The miss values: FormatNumber's eight characters, and room beyond for a sign ("-99999.99");
// the clock's hh:mm.
const char* const kWidestMiss = "888888888";
const char* const kWidestClock = "88:88";

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

QLabel* MakeValue(QWidget* parent, const QString& name, const char* widest) {
    auto* label = new TValueLabel(QString::fromLatin1(widest), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QFrame* MakePanel(QWidget* parent, const QString& name, QFrame::Shadow shadow) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(shadow);
    return panel;
}

QGridLayout* MakeGrid(QFrame* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    return grid;
}

// One row of a block: caption, then one or two values, then an optional unit.
struct BlockRow {
    const char* caption;
    const char* value;  // object name without the side's suffix
    const char* widest;
    const char* feet = nullptr;  // the second value, in the feet column
    const char* unit = nullptr;
};

// Caption and value names: "Caption"/"Unit" and the value's name without its "Label", and the
// side's suffix ("Ref", "Tgt").
QString Suffixed(const char* name, const QString& side) {
    return Name(name) + side;
}
QString Captioned(const char* prefix, const char* value, const QString& side) {
    return Name(prefix) + Name(value).mid(5) + side;
}

// The width of the widest caption of the rows, in the page's font.
template <typename Rows>
int WidestCaption(const QWidget* page, const Rows& rows) {
    int widest = 0;
    for (const BlockRow& row : rows) {
        widest = std::max(widest,
                          page->fontMetrics().horizontalAdvance(QString::fromLatin1(row.caption)));
    }
    return widest;
}

constexpr BlockRow kGeodRows[] = {
    {"Latitude", "LabelLat", kWidestAngle},
    {"Longitude", "LabelLong", kWidestAngle},
    {"Msl", "LabelMsl", kWidestShort, nullptr, "Ft"},
    {"Ellipsoid Alt", "LabelEllipseAlt", kWidestShort, nullptr, "Ft"},
    {"Dist To Horizon", "LabelHorizon", kWidestShort, nullptr, "Nmi"},
};
constexpr BlockRow kEnuRows[] = {
    {"East", "LabelEastNmi", kWidestShort, "LabelEastFt"},
    {"North", "LabelNorthNmi", kWidestShort, "LabelNorthFt"},
    {"Up", "LabelUpNmi", kWidestShort, "LabelUpFt"},
};
constexpr BlockRow kRangeRows[] = {
    {"Range (Rsi)", "LabelRangeNmi", kWidestShort, "LabelRangeFt"},
    {"Range (Rg)", "LabelRgNmi", kWidestShort, "LabelRgFt"},
    {"Azimuth", "LabelAz", kWidestShort, nullptr, "Deg"},
    {"Elevation", "LabelEl", kWidestShort, nullptr, "Deg"},
};

// Adds the rows to a panel's grid from `first` on; the columns are caption, value, and the
// feet value or unit. The offset and range panels share their column widths, so that their
// nautical miles and feet stand in one line under the column heads.
void AddRows(QFrame* panel, QGridLayout* grid, const BlockRow* rows, int count, int first,
             const QString& side) {
    for (int i = 0; i < count; ++i) {
        const BlockRow& row = rows[i];
        const int at = first + i;
        grid->addWidget(MakeCaption(panel, Captioned("Caption", row.value, side), row.caption), at,
                        0);
        grid->addWidget(MakeValue(panel, Suffixed(row.value, side), row.widest), at, 1);
        if (row.feet != nullptr) {
            grid->addWidget(MakeValue(panel, Suffixed(row.feet, side), kWidestLong), at, 2);
        } else if (row.unit != nullptr) {
            grid->addWidget(MakeCaption(panel, Captioned("Unit", row.value, side), row.unit), at,
                            2);
        }
    }
}

struct BlockNames {
    const char* block;       // Panel1 or Panel2
    const char* geod;        // Panel3 or Panel9
    const char* enu;         // Panel4 or Panel10
    const char* range;       // Panel5 or Panel11
    const char* side;        // "Ref" or "Tgt"
    const char* heading;     // "Reference Geod"
    const char* subheading;  // "From Target Geod"
};

constexpr BlockNames kRefBlock{"Panel1", "Panel3",         "Panel4",          "Panel5",
                               "Ref",    "Reference Geod", "From Target Geod"};
constexpr BlockNames kTgtBlock{
    "Panel2", "Panel9", "Panel10", "Panel11", "Tgt", "Target Geod", "From Reference Geod"};

// A block: heading, geodetic panel, sub-heading, offset panel and range panel; returns the
// block's panels, which all open the block's menu.
QList<QWidget*> BuildBlock(QWidget* parent, const BlockNames& names, QFrame*& block) {
    const QString side = Name(names.side);
    block = MakePanel(parent, Name(names.block), QFrame::Sunken);
    block->setToolTip(QString::fromLatin1(kEditHint));
    auto* column = new QVBoxLayout(block);
    column->setContentsMargins(4, 3, 4, 4);
    column->setSpacing(3);

    QLabel* heading = MakeCaption(block, QStringLiteral("CaptionGeod") + side, names.heading);
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);

    const int geodCaptions = WidestCaption(parent, kGeodRows);
    QFrame* geod = MakePanel(block, Name(names.geod), QFrame::Raised);
    QGridLayout* geodGrid = MakeGrid(geod);
    AddRows(geod, geodGrid, kGeodRows, static_cast<int>(std::size(kGeodRows)), 0, side);
    geodGrid->setColumnMinimumWidth(0, geodCaptions);
    geodGrid->setColumnMinimumWidth(2,
                                    parent->fontMetrics().horizontalAdvance(QStringLiteral("Nmi")));
    geodGrid->setColumnStretch(0, 1);
    // The panels share the block's height by their rows, so that every row of a block has
    // about the same height.
    column->addWidget(geod, static_cast<int>(std::size(kGeodRows)));

    QLabel* subheading = MakeCaption(block, QStringLiteral("CaptionFrom") + side, names.subheading);
    subheading->setAlignment(Qt::AlignCenter);
    column->addWidget(subheading);

    const int offsetCaptions =
        std::max(WidestCaption(parent, kEnuRows), WidestCaption(parent, kRangeRows));
    const int feetColumn = parent->fontMetrics().horizontalAdvance(Name(kWidestLong)) + 4;
    QFrame* enu = MakePanel(block, Name(names.enu), QFrame::Raised);
    QGridLayout* enuGrid = MakeGrid(enu);
    QLabel* nmiHead = MakeCaption(enu, QStringLiteral("CaptionNmi") + side, "Nmi");
    QLabel* feetHead = MakeCaption(enu, QStringLiteral("CaptionFt") + side, "Ft");
    nmiHead->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    feetHead->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    enuGrid->addWidget(nmiHead, 0, 1);
    enuGrid->addWidget(feetHead, 0, 2);
    AddRows(enu, enuGrid, kEnuRows, static_cast<int>(std::size(kEnuRows)), 1, side);
    QFrame* range = MakePanel(block, Name(names.range), QFrame::Raised);
    QGridLayout* rangeGrid = MakeGrid(range);
    AddRows(range, rangeGrid, kRangeRows, static_cast<int>(std::size(kRangeRows)), 0, side);
    for (QGridLayout* grid : {enuGrid, rangeGrid}) {
        grid->setColumnMinimumWidth(0, offsetCaptions);
        grid->setColumnMinimumWidth(2, feetColumn);
        grid->setColumnStretch(0, 1);
    }
    column->addWidget(enu, static_cast<int>(std::size(kEnuRows)) + 1);
    column->addWidget(range, static_cast<int>(std::size(kRangeRows)));
    return {block, geod, enu, range};
}

// The miss panel: its heading, then Dx, Dy, Distance and Clock in one row. Each caption
// stands right before its value, and the room left over goes between one value and the next
// caption, at least a few characters' worth, so that "100.00" and "Dy" never read as one.
QFrame* BuildMissPanel(QWidget* parent) {
    QFrame* panel = MakePanel(parent, QStringLiteral("Panel6"), QFrame::Sunken);
    panel->setToolTip(QString::fromLatin1(kEditHint));
    auto* grid = MakeGrid(panel);
    struct MissValue {
        const char* caption;
        const char* value;
        const char* widest;
    };
    constexpr MissValue kValues[] = {{"Dx", "LabelDx", kWidestMiss},
                                     {"Dy", "LabelDy", kWidestMiss},
                                     {"Distance", "LabelDist", kWidestMiss},
                                     {"Clock", "LabelClock", kWidestClock}};
    constexpr int kColumns = 3 * static_cast<int>(std::size(kValues)) - 1;
    QLabel* heading = MakeCaption(panel, QStringLiteral("CaptionMiss"), "Miss Distance (Ft)");
    grid->addWidget(heading, 0, 0, 1, kColumns);
    const int gap = 3 * parent->fontMetrics().averageCharWidth();
    int column = 0;
    for (const MissValue& value : kValues) {
        if (column > 0) {
            grid->setColumnMinimumWidth(column, gap);
            grid->setColumnStretch(column++, 1);
        }
        grid->addWidget(
            MakeCaption(panel, QStringLiteral("Caption") + Name(value.value).mid(5), value.caption),
            1, column++);
        grid->addWidget(MakeValue(panel, Name(value.value), value.widest), 1, column++);
    }
    return panel;
}

}  // namespace

TPageForm* Wg84Page::MakeForm(PageFormContext& context) {
    return new TWg84Form(context);
}

TWg84Form::TWg84Form(PageFormContext& context) : TPageForm(context) {
    auto* panelMain = AddMainPanel();

    QFrame* panel1 = nullptr;
    QFrame* panel2 = nullptr;
    const QList<QWidget*> refPanels = BuildBlock(panelMain, kRefBlock, panel1);
    const QList<QWidget*> tgtPanels = BuildBlock(panelMain, kTgtBlock, panel2);
    QFrame* panel6 = BuildMissPanel(panelMain);

    auto* blocks = new QHBoxLayout;
    blocks->setSpacing(4);
    blocks->addWidget(panel1, 1);
    blocks->addWidget(panel2, 1);
    auto* main = new QVBoxLayout(panelMain);
    main->setContentsMargins(4, 4, 4, 4);
    main->setSpacing(4);
    main->addLayout(blocks, 1);
    main->addWidget(panel6);

    // Each panel of a block opens the block's menu, also over its captions and values, which
    // pass a right click on.
    for (QWidget* panel : refPanels) {
        AttachPopupMenu(QStringLiteral("PopupMenuRef"), {panel});
    }
    for (QWidget* panel : tgtPanels) {
        AttachPopupMenu(QStringLiteral("PopupMenuTgt"), {panel});
    }
    AttachPopupMenu(QStringLiteral("PopupMenuMissDist"), {panel6});
    // The page's command only shows the values again; the window is the form's to open.
    const std::pair<const char*, const char*> kLineOfSightItems[] = {
        {"PopupMenuRef", "MenuLineOfSightRef"}, {"PopupMenuTgt", "MenuLineOfSightTgt"}};
    for (const auto& [menu, item] : kLineOfSightItems) {
        if (auto* action = PopupMenuNamed(Name(menu))->findChild<QAction*>(Name(item))) {
            connect(action, &QAction::triggered, this, [this] {
                if (HandlerAllowed(HandlerGuard::Full)) {
                    OpenLineOfSight();
                }
            });
        }
    }

    // The blocks show the same captions; the ranges stand under the offsets' unit heads.
    NameValueGroup(panel1, QStringLiteral("Reference"));
    NameValueGroup(panel2, QStringLiteral("Target"));
    NameValueGroup(panel6, QStringLiteral("Miss"));
    for (const QString& side : {QStringLiteral("Ref"), QStringLiteral("Tgt")}) {
        for (const BlockRow& row : kRangeRows) {
            if (row.feet != nullptr) {
                NameValue(Suffixed(row.value, side), Name(row.caption), QStringLiteral("Nmi"));
                NameValue(Suffixed(row.feet, side), Name(row.caption), QStringLiteral("Ft"));
            }
        }
    }
}

TLineOfSightForm* TWg84Form::OpenLineOfSight() {
    if (m_lineOfSight == nullptr) {
        m_lineOfSight = new TLineOfSightForm(this);
        ShowLineOfSight();
    }
    m_lineOfSight->show();
    m_lineOfSight->raise();
    m_lineOfSight->activateWindow();
    return m_lineOfSight;
}

TLineOfSightForm* TWg84Form::LineOfSightWindow() const {
    return m_lineOfSight;
}

void TWg84Form::ShowPageExtras() {
    if (m_lineOfSight != nullptr) {
        ShowLineOfSight();
    }
}

void TWg84Form::ShowLineOfSight() {
    const auto& model = static_cast<const Wg84PageModel&>(Model());
    m_lineOfSight->ShowLineOfSight(model.LineOfSight(), LookAnglesOf(model.ShownValues()));
    const QWidget* panelMain = findChild<QWidget*>(QStringLiteral("PanelMain"));
    m_lineOfSight->ApplyColours(panelMain != nullptr ? BackgroundColour(panelMain) : QColor(),
                                PanelColour(), DataColour());
}

}  // namespace quorvel
