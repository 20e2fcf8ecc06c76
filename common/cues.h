#pragma once
// The three audible cues. Everything that sounds a cue does it through this interface, so the
// program can play them on the speaker, the command-line front end can list them, and tests
// can count them. A cue blocks its caller for its length.

namespace quorvel {

class Cues {
public:
    virtual ~Cues() = default;
    virtual void SoundClick() = 0;    // a 1 ms click
    virtual void SoundWarning() = 0;  // two falling tones, 100 ms: a value was clamped
    virtual void SoundError() = 0;    // a low double buzz, 420 ms: a key or field was refused
};

}  // namespace quorvel
