#include "pages/datetime/qt/datetime_form.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "pages/datetime/datetime_page.h"

namespace quorvel {
namespace {

// The hint of the panel that opens PopupMenu1.
const char* const kEditHint = "Right click to edit";
const char* const kIrigHint = "If using IRIG time for time of year";

// A value label and the widest text it can show. Every digit is as wide as any other, so a
// count of "8"s stands for every number of that many characters; a FormatNumber count with
// width 12 or 16 never writes more characters than that.
struct ValueLabel {
    const char* name;
    const char* widest;
    const char* hint = nullptr;
};

// One row of Panel1: its caption and one or two value labels.
struct ValueRow {
    const char* captionName;
    const char* caption;
    ValueLabel value;
    ValueLabel second = {};
};

constexpr std::array kRows{
    ValueRow{"CaptionGregDate", "Gregorian Date", {"LabelGregDate", "88/88/8888"}},
    // The day of year of a settings file may be any int.
    ValueRow{"CaptionJulianDate", "Julian Date", {"LabelJulianDate", "88888888888"}},
    ValueRow{"CaptionTod",
             "Time of Day",
             {"LabelTodHms", " 88:88:88"},
             {"LabelTod", "(888888888888 Seconds)"}},
    ValueRow{"CaptionToy", "Time of Year", {"LabelToy", "888 88:88:88  (888888888888 Seconds)"}},
    ValueRow{
        "CaptionIrigToy", "IRIG Time of Year", {"LabelIrigToy", "888888888888 Seconds", kIrigHint}},
    ValueRow{"Caption1970", "1970 Time", {"Label1970", "8888888888888888 Seconds"}},
    ValueRow{"Caption1958", "1958 Time", {"Label1958", "8888888888888888 Seconds"}},
    ValueRow{"CaptionIsLeapYear", "Is Leap Year", {"LabelIsLeapYear", "YES"}},
    ValueRow{"CaptionMonth", "Month of Year", {"LabelMonth", nullptr}},
};

// The month names, for the room the month label needs.
constexpr std::array<const char*, 13> kMonthNames{"Unk", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromLatin1(text));
    return label;
}

// The width of the widest text a value label shows, with a little room beyond it so that
// rounding of glyph advances never cuts the last character.
int WidestAdvance(const QFontMetrics& metrics, const char* widest) {
    if (widest != nullptr) {
        return metrics.horizontalAdvance(QString::fromLatin1(widest)) + 4;
    }
    int width = 0;
    for (const char* month : kMonthNames) {
        width = std::max(width, metrics.horizontalAdvance(QString::fromLatin1(month)));
    }
    return width + 4;
}

QLabel* MakeValue(QWidget* parent, const ValueLabel& value) {
    QLabel* label = MakeLabel(parent, value.name, "");
    label->setMinimumWidth(WidestAdvance(label->fontMetrics(), value.widest));
    if (value.hint != nullptr) {
        label->setToolTip(QString::fromLatin1(value.hint));
    }
    return label;
}

}  // namespace

TPageForm* DateTimePage::MakeForm(PageFormContext& context) {
    return new TDateTimeForm(context);
}

TDateTimeForm::TDateTimeForm(PageFormContext& context) : TPageForm(context) {
    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Sunken);
    panel1->setToolTip(QString::fromLatin1(kEditHint));
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(panel1);

    // Captions in the first column; the values in the second, where the time of day's
    // seconds stand in a third column of their own beside its clock text. The rows stand as
    // one block in the middle of the panel.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(20);
    int row = 0;
    for (const ValueRow& line : kRows) {
        grid->addWidget(MakeLabel(panel1, line.captionName, line.caption), row, 0);
        QLabel* value = MakeValue(panel1, line.value);
        if (line.second.name != nullptr) {
            grid->addWidget(value, row, 1);
            grid->addWidget(MakeValue(panel1, line.second), row, 2);
        } else {
            grid->addWidget(value, row, 1, 1, 2);
        }
        ++row;
    }
    auto* across = new QHBoxLayout;
    across->addStretch(1);
    across->addLayout(grid);
    across->addStretch(1);
    auto* down = new QVBoxLayout(panel1);
    down->setContentsMargins(12, 12, 12, 12);
    down->addStretch(1);
    down->addLayout(across);
    down->addStretch(1);

    // The labels pass a right click on to the panel, so the menu opens over them too.
    AttachPopupMenu(QStringLiteral("PopupMenu1"), {panel1});
    // The time of day's seconds stand beside its clock text, under the same caption.
    NameValue(QStringLiteral("LabelTod"), QStringLiteral("Time of Day"), QStringLiteral("Seconds"));
}

}  // namespace quorvel
