#pragma once
// Mono 16-bit PCM WAV files, for tests that render sound and look at it (or let a person
// listen to it: `play file.wav`, `sox file.wav -n stat`).

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::testing {

bool WriteWavFile(const std::string& path, const std::vector<std::int16_t>& samples,
                  int sampleRate);
// Reads a file written by WriteWavFile (the canonical 44-byte header); false for anything
// else.
bool ReadWavFile(const std::string& path, std::vector<std::int16_t>& samples, int& sampleRate);

}  // namespace quorvel::testing
