// The flowchart symbols: where their link points are, the rounded ends of the terminal, the
// list's caption cell (also in documents that lack it), bands, rims and folds as painted,
// and which link points a document keeps.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "../diagram/DocumentText.h"
#include "../diagram/PassImage.h"
#include "BlockSetFixture.h"
#include "diagram/model/Shadow.h"
#include "platform/gui/Font.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class Flowchart : public ::testing::Test, public TBlockSetFixture {
 protected:
  template <class T>
  T* Make(const TSquare& R, double AAngle = 0) {
    auto* b = Create<T>(Form);
    b->SetBoundsRect(R);
    b->SetAngle(AAngle);
    b->SetDiagram(Diagram);
    return b;
  }
  static TDot LinkAt(TCustomDiagramBlock* B, int I) { return B->GetLinkPointPoint(B->GetLinkPoints()->GetItems(I)); }
  static void ExpectNear(TDot A, TDot B) {
    EXPECT_NEAR(A.X, B.X, 1e-9);
    EXPECT_NEAR(A.Y, B.Y, 1e-9);
  }
};

TEST_F(Flowchart, ANewDecisionHasItsLinkPointsAtTheDiamondsTips) {
  auto* d = Create<TFlowDecisionBlock>(Form);
  EXPECT_EQ(d->GetBoundsRect(), (TSquare{0, 0, 100, 50}));
  const TDot expected[] = {{50, 0}, {50, 50}, {0, 25}, {100, 25}};
  const TAnchorOrientation orientations[] = {aoUp, aoDown, aoLeft, aoRight};
  ASSERT_EQ(d->GetLinkPoints()->Count(), 4);
  for (int i = 0; i < 4; ++i) {
    ExpectNear(LinkAt(d, i), expected[i]);
    EXPECT_EQ(d->GetLinkPoints()->GetItems(i)->GetOrientation(), orientations[i]);
  }
}

TEST_F(Flowchart, ADataBlockTurnedKeepsItsLinkPointsOnTheMiddlesOfItsSides) {
  auto* d = Make<TFlowDataBlock>(TSquare{100, 100, 200, 150}, 90);
  // Turned a quarter clockwise about (150, 125): original (x, y) lands at
  // (175 - (y - 100), 75 + (x - 100)) for the 100 x 50 bounds.
  ExpectNear(LinkAt(d, 0), TDot{175, 133});  // up (58, 0)
  ExpectNear(LinkAt(d, 1), TDot{150, 83});   // left (8, 50)
  EXPECT_EQ(d->GetTextCells()->GetItems(0)->GetBoundsRect(), (TSquare{16, 0, 84, 100})) << "between the slanted sides";
}

TEST_F(Flowchart, ATerminalHasHalfCirclesOnItsShortSides) {
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus}) {
    Diagram->SetGraphicLib(lib);
    auto* wide = Make<TFlowTerminalBlock>(TSquare{0, 0, 200, 50});
    EXPECT_FALSE(wide->PointInControl(TPoint{5, 5})) << "the corner is round, library " << lib;
    EXPECT_TRUE(wide->PointInControl(TPoint{2, 25})) << "the half circle reaches the side";
    EXPECT_TRUE(wide->PointInControl(TPoint{25, 1})) << "and the straight edge starts at its radius";
    EXPECT_FALSE(wide->PointInControl(TPoint{8, 3}));
    auto* tall = Make<TFlowTerminalBlock>(TSquare{300, 0, 350, 200});
    EXPECT_FALSE(tall->PointInControl(TPoint{305, 5})) << "library " << lib;
    EXPECT_TRUE(tall->PointInControl(TPoint{325, 2}));
    EXPECT_TRUE(tall->PointInControl(TPoint{301, 25}));
    EXPECT_FALSE(tall->PointInControl(TPoint{303, 8}));
    wide->Free();
    tall->Free();
  }
}

TEST_F(Flowchart, ANewListHasItsCaptionCellOverTheBand) {
  auto* l = Create<TFlowListBlock>(Form);
  EXPECT_EQ(l->GetOriginalRect(), (TSquare{0, 0, 100, 200}));
  EXPECT_EQ(l->GetBoundsRect(), (TSquare{0, 0, 100, 200}));
  ASSERT_EQ(l->GetTextCells()->Count(), 2);
  EXPECT_EQ(l->GetTextCells()->GetItems(0)->GetBoundsRect(), (TSquare{0, 20, 100, 200}));
  EXPECT_EQ(l->GetTextCells()->GetItems(1)->GetBoundsRect(), (TSquare{0, 0, 100, 20}));
  EXPECT_EQ(l->GetCaptionFont()->GetColor(), TColor(0xFFFFFF));
  EXPECT_EQ(l->GetCaptionColor(), TColor(0x800000));
  l->SetCaption("Items");
  EXPECT_EQ(l->GetTextCells()->GetItems(1)->GetText(), "Items");
  EXPECT_EQ(l->GetTextCells()->Count(), 2);
}

TEST_F(Flowchart, AListWithOneCellGainsTheCaptionCellOnItsFirstCaption) {
  auto* l = Create<TFlowListBlock>(Form);
  l->GetTextCells()->GetItems(1)->Free();
  ASSERT_EQ(l->GetTextCells()->Count(), 1);
  l->SetCaption("Items");
  ASSERT_EQ(l->GetTextCells()->Count(), 2);
  EXPECT_EQ(l->GetTextCells()->GetItems(1)->GetBoundsRect(), (TSquare{0, 0, 100, 20}));
  // With more cells the caption is cell 1, wherever it is.
  l->GetTextCells()->GetItems(1)->SetBounds(0, 100, 100, 20);
  l->GetTextCells()->Add();
  l->SetCaption("Other");
  EXPECT_EQ(l->GetTextCells()->GetItems(1)->GetText(), "Other");
}

TEST_F(Flowchart, AListReadWithTooFewCellsIsGivenThemWhenLoaded) {
  auto* l = Make<TFlowListBlock>(TSquare{10, 10, 110, 210});
  l->SetName("List1");
  l->DefaultTextCell()->SetText("first\nsecond");
  l->GetTextCells()->GetItems(1)->Free();
  const QString oneCell = SaveText(Diagram);
  const QRegularExpression cells("TextCells = <.*?end>", QRegularExpression::DotMatchesEverythingOption);
  const QString noCell = QString(oneCell).replace(cells, "TextCells = <>");
  ASSERT_NE(noCell, oneCell);
  for (const QString& text : {oneCell, noCell}) {
    TDocumentFixture other;
    LoadText(other.Diagram, text);
    auto* read = dynamic_cast<TFlowListBlock*>(other.Diagram->GetBlocks(0));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->GetTextCells()->Count(), 2) << "made while loading, not on a later read";
    TTextCell* caption = read->GetTextCells()->GetItems(1);
    EXPECT_EQ(caption->GetBoundsRect(), (TSquare{0, 0, 100, 20}));
    EXPECT_EQ(caption->GetText(), "") << "a new caption, not a copy of the body's text";
    EXPECT_EQ(caption->GetFont()->GetColor(), TColor(0xFFFFFF));
    EXPECT_EQ(read->GetTextCells()->GetItems(0)->GetBoundsRect(), (TSquare{0, 20, 100, 200}));
    const QString again = SaveText(other.Diagram);
    TDocumentFixture third;
    LoadText(third.Diagram, again);
    EXPECT_EQ(SaveText(third.Diagram), again);
  }
}

TEST_F(Flowchart, ATransparentListShowsItsBandOnTheEnginesOnly) {
  TDirect2DOn direct2D;
  auto* l = Make<TFlowListBlock>(TSquare{50, 50, 150, 250});
  for (bool transparent : {false, true}) {
    l->SetTransparent(transparent);
    for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
      Diagram->SetGraphicLib(lib);
      const QImage image = PaintPass(Diagram, 300, 300);
      const bool band = Near(image.pixel(70, 60), 0, 0, 128, 20);
      EXPECT_EQ(band, !transparent || lib != dglGDI) << "library " << lib << ", transparent " << transparent;
      if (!transparent) {
        EXPECT_TRUE(Near(image.pixel(70, 150), 255, 255, 0, 20)) << "the body below the band, library " << lib;
      }
    }
  }
}

TEST_F(Flowchart, TheDatabaseLidShowsItsFrontRimAndTheCommentItsFold) {
  TDirect2DOn direct2D;
  auto* db = Make<TDatabaseBlock>(TSquare{50, 50, 150, 150});
  auto* note = Make<TFlowCommentBlock>(TSquare{200, 50, 300, 150});
  note->GetShadow()->SetVisible(false);
  db->SetColor(0x00FF00);
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    const QImage image = PaintPass(Diagram, 400, 200);
    // The lid is the ellipse (50, 50)-(150, 70): its front rim passes (100, 70).
    bool rim = false;
    for (int y = 68; y <= 71; ++y) rim = rim || qGreen(image.pixel(100, y)) < 128;
    EXPECT_TRUE(rim) << "library " << lib;
    EXPECT_TRUE(Near(image.pixel(100, 60), 0, 255, 0, 40)) << "inside the lid, library " << lib;
    // The fold's inner edges: down from (290, 50) to (290, 70), across to (300, 70).
    bool down = false, across = false;
    for (int d = -1; d <= 1; ++d) {
      down = down || qRed(image.pixel(290 + d, 60)) < 128;
      across = across || qRed(image.pixel(295, 70 + d)) < 128;
    }
    EXPECT_TRUE(down && across) << "library " << lib;
    EXPECT_TRUE(Near(image.pixel(298, 52), 255, 255, 255, 20)) << "the cut corner is empty";
  }
}

TEST_F(Flowchart, OnlyTheCommentKeepsItsLinkPointsInADocument) {
  auto* action = Make<TFlowActionBlock>(TSquare{0, 0, 100, 50});
  action->SetName("Action1");
  auto* note = Make<TFlowCommentBlock>(TSquare{200, 0, 300, 50});
  note->SetName("Note1");
  note->GetLinkPoints()->Add(0, 50, aoLeft);
  const QString text = SaveText(Diagram);
  EXPECT_EQ(text.count("LinkPoints = <"), 1) << text.toStdString();
  TDocumentFixture other;
  LoadText(other.Diagram, text);
  ASSERT_EQ(other.Diagram->BlockCount(), 2);
  EXPECT_EQ(other.Diagram->GetBlocks(0)->GetLinkPoints()->Count(), 4);
  EXPECT_EQ(other.Diagram->GetBlocks(1)->GetLinkPoints()->Count(), 1);
}

}  // namespace
