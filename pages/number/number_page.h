#pragma once
// The Number page without its window: one unsigned 32-bit base value shown in hexadecimal,
// binary, octal and decimal, reversed and rotated, read in four signed-integer encodings of
// an N-bit field and decoded as three floating-point words. The value is typed into an edit
// box in the chosen entry radix; two lists choose N and the rotation count. Kept in section
// "Number" of the settings file.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "pages/page_entry.h"
#include "shell/page_tables.h"

namespace quorvel {

// The page's value block.
struct NumberValues {
    std::uint32_t baseValue = 0;    // v, the 32-bit word shown in every form
    std::int32_t numBits = 16;      // N, the field width of the texts and encodings, 4..32
    std::int32_t convertBase = 16;  // entry radix 2, 8, 10 or 16; any other number is unknown
    std::int32_t bitsToRotate = 0;  // k, the rotation count, 0..31
};

// The Number page in the page registry.
struct NumberPage {
    static constexpr PageIdentity kIdentity{"Number", "Number", "Number Functions"};
    static constexpr std::array<std::string_view, 1> kMainPanels{"Panel1"};
    static constexpr PageColourTargets kColours{kMainPanels, {}, "LabelBitsRequired"};
    static std::unique_ptr<PageModel> MakeModel(const PageContext& context);
    static TPageForm* MakeForm(PageFormContext& context);
};

class NumberPageModel final : public TablePageModel<NumberPageModel, NumberValues> {
public:
    static constexpr int kMinNumBits = 4;
    static constexpr int kMaxNumBits = 32;
    static constexpr int kMaxBitsToRotate = 31;

    NumberPageModel() : TablePageModel(NumberPage::kIdentity) {}

    // EditBaseNumber, the four radix buttons, ComboNumBits, ComboRotBits, the two counts, the
    // sixteen pattern texts row by row, the eight encoding labels and the three float labels.
    DisplayList Display() const override;

    // EditBaseNumber: the entry is read in the entry radix (see ApplyEntry).
    bool EditEntered(std::string_view control, std::string_view text, Interaction& ui) override;
    // ButtonRadixHex, ButtonRadixBinary, ButtonRadixOctal, ButtonRadixDec: the entry radix.
    bool ButtonClicked(std::string_view control, Interaction& ui) override;
    // ComboNumBits (item i is N = i + 4) and ComboRotBits (item i is k = i); false for an
    // index that names no item.
    bool ListChosen(std::string_view control, int index, Interaction& ui) override;

    // Reads the edit box text as the new base value. In radix 8 a leading "o" (the prefix the
    // page shows) is skipped; the digits are read with ParseUnsigned as far as they go, so
    // trailing characters are ignored, a text without digits gives 0, a number above
    // 4294967295 gives 4294967295 and a minus sign negates modulo 2^32. Nothing is refused.
    // The text the page itself shows applies as the value held, so that leaving the box
    // untouched never changes the value, even when the shown text is cut to N bits' digits.
    // With an unknown entry radix the text cannot be read and the value is kept.
    void ApplyEntry(std::string_view text);

    // The edit box text: binary of N digits, "o" and octal, decimal, or "0x" and
    // hexadecimal, by the entry radix; "unk" for an unknown radix.
    std::string EntryText() const;

private:
    friend TablePageModel;
    // "Base10Value" (radix 10), "NumBits", "ConvertBase" and "BitsToRotate". "NumBits"
    // outside 4..32 and "BitsToRotate" outside 0..31 are refused like an unreadable key: the
    // value held stays. "ConvertBase" is taken as it stands.
    static std::span<const SettingField<NumberPageModel, NumberValues>> SettingFields();
    // The page has no popup menu.
    static std::span<const MenuEntry<NumberPageModel>> MenuEntries() { return {}; }
};

}  // namespace quorvel
