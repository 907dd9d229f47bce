// Rounding, sets and message formatting: the small helpers everything else relies on.
#include <gtest/gtest.h>

#include <limits>

#include "platform/core/Format.h"
#include "platform/core/Math.h"
#include "platform/core/Set.h"

using namespace tarnwick;

TEST(Rounding, RoundTiesToEvenAndSaturates) {
  struct Case {
    double in;
    int32_t out;
  };
  const Case cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},         {-0.5, 0},
                        {-1.5, -2}, {-2.5, -2},  {2.4999, 2}, {2.5001, 3},      {-2.5001, -3},
                        {1e300, std::numeric_limits<int32_t>::max()}, {-1e300, std::numeric_limits<int32_t>::min()},
                        {std::numeric_limits<double>::quiet_NaN(), 0}, {2147483646.5, 2147483646}};
  for (const auto& c : cases) EXPECT_EQ(Round(c.in), c.out) << c.in;
}

TEST(Rounding, TruncAndMulDiv) {
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(MulDiv(8, 96, 72), 11);    // 10.67
  EXPECT_EQ(MulDiv(3, 1, 2), 2);       // halves go away from zero
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(1 << 30, 4, 2), -1) << "overflow reports -1";
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

namespace {
enum TFruit { frApple, frPear, frFig, frLast = 7 };
}

TEST(Sets, MembersAreBitsInOrdinalOrder) {
  TSet<TFruit, uint8_t> s{frApple, frFig};
  EXPECT_EQ(s.Mask(), 0b101);
  EXPECT_TRUE(s.Contains(frFig));
  EXPECT_FALSE(s.Contains(frPear));
  s += frLast;
  EXPECT_EQ(s.Mask(), 0b10000101);
  s -= frApple;
  EXPECT_EQ((s * TSet<TFruit, uint8_t>({frFig, frPear})).Mask(), 0b100);
  using TFruits = TSet<TFruit, uint8_t>;
  EXPECT_TRUE(TFruits{frFig}.SubsetOf(s));
  EXPECT_EQ(TFruits::FromMask(0x1FF).Mask(), 0xFF) << "storage width caps the mask";
  EXPECT_FALSE(s.Contains(static_cast<TFruit>(40))) << "out-of-range ordinals are never members";
}

TEST(Formatting, PlaceholdersAreFilledInOrder) {
  EXPECT_EQ(Format("Error reading %s%s%s: %s", "Block1", ".", "Width", "Invalid property value"),
            "Error reading Block1.Width: Invalid property value");
  EXPECT_EQ(Format("%s on line %d", "Syntax error", 12), "Syntax error on line 12");
  EXPECT_EQ(Format("%d%%", 50), "50%");
  EXPECT_EQ(Format("%s_%d", QString("Diagram"), 2), "Diagram_2");
  EXPECT_EQ(Format("%s and %s", "one"), "one and %s") << "a missing argument stays visible";
}
