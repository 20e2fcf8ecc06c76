#include "pages/number/number_page.h"

#include <array>

#include "common/number_text.h"
#include "common/safe_math.h"
#include "pages/number/float_encodings.h"
#include "pages/number/integer_encodings.h"

namespace quorvel {
namespace {

constexpr std::string_view kEditBaseNumber = "EditBaseNumber";
constexpr std::string_view kComboNumBits = "ComboNumBits";
constexpr std::string_view kComboRotBits = "ComboRotBits";

struct RadixButton {
    std::string_view name;
    int radix;
};

constexpr std::array<RadixButton, 4> kRadixButtons{{
    {"ButtonRadixHex", 16},
    {"ButtonRadixBinary", 2},
    {"ButtonRadixOctal", 8},
    {"ButtonRadixDec", 10},
}};

bool IsKnownRadix(int radix) {
    return radix == 2 || radix == 8 || radix == 10 || radix == 16;
}

// The text widths of an N-bit field: hexadecimal digits N/4 and octal digits N/3, both
// rounded up (N = 16: 4 and 6; N = 32: 8 and 11).
struct TextWidths {
    int hex;
    int octal;
};

TextWidths WidthsFor(int numBits) {
    return {(numBits + 3) / 4, (numBits + 2) / 3};
}

std::string DecimalText(std::uint32_t value) {
    return FormatNumber(12, 0, static_cast<double>(value));
}

std::string FloatText(double value) {
    return FormatNumber(16, 8, value);
}

// One row of the pattern grid: x in hexadecimal, binary, octal and decimal, the controls
// named by the row's ending ("" for the base row, "Rev", "RotL", "RotR").
void AddPatternRow(DisplayList& list, std::string_view ending, std::uint32_t x, int numBits,
                   TextWidths widths) {
    const auto name = [ending](std::string_view column) {
        return "StaticPattern" + std::string(column) + std::string(ending);
    };
    list.push_back({name("Hex"), HexText(x, widths.hex, true)});
    list.push_back({name("Binary"), BinaryText(x, numBits)});
    list.push_back({name("Octal"), OctalText(x, widths.octal, true)});
    list.push_back({name("Dec"), DecimalText(x)});
}

// One encodings row: the N-bit pattern in hexadecimal and the signed number it stands for.
void AddEncodingRow(DisplayList& list, std::string_view label, std::uint32_t pattern, int numBits,
                    TextWidths widths) {
    list.push_back({std::string(label), HexText(pattern, widths.hex, true)});
    list.push_back({std::string(label) + "10",
                    FormatNumber(12, 0, static_cast<double>(SignedValue(pattern, numBits)))});
}

}  // namespace

std::unique_ptr<PageModel> NumberPage::MakeModel(const PageContext&) {
    return std::make_unique<NumberPageModel>();
}

std::span<const SettingField<NumberPageModel, NumberValues>> NumberPageModel::SettingFields() {
    // A width or count outside what the lists offer is refused, as an unreadable key is: N
    // beyond 32 has no bit mask and neither list could show it as its selection. An unknown
    // radix is kept: the page shows "unk" and no radix button until one is clicked, and
    // writes the number back as it found it.
    static constexpr std::array<SettingField<NumberPageModel, NumberValues>, 4> kFields{{
        {"Base10Value", Stored<&NumberValues::baseValue>},
        {"NumBits", Stored<&NumberValues::numBits>, nullptr, kMinNumBits, kMaxNumBits},
        {"ConvertBase", Stored<&NumberValues::convertBase>},
        {"BitsToRotate", Stored<&NumberValues::bitsToRotate>, nullptr, 0, kMaxBitsToRotate},
    }};
    return kFields;
}

std::string NumberPageModel::EntryText() const {
    const NumberValues& v = m_values;
    const TextWidths widths = WidthsFor(v.numBits);
    switch (v.convertBase) {
        case 2:
            return BinaryText(v.baseValue, v.numBits);
        case 8:
            return OctalText(v.baseValue, widths.octal, true);
        case 10:
            return DecimalText(v.baseValue);
        case 16:
            return HexText(v.baseValue, widths.hex, true);
        default:
            return "unk";
    }
}

DisplayList NumberPageModel::Display() const {
    const NumberValues& v = m_values;
    const int n = v.numBits;
    const TextWidths widths = WidthsFor(n);

    DisplayList list;
    list.reserve(40);
    list.push_back({std::string(kEditBaseNumber), EntryText()});
    for (const RadixButton& button : kRadixButtons) {
        list.push_back({std::string(button.name), YesNoText(button.radix == v.convertBase)});
    }
    list.push_back({std::string(kComboNumBits), std::to_string(n)});
    list.push_back({std::string(kComboRotBits), std::to_string(v.bitsToRotate)});
    list.push_back({"LabelBitsRequired", FormatNumber(2, 0, BitsRequired(v.baseValue))});
    list.push_back({"LabelNumBitsSet", FormatNumber(2, 0, NumBitsSet(v.baseValue))});

    // The reversal and the rotations act on the whole 32-bit word; N only sets the widths.
    AddPatternRow(list, "", v.baseValue, n, widths);
    AddPatternRow(list, "Rev", ReverseBits(v.baseValue, 32), n, widths);
    AddPatternRow(list, "RotL", RotateLeft32(v.baseValue, v.bitsToRotate), n, widths);
    AddPatternRow(list, "RotR", RotateRight32(v.baseValue, v.bitsToRotate), n, widths);

    AddEncodingRow(list, "LabelTwosComp", TwosComplement(v.baseValue, n), n, widths);
    AddEncodingRow(list, "LabelOffsetBinary", OffsetBinary(v.baseValue, n), n, widths);
    AddEncodingRow(list, "LabelOnesComp", OnesComplement(v.baseValue, n), n, widths);
    AddEncodingRow(list, "LabelSignMagnitude", SignMagnitude(v.baseValue, n), n, widths);

    double ieee = 0;
    list.push_back(
        {"Label754Float", Ieee754FloatValue(v.baseValue, ieee) ? FloatText(ieee) : "NaN"});
    list.push_back({"LabelMilStd1750", FloatText(MilStd1750Value(v.baseValue))});
    list.push_back({"LabelDecFloat", FloatText(DecFloatValue(v.baseValue))});
    return list;
}

void NumberPageModel::ApplyEntry(std::string_view text) {
    if (!IsKnownRadix(m_values.convertBase) || text == EntryText()) {
        return;
    }
    if (m_values.convertBase == 8 && !text.empty() && text.front() == 'o') {
        text.remove_prefix(1);
    }
    std::uint32_t value = 0;
    // The value read is taken even when characters follow the digits.
    ParseUnsigned(text, value, m_values.convertBase);
    m_values.baseValue = value;
}

bool NumberPageModel::EditEntered(std::string_view control, std::string_view text, Interaction&) {
    if (control != kEditBaseNumber) {
        return false;
    }
    ApplyEntry(text);
    return true;
}

bool NumberPageModel::ButtonClicked(std::string_view control, Interaction&) {
    for (const RadixButton& button : kRadixButtons) {
        if (control == button.name) {
            m_values.convertBase = button.radix;
            return true;
        }
    }
    return false;
}

bool NumberPageModel::ListChosen(std::string_view control, int index, Interaction&) {
    if (control == kComboNumBits) {
        if (index < 0 || index > kMaxNumBits - kMinNumBits) {
            return false;
        }
        m_values.numBits = index + kMinNumBits;
        return true;
    }
    if (control == kComboRotBits) {
        if (index < 0 || index > kMaxBitsToRotate) {
            return false;
        }
        m_values.bitsToRotate = index;
        return true;
    }
    return false;
}

}  // namespace quorvel
