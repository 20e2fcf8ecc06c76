#include "pages/pcm/qt/pcm_form.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <span>

#include "common/qt/menu_items.h"
#include "common/qt/picture_painter.h"
#include "common/qt/qt_text.h"
#include "common/qt/value_labels.h"
#include "pages/pcm/pcm_page.h"
#include "pages/pcm/qt/frame_map_form.h"
#include "shell/qt/scheme_colours.h"

namespace quorvel {
namespace {

const char* const kEditHint = "Right click to edit";

// The widest text a value label can show: FormatNumber keeps at most twelve characters, and
// every digit is as wide as any other.
const QString kWidestValue = QStringLiteral("888888888888");

// One row of a panel: its caption and its value label.
struct ValueRow {
    const char* caption;
    const char* value;
};

constexpr std::array kBasicRows{
    ValueRow{"Bit Rate (bps)", "LabelBitrate"},
    ValueRow{"Bits Per Word", "LabelCwl"},
    ValueRow{"Words Per Minor Frame", "LabelWpf"},
    ValueRow{"Minor Frames per Major Frame", "LabelNumSf"},
    ValueRow{"Num FSP Words", "LabelNumFspWords"},
    ValueRow{"FSP Position", "LabelFspPos"},
    ValueRow{"Word Rate (Hz)", "LabelWordRate"},
    ValueRow{"Minor Frame Rate (Hz)", "LabelMinorFrameRate"},
    ValueRow{"Major Frame Rate (Hz)", "LabelMajorFrameRate"},
    ValueRow{"Num Data Words", "LabelNumDataWds"},
};
constexpr std::array kDataWordRows{
    ValueRow{"Word Start", "LabelDataWdStartWord"},
    ValueRow{"Word Stop", "LabelDataWdStopWord"},
    ValueRow{"Word Interval", "LabelDataWdWdInterval"},
    ValueRow{"Updates Per Minor", "LabelUpsPerMinor"},
    ValueRow{"Updates Per Major", "LabelUpsPerMajor"},
};
constexpr std::array kBerRows{
    ValueRow{"PRN Pattern", "LabelPrnPattern"},
    ValueRow{"Errors Once/Cycle", "LabelBer"},
};

// A panel of the page: its name, its heading label and text, its rows and its popup menu.
struct ValuePanel {
    const char* name;
    const char* heading;
    const char* headingText;
    std::span<const ValueRow> rows;
    std::string_view menu;
};

constexpr std::array kPanels{
    ValuePanel{"PanelBasics", "LabelBasicFrameInfo", "Basic Frame Info", kBasicRows,
               PcmDataPageModel::kMenuBasic},
    ValuePanel{"PanelDataWord", "LabelDataWordInfo", "Data Word Info", kDataWordRows,
               PcmDataPageModel::kMenuDataWord},
    ValuePanel{"PanelBert", "LabelBerInfo", "BER Info", kBerRows, PcmDataPageModel::kMenuBer},
};

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

// The width of the widest caption of every panel, so that the values of all three panels
// stand in one column.
int WidestCaption(const QWidget* page) {
    const QFontMetrics metrics = page->fontMetrics();
    int widest = 0;
    for (const ValuePanel& panel : kPanels) {
        for (const ValueRow& row : panel.rows) {
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(row.caption)));
        }
    }
    return widest;
}

// A raised panel of the page, named.
QFrame* MakeRaisedPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(Name(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

// A panel's heading label, in bold.
QLabel* MakeHeading(QWidget* panel, const char* name, const char* text) {
    QLabel* heading = MakeCaption(panel, Name(name), text);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

QGridLayout* MakeValueGrid(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(1);
    return grid;
}

// A row of `grid`: the caption "Caption..." and the right-aligned value label `name`, as wide
// as `widest`.
void AddValueRow(QGridLayout* grid, int row, QWidget* panel, const QString& name,
                 const QString& caption, const QString& widest = kWidestValue) {
    QLabel* captionLabel = MakeCaption(panel, QStringLiteral("Caption") + name.mid(5), "");
    captionLabel->setText(caption);
    grid->addWidget(captionLabel, row, 0);
    auto* value = new TValueLabel(widest, panel);
    value->setObjectName(name);
    value->setTextFormat(Qt::PlainText);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(value, row, 1);
}

// A panel under its heading, with its rows of caption and right-aligned value.
QFrame* MakePanel(QWidget* parent, const ValuePanel& layout, int captionWidth) {
    QFrame* panel = MakeRaisedPanel(parent, layout.name);
    panel->setToolTip(QString::fromLatin1(kEditHint));

    auto* grid = MakeValueGrid(panel);
    grid->addWidget(MakeHeading(panel, layout.heading, layout.headingText), 0, 0, 1, 3);
    int row = 1;
    for (const ValueRow& line : layout.rows) {
        AddValueRow(grid, row, panel, Name(line.value), QString::fromLatin1(line.caption));
        ++row;
    }
    grid->setColumnMinimumWidth(0, captionWidth);
    // The room to the right of the values, so that they stay beside their captions.
    grid->setColumnStretch(2, 1);
    return panel;
}

}  // namespace

TPageForm* PcmDataPage::MakeForm(PageFormContext& context) {
    return new TPcmDataForm(context);
}

TPcmDataForm::TPcmDataForm(PageFormContext& context) : TPageForm(context) {
    auto* panelMain = AddMainPanel();

    // The value panels in a column at the left, the frame map in the room right of them.
    auto* page = new QHBoxLayout(panelMain);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    page->addLayout(column);
    const int captionWidth = WidestCaption(this);
    for (const ValuePanel& layout : kPanels) {
        QFrame* panel = MakePanel(panelMain, layout, captionWidth);
        // The page's height is shared out by rows (the heading counted), so that the rows of
        // every panel are alike.
        column->addWidget(panel, static_cast<int>(layout.rows.size()) + 1);
        // The menu also opens over the panel's heading, captions and values, which pass a
        // right click on.
        AttachPopupMenu(ToQString(layout.menu), {panel});
    }
    page->addWidget(MakeFrameMapPanel(panelMain), 1);

    // The PRN items are built with the menu from the model's list: one AddMenuItem each, in
    // table order, tagged with the pattern's index and named after it.
    if (QMenu* ber = PopupMenuNamed(ToQString(PcmDataPageModel::kMenuBer))) {
        for (QMenu* submenu : ber->findChildren<QMenu*>()) {
            if (submenu->title() == ToQString(PcmDataPageModel::kPrnPattern)) {
                m_prnPatternMenu = submenu;
            }
        }
    }
}

QWidget* TPcmDataForm::MakeFrameMapPanel(QWidget* parent) {
    QFrame* panel = MakeRaisedPanel(parent, "PanelFrameMap");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* top = new QVBoxLayout;
    top->setContentsMargins(6, 3, 6, 0);
    top->addWidget(MakeHeading(panel, "LabelFrameMapInfo", "Frame Map"));
    column->addLayout(top);

    m_mapView = new TPictureView(panel);
    m_mapView->setObjectName(QStringLiteral("PaintBoxFrameMap"));
    m_mapView->setMinimumSize(120, 120);
    m_mapView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_mapView->setCursor(Qt::PointingHandCursor);
    m_mapView->SetHoverText([this](PicturePoint at) {
        const Picture& shown = m_mapView->CurrentPicture();
        return PcmModel().MapOfFrame(shown.width, shown.height, false).HoverText(at);
    });
    m_mapView->SetPictureSource([this](QSizeF size) {
        return PcmModel().MapOfFrame(size.width(), size.height(), false).Draw();
    });
    connect(m_mapView, &TPictureView::Clicked, this, &TPcmDataForm::OpenLargeMap);
    column->addWidget(m_mapView, 1);

    auto* figures = new QWidget(panel);
    QGridLayout* grid = MakeValueGrid(figures);
    int row = 0;
    const QString widestFigure(kSampleFigurePrecision, QLatin1Char('8'));
    for (const SampleFigure& figure : SampleFigures(SampleTiming{})) {
        AddValueRow(grid, row++, figures, ToQString(figure.name), ToQString(figure.caption),
                    widestFigure);
    }
    column->addWidget(figures);
    return panel;
}

const PcmDataPageModel& TPcmDataForm::PcmModel() const {
    return static_cast<const PcmDataPageModel&>(Model());
}

TFrameMapForm* TPcmDataForm::LargeMap() const {
    return m_largeMap;
}

void TPcmDataForm::OpenLargeMap() {
    if (m_largeMap == nullptr) {
        m_largeMap = new TFrameMapForm(PcmModel(), this);
        m_largeMap->Follow(m_mapView->Palette());
    }
    m_largeMap->show();
    m_largeMap->raise();
    m_largeMap->activateWindow();
}

void TPcmDataForm::ShowFrameMaps() {
    const PicturePalette palette =
        SchemePicturePalette(findChild<QWidget*>(QStringLiteral("PanelMain")), DataColour());
    m_mapView->SetPalette(palette);
    m_mapView->Refresh();
    if (m_largeMap != nullptr) {
        m_largeMap->Follow(palette);
    }
}

void TPcmDataForm::ShowPageExtras() {
    ShowFrameMaps();
    if (m_prnPatternMenu == nullptr) {
        return;
    }
    UncheckMenuItems(m_prnPatternMenu);
    // An index outside the submenu checks nothing.
    CheckMenuItem(m_prnPatternMenu, PcmModel().Values().prnPattern);
}

}  // namespace quorvel
