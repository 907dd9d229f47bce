// What every palette entry of the UML set must do, straight, turned and flipped: be
// inserted by mouse under its identifier, paint inside its bounds in each drawing library,
// be hit on its outline and missed off it, and come back from a document unchanged.
#include <gtest/gtest.h>

#include <QImage>

#include "../diagram/DocumentText.h"
#include "../diagram/PassImage.h"
#include "UmlFixture.h"
#include "diagram/lines/CustomLine.h"
#include "diagram/model/TextCells.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

enum TPose { poStraight, poTurned, poFlipped };

struct TCase {
  TUmlEntry Entry;
  TPose Pose;
};

// Classes that do not turn are shown straight and flipped only; lines once.
bool Turns(const TUmlEntry& E) {
  const QString c = E.ClassName;
  return c != "TUMLComponentBlock" && c != "TUMLNodeBlock" && c != "TUMLObjectLifelineBlock";
}

std::vector<TCase> Cases() {
  std::vector<TCase> cases;
  for (const TUmlEntry& e : UmlEntries()) {
    cases.push_back({e, poStraight});
    if (e.IsLine()) continue;
    if (Turns(e)) cases.push_back({e, poTurned});
    cases.push_back({e, poFlipped});
  }
  return cases;
}

std::string CaseName(const ::testing::TestParamInfo<TCase>& I) {
  static const char* poses[] = {"_Straight", "_Turned", "_Flipped"};
  return std::string(I.param.Entry.Id) + poses[I.param.Pose];
}

class UmlEveryEntry : public ::testing::TestWithParam<TCase>, public TBlockSetFixture {
 protected:
  const TUmlEntry& Entry() const { return GetParam().Entry; }
  QString Id() const { return Entry().Id; }
  TCustomDiagramBlock* Place() {
    auto* b = NewById(Id(), TSquare{100, 80, 260, 180}, GetParam().Pose == poTurned ? 30 : 0);
    if (b && GetParam().Pose == poFlipped) b->SetHorizontalFlip(true);
    return b;
  }
  // An entry's test point on the placed block, mirrored with a flipped block.
  TDot OnPlaced(TCustomDiagramBlock* B, TDot APercent) const {
    if (GetParam().Pose == poFlipped) APercent.X = 100 - APercent.X;
    return OnBlock(B, Percent(B, APercent));
  }
  TCustomDiagramLine* PlaceLineHere() {
    auto* l = dynamic_cast<TCustomDiagramLine*>(CreateById(Form, Id()));
    return l ? PlaceLine(l, Diagram, TDot{100, 80}, TDot{260, 180}) : nullptr;
  }
};

TEST_P(UmlEveryEntry, PaintsInsideItsBoundsInEveryLibrary) {
  TDirect2DOn direct2D;
  TSquare r;
  TDot mid{std::nan(""), 0};
  if (Entry().IsLine()) {
    TCustomDiagramLine* l = PlaceLineHere();
    ASSERT_NE(l, nullptr);
    // Arrow heads and end texts stand around the ends.
    r = l->ControlRect();
    for (int i = 0; i < l->GetTextCells()->Count(); ++i) {
      const TSquare c = l->GetTextCells()->GetItems(i)->GetPaintedRect();
      r = TSquare{std::min(r.Left, c.Left), std::min(r.Top, c.Top), std::max(r.Right, c.Right),
                  std::max(r.Bottom, c.Bottom)};
    }
    r = TSquare{r.Left - 16, r.Top - 16, r.Right + 16, r.Bottom + 16};
  } else {
    TCustomDiagramBlock* b = Place();
    ASSERT_NE(b, nullptr);
    b->SetColor(0x0000FF);
    r = b->SurroundRect();
    mid = OnPlaced(b, Entry().Inside);
  }
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
    EXPECT_GT(inside, 100) << "not blank, library " << lib;
    if (std::isnan(mid.X)) continue;
    EXPECT_GT(red, 300) << "filled, library " << lib;
    EXPECT_TRUE(Near(image.pixel(int(mid.X), int(mid.Y)), 255, 0, 0, 40)) << "library " << lib;
  }
}

TEST_P(UmlEveryEntry, IsHitOnItsOutlineAndMissedOffIt) {
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus}) {
    Diagram->SetGraphicLib(lib);
    if (Entry().IsLine()) {
      TCustomDiagramLine* l = PlaceLineHere();
      const TDotArray& pts = l->GetPoints();
      ASSERT_GE(pts.size(), 2u);
      // The middle of the middle segment, and a point well away from the line.
      const size_t k = (pts.size() - 1) / 2;
      const TDot on{(pts[k].X + pts[k + 1].X) / 2, (pts[k].Y + pts[k + 1].Y) / 2};
      EXPECT_EQ(Diagram->DControlAtPos(on), l) << "library " << lib;
      EXPECT_EQ(Diagram->DControlAtPos(TDot{380, 20}), nullptr) << "library " << lib;
      l->Free();
      continue;
    }
    TCustomDiagramBlock* b = Place();
    EXPECT_EQ(Diagram->DControlAtPos(OnPlaced(b, Entry().Inside)), b) << "library " << lib;
    if (!std::isnan(Entry().Outside.X)) {
      EXPECT_EQ(Diagram->DControlAtPos(OnPlaced(b, Entry().Outside)), nullptr) << "library " << lib;
    }
    b->Free();
  }
}

TEST_P(UmlEveryEntry, ADocumentReadsBackToTheSameText) {
  TDocumentFixture one;
  TDiagramControl* c = CreateById(one.Form, Id());
  ASSERT_NE(c, nullptr);
  c->SetName("Control1");
  if (auto* l = dynamic_cast<TCustomDiagramLine*>(c)) {
    PlaceLine(l, one.Diagram, TDot{100, 80}, TDot{260, 180});
  } else {
    auto* b = dynamic_cast<TCustomDiagramBlock*>(c);
    ASSERT_NE(b, nullptr);
    b->SetBoundsRect(TSquare{100, 80, 260, 180});
    b->SetAngle(GetParam().Pose == poTurned ? 30 : 0);
    b->SetHorizontalFlip(GetParam().Pose == poFlipped);
    b->SetDiagram(one.Diagram);
    b->DefaultTextCell()->SetText("Some text");
  }
  const QString first = SaveText(one.Diagram);
  TDocumentFixture other;
  LoadText(other.Diagram, first);
  const bool line = Entry().IsLine();
  ASSERT_EQ(line ? other.Diagram->LinkCount() : other.Diagram->BlockCount(), 1);
  TDiagramControl* read = line ? other.Diagram->GetLinks(0) : other.Diagram->GetBlocks(0);
  EXPECT_EQ(read->ClassName(), Entry().ClassName);
  EXPECT_EQ(read->GetDControlID(), Id());
  EXPECT_EQ(read->GetLinkPoints()->Count(), c->GetLinkPoints()->Count());
  EXPECT_EQ(read->GetTextCells()->Count(), c->GetTextCells()->Count());
  if (auto* g = dynamic_cast<TUMLGenericLine*>(read)) {
    EXPECT_EQ(g->GetLineType(), static_cast<TUMLGenericLine*>(c)->GetLineType()) << "type from the identifier";
  }
  const QString second = SaveText(other.Diagram);
  EXPECT_EQ(second, first) << FirstDifference(first, second).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Uml, UmlEveryEntry, ::testing::ValuesIn(Cases()), CaseName);

class UmlEntryInsert : public ::testing::TestWithParam<TUmlEntry>, public TBlockSetFixture {};

TEST_P(UmlEntryInsert, InsertedByMouseUnderItsIdentifier) {
  const TUmlEntry& e = GetParam();
  Diagram->StartInsertingControl(e.Id, false);
  ASSERT_EQ(Diagram->GetMouseState(), msToInsert);
  DragFromTo(At(100, 60), At(260, 160));
  ASSERT_EQ(e.IsLine() ? Diagram->LinkCount() : Diagram->BlockCount(), 1);
  TDiagramControl* c = e.IsLine() ? Diagram->GetLinks(0) : Diagram->GetBlocks(0);
  EXPECT_EQ(c->ClassName(), e.ClassName);
  EXPECT_EQ(c->GetDControlID(), e.Id);
  EXPECT_EQ(Operations, QStringList{"insert"});
}

INSTANTIATE_TEST_SUITE_P(Uml, UmlEntryInsert, ::testing::ValuesIn(UmlEntries()),
                         [](const ::testing::TestParamInfo<TUmlEntry>& I) { return std::string(I.param.Id); });

}  // namespace
