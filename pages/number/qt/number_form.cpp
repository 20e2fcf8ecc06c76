#include "pages/number/qt/number_form.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <array>
#include <memory>

#include "common/qt/fixed_pitch_font.h"
#include "pages/number/number_page.h"

namespace quorvel {
namespace {

// The widest texts each kind of value label can show: 32 bits in every radix, the most
// negative 32-bit number, and a float text of its full 16 characters.
const QString kWidestHex = QStringLiteral("0xFFFFFFFF");
const QString kWidestBinary = QString(32, QLatin1Char('0'));
const QString kWidestOctal = QStringLiteral("o37777777777");
const QString kWidestDecimal = QStringLiteral("4294967295");
const QString kWidestSigned = QStringLiteral("-2147483648");
const QString kWidestFloat = QString(16, QLatin1Char('0'));
const QString kWidestCount = QStringLiteral("32");

// The rows of the pattern grid: caption and the ending of the row's control names.
struct PatternRow {
    const char* caption;
    const char* ending;
};
constexpr std::array<PatternRow, 4> kPatternRows{{
    {"Base #", ""},
    {"Reversed Bits", "Rev"},
    {"Rotated Left Bits", "RotL"},
    {"Rotated Right Bits", "RotR"},
}};

struct EncodingRow {
    const char* caption;
    const char* label;
};
constexpr std::array<EncodingRow, 4> kEncodingRows{{
    {"Twos Comp", "LabelTwosComp"},
    {"Offset Binary", "LabelOffsetBinary"},
    {"Ones Comp", "LabelOnesComp"},
    {"Sign Magnitude", "LabelSignMagnitude"},
}};

struct FloatRow {
    const char* caption;
    const char* label;
};
constexpr std::array<FloatRow, 3> kFloatRows{{
    {"IEEE 754 Float", "Label754Float"},
    {"MilStd 1750 Float", "LabelMilStd1750"},
    {"DEC Float", "LabelDecFloat"},
}};

struct RadixButton {
    const char* name;
    const char* caption;
};
constexpr std::array<RadixButton, 4> kRadixButtons{{
    {"ButtonRadixHex", "Hex"},
    {"ButtonRadixBinary", "Binary"},
    {"ButtonRadixOctal", "Octal"},
    {"ButtonRadixDec", "Dec"},
}};

// A fixed-pitch font of the page's size.
QFont ValueFont(const QFont& pageFont) {
    return FixedPitchFont(pageFont.pointSizeF() > 0 ? pageFont.pointSizeF() : 8);
}

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

TPageForm* NumberPage::MakeForm(PageFormContext& context) {
    return new TNumberForm(context);
}

TNumberForm::TNumberForm(PageFormContext& context)
    : TPageForm(context), m_valueFont(ValueFont(font())) {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(m_panel);

    auto* column = new QVBoxLayout(m_panel);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(6);

    auto* entry = new QGridLayout;
    entry->setHorizontalSpacing(6);
    entry->setVerticalSpacing(4);
    BuildEntry(entry);
    column->addLayout(entry);
    column->addWidget(Separator(m_panel));

    auto* patterns = new QGridLayout;
    patterns->setHorizontalSpacing(10);
    patterns->setVerticalSpacing(1);
    // The encodings share the pattern grid's columns, so that their texts line up.
    const int encodingsRow = BuildPatternGrid(patterns);
    patterns->addWidget(Separator(m_panel), encodingsRow, 0, 1, 4);
    patterns->setRowMinimumHeight(encodingsRow, 10);
    BuildEncodings(patterns, encodingsRow + 1);
    column->addLayout(patterns);

    column->addWidget(Separator(m_panel));

    auto* floats = new QGridLayout;
    floats->setHorizontalSpacing(16);
    floats->setVerticalSpacing(1);
    BuildFloats(floats);
    column->addLayout(floats);
    column->addStretch(1);
}

int TNumberForm::ValueWidth(const QString& widest) const {
    // A little room beyond the widest text, so that rounding of glyph advances never cuts
    // the last digit.
    return QFontMetrics(m_valueFont).horizontalAdvance(widest) + 4;
}

QLabel* TNumberForm::AddCaption(QGridLayout* grid, const QString& text, int row, int column,
                                Qt::Alignment alignment) {
    auto* caption = new QLabel(text, m_panel);
    caption->setTextFormat(Qt::PlainText);
    caption->setAlignment(alignment | Qt::AlignVCenter);
    grid->addWidget(caption, row, column, Qt::AlignLeft | Qt::AlignVCenter);
    return caption;
}

QLabel* TNumberForm::AddValue(QGridLayout* grid, const QString& name, const QString& widest,
                              int row, int column, Qt::Alignment alignment, int columnSpan) {
    auto* value = new QLabel(m_panel);
    value->setObjectName(name);
    value->setTextFormat(Qt::PlainText);
    value->setFont(m_valueFont);
    value->setAlignment(alignment | Qt::AlignVCenter);
    value->setMinimumWidth(ValueWidth(widest));
    grid->addWidget(value, row, column, 1, columnSpan, Qt::AlignLeft | Qt::AlignVCenter);
    return value;
}

// The edit box above its radix buttons, the two lists below them, the two counts on the right.
void TNumberForm::BuildEntry(QGridLayout* grid) {
    auto* edit = new QLineEdit(m_panel);
    edit->setObjectName(QStringLiteral("EditBaseNumber"));
    edit->setFont(m_valueFont);
    // Room for 32 binary digits with the box's frame and text margins.
    edit->setMinimumWidth(QFontMetrics(m_valueFont).horizontalAdvance(kWidestBinary) + 14);
    grid->addWidget(edit, 0, 0);
    // Enter and leaving the box apply the entry; every key reaches the box.
    ConnectEditBox(edit);
    // The box stands above its radix buttons, without a caption.
    NameValue(edit->objectName(), QStringLiteral("Base Number"));

    auto* radixes = new QHBoxLayout;
    radixes->setSpacing(6);
    for (const RadixButton& radix : kRadixButtons) {
        auto* button = new QRadioButton(QString::fromLatin1(radix.caption), m_panel);
        button->setObjectName(QString::fromLatin1(radix.name));
        radixes->addWidget(button);
        ConnectRadioButton(button);
    }
    radixes->addStretch(1);
    grid->addLayout(radixes, 1, 0);

    auto* lists = new QHBoxLayout;
    lists->setSpacing(6);
    const auto addList = [this, lists](const QString& caption, const QString& name, int first,
                                       int last) {
        auto* label = new QLabel(caption, m_panel);
        label->setTextFormat(Qt::PlainText);
        auto* list = new QComboBox(m_panel);
        list->setObjectName(name);
        for (int item = first; item <= last; ++item) {
            list->addItem(QString::number(item));
        }
        list->setMaxVisibleItems(16);
        lists->addWidget(label);
        lists->addWidget(list);
        ConnectComboBox(list);
    };
    addList(QStringLiteral("Bits In Number"), QStringLiteral("ComboNumBits"),
            NumberPageModel::kMinNumBits, NumberPageModel::kMaxNumBits);
    lists->addSpacing(14);
    addList(QStringLiteral("Bits To Rotate"), QStringLiteral("ComboRotBits"), 0,
            NumberPageModel::kMaxBitsToRotate);
    lists->addStretch(1);
    grid->addLayout(lists, 2, 0, 1, 4);

    AddCaption(grid, QStringLiteral("Bits Required for Value"), 0, 2);
    AddValue(grid, QStringLiteral("LabelBitsRequired"), kWidestCount, 0, 3, Qt::AlignRight);
    AddCaption(grid, QStringLiteral("Num Bits Set in Value"), 1, 2);
    AddValue(grid, QStringLiteral("LabelNumBitsSet"), kWidestCount, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
}

// The grid in two bands of the same four rows, so that 32 binary digits fit the page's width
// in a readable font: "(16)" and "(2)" above, "(8)" and "(10)" below.
int TNumberForm::BuildPatternGrid(QGridLayout* grid) {
    struct Band {
        const char* leftHeader;
        const char* leftColumn;
        const QString& leftWidest;
        const char* rightHeader;
        const char* rightColumn;
        const QString& rightWidest;
        Qt::Alignment rightAlignment;
    };
    const std::array<Band, 2> bands{{
        {"(16)", "Hex", kWidestHex, "(2)", "Binary", kWidestBinary, Qt::AlignLeft},
        {"(8)", "Octal", kWidestOctal, "(10)", "Dec", kWidestDecimal, Qt::AlignRight},
    }};
    int row = 0;
    for (const Band& band : bands) {
        if (row > 0) {
            // A little air between the bands, so that each header reads with its own rows.
            grid->addItem(new QSpacerItem(0, 6, QSizePolicy::Minimum, QSizePolicy::Fixed), row++,
                          0);
        }
        AddCaption(grid, QString::fromLatin1(band.leftHeader), row, 1);
        QLabel* rightHeader =
            AddCaption(grid, QString::fromLatin1(band.rightHeader), row, 2, band.rightAlignment);
        rightHeader->setMinimumWidth(ValueWidth(band.rightWidest));
        ++row;
        for (const PatternRow& pattern : kPatternRows) {
            const QString ending = QString::fromLatin1(pattern.ending);
            AddCaption(grid, QString::fromLatin1(pattern.caption), row, 0);
            AddValue(grid, QStringLiteral("StaticPattern%1%2").arg(band.leftColumn, ending),
                     band.leftWidest, row, 1);
            AddValue(grid, QStringLiteral("StaticPattern%1%2").arg(band.rightColumn, ending),
                     band.rightWidest, row, 2, band.rightAlignment);
            ++row;
        }
    }
    grid->setColumnStretch(3, 1);
    return row;
}

void TNumberForm::BuildEncodings(QGridLayout* grid, int firstRow) {
    AddCaption(grid, QStringLiteral("(16)"), firstRow, 1);
    QLabel* signedHeader = AddCaption(grid, QStringLiteral("(10)"), firstRow, 2, Qt::AlignRight);
    signedHeader->setMinimumWidth(ValueWidth(kWidestSigned));
    int row = firstRow + 1;
    for (const EncodingRow& encoding : kEncodingRows) {
        const QString label = QString::fromLatin1(encoding.label);
        AddCaption(grid, QString::fromLatin1(encoding.caption), row, 0);
        AddValue(grid, label, kWidestHex, row, 1);
        AddValue(grid, label + QStringLiteral("10"), kWidestSigned, row, 2, Qt::AlignRight);
        ++row;
    }
}

// The three decodings side by side, each caption above its value.
void TNumberForm::BuildFloats(QGridLayout* grid) {
    int column = 0;
    for (const FloatRow& decoding : kFloatRows) {
        AddCaption(grid, QString::fromLatin1(decoding.caption), 0, column);
        AddValue(grid, QString::fromLatin1(decoding.label), kWidestFloat, 1, column, Qt::AlignLeft);
        ++column;
    }
    grid->setColumnStretch(column, 1);
}

}  // namespace quorvel
