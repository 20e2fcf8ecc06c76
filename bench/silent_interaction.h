#pragma once
// What the page benchmarks answer a page with: cues that sound nothing, and no user.

#include <string>
#include <string_view>

#include "common/interaction.h"

namespace quorvel::bench {

class SilentCues final : public Cues {
public:
    void SoundClick() override {}
    void SoundWarning() override {}
    void SoundError() override {}
};

// Every prompt answered with the text it starts with, every dialog cancelled, every message
// dropped, and no cue sounded.
class NoInteraction final : public Interaction {
public:
    Cues& cues() override { return m_cues; }
    std::string InputBox(std::string_view, std::string_view, std::string_view text) override {
        return std::string(text);
    }
    bool RunDialog(DialogModel&) override { return false; }
    void ShowMessage(std::string_view) override {}

private:
    SilentCues m_cues;
};

}  // namespace quorvel::bench
