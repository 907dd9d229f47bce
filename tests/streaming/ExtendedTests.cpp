// The 80-bit extended float: exact encoding of doubles, correct narrowing back.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "streaming/Extended.h"

using namespace tarnwick;

namespace {

TExtended80 Ext(uint16_t signExponent, uint64_t significand) {
  TExtended80 e{};
  for (int i = 0; i < 8; ++i) e[static_cast<size_t>(i)] = static_cast<uint8_t>(significand >> (8 * i));
  e[8] = static_cast<uint8_t>(signExponent);
  e[9] = static_cast<uint8_t>(signExponent >> 8);
  return e;
}

uint64_t Bits(double d) { return std::bit_cast<uint64_t>(d); }

}  // namespace

TEST(ExtendedFloat, DoublesEncodeToTheirExactExtendedForm) {
  struct Case {
    double value;
    uint16_t signExponent;
    uint64_t significand;
  };
  const Case cases[] = {
      {1.0, 0x3FFF, 0x8000000000000000},
      {-2.5, 0xC000, 0xA000000000000000},
      {0.1, 0x3FFB, 0xCCCCCCCCCCCCD000},
      {0.0, 0x0000, 0},
      {-0.0, 0x8000, 0},
      {DBL_MAX, 0x43FE, 0xFFFFFFFFFFFFF800},
      {DBL_MIN, 0x3C01, 0x8000000000000000},
      {std::numeric_limits<double>::denorm_min(), 0x3BCD, 0x8000000000000000},
      {-3 * std::numeric_limits<double>::denorm_min(), 0xBBCE, 0xC000000000000000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleToExtended(c.value), Ext(c.signExponent, c.significand)) << c.value;
    double back = 1;
    ASSERT_TRUE(ExtendedToDouble(Ext(c.signExponent, c.significand), back)) << c.value;
    EXPECT_EQ(Bits(back), Bits(c.value)) << c.value;
  }
  const TExtended80 one = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(DoubleToExtended(1.0), one);
}

TEST(ExtendedFloat, EveryFiniteDoubleRoundTripsBitForBit) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 200000; ++i) {
    double d = std::bit_cast<double>(random());
    if (!std::isfinite(d)) continue;
    double back = 0;
    ASSERT_TRUE(ExtendedToDouble(DoubleToExtended(d), back));
    ASSERT_EQ(Bits(back), Bits(d));
  }
}

TEST(ExtendedFloat, NarrowingRoundsToNearestWithTiesToEven) {
  struct Case {
    const char* what;
    TExtended80 ext;
    double expected;
  };
  const double denormMin = std::numeric_limits<double>::denorm_min();
  const Case cases[] = {
      {"tie below an even neighbour", Ext(0x3FFF, 0x8000000000000400), 1.0},
      {"just above the tie", Ext(0x3FFF, 0x8000000000000401), 1.0 + DBL_EPSILON},
      {"tie below an odd neighbour", Ext(0x3FFF, 0x8000000000000C00), 1.0 + 2 * DBL_EPSILON},
      {"carry into the exponent", Ext(0x3FFF, 0xFFFFFFFFFFFFFC00), 2.0},
      {"smallest subnormal", Ext(0x3BCD, 0x8000000000000000), denormMin},
      {"half the smallest subnormal ties to zero", Ext(0x3BCC, 0x8000000000000000), 0.0},
      {"three quarters round up", Ext(0x3BCC, 0xC000000000000000), denormMin},
      {"negative subnormal keeps its sign", Ext(0xBBCD, 0x8000000000000000), -denormMin},
      {"largest subnormal rounds into the normal range", Ext(0x3C00, 0xFFFFFFFFFFFFFFFF), DBL_MIN},
      {"far below the range", Ext(0x0001, 0x8000000000000000), 0.0},
      {"extended subnormal", Ext(0x0000, 0x0000000000000001), 0.0},
      {"negative extended subnormal", Ext(0x8000, 0x4000000000000000), -0.0},
  };
  for (const Case& c : cases) {
    double v = 42;
    ASSERT_TRUE(ExtendedToDouble(c.ext, v)) << c.what;
    EXPECT_EQ(Bits(v), Bits(c.expected)) << c.what;
  }
}

TEST(ExtendedFloat, ValuesNoFiniteDoubleHoldsAreRefused) {
  struct Case {
    const char* what;
    TExtended80 ext;
  };
  const Case cases[] = {
      {"infinity", Ext(0x7FFF, 0x8000000000000000)},
      {"negative infinity", Ext(0xFFFF, 0x8000000000000000)},
      {"quiet NaN", Ext(0x7FFF, 0xC000000000000000)},
      {"signalling NaN", Ext(0x7FFF, 0x8000000000000001)},
      {"pseudo-infinity", Ext(0x7FFF, 0)},
      {"unnormal", Ext(0x3FFF, 0x4000000000000000)},
      {"beyond the double range", Ext(0x4400, 0x8000000000000000)},
      {"rounds up beyond DBL_MAX", Ext(0x43FE, 0xFFFFFFFFFFFFFC00)},
      {"largest extended", Ext(0x7FFE, 0xFFFFFFFFFFFFFFFF)},
  };
  for (const Case& c : cases) {
    double v = 0;
    EXPECT_FALSE(ExtendedToDouble(c.ext, v)) << c.what;
  }
  // The encoder still has encodings for them, so nothing it is given is undefined.
  EXPECT_EQ(DoubleToExtended(std::numeric_limits<double>::infinity()), Ext(0x7FFF, 0x8000000000000000));
  EXPECT_EQ(DoubleToExtended(-std::numeric_limits<double>::quiet_NaN())[9] & 0x7F, 0x7F);
}
