#include "pages/pcm/qt/pcm_form.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <span>

#include "common/qt/menu_items.h"
#include "common/qt/qt_text.h"
#include "common/qt/value_labels.h"
#include "pages/pcm/pcm_page.h"

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

// The caption's object name: "Caption" and the value's name without its "Label".
QString CaptionName(const char* value) {
    return QStringLiteral("Caption") + Name(value).mid(5);
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

// A panel under its heading, with its rows of caption and right-aligned value.
QFrame* MakePanel(QWidget* parent, const ValuePanel& layout, int captionWidth) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(Name(layout.name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setToolTip(QString::fromLatin1(kEditHint));

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(1);
    QLabel* heading = MakeCaption(panel, Name(layout.heading), layout.headingText);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 3);
    int row = 1;
    for (const ValueRow& line : layout.rows) {
        grid->addWidget(MakeCaption(panel, CaptionName(line.value), line.caption), row, 0);
        auto* value = new TValueLabel(kWidestValue, panel);
        value->setObjectName(Name(line.value));
        value->setTextFormat(Qt::PlainText);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, row, 1);
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

    auto* column = new QVBoxLayout(panelMain);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
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

void TPcmDataForm::ShowPageExtras() {
    const auto* model = dynamic_cast<const PcmDataPageModel*>(&Model());
    if (m_prnPatternMenu == nullptr || model == nullptr) {
        return;
    }
    UncheckMenuItems(m_prnPatternMenu);
    // An index outside the submenu checks nothing.
    CheckMenuItem(m_prnPatternMenu, model->Values().prnPattern);
}

}  // namespace quorvel
