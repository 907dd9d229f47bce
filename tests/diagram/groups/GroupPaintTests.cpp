// A group is never painted itself; while something inside it is selected but it is not,
// it shows where it is with a dotted grey outline.
#include "../PassImage.h"
#include "GroupFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class GroupPainting : public ::testing::Test, public TGroupFixture {
 protected:
  // Grey pixels in the band between the two members, where only the group's top and
  // bottom edges can be.
  int GreyBetweenMembers() {
    const QImage image = PaintPass(Diagram, 200, 200, psScreen);
    int grey = 0;
    for (int y = 0; y < 200; ++y)
      for (int x = 70; x <= 90; ++x)
        if (Near(image.pixel(x, y), 0x80, 0x80, 0x80, 8)) ++grey;
    return grey;
  }
};

}  // namespace

TEST_F(GroupPainting, ASelectedMemberShowsTheGroupDottedAndGrey) {
  auto* a = Block(20, 20, 60, 60);
  auto* b = Block(100, 100, 140, 140);
  auto* g = Group({a, b});
  EXPECT_EQ(GreyBetweenMembers(), 0) << "nothing selected";

  b->SetSelected(true);
  const int grey = GreyBetweenMembers();
  // Two edges of 21 pixels each, dotted: some pixels, not all.
  EXPECT_GT(grey, 6);
  EXPECT_LT(grey, 42);

  b->SetSelected(false);
  g->SetSelected(true);
  EXPECT_EQ(GreyBetweenMembers(), 0) << "a selected group shows its own frame";
}
