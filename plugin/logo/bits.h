#pragma once
// Bit tricks shared by the logo packings and the halftones.

#include <cstdint>
#include <cstring>

namespace varnel::logo {

// Packs eight bytes of 0 or 1 into one byte, the first in the most significant bit.
// The multiplier moves byte i's low bit to bit 63 - i; no two products overlap there.
inline uint8_t PackEight(const uint8_t* ones) {
  uint64_t word;
  std::memcpy(&word, ones, 8);
  return uint8_t((word * 0x8040201008040201ull) >> 56);
}

// Transposes an 8 x 8 bit matrix held as eight bytes, row 0 in the most significant
// byte and column 0 in each byte's most significant bit: afterwards byte i (from the
// top) holds column i, row 0 in its most significant bit.
inline uint64_t Transpose8x8(uint64_t x) {
  uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAull;
  x ^= t ^ (t << 7);
  t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCull;
  x ^= t ^ (t << 14);
  t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ull;
  x ^= t ^ (t << 28);
  return x;
}

}  // namespace varnel::logo
