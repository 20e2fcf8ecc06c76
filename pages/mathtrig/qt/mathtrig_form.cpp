#include "pages/mathtrig/qt/mathtrig_form.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <initializer_list>

#include "common/qt/qt_text.h"
#include "common/qt/value_labels.h"
#include "pages/mathtrig/mathtrig_page.h"

namespace quorvel {
namespace {

// The widest texts of each kind of value: FormatNumber cuts to the precision, so a result of
// precision 8 has at most 8 characters and one of precision 16 at most 16; the scientific form
// is no wider in digits but has its "E". Each sample is a little wider than any real text.
const QString kWidestShort = QStringLiteral("-8.888E88");
const QString kWidestAngle = QStringLiteral("-8888888 deg");
const QString kWidestDms = QStringLiteral("-888 88 88.888");
const QString kWidestLong = QStringLiteral("-8.88888888888E88");

// The characters the edit boxes show at most: the trigonometric angle has precision 9, the arc
// argument 8, the exponents 16.
constexpr int kAngleEditLength = 9;
constexpr int kArcEditLength = 8;
constexpr int kExponentEditLength = 16;

// The room a value label asks for: its widest text, and a little beyond, so that rounding of
// glyph advances never cuts the last character.
int WidthFor(const QFontMetrics& metrics, const QString& widest) {
    return metrics.horizontalAdvance(widest) + 4;
}

// An edit box that always asks for the room of its longest text, in digits, with its frame
// and text margins.
class TValueEdit final : public QLineEdit {
public:
    TValueEdit(int widestLength, QWidget* parent) : QLineEdit(parent), m_length(widestLength) {}

    QSize sizeHint() const override { return Widened(QLineEdit::sizeHint()); }
    QSize minimumSizeHint() const override { return Widened(QLineEdit::minimumSizeHint()); }

private:
    QSize Widened(QSize size) const {
        // A sign and a point besides the digits, then the frame and the text margins.
        const QString widest = QStringLiteral("-.") + QString(m_length, QLatin1Char('8'));
        size.setWidth(std::max(size.width(), WidthFor(fontMetrics(), widest) + 12));
        return size;
    }

    int m_length;
};

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

QGridLayout* PanelGrid(QFrame* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(0, 1);
    return grid;
}

}  // namespace

TPageForm* MathTrigPage::MakeForm(PageFormContext& context) {
    return new TMathTrigForm(context);
}

TMathTrigForm::TMathTrigForm(PageFormContext& context) : TPageForm(context) {
    m_panelMain = AddMainPanel();

    auto* main = new QGridLayout(m_panelMain);
    main->setContentsMargins(4, 4, 4, 4);
    main->setSpacing(4);
    BuildTrigonometry(main);
    BuildArcs(main);
    BuildExponents(main);
    BuildAngle(main);
    // The panels keep the height of their rows; what the page has over stays below them.
    main->setRowStretch(2, 1);
    main->setColumnStretch(0, 1);
    main->setColumnStretch(1, 1);

    for (QLineEdit* edit : m_edits) {
        // Enter always applies the entry; leaving the box waits for the first showing and
        // stops inside ShowValues and at shut-down.
        ConnectEditBox(edit, HandlerGuard::None, HandlerGuard::Full);
    }
}

MathTrigPageModel& TMathTrigForm::MathTrig() {
    // The registry makes this form over the Math/Trig page's model only.
    return static_cast<MathTrigPageModel&>(Model());
}

QFrame* TMathTrigForm::AddPanel(QGridLayout* grid, const char* name, int row, int column) {
    auto* panel = new QFrame(m_panelMain);
    panel->setObjectName(Name(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    grid->addWidget(panel, row, column);
    return panel;
}

QLineEdit* TMathTrigForm::AddEdit(QGridLayout* grid, QFrame* panel, const char* caption,
                                  const char* name, int widestLength, int row) {
    grid->addWidget(MakeCaption(panel, QString(), caption), row, 0);
    auto* edit = new TValueEdit(widestLength, panel);
    edit->setObjectName(Name(name));
    grid->addWidget(edit, row, 1);
    m_edits.append(edit);
    return edit;
}

QLabel* TMathTrigForm::AddValue(QGridLayout* grid, QFrame* panel, const char* caption,
                                const char* name, const QString& widest, int row) {
    if (caption != nullptr) {
        grid->addWidget(MakeCaption(panel, QString(), caption), row, 0);
    }
    auto* value = new TValueLabel(widest, panel);
    value->setObjectName(Name(name));
    value->setTextFormat(Qt::PlainText);
    // Right-aligned, so that the decimal points of a column line up.
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(value, row, 1);
    return value;
}

void TMathTrigForm::BuildTrigonometry(QGridLayout* main) {
    QFrame* panel = AddPanel(main, "Panel2", 0, 0);
    QGridLayout* grid = PanelGrid(panel);
    AddEdit(grid, panel, "x", "EditTrigAngle", kAngleEditLength, 0);
    auto* radians = new QCheckBox(QStringLiteral("Angle in radians"), panel);
    radians->setObjectName(QStringLiteral("CheckBoxTrigAngleRadians"));
    grid->addWidget(radians, 1, 0, 1, 2);
    AddValue(grid, panel, nullptr, "LabelTrigAngleRad", kWidestAngle, 2);
    AddValue(grid, panel, nullptr, "LabelTrigAngleDeg", kWidestAngle, 3);
    // The angle x in both units, under the check box, without captions of their own.
    NameValue(QStringLiteral("LabelTrigAngleRad"), QStringLiteral("x"), QStringLiteral("rad"));
    NameValue(QStringLiteral("LabelTrigAngleDeg"), QStringLiteral("x"), QStringLiteral("deg"));
    AddValue(grid, panel, "Sin (x)", "LabelSinx", kWidestShort, 4);
    AddValue(grid, panel, "Cos (x)", "LabelCosx", kWidestShort, 5);
    AddValue(grid, panel, "Tan (x)", "LabelTanx", kWidestShort, 6);
    ConnectCheckBox(radians, HandlerGuard::Full);
}

void TMathTrigForm::BuildArcs(QGridLayout* main) {
    QFrame* panel = AddPanel(main, "Panel3", 1, 0);
    QGridLayout* grid = PanelGrid(panel);
    AddEdit(grid, panel, "x", "EditTrigArc", kArcEditLength, 0);
    AddValue(grid, panel, "Arc Sin (x)", "LabelArcSinx", kWidestShort, 1);
    AddValue(grid, panel, "Arc Cos (x)", "LabelArcCosx", kWidestShort, 2);
    AddValue(grid, panel, "Arc Tan (x)", "LabelArcTanx", kWidestShort, 3);
    // The one unit caption stands beside the three results it applies to.
    grid->addWidget(MakeCaption(panel, QString(), "deg"), 1, 2, 3, 1, Qt::AlignVCenter);
}

void TMathTrigForm::BuildExponents(QGridLayout* main) {
    QFrame* panel = AddPanel(main, "Panel4", 0, 1);
    QGridLayout* grid = PanelGrid(panel);
    AddEdit(grid, panel, "x", "EditExponentsX", kExponentEditLength, 0);
    AddEdit(grid, panel, "exp", "EditExponentsExp", kExponentEditLength, 1);
    AddValue(grid, panel, "Power (x,exp)", "LabelPower", kWidestLong, 2);
    AddValue(grid, panel, "Ln (x)", "LabelLnx", kWidestLong, 3);
    AddValue(grid, panel, "Ln10 (x)", "LabelLn10x", kWidestLong, 4);
    AddValue(grid, panel, "Exp (x)", "LabelExpx", kWidestLong, 5);
}

void TMathTrigForm::BuildAngle(QGridLayout* main) {
    QFrame* panel = AddPanel(main, "Panel1", 1, 1);
    panel->setToolTip(QStringLiteral("Right click to edit"));
    QGridLayout* grid = PanelGrid(panel);
    AddValue(grid, panel, "DMS", "LabelDms", kWidestDms, 0);
    AddValue(grid, panel, "Degrees", "LabelDmsDeg", kWidestShort, 1);
    AddValue(grid, panel, "Radians", "LabelDmsRad", kWidestShort, 2);
    // The captions and values pass a right click on to the panel.
    AttachPopupMenu(QStringLiteral("PopupMenu4"), {panel});
}

bool TMathTrigForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit != nullptr && m_edits.contains(edit) &&
            !MathTrig().EntryChanged(ToStdString(edit->objectName()), ToStdString(edit->text()))) {
            return QWidget::eventFilter(watched, event);
        }
    }
    return TPageForm::eventFilter(watched, event);
}

}  // namespace quorvel
