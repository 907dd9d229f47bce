// The point lists of lines and polygon blocks.
#include <gtest/gtest.h>

#include "diagram/model/DrawPoints.h"
#include "platform/core/ClassInfo.h"

using namespace tarnwick;

TEST(DrawPoints, AppendCopiesEveryPointInOrderEvenFromItself) {
  auto* a = Create<TDrawPoints>(nullptr);
  auto* b = Create<TDrawPoints>(nullptr);
  a->Add(1, 2);
  a->Add(3, 4);
  b->Add(9, 9);
  b->Append(a);
  ASSERT_EQ(b->Count(), 3);
  EXPECT_EQ(b->GetItems(1)->GetP(), (TDot{1, 2}));
  EXPECT_EQ(b->GetItems(2)->GetP(), (TDot{3, 4}));
  EXPECT_NE(b->GetItems(1), a->GetItems(0)) << "copies, not the same items";
  a->Append(a);
  ASSERT_EQ(a->Count(), 4);
  EXPECT_EQ(a->GetItems(3)->GetP(), (TDot{3, 4}));
  a->Free();
  b->Free();
}

TEST(DrawPoints, CoordinatesAreWrittenOnlyWhenNotZero) {
  auto* a = Create<TDrawPoints>(nullptr);
  TDrawPoint* p = a->Add(0, 5);
  const TClassInfo& info = TDrawPoint::StaticClassInfo();
  auto written = [&](const char* n) {
    const TPropInfo* prop = info.FindProperty(n);
    return prop->IsStored(*p) && !prop->IsDefaultValue(*p);
  };
  EXPECT_FALSE(written("X"));
  EXPECT_TRUE(written("Y"));
  a->Free();
}
