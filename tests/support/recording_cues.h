#pragma once
// Cues that are recorded instead of sounded, for the library and the Qt tests alike.

#include <algorithm>
#include <string>
#include <vector>

#include "common/cues.h"

namespace quorvel::testing {

class RecordingCues final : public Cues {
public:
    void SoundClick() override { heard.push_back("click"); }
    void SoundWarning() override { heard.push_back("warning"); }
    void SoundError() override { heard.push_back("error"); }

    int Count(const std::string& cue) const {
        return static_cast<int>(std::count(heard.begin(), heard.end(), cue));
    }

    std::vector<std::string> heard;
};

}  // namespace quorvel::testing
