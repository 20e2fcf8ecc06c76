#pragma once
// What the fuzz targets share: reading typed values off the front of the input, and a check
// that stops the run (a finding) when it fails.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace quorvel::fuzz {

// The next sizeof(T) bytes of the input as a T, zero-filled where the input runs out.
template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace quorvel::fuzz
