#include "common/prompts.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/number_text.h"

namespace quorvel {
namespace {

std::string PromptTitle(const std::string& low, const std::string& high) {
    return "Input Value between " + low + " & " + high;
}

// The starting text of an integer prompt in its radix, without prefix or leading zeros:
// 255 reads "11111111", "FF", "377" or "255"; 0 reads "0".
std::string IntDefaultText(std::int32_t value, int radix) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string text;
    switch (radix) {
        case 2:
            text = BinaryText(bits, 32);
            break;
        case 16:
            text = HexText(bits, 32, true);
            break;
        case 8:
            text = OctalText(bits, 32, true);
            break;
        default:
            text = FormatNumber(16, 0, value);
            break;
    }
    text = StripLeading('0', text);
    text = StripLeading('x', text);
    text = StripLeading('o', text);
    text = StripLeading('0', text);
    return text.empty() ? "0" : text;
}

}  // namespace

bool PromptRealValue(Interaction& ui, std::string_view prompt, double& value, int decimals,
                     double high, double low) {
    const std::string defaultText = FormatNumber(16, decimals, value);
    const std::string title =
        PromptTitle(FormatNumber(16, decimals, low), FormatNumber(16, decimals, high));
    const std::string answer = ui.InputBox(title, prompt, defaultText);

    // The untouched text is not read back, so the value keeps the digits the text rounded off.
    if (answer != defaultText) {
        double read = 0.0;
        if (!ParseReal(answer, read)) {
            return false;
        }
        value = read;
    }
    if (!ValueInRange(value, high, low)) {
        ui.cues().SoundWarning();
        value = ClampToRange(high, low, value);
    }
    return true;
}

bool PromptIntValue(Interaction& ui, std::string_view prompt, std::int32_t& value,
                    std::int32_t high, std::int32_t low, int radix) {
    const std::string defaultText = IntDefaultText(value, radix);
    const std::string title = PromptTitle(FormatNumber(16, 0, low), FormatNumber(16, 0, high));
    const std::string answer = ui.InputBox(title, prompt, defaultText);

    if (answer != defaultText) {
        // Only a prefix at the very first position switches to hexadecimal.
        const int readRadix = answer.starts_with("0x") ? 16 : radix;
        std::int32_t read = 0;
        if (!ParseIntRadix(answer, read, readRadix)) {
            return false;
        }
        value = read;
    }
    if (!ValueInRange(value, high, low)) {
        ui.cues().SoundWarning();
        // Both bounds are integers, so the clamped value converts exactly.
        value = static_cast<std::int32_t>(ClampToRange(high, low, value));
    }
    return true;
}

bool ValueInRange(double x, double a, double b) {
    const double top = std::max(a, b);
    const double bottom = std::min(a, b);
    return bottom <= x && x <= top;
}

double ClampToRange(double a, double b, double x) {
    const double top = std::max(a, b);
    const double bottom = std::min(a, b);
    if (x > top) {
        return top;
    }
    if (x < bottom || std::isnan(x)) {
        return bottom;
    }
    return x;
}

bool DialogKeyAllowed(char key, Cues& cues) {
    const bool letter = (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
    if (letter) {
        cues.SoundError();
        return false;
    }
    return true;
}

}  // namespace quorvel
