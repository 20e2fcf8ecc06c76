#include "support/wav_file.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace quorvel::testing {

namespace {

constexpr std::size_t kHeaderSize = 44;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::uint32_t GetLittleEndian(const std::string& in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

}  // namespace

bool WriteWavFile(const std::string& path, const std::vector<std::int16_t>& samples,
                  int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4);  // format chunk size
    PutLittleEndian(bytes, 1, 2);   // PCM
    PutLittleEndian(bytes, 1, 2);   // mono
    PutLittleEndian(bytes, static_cast<std::uint32_t>(sampleRate), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(sampleRate) * 2, 4);  // bytes per second
    PutLittleEndian(bytes, 2, 2);                                           // block align
    PutLittleEndian(bytes, 16, 2);                                          // bits per sample
    bytes += "data";
    PutLittleEndian(bytes, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool ReadWavFile(const std::string& path, std::vector<std::int16_t>& samples, int& sampleRate) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (bytes.size() < kHeaderSize || bytes.compare(0, 4, "RIFF") != 0 ||
        bytes.compare(8, 8, "WAVEfmt ") != 0 || GetLittleEndian(bytes, 20, 2) != 1 ||
        GetLittleEndian(bytes, 22, 2) != 1 || GetLittleEndian(bytes, 34, 2) != 16 ||
        bytes.compare(36, 4, "data") != 0) {
        return false;
    }
    const std::uint32_t dataBytes = GetLittleEndian(bytes, 40, 4);
    if (bytes.size() != kHeaderSize + dataBytes) {
        return false;
    }
    sampleRate = static_cast<int>(GetLittleEndian(bytes, 24, 4));
    samples.resize(dataBytes / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(GetLittleEndian(bytes, kHeaderSize + 2 * i, 2));
    }
    return true;
}

}  // namespace quorvel::testing
