#include "streaming/Extended.h"

#include <bit>
#include <cstring>

namespace tarnwick {

namespace {

constexpr int ExtendedBias = 16383;
constexpr int DoubleBias = 1023;

TExtended80 Pack(bool negative, uint16_t exponent, uint64_t significand) {
  TExtended80 out{};
  for (int i = 0; i < 8; ++i) out[static_cast<size_t>(i)] = static_cast<uint8_t>(significand >> (8 * i));
  uint16_t top = static_cast<uint16_t>(exponent | (negative ? 0x8000 : 0));
  out[8] = static_cast<uint8_t>(top);
  out[9] = static_cast<uint8_t>(top >> 8);
  return out;
}

double FromBits(uint64_t bits) { return std::bit_cast<double>(bits); }

}  // namespace

TExtended80 DoubleToExtended(double value) noexcept {
  uint64_t bits = std::bit_cast<uint64_t>(value);
  bool negative = (bits >> 63) != 0;
  int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);

  if (exponent == 0x7FF) {
    // Infinity keeps only the integer bit; a NaN is made quiet and keeps its payload.
    uint64_t significand = uint64_t{1} << 63;
    if (fraction != 0) significand |= (uint64_t{1} << 62) | (fraction << 11);
    return Pack(negative, 0x7FFF, significand);
  }
  if (exponent == 0) {
    if (fraction == 0) return Pack(negative, 0, 0);
    // A double subnormal is a normal number in the wider exponent range: shift its
    // highest set bit up to the integer bit.
    int top = 63 - std::countl_zero(fraction);  // 0..51
    uint64_t significand = fraction << (63 - top);
    int unbiased = top - 1074;
    return Pack(negative, static_cast<uint16_t>(unbiased + ExtendedBias), significand);
  }
  uint64_t significand = (uint64_t{1} << 63) | (fraction << 11);
  return Pack(negative, static_cast<uint16_t>(exponent - DoubleBias + ExtendedBias), significand);
}

bool ExtendedToDouble(const TExtended80& bytes, double& value) noexcept {
  uint64_t significand = 0;
  for (int i = 7; i >= 0; --i) significand = (significand << 8) | bytes[static_cast<size_t>(i)];
  uint16_t top = static_cast<uint16_t>(bytes[8] | (bytes[9] << 8));
  bool negative = (top & 0x8000) != 0;
  int exponent = top & 0x7FFF;
  uint64_t sign = negative ? uint64_t{1} << 63 : 0;

  if (exponent == 0x7FFF) return false;  // infinity or NaN
  if (exponent == 0) {
    // Zero, and the extended subnormals, which all lie far below the smallest double.
    value = FromBits(sign);
    return true;
  }
  if ((significand >> 63) == 0) return false;  // unnormal: not a number the format allows

  int unbiased = exponent - ExtendedBias;  // value = significand * 2^(unbiased - 63)
  if (unbiased > 1023) return false;

  if (unbiased >= -1022) {
    // Keep the top 53 bits; round the 11 dropped bits to nearest, ties to even.
    uint64_t kept = significand >> 11;
    uint64_t dropped = significand & 0x7FF;
    if (dropped > 0x400 || (dropped == 0x400 && (kept & 1) != 0)) ++kept;
    if (kept == (uint64_t{1} << 53)) {
      kept >>= 1;
      ++unbiased;
      if (unbiased > 1023) return false;
    }
    int biasedExponent = unbiased + DoubleBias;
    auto biased = static_cast<uint64_t>(biasedExponent);
    value = FromBits(sign | (biased << 52) | (kept & ((uint64_t{1} << 52) - 1)));
    return true;
  }

  // Below the normal range: count in units of the smallest subnormal, 2^-1074.
  int shift = -1011 - unbiased;  // > 11 here
  uint64_t kept = 0;
  if (shift <= 64) {
    kept = shift == 64 ? 0 : significand >> shift;
    uint64_t dropped = shift == 64 ? significand : significand & ((uint64_t{1} << shift) - 1);
    uint64_t half = uint64_t{1} << (shift - 1);
    if (dropped > half || (dropped == half && (kept & 1) != 0)) ++kept;
  }
  // kept may have reached 2^52, which is exactly the bit pattern of the smallest normal.
  value = FromBits(sign | kept);
  return true;
}

}  // namespace tarnwick
