#pragma once
// Integer encodings of a 32-bit telemetry word: bit counts, bit reversal, and the pattern that
// a value has in the four signed-integer encodings of an N-bit field, with the signed number a
// two's complement pattern stands for.
//
// Pure functions on unsigned 32-bit words: no state, no allocation, no failure, and no
// undefined behaviour for any argument (widths and bit indexes outside their range are taken
// as documented below).
//
// The field model: an N-bit field (N from 1 to 32) occupies bits 0..N-1 of the word, its sign
// bit is bit N-1. The base value is read as the N-bit two's complement number s held in its
// low N bits; each encoding gives the N-bit pattern of that same number s. Bits of the base
// value at or above N are not part of the field and are dropped, as a decommutator drops the
// neighbouring bits of a word, so every pattern fits in N bits.

#include <array>
#include <cstdint>

namespace quorvel {

namespace detail {
constexpr std::array<std::uint32_t, 33> MakeBitMasks() {
    std::array<std::uint32_t, 33> masks{};
    for (int n = 1; n <= 32; ++n) {
        masks[n] = (masks[n - 1] << 1) | 1U;
    }
    return masks;
}
}  // namespace detail

// BitMask(n) = 2^n - 1, the mask of the n low bits, for n from 0 to 32; n < 0 is taken as 0
// and n > 32 as 32.
inline constexpr std::array<std::uint32_t, 33> kBitMasks = detail::MakeBitMasks();
constexpr std::uint32_t BitMask(int n) {
    return kBitMasks[static_cast<std::size_t>(n < 0 ? 0 : (n > 32 ? 32 : n))];
}

// True when bit b (0 = least significant, 0..31) of v is 1; false for b outside 0..31.
bool BitIsSet(std::uint32_t v, int b);
// v with bit b (0..31) inverted; v unchanged for b outside 0..31.
std::uint32_t FlipBit(std::uint32_t v, int b);

// Bits needed to write v: 0 for 0, otherwise one more than the index of the highest set bit
// (1 -> 1, 255 -> 8, 256 -> 9, 0xFFFFFFFF -> 32).
int BitsRequired(std::uint32_t v);
// Number of bits set in v (0..32), by pairwise sums, without a loop.
int NumBitsSet(std::uint32_t v);
// The count low bits of v in reverse order: bit i of the result is bit count-1-i of v, bits of
// v at or above count are dropped. count 0 gives 0, count 32 reverses the whole word. A count
// above 32 shifts the 32-bit reversal left by count-32 (bits leaving the word are lost), as
// reading count bits of a zero-extended v would.
std::uint32_t ReverseBits(std::uint32_t v, std::uint32_t count);

// The N-bit two's complement pattern of s: the low N bits of v. N outside 1..32 is taken as
// the nearer end of that range.
std::uint32_t TwosComplement(std::uint32_t v, int n);
// The N-bit offset-binary pattern of s: s + 2^(N-1), i.e. the two's complement pattern with
// the sign bit inverted (N = 8: 0x00 -> 0x80, 0x7F -> 0xFF, 0x80 -> 0x00).
std::uint32_t OffsetBinary(std::uint32_t v, int n);
// The N-bit ones' complement pattern of s: the two's complement pattern, less one when
// negative (N = 8: 0xFF (-1) -> 0xFE, 0x81 (-127) -> 0x80). The one value that ones'
// complement cannot hold, s = -2^(N-1), wraps to 2^(N-1) - 1 (N = 8: 0x80 -> 0x7F).
std::uint32_t OnesComplement(std::uint32_t v, int n);
// The N-bit sign-magnitude pattern of s: sign bit N-1, magnitude |s| in bits 0..N-2
// (N = 8: 0x05 -> 0x05, 0xFF (-1) -> 0x81, 0x81 (-127) -> 0xFF). The one value that sign
// magnitude cannot hold, s = -2^(N-1), saturates to the most negative pattern it can hold,
// -(2^(N-1) - 1): all N bits set (N = 8: 0x80 -> 0xFF).
std::uint32_t SignMagnitude(std::uint32_t v, int n);

// The number that the N-bit two's complement pattern p stands for: with c = BitMask(N-1),
// p itself when p <= c, otherwise -((NOT p AND c) + 1). For a pattern that fits in N bits this
// is p - 2^N when bit N-1 is set (N = 8: 0x80 -> -128, 0xFF -> -1, 0x7F -> 127); higher bits
// of p are ignored in the negative branch. N <= 1 reads every non-zero pattern as -1 (the
// mask of N-1 bits is empty), N > 32 reads p as N = 32 does.
std::int32_t SignedValue(std::uint32_t p, int n);

}  // namespace quorvel
