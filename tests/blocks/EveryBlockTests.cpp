// What every class of the block sets must do, at 0 degrees and turned: be inserted by mouse
// under its identifier, paint inside its bounds in each drawing library, be hit on its
// outline and missed off it, keep its link points on its outline, and come back from a
// document unchanged.
#include <gtest/gtest.h>

#include <QImage>

#include "../diagram/DocumentText.h"
#include "../diagram/PassImage.h"
#include "BlockSetFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TCase {
  TBlockSetClass Class;
  double Angle;
};

std::vector<TCase> Cases() {
  std::vector<TCase> cases;
  for (const TBlockSetClass& c : BlockSetClasses())
    for (double angle : {0.0, 30.0}) cases.push_back({c, angle});
  return cases;
}

std::string CaseName(const ::testing::TestParamInfo<TCase>& I) {
  return std::string(I.param.Class.Id) + (I.param.Angle == 0 ? "_Straight" : "_Turned");
}

class EveryBlock : public ::testing::TestWithParam<TCase>, public TBlockSetFixture {
 protected:
  QString Id() const { return GetParam().Class.Id; }
  double Angle() const { return GetParam().Angle; }
  TCustomDiagramBlock* Place() { return NewById(Id(), TSquare{100, 80, 260, 180}, Angle()); }
  TDiagramControl* HitAt(TCustomDiagramBlock* B, TDot APercent) {
    return Diagram->DControlAtPos(OnBlock(B, Percent(B, APercent)));
  }
};

TEST_P(EveryBlock, InsertedByMouseUnderItsIdentifier) {
  Diagram->StartInsertingControl(Id(), false);
  ASSERT_EQ(Diagram->GetMouseState(), msToInsert);
  DragFromTo(At(100, 60), At(260, 160));
  ASSERT_EQ(Diagram->BlockCount(), 1);
  TDiagramControl* c = Diagram->GetBlocks(0);
  EXPECT_EQ(c->ClassName(), Id());
  EXPECT_EQ(c->GetDControlID(), Id());
  auto* b = dynamic_cast<TCustomDiagramBlock*>(c);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->GetBoundsRect(), (TSquare{100, 60, 260, 160}));
  EXPECT_EQ(Operations, QStringList{"insert"});
}

TEST_P(EveryBlock, PaintsInsideItsBoundsInEveryLibrary) {
  TDirect2DOn direct2D;
  TCustomDiagramBlock* b = Place();
  ASSERT_NE(b, nullptr);
  b->SetColor(0x0000FF);
  // Room for the pen, anti-aliasing and the shadow some classes show by default.
  const TSquare r = b->SurroundRect();
  const QRect allowed =
      QRect(QPoint(int(r.Left) - 3, int(r.Top) - 3), QPoint(int(r.Right) + 3, int(r.Bottom) + 3)).adjusted(0, 0, 8, 8);
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    const QImage image = PaintPass(Diagram, 400, 300);
    int inside = 0, outside = 0, red = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (Near(p, 255, 255, 255, 2)) continue;
        (allowed.contains(x, y) ? inside : outside)++;
        if (Near(p, 255, 0, 0, 40)) ++red;
      }
    EXPECT_EQ(outside, 0) << "library " << lib;
    if (!GetParam().Class.Filled) {
      // A stroked symbol shows its pen and nothing of the fill colour.
      EXPECT_GT(inside, 100) << "drawn, library " << lib;
      EXPECT_EQ(red, 0) << "library " << lib;
      continue;
    }
    EXPECT_GT(red, 1000) << "filled, library " << lib;
    const TDot mid = OnBlock(b, Percent(b, GetParam().Class.Inside));
    EXPECT_TRUE(Near(image.pixel(int(mid.X), int(mid.Y)), 255, 0, 0, 40)) << "library " << lib;
  }
}

TEST_P(EveryBlock, IsHitOnItsOutlineAndMissedOffIt) {
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus}) {
    Diagram->SetGraphicLib(lib);
    TCustomDiagramBlock* b = Place();
    EXPECT_EQ(HitAt(b, GetParam().Class.Inside), b) << "library " << lib;
    if (HasOutside(GetParam().Class)) {
      EXPECT_EQ(HitAt(b, GetParam().Class.Outside), nullptr) << "library " << lib;
    }
    b->Free();
  }
}

TEST_P(EveryBlock, LinkPointsLieOnTheOutline) {
  Diagram->SetGraphicLib(dglGDI);
  TCustomDiagramBlock* b = Place();
  TDotArray outline;
  b->GetSurroundPts(outline);
  ASSERT_GE(outline.size(), 3u);
  for (int i = 0; i < b->GetLinkPoints()->Count(); ++i) {
    const TDot p = b->GetLinkPointPoint(b->GetLinkPoints()->GetItems(i));
    double best = 1e9;
    for (size_t k = 0; k + 1 < outline.size(); ++k) {
      const TDot a = outline[k], c = outline[k + 1];
      const double dx = c.X - a.X, dy = c.Y - a.Y, len = dx * dx + dy * dy;
      const double t = len > 0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / len, 0.0, 1.0) : 0;
      best = std::min(best, std::hypot(a.X + t * dx - p.X, a.Y + t * dy - p.Y));
    }
    EXPECT_LT(best, 0.75) << "link point " << i;
  }
}

TEST_P(EveryBlock, ADocumentReadsBackToTheSameText) {
  TDocumentFixture one;
  auto* b = dynamic_cast<TCustomDiagramBlock*>(
      RegisteredDControls().FindByID(Id())->GetDControlClass()->CreateInstance(one.Form));
  ASSERT_NE(b, nullptr);
  b->SetBoundsRect(TSquare{100, 80, 260, 180});
  b->SetAngle(Angle());
  b->SetDiagram(one.Diagram);
  b->SetName("Block1");
  b->DefaultTextCell()->SetText("Some text");
  const QString first = SaveText(one.Diagram);
  TDocumentFixture other;
  LoadText(other.Diagram, first);
  ASSERT_EQ(other.Diagram->BlockCount(), 1);
  auto* read = dynamic_cast<TCustomDiagramBlock*>(other.Diagram->GetBlocks(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->ClassName(), Id());
  EXPECT_EQ(read->GetBoundsRect(), b->GetBoundsRect());
  EXPECT_EQ(read->GetAngle(), b->GetAngle());
  EXPECT_EQ(read->GetLinkPoints()->Count(), b->GetLinkPoints()->Count());
  EXPECT_EQ(read->GetTextCells()->Count(), b->GetTextCells()->Count());
  const QString second = SaveText(other.Diagram);
  EXPECT_EQ(second, first) << FirstDifference(first, second).toStdString();
}

INSTANTIATE_TEST_SUITE_P(BlockSets, EveryBlock, ::testing::ValuesIn(Cases()), CaseName);

}  // namespace
