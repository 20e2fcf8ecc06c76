#include "pages/wg84/qt/line_of_sight_form.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/qt/picture_painter.h"
#include "common/qt/value_labels.h"
#include "shell/qt/scheme_colours.h"

namespace quorvel {
namespace {

// The widest texts of the figures: FormatNumber's 12 characters of feet, 8 of nautical miles.
const char* const kWidestFeet = "888888888888";
const char* const kWidestNmi = "88888888";

struct FigureCell {
    const char* name;
    const char* widest;
    const char* unit;
};

// One row of the figures: its caption, the straight line's figure and the radio path's.
struct FigureRow {
    const char* caption;
    FigureCell sight;
    FigureCell radio;
};

constexpr FigureRow kFigureRows[] = {
    {"Least clearance",
     {"LabelLosClearance", kWidestFeet, "Ft"},
     {"LabelLosRadioClearance", kWidestFeet, "Ft"}},
    {"At, from the reference",
     {"LabelLosClearanceAt", kWidestNmi, "Nmi"},
     {"LabelLosRadioClearanceAt", kWidestNmi, "Nmi"}},
    {"Clear of the earth", {"LabelLosVisible", "YES", ""}, {"LabelLosRadioVisible", "YES", ""}},
};

QLabel* AddValue(QGridLayout* grid, QWidget* panel, const FigureCell& cell, const QString& name,
                 int row, int column) {
    auto* label = new TValueLabel(QString::fromLatin1(cell.widest), panel);
    label->setObjectName(QString::fromLatin1(cell.name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAccessibleName((name + QLatin1Char(' ') + QString::fromLatin1(cell.unit)).trimmed());
    grid->addWidget(label, row, column);
    if (cell.unit[0] != '\0') {
        grid->addWidget(MakeCaption(panel, QString(), cell.unit), row, column + 1);
    }
    return label;
}

// The figures in a grid: the path length, then a column for each path.
QFrame* BuildFiguresPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("PanelLosFigures"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    grid->addWidget(MakeCaption(panel, QString(), "Path length"), 0, 0);
    AddValue(grid, panel, {"LabelLosPathLength", kWidestNmi, "Nmi"}, QStringLiteral("Path length"),
             0, 1);
    grid->addWidget(MakeCaption(panel, QString(), "Straight line"), 1, 1, 1, 2, Qt::AlignRight);
    grid->addWidget(MakeCaption(panel, QString(), "Radio path (4/3 earth)"), 1, 3, 1, 2,
                    Qt::AlignRight);
    int row = 2;
    for (const FigureRow& figure : kFigureRows) {
        const QString caption = QString::fromLatin1(figure.caption);
        grid->addWidget(MakeCaption(panel, QString(), figure.caption), row, 0);
        AddValue(grid, panel, figure.sight, QStringLiteral("Straight line ") + caption, row, 1);
        AddValue(grid, panel, figure.radio, QStringLiteral("Radio path ") + caption, row, 3);
        ++row;
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(5, 2);
    return panel;
}

}  // namespace

TLineOfSightForm::TLineOfSightForm(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("LineOfSightForm"));
    setWindowTitle(QStringLiteral("Line of Sight"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_view = new TPictureView(this);
    m_view->setObjectName(QStringLiteral("PictureLineOfSight"));
    m_view->setMinimumSize(380, 170);
    m_view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_figuresPanel = BuildFiguresPanel(this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
    column->addWidget(m_view, 1);
    column->addWidget(m_figuresPanel);
    resize(800, 470);

    connect(m_view, &TPictureView::Resized, this, [this](QSize) { Redraw(); });
    m_view->SetHoverText([this](PicturePoint at) {
        const Picture& shown = m_view->CurrentPicture();
        return LineOfSightHoverText(m_figures, shown.width, shown.height, at);
    });
}

void TLineOfSightForm::ShowLineOfSight(const LineOfSightFigures& figures, const LookAngles& look) {
    m_figures = figures;
    m_look = look;
    for (const DisplayItem& item : LineOfSightFigureTexts(figures)) {
        auto* label = findChild<QLabel*>(QString::fromStdString(item.name));
        if (label != nullptr) {
            const QString text = QString::fromStdString(item.text);
            label->setText(text);
            label->setAccessibleDescription(text);
        }
    }
    Redraw();
}

void TLineOfSightForm::ApplyColours(const QColor& panel, const QColor& captions,
                                    const QColor& values) {
    if (panel.isValid()) {
        SetBackgroundColour(m_figuresPanel, panel);
    }
    if (captions.isValid()) {
        SetFontColour(m_figuresPanel, captions);
    }
    if (values.isValid()) {
        for (const DisplayItem& item : LineOfSightFigureTexts(m_figures)) {
            if (auto* label = findChild<QLabel*>(QString::fromStdString(item.name))) {
                SetFontColour(label, values);
            }
        }
    }
}

void TLineOfSightForm::Redraw() {
    m_view->SetPicture(LineOfSightPicture(m_figures, m_look, m_view->width(), m_view->height()));
}

}  // namespace quorvel
