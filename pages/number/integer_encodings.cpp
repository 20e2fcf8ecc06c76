#include "pages/number/integer_encodings.h"

#include <bit>

namespace quorvel {
namespace {

int ClampWidth(int n) {
    return n < 1 ? 1 : (n > 32 ? 32 : n);
}

bool IsBitIndex(int b) {
    return b >= 0 && b < 32;
}

}  // namespace

bool BitIsSet(std::uint32_t v, int b) {
    return IsBitIndex(b) && (v & (1U << b)) != 0;
}

std::uint32_t FlipBit(std::uint32_t v, int b) {
    return IsBitIndex(b) ? v ^ (1U << b) : v;
}

int BitsRequired(std::uint32_t v) {
    return std::bit_width(v);
}

int NumBitsSet(std::uint32_t v) {
    std::uint32_t x = v;
    x = ((x >> 1) & 0x55555555U) + (x & 0x55555555U);
    x = ((x >> 2) & 0x33333333U) + (x & 0x33333333U);
    x = ((x >> 4) & 0x0F0F0F0FU) + (x & 0x0F0F0F0FU);
    x = ((x >> 8) & 0x00FF00FFU) + (x & 0x00FF00FFU);
    return static_cast<int>((x >> 16) + (x & 0xFFFFU));
}

std::uint32_t ReverseBits(std::uint32_t v, std::uint32_t count) {
    // Reverse the whole word by swapping ever smaller halves, then line the reversal up with
    // the count low bits that were asked for.
    std::uint32_t r = v;
    r = (r >> 16) | (r << 16);
    r = ((r >> 8) & 0x00FF00FFU) | ((r & 0x00FF00FFU) << 8);
    r = ((r >> 4) & 0x0F0F0F0FU) | ((r & 0x0F0F0F0FU) << 4);
    r = ((r >> 2) & 0x33333333U) | ((r & 0x33333333U) << 2);
    r = ((r >> 1) & 0x55555555U) | ((r & 0x55555555U) << 1);
    if (count == 0 || count >= 64) {
        return 0;
    }
    if (count <= 32) {
        return r >> (32 - count);
    }
    return r << (count - 32);
}

std::uint32_t TwosComplement(std::uint32_t v, int n) {
    return v & BitMask(ClampWidth(n));
}

std::uint32_t OffsetBinary(std::uint32_t v, int n) {
    const int width = ClampWidth(n);
    return TwosComplement(FlipBit(v, width - 1), width);
}

std::uint32_t OnesComplement(std::uint32_t v, int n) {
    const int width = ClampWidth(n);
    const std::uint32_t t = TwosComplement(v, width);
    return BitIsSet(t, width - 1) ? t - 1 : t;
}

std::uint32_t SignMagnitude(std::uint32_t v, int n) {
    const int width = ClampWidth(n);
    const std::uint32_t t = TwosComplement(v, width);
    if (!BitIsSet(t, width - 1)) {
        return t;
    }
    // |s| = (the N bits inverted) + 1; it fits beside the sign bit except for -2^(N-1).
    const std::uint32_t magnitude = (t ^ BitMask(width)) + 1;
    const std::uint32_t largest = BitMask(width - 1);
    const std::uint32_t signBit = largest + 1;
    return signBit | (magnitude > largest ? largest : magnitude);
}

std::int32_t SignedValue(std::uint32_t p, int n) {
    const std::uint32_t c = BitMask(n < 1 ? 0 : n - 1);
    if (p <= c) {
        return static_cast<std::int32_t>(p);
    }
    const std::int64_t magnitude = static_cast<std::int64_t>(~p & c) + 1;
    return static_cast<std::int32_t>(-magnitude);
}

}  // namespace quorvel
