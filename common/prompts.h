#pragma once
// The two bounded value prompts every page edits its inputs with, the range helpers behind
// them, and the key filter of the entry dialogs.
//
// A prompt opens the text-entry box titled "Input Value between <low> & <high>" with the
// current value as its text. A changed text is read back; text that does not read leaves the
// value alone and returns false (no cue). A value outside the bounds, typed or already held,
// is moved to the nearer bound with the warning cue. Cancel, or OK on the untouched text,
// re-reads nothing but still applies the bounds and returns true.

#include <cstdint>
#include <string_view>

#include "common/cues.h"
#include "common/interaction.h"

namespace quorvel {

// Note the order of the bounds: high before low, as the pages call them.
bool PromptRealValue(Interaction& ui, std::string_view prompt, double& value, int decimals,
                     double high, double low);
// radix 2, 8, 10 or 16 chooses the form of the starting text; an answer beginning with "0x"
// is read in radix 16 whatever the radix.
bool PromptIntValue(Interaction& ui, std::string_view prompt, std::int32_t& value,
                    std::int32_t high, std::int32_t low, int radix);

// x lies in the closed interval between a and b (in either order).
bool ValueInRange(double x, double a, double b);
// x, or the nearer end of the interval between a and b; a NaN gives the lower end.
double ClampToRange(double a, double b, double x);

// The key filter of the entry dialogs: an ASCII letter is refused with the error cue; every
// other character passes. Returns true when the key passes.
bool DialogKeyAllowed(char key, Cues& cues);

}  // namespace quorvel
