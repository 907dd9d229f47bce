// The electric symbols: terminals that turn with the block, the text placement, the
// engine path kept per engine, transparency on strokes and filled parts alike, mirrored
// painting, the lamp's settings in a document, and the sample circuit.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "../diagram/DocumentText.h"
#include "../diagram/PassImage.h"
#include "BlockSetFixture.h"
#include "diagram/lines/CustomLine.h"
#include "diagram/model/Gradient.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct ElectricFixture : ::testing::Test, TBlockSetFixture {
  TDot LinkAt(TCustomDiagramBlock* B, int AIndex) { return B->GetLinkPointPoint(B->GetLinkPoints()->GetItems(AIndex)); }
  static void ExpectNear(TDot A, TDot B) {
    EXPECT_NEAR(A.X, B.X, 1e-6);
    EXPECT_NEAR(A.Y, B.Y, 1e-6);
  }
};

// How many pixels of AImage inside R are darker than mid grey.
int DarkPixels(const QImage& AImage, const QRect& R) {
  int n = 0;
  for (int y = R.top(); y <= R.bottom(); ++y)
    for (int x = R.left(); x <= R.right(); ++x)
      if (qGray(AImage.pixel(x, y)) < 128) ++n;
  return n;
}

}  // namespace

TEST_F(ElectricFixture, TerminalsFollowTheBlockWhenItTurns) {
  // A new resistor is 60 x 20 with its leads at the middles of its short sides.
  TCustomDiagramBlock* r = NewById("TResistorBlock", TSquare{100, 100, 160, 120});
  ASSERT_NE(r, nullptr);
  auto* fresh = Create<TResistorBlock>(Form);
  EXPECT_EQ(fresh->GetWidth(), 60);
  EXPECT_EQ(fresh->GetHeight(), 20);
  ExpectNear(LinkAt(r, 0), TDot{100, 110});
  ExpectNear(LinkAt(r, 1), TDot{160, 110});
  r->SetAngle(90);
  ExpectNear(LinkAt(r, 0), TDot{130, 80});
  ExpectNear(LinkAt(r, 1), TDot{130, 140});

  // A transistor: collector at the top right, base at the left middle, emitter at the
  // bottom right; a quarter turn takes them round clockwise.
  TCustomDiagramBlock* t = NewById("TNPNTransistorBlock", TSquare{200, 100, 240, 140});
  ExpectNear(LinkAt(t, 0), TDot{240, 140});
  ExpectNear(LinkAt(t, 1), TDot{200, 120});
  ExpectNear(LinkAt(t, 2), TDot{240, 100});
  t->SetAngle(90);
  ExpectNear(LinkAt(t, 0), TDot{200, 140});
  ExpectNear(LinkAt(t, 1), TDot{220, 100});
  ExpectNear(LinkAt(t, 2), TDot{240, 140});

  // A source keeps its terminals on its axis, bottom and top, facing out.
  TCustomDiagramBlock* v = NewById("TDCVoltageSourceBlock", TSquare{300, 100, 340, 160});
  ExpectNear(LinkAt(v, 0), TDot{320, 160});
  ExpectNear(LinkAt(v, 1), TDot{320, 100});
  EXPECT_EQ(v->GetLinkPoints()->GetItems(0)->GetOrientation(), aoDown);
  EXPECT_EQ(v->GetLinkPoints()->GetItems(1)->GetOrientation(), aoUp);
  v->SetAngle(90);
  ExpectNear(LinkAt(v, 0), TDot{290, 130});
  ExpectNear(LinkAt(v, 1), TDot{350, 130});
}

TEST_F(ElectricFixture, TextAlignMovesTheTextBandAboveOrBelowTheSymbol) {
  auto* r = Create<TResistorBlock>(Form);
  EXPECT_EQ(r->GetTextAlign(), taRightBottom);
  EXPECT_EQ(r->DefaultTextCell()->GetBoundsRect(), (TSquare{0, 40, 80, 80}));
  r->SetTextAlign(taLeftTop);
  EXPECT_EQ(r->DefaultTextCell()->GetBoundsRect(), (TSquare{0, -40, 80, 0}));
  r->SetTextAlign(taRightBottom);
  EXPECT_EQ(r->DefaultTextCell()->GetBoundsRect(), (TSquare{0, 40, 80, 80}));

  // A larger symbol keeps the band the common constructor gave it until the alignment
  // changes; then the band is its own size.
  auto* t = Create<TNPNTransistorBlock>(Form);
  EXPECT_EQ(t->DefaultTextCell()->GetBoundsRect(), (TSquare{0, 40, 80, 80}));
  t->SetTextAlign(taLeftTop);
  EXPECT_EQ(t->DefaultTextCell()->GetBoundsRect(), (TSquare{0, -80, 80, 0}));
  t->SetTextAlign(taRightBottom);
  EXPECT_EQ(t->DefaultTextCell()->GetBoundsRect(), (TSquare{0, 80, 80, 160}));
}

TEST_F(ElectricFixture, EachEngineGetsItsOwnKeptPathAndALegacyPaintDropsIt) {
  TDirect2DOn direct2D;
  auto* t = dynamic_cast<TElectricBlock*>(NewById("TNPNTransistorBlock", TSquare{100, 80, 180, 160}));
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->CachedPath(), nullptr);
  Diagram->SetGraphicLib(dglGDIPlus);
  PaintPass(Diagram, 300, 200);
  TDgrGraphicsPath* first = t->CachedPath();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(t->CachedPathLib(), dglGDIPlus);
  PaintPass(Diagram, 300, 200);
  EXPECT_EQ(t->CachedPath(), first) << "kept between paints of one engine";
  Diagram->SetGraphicLib(dglDirect2D);
  const QImage d2d = PaintPass(Diagram, 300, 200);
  EXPECT_NE(t->CachedPath(), nullptr);
  EXPECT_EQ(t->CachedPathLib(), dglDirect2D);
  EXPECT_GT(DarkPixels(d2d, QRect(100, 80, 80, 80)), 100) << "drawn with the new path";
  Diagram->SetGraphicLib(dglGDI);
  PaintPass(Diagram, 300, 200);
  EXPECT_EQ(t->CachedPath(), nullptr);
}

TEST_F(ElectricFixture, TransparencyReachesStrokesAndArrowHeadAlike) {
  TDirect2DOn direct2D;
  // Three pixels a unit, so the arrow head has an inside away from its outline.
  TCustomDiagramBlock* t = NewById("TNPNTransistorBlock", TSquare{20, 20, 260, 260});
  t->GetPen()->SetWidth(3);
  // On the base lead, where one stroke alone passes, and inside the arrow head.
  const TDot lead = OnBlock(t, TDot{20, 40});
  const TDot head = OnBlock(t, TDot{74.5, 73.5});
  auto gray = [](const QImage& I, TDot P) { return qGray(I.pixel(int(P.X), int(P.Y))); };
  for (TDgrGraphicLib lib : {dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    t->SetTransparency(0);
    QImage image = PaintPass(Diagram, 300, 300);
    EXPECT_LT(gray(image, lead), 60) << "library " << lib;
    EXPECT_LT(gray(image, head), 60) << "library " << lib;
    t->SetTransparency(50);
    image = PaintPass(Diagram, 300, 300);
    for (TDot p : {lead, head}) {
      EXPECT_GT(gray(image, p), 90) << "library " << lib;
      EXPECT_LT(gray(image, p), 180) << "library " << lib;
    }
  }
}

TEST_F(ElectricFixture, AFlippedSymbolIsTheMirrorImage) {
  TDirect2DOn direct2D;
  // The transistor is lopsided: its base lead is on the left, its arrow head bottom right.
  TCustomDiagramBlock* t = NewById("TNPNTransistorBlock", TSquare{100, 40, 200, 140});
  const QRect box(100, 40, 100, 100);
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    t->SetHorizontalFlip(false);
    const QImage plain = PaintPass(Diagram, 300, 200).copy(box);
    t->SetHorizontalFlip(true);
    const QImage flipped = PaintPass(Diagram, 300, 200).copy(box);
    const QImage mirrored = plain.mirrored(true, false);
    int dark = 0, sameAsMirror = 0, sameAsPlain = 0;
    for (int y = 0; y < box.height(); ++y)
      for (int x = 0; x < box.width(); ++x) {
        if (qGray(flipped.pixel(x, y)) >= 128) continue;
        ++dark;
        // A pixel either side allows for rounding on the mirrored side.
        auto darkNear = [&](const QImage& I) {
          for (int dx = -1; dx <= 1; ++dx)
            if (x + dx >= 0 && x + dx < I.width() && qGray(I.pixel(x + dx, y)) < 128) return true;
          return false;
        };
        sameAsMirror += darkNear(mirrored);
        sameAsPlain += darkNear(plain);
      }
    ASSERT_GT(dark, 200) << "library " << lib;
    EXPECT_GT(sameAsMirror, dark * 95 / 100) << "library " << lib;
    EXPECT_LT(sameAsPlain, dark * 85 / 100) << "library " << lib;
  }
}

TEST_F(ElectricFixture, ALampKeepsItsAngleAndPenAndTextInADocument) {
  TDocumentFixture one;
  auto* lamp = Create<TLampBlock>(one.Form);
  EXPECT_EQ(lamp->GetWidth(), 30);
  EXPECT_EQ(lamp->GetHeight(), 30);
  lamp->SetName("Lamp1");
  lamp->SetBoundsRect(TSquare{100, 100, 140, 140});
  lamp->SetAngle(90);
  lamp->GetPen()->SetColor(0x0000FF);
  lamp->GetPen()->SetWidth(3);
  lamp->SetTransparency(20);
  lamp->DefaultTextCell()->SetText("L1");
  lamp->SetDiagram(one.Diagram);
  TDocumentFixture other;
  LoadText(other.Diagram, SaveText(one.Diagram));
  ASSERT_EQ(other.Diagram->BlockCount(), 1);
  auto* read = dynamic_cast<TLampBlock*>(other.Diagram->GetBlocks(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetAngle(), 90);
  EXPECT_EQ(read->GetPen()->GetColor(), 0x0000FF);
  EXPECT_EQ(read->GetPen()->GetWidth(), 3);
  EXPECT_EQ(read->GetTransparency(), 20);
  EXPECT_EQ(read->DefaultTextCell()->GetText(), "L1");
  EXPECT_EQ(read->GetLinkPoints()->Count(), 2) << "the class's terminals, not stored ones";
}

TEST_F(ElectricFixture, TextAlignIsWrittenAndReadBackWithoutMovingTheStoredCell) {
  TDocumentFixture one;
  auto* r = Create<TResistorBlock>(one.Form);
  r->SetName("R1");
  r->SetTextAlign(taLeftTop);
  r->SetDiagram(one.Diagram);
  const QString text = SaveText(one.Diagram);
  EXPECT_TRUE(text.contains("TextAlign = taLeftTop"));
  TDocumentFixture other;
  LoadText(other.Diagram, text);
  auto* read = dynamic_cast<TResistorBlock*>(other.Diagram->GetBlocks(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetTextAlign(), taLeftTop);
  EXPECT_EQ(read->DefaultTextCell()->GetBoundsRect(), (TSquare{0, -40, 80, 0}));

  // A text cell moved after the alignment was set comes back where it was moved to.
  r->DefaultTextCell()->SetBounds(10, -30, 60, 30);
  TDocumentFixture third;
  LoadText(third.Diagram, SaveText(one.Diagram));
  auto* moved = dynamic_cast<TResistorBlock*>(third.Diagram->GetBlocks(0));
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->GetTextAlign(), taLeftTop);
  EXPECT_EQ(moved->DefaultTextCell()->GetBoundsRect(), (TSquare{10, -30, 70, 0}));
  moved->SetTextAlign(taRightBottom);
  EXPECT_EQ(moved->DefaultTextCell()->GetBoundsRect(), (TSquare{0, 40, 80, 80})) << "a later change moves it";
}

TEST_F(ElectricFixture, SecondSetSymbolsShowTheGradientUnderTheirStrokesOnTheCanvas) {
  Diagram->SetGraphicLib(dglGDI);
  TCustomDiagramBlock* z = NewById("TSwitchBlock", TSquare{100, 40, 200, 140});
  z->GetGradient()->SetStartColor(0x00FF00);
  z->GetGradient()->SetEndColor(0x00FF00);
  z->GetGradient()->SetVisible(true);
  const QImage image = PaintPass(Diagram, 300, 200);
  EXPECT_TRUE(Near(image.pixel(110, 130), 0, 255, 0, 40)) << "the gradient shows";
  // The switch's left contact runs down x = 15 of 40: still drawn over the gradient.
  const TDot stroke = OnBlock(z, TDot{15, 20});
  int darkest = 255;
  for (int dx = -2; dx <= 2; ++dx) darkest = std::min(darkest, qGray(image.pixel(int(stroke.X) + dx, int(stroke.Y))));
  EXPECT_LT(darkest, 60);
  // The first set never shows it.
  z->Free();
  TCustomDiagramBlock* r = NewById("TResistorBlock", TSquare{100, 40, 200, 140});
  r->GetGradient()->SetStartColor(0x00FF00);
  r->GetGradient()->SetEndColor(0x00FF00);
  r->GetGradient()->SetVisible(true);
  EXPECT_FALSE(Near(PaintPass(Diagram, 300, 200).pixel(110, 130), 0, 255, 0, 40));
}

// Every stroked symbol, mirrored both ways and turned, in each library: drawn, and only
// inside its bounds.
class StrokedSymbol : public ::testing::TestWithParam<TBlockSetClass>, public TBlockSetFixture {};

TEST_P(StrokedSymbol, PaintsMirroredAndTurnedInsideItsBounds) {
  TDirect2DOn direct2D;
  TCustomDiagramBlock* b = NewById(GetParam().Id, TSquare{100, 80, 260, 180}, 30);
  ASSERT_NE(b, nullptr);
  b->SetHorizontalFlip(true);
  b->SetVerticalFlip(true);
  const TSquare r = b->SurroundRect();
  const QRect allowed = QRect(QPoint(int(r.Left) - 3, int(r.Top) - 3), QPoint(int(r.Right) + 3, int(r.Bottom) + 3));
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    const QImage image = PaintPass(Diagram, 400, 300);
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (!Near(image.pixel(x, y), 255, 255, 255, 2)) (allowed.contains(x, y) ? inside : outside)++;
    EXPECT_EQ(outside, 0) << "library " << lib;
    EXPECT_GT(inside, 100) << "library " << lib;
  }
}

std::vector<TBlockSetClass> StrokedClasses() {
  std::vector<TBlockSetClass> out;
  for (const TBlockSetClass& c : BlockSetClasses())
    if (!c.Filled) out.push_back(c);
  return out;
}

INSTANTIATE_TEST_SUITE_P(Electric, StrokedSymbol, ::testing::ValuesIn(StrokedClasses()),
                         [](const ::testing::TestParamInfo<TBlockSetClass>& I) { return std::string(I.param.Id); });

TEST(ElectricRegistry, TheSetsSitBetweenFlowchartArrowsAndDataFlow) {
  RegisterBlockSets();
  TRegDControls& r = RegisteredDControls();
  auto index = [&](const char* AId) {
    for (int i = 0; i < r.Count(); ++i)
      if (r.GetItem(i)->GetDControlID() == AId) return i;
    return -1;
  };
  EXPECT_EQ(index("TResistorBlock"), index("TDatabaseBlock") + 1);
  EXPECT_EQ(index("TStandardArrowBlock"), index("TLampBlock") + 1);
  EXPECT_EQ(index("TZenerDiodeBlock"), index("TCornerDoubleArrowBlock") + 1);
  EXPECT_EQ(index("TDFDProcessBlock"), index("TDCCurrentSourceBlock") + 1);
  EXPECT_EQ(index("TDFDDataFlowLine"), index("TDFDDataStoreBlock") + 1);
  int electric = 0, dataFlow = 0;
  for (int i = 0; i < r.Count(); ++i) {
    electric += r.GetItem(i)->GetCategory() == "Electric";
    dataFlow += r.GetItem(i)->GetCategory() == "Data Flow";
  }
  EXPECT_EQ(electric, 21);
  EXPECT_EQ(dataFlow, 4);
}

TEST(ElectricSample, ReadsWithEveryWireAnchoredAndWritesBackUnchanged) {
  TDocumentFixture f;
  QFile file(TARNWICK_SAMPLE_DIR "/electric.dgr");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  LoadText(f.Diagram, text);
  EXPECT_EQ(f.Diagram->BlockCount(), 8);
  ASSERT_EQ(f.Diagram->LinkCount(), 7);
  for (int i = 0; i < f.Diagram->LinkCount(); ++i) {
    auto* line = dynamic_cast<TCustomDiagramLine*>(f.Diagram->GetLinks(i));
    ASSERT_NE(line, nullptr);
    EXPECT_NE(line->GetSourceLinkPoint()->GetAnchorLink(), nullptr) << i;
    EXPECT_NE(line->GetTargetLinkPoint()->GetAnchorLink(), nullptr) << i;
  }
  EXPECT_EQ(SaveText(f.Diagram), text) << FirstDifference(SaveText(f.Diagram), text).toStdString();
}
