#include "pages/rf/qt/rf_form.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <memory>
#include <span>

#include "common/qt/value_labels.h"
#include "pages/rf/rf_page.h"
#include "shell/qt/scheme_colours.h"

namespace quorvel {
namespace {

// The hint of the panels that open PopupMenu1.
const char* const kEditHint = "Right click to edit";

// The widest text a value label can show: FormatNumber keeps at most nine characters (the bit
// rate), and every digit is as wide as any other.
const QString kWidestValue = QStringLiteral("888888888");
// The widest unit after a value.
const QString kWidestUnit = QStringLiteral("kHz");

// One row of a calculator panel: its caption, the result label, and the unit after the value.
struct ValueRow {
    const char* caption;
    const char* value;
    const char* unit = nullptr;
    // The unit label's object name; by default "Unit" and the value's name without "Label".
    const char* unitName = nullptr;
};

constexpr std::array kRatioRows{
    ValueRow{"Ratio", "LabelRatio"},
    ValueRow{"Db Power", "LabelDbPower"},
    ValueRow{"Db Voltage", "LabelDbVoltage"},
};
constexpr std::array kWaveLengthRows{
    ValueRow{"Freq (GHz)", "LabelFreqGhz"},
    ValueRow{"Wave Length", "LabelWaveLengthMilimeters", "mm"},
    ValueRow{"", "LabelWaveLengthInches", "in"},
};
constexpr std::array kDishRows{
    ValueRow{"Dish Diameter (ft)", "LabelDishDiameter"},
    ValueRow{"Freq (MHz)", "LabelDishFreq"},
    ValueRow{"Dish Gain (dbi)", "LabelDishGain"},
    ValueRow{"Dish HPBW (deg)", "LabelDishHpbw"},
};
constexpr std::array kPowerRows{
    ValueRow{"Watts", "LabelWatts"},
    ValueRow{"dBm", "LabeldBm"},
    ValueRow{"dBw", "LabeldBw"},
};
constexpr std::array kVswrRows{
    ValueRow{"VSWR", "LabelVswr"},
    ValueRow{"Return Loss", "LabelRetLoss"},
    ValueRow{"Reflector Coef", "LabelRefCoef"},
    ValueRow{"Mismatch Loss", "LabelMismatchLoss"},
};
constexpr std::array kResonanceRows{
    ValueRow{"Resonant Freq (GHz)", "LabelFoFreqGhz"},
    ValueRow{"L  (nH)", "LabelFoL"},
    ValueRow{"C (pF)", "LabelFoC"},
};
constexpr std::array kHorizonRows{
    ValueRow{"Antenna Alt (ft)", "LabelAntAltFt"},
    ValueRow{"RF Horizon (Nmi)", "LabelRfHorizon"},
};
constexpr std::array kFilterRows{
    ValueRow{"Bit Rate", "LabelBitRate"},
    ValueRow{"IF Filter", "LabelIfFilter", "kHz", "Label38"},
    ValueRow{"Video Filter", "LabelVideoFilter", "kHz", "Label39"},
};

struct ValuePanel {
    const char* name;
    std::span<const ValueRow> rows;
};

// The calculator panels of Panel1, column by column, top to bottom.
constexpr std::array kLeftPanels{
    ValuePanel{"Panel2", kRatioRows},
    ValuePanel{"Panel5", kPowerRows},
    ValuePanel{"Panel6", kVswrRows},
};
constexpr std::array kRightPanels{
    ValuePanel{"Panel3", kWaveLengthRows},
    ValuePanel{"Panel4", kDishRows},
    ValuePanel{"Panel7", kResonanceRows},
    ValuePanel{"Panel8", kHorizonRows},
};

// A telemetry band: its name, and its range caption with that caption's object name.
struct Band {
    const char* name;
    const char* rangeName;
    const char* range;
};
constexpr std::array kBands{
    Band{"P Band", "Label23", " 215.0   -  320.0"},
    Band{"Lower L Band", "Label24", "1435.0  - 1539.5"},
    Band{"Upper L Band", "Label25", "1710.0  - 1850.0"},
    Band{"S Band", "Label26", "2200.0  -  2399.5"},
    Band{"NATO E Band", "Label27", "2185.0  -  2484.5"},
};

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

// The caption's object name: "Caption" and the value's name without its "Label".
QString CaptionName(const char* value) {
    return QStringLiteral("Caption") + Name(value).mid(5);
}

QFrame* MakePanel(QWidget* parent, const char* name, QFrame::Shadow shadow) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(Name(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(shadow);
    return panel;
}

// Fills a panel with its rows: caption, value (right-aligned, so that the decimal points line
// up), unit. Every panel of a column gets the same caption width, so that the values of the
// whole column stand in one line.
QGridLayout* AddValueRows(QFrame* panel, std::span<const ValueRow> rows, int captionWidth) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    int row = 0;
    for (const ValueRow& line : rows) {
        if (*line.caption != '\0') {
            grid->addWidget(MakeCaption(panel, CaptionName(line.value), line.caption), row, 0);
        }
        auto* value = new TValueLabel(kWidestValue, panel);
        value->setObjectName(Name(line.value));
        value->setTextFormat(Qt::PlainText);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, row, 1);
        if (line.unit != nullptr) {
            const QString unitName = line.unitName != nullptr
                                         ? Name(line.unitName)
                                         : QStringLiteral("Unit") + Name(line.value).mid(5);
            grid->addWidget(MakeCaption(panel, unitName, line.unit), row, 2);
        }
        ++row;
    }
    grid->setColumnMinimumWidth(0, captionWidth);
    grid->setColumnMinimumWidth(2, panel->fontMetrics().horizontalAdvance(kWidestUnit));
    grid->setColumnStretch(0, 1);
    return grid;
}

// The width of the widest caption of the panels, in the font the panels show.
int WidestCaption(const QWidget* page, std::span<const ValuePanel> panels,
                  std::span<const ValueRow> more = {}) {
    const QFontMetrics metrics = page->fontMetrics();
    int widest = 0;
    auto measure = [&](std::span<const ValueRow> rows) {
        for (const ValueRow& row : rows) {
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(row.caption)));
        }
    };
    for (const ValuePanel& panel : panels) {
        measure(panel.rows);
    }
    measure(more);
    return widest;
}

// A column of calculator panels in Panel1; each panel opens PopupMenu1 and shows the hint.
QVBoxLayout* AddPanelColumn(QFrame* panel1, std::span<const ValuePanel> panels, int captionWidth,
                            QList<QWidget*>& menuPanels) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    for (const ValuePanel& layout : panels) {
        QFrame* panel = MakePanel(panel1, layout.name, QFrame::Raised);
        panel->setToolTip(QString::fromLatin1(kEditHint));
        AddValueRows(panel, layout.rows, captionWidth);
        // The column's height is shared out by rows, so that every row of a column has about
        // the same height whatever panel it is in.
        column->addWidget(panel, static_cast<int>(layout.rows.size()));
        menuPanels.append(panel);
    }
    return column;
}

}  // namespace

TPageForm* RfPage::MakeForm(PageFormContext& context) {
    return new TRfForm(context);
}

TRfForm::TRfForm(PageFormContext& context) : TPageForm(context) {
    m_panelMain = AddMainPanel();

    const int leftCaptions = WidestCaption(this, kLeftPanels, kFilterRows);
    const int rightCaptions = WidestCaption(this, kRightPanels);

    QFrame* panel1 = MakePanel(m_panelMain, "Panel1", QFrame::Sunken);
    panel1->setToolTip(QString::fromLatin1(kEditHint));
    QList<QWidget*> menuPanels{panel1};
    auto* columns = new QHBoxLayout(panel1);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->setSpacing(4);
    columns->addLayout(AddPanelColumn(panel1, kLeftPanels, leftCaptions, menuPanels), 1);
    columns->addLayout(AddPanelColumn(panel1, kRightPanels, rightCaptions, menuPanels), 1);

    QFrame* panel9 = MakePanel(m_panelMain, "Panel9", QFrame::Raised);
    QGridLayout* filters = AddValueRows(panel9, kFilterRows, leftCaptions);
    auto* nonNrzl = new QCheckBox(QStringLiteral("Non-NRZL Code"), panel9);
    nonNrzl->setObjectName(QStringLiteral("CheckBoxNonNrzlCode"));
    filters->addWidget(nonNrzl, filters->rowCount(), 0, 1, 3);
    for (const char* name : {"Label38", "Label39"}) {
        m_panelColourCaptions.append(panel9->findChild<QLabel*>(Name(name)));
    }

    // The inches stand under the millimetres, in a row without a caption of its own.
    NameValue(QStringLiteral("LabelWaveLengthInches"), QStringLiteral("Wave Length"),
              QStringLiteral("in"));

    BuildFreqBands();

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    bottom->addWidget(panel9, 1);
    bottom->addWidget(m_panelFreqBands, 1);
    auto* main = new QVBoxLayout(m_panelMain);
    main->setContentsMargins(4, 4, 4, 4);
    main->setSpacing(4);
    // Shared out as the rows they hold (Panel1's taller column has twelve rows and four
    // panel frames, the band table six rows), so that the rows above and below are alike.
    main->addWidget(panel1, 15);
    main->addLayout(bottom, 6);

    // Each panel's menu also opens over its captions and values, which pass a right click on.
    for (QWidget* panel : menuPanels) {
        AttachPopupMenu(QStringLiteral("PopupMenu1"), {panel});
    }
    AttachPopupMenu(QStringLiteral("PopupMenuFilters"), {panel9});
    // Ticking the box inside ShowValues fires no click, and a click is the user's at any
    // other time, so only the re-entry guard applies.
    ConnectCheckBox(nonNrzl, HandlerGuard::ReentryOnly);
}

void TRfForm::BuildFreqBands() {
    m_panelFreqBands = MakePanel(m_panelMain, "PanelFreqBands", QFrame::Raised);
    auto* grid = new QGridLayout(m_panelFreqBands);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    grid->addWidget(MakeCaption(m_panelFreqBands, QStringLiteral("CaptionBandsMhz"), "(MHz)"), 0,
                    1);
    for (std::size_t i = 0; i < kBands.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(
            MakeCaption(m_panelFreqBands, QStringLiteral("CaptionBand%1").arg(row), kBands[i].name),
            row, 0);
        QLabel* range = MakeCaption(m_panelFreqBands, Name(kBands[i].rangeName), kBands[i].range);
        grid->addWidget(range, row, 1);
        m_panelColourCaptions.append(range);
    }
    grid->setColumnStretch(1, 1);
}

void TRfForm::ApplyColours() {
    TPageForm::ApplyColours();
    // The band table first: its range captions then take their own colour over it.
    const QColor data = DataColour();
    if (data.isValid() && FontColour(m_panelFreqBands) != data) {
        SetFontColour(m_panelFreqBands, data);
    }
    const QColor panel = PanelColour();
    if (!panel.isValid()) {
        return;
    }
    for (QLabel* caption : m_panelColourCaptions) {
        if (FontColour(caption) != panel) {
            SetFontColour(caption, panel);
        }
    }
}

}  // namespace quorvel
