// What both engines do alike, run over each: canvas and paint engine transform order, a
// canvas without a painter, the quality switches, the block frame's flips, rounded
// rectangles from the path's own arcs, solid transparency, and repaints that build nothing.
#include <QPainterPath>
#include <ostream>

#include "direct2d/D2DTestSupport.h"
#include "gdiplus/GdipTestSupport.h"
#include "graphics/NativeObjectCounts.h"
#include "graphics/gdiplus/GPBlockDrawer.h"
#include "graphics/gdiplus/GdipBrush.h"
#include "graphics/gdiplus/GdipCanvas.h"
#include "graphics/gdiplus/GdipGraphicsPath.h"
#include "graphics/gdiplus/GdipImage.h"
#include "graphics/gdiplus/GdipPaintEngine.h"
#include "graphics/gdiplus/GdipPen.h"
#include "platform/gui/Font.h"

namespace tarnwick {
namespace {

using gdiptest::Near;
using gdiptest::TTarget;

struct TGdipEngine {
  using TCanvasT = TGPCanvas;
  using TDrawer = TGPBlockDrawer;
  using TPaintEngineT = TGdipPaintEngine;
  using TPath = TGdipGraphicsPath;
  using TBrushT = TGdipBrush;
  using TPenT = TGdipPen;
  static void Supported(bool) {}
  static void BuildNative(TBrushT& ABrush) { ABrush.GPBrush(); }
  static void BuildNative(TPenT& APen) { APen.GPPen(); }
};

struct TD2DEngine {
  using TCanvasT = TD2DCanvas;
  using TDrawer = TD2DBlockDrawer;
  using TPaintEngineT = TD2DPaintEngine;
  using TPath = TD2DGraphicsPath;
  using TBrushT = TD2DBrush;
  using TPenT = TD2DPen;
  static void Supported(bool AOn) { SetDirect2DSupported(AOn); }
  static void BuildNative(TBrushT& ABrush) { ABrush.Native(); }
  static void BuildNative(TPenT& APen) { APen.Native(); }
};

template <class E>
class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override { E::Supported(true); }
  void TearDown() override { E::Supported(false); }

  // A canvas on the target whose pen draws nothing, so only the brush shows.
  static TOwned<typename E::TCanvasT> FillCanvas(TTarget& T, TColor AColor = clRed) {
    TOwned<typename E::TCanvasT> canvas(Create<typename E::TCanvasT>(T.Painter()));
    canvas->GetPen()->SetTransparency(100);
    canvas->GetBrush()->SetColor(AColor);
    return canvas;
  }
};

class TEngineNames {
 public:
  template <class E>
  static std::string GetName(int) {
    return std::is_same_v<E, TGdipEngine> ? "Gdip" : "D2D";
  }
};

using TEngines = ::testing::Types<TGdipEngine, TD2DEngine>;
TYPED_TEST_SUITE(EngineTest, TEngines, TEngineNames);

// ---- Transforms and state ----

TYPED_TEST(EngineTest, CanvasPrependsTransformsWhileThePaintEngineAppends) {
  TTarget target(200, 200);
  TOwned<typename TypeParam::TCanvasT> canvas(Create<typename TypeParam::TCanvasT>(target.Painter()));
  canvas->TranslateTransform(100, 0);
  canvas->ScaleTransform(2, 2);
  // The scaling, given last, applies first.
  EXPECT_EQ(canvas->Surface().World().map(QPointF(1, 1)), QPointF(102, 2));

  TOwned<typename TypeParam::TPaintEngineT> engine(
      Create<typename TypeParam::TPaintEngineT>(target.Canvas(), TRect{0, 0, 200, 200}));
  engine->TranslateTransform(100, 0);
  engine->ScaleTransform(2, 2);
  EXPECT_EQ(engine->Surface().World().map(QPointF(1, 1)), QPointF(202, 2));
}

TYPED_TEST(EngineTest, CanvasTransformsApplyInsideThoseOfThePass) {
  TTarget target(200, 200);
  TOwned<typename TypeParam::TPaintEngineT> engine(
      Create<typename TypeParam::TPaintEngineT>(target.Canvas(), TRect{0, 0, 200, 200}));
  engine->SetSmoothMode(smInactive);
  TOwned<typename TypeParam::TDrawer> drawer(Create<typename TypeParam::TDrawer>());
  drawer->SetPaintEngine(engine.get());
  TDgrCanvas* canvas = drawer->GetCanvas();
  canvas->GetPen()->SetTransparency(100);
  canvas->GetBrush()->SetColor(clRed);
  engine->ScaleTransform(2, 2);
  engine->TranslateTransform(10, 0);  // after the scale: 10 device units
  canvas->TranslateTransform(20, 0);  // before the scale: 40 device units
  canvas->Rectangle(0, 0, 5, 5);
  drawer->SetPaintEngine(nullptr);
  engine.reset();
  EXPECT_TRUE(Near(target.At(55, 5), Qt::red, 0));
  EXPECT_TRUE(Near(target.At(45, 5), Qt::white, 0));
}

TYPED_TEST(EngineTest, CanvasWithoutAPainterDrawsNothingAndRaisesNothing) {
  TOwned<typename TypeParam::TCanvasT> canvas(Create<typename TypeParam::TCanvasT>(nullptr));
  EXPECT_EQ(canvas->GetHandle(), nullptr);
  TFont font;
  TOwned<TGdipImage> image(MakeOwned<TGdipImage>(QImage(4, 4, QImage::Format_ARGB32_Premultiplied)));
  EXPECT_NO_THROW({
    canvas->Rectangle(0, 0, 10, 10);
    canvas->Ellipse(0, 0, 10, 10);
    canvas->RoundRect(0, 0, 10, 10, 4, 4);
    canvas->Polygon({Dot(0, 0), Dot(5, 5), Dot(0, 5)});
    canvas->DrawString("text", &font, Square(0, 0, 10, 10), taLeftJustify, vaTop, false, false, 0);
    canvas->DrawString("text", &font, Square(0, 0, 50, 20), taLeftJustify, vaTop, false, false, 0);
    canvas->StretchDraw(Square(0, 0, 10, 10), image.get(), 0, true);
    canvas->SetClip(Square(0, 0, 5, 5));
    canvas->ResetClip();
    canvas->SaveDrawingState();
    canvas->RestoreDrawingState();
  });
}

TYPED_TEST(EngineTest, PaintEngineSmoothsByTheQualitySettings) {
  TTarget target;
  TOwned<typename TypeParam::TPaintEngineT> engine(
      Create<typename TypeParam::TPaintEngineT>(target.Canvas(), TRect{0, 0, 100, 100}));
  const std::pair<TDgrSmoothMode, bool> smooth[] = {
      {smAntiAlias, true}, {smInactive, false}, {smHighSpeed, false}, {smHighQuality, true}};
  for (auto [mode, aa] : smooth) {
    engine->SetSmoothMode(mode);
    EXPECT_EQ(engine->Surface().GetAntialias(), aa) << mode;
  }
  const std::pair<TDgrTextRenderingMode, bool> text[] = {{tmAntiAlias, true},   {tmAntiAliasHint, true},
                                                         {tmDefault, true},     {tmNormal, false},
                                                         {tmNormalHint, false}, {tmClearType, true}};
  for (auto [mode, aa] : text) {
    engine->SetTextRenderingMode(mode);
    EXPECT_EQ(engine->Surface().GetTextAntialias(), aa) << mode;
  }
  engine->SetPageUnit(dpuMillimeter);
  EXPECT_EQ(engine->GetPageUnit(), dpuMillimeter);
}

// ---- The block frame and paths ----

TYPED_TEST(EngineTest, FlipsWithoutRotationInsideTheSourceRectangle) {
  TOwned<typename TypeParam::TDrawer> drawer(Create<typename TypeParam::TDrawer>());
  drawer->SetSourceRect(Square(0, 0, 100, 100));
  drawer->SetDestRect(Square(0, 0, 100, 100));
  drawer->SetHorizontalFlip(true);
  TOwned<typename TypeParam::TPath> path(MakeOwned<typename TypeParam::TPath>());
  path->AddLine(10, 20, 30, 40);
  drawer->TransformPath(path.get());
  EXPECT_EQ(QPointF(path->Outline().elementAt(0)), QPointF(90, 20));
}

TYPED_TEST(EngineTest, FlipsAnOffsetSourceRectangleOntoItself) {
  TOwned<typename TypeParam::TDrawer> drawer(Create<typename TypeParam::TDrawer>());
  drawer->SetSourceRect(Square(100, 100, 201, 200));
  drawer->SetDestRect(Square(100, 100, 201, 200));
  drawer->SetHorizontalFlip(true);
  drawer->SetVerticalFlip(true);
  TOwned<typename TypeParam::TPath> path(MakeOwned<typename TypeParam::TPath>());
  path->AddLine(100, 100, 201, 200);
  drawer->TransformPath(path.get());
  // The corners trade places; mirroring about the half-size point (50, 50) would have
  // thrown the shape to negative coordinates.
  const QPainterPath outline = path->Outline();
  EXPECT_EQ(QPointF(outline.elementAt(0)), QPointF(201, 200));
  EXPECT_EQ(QPointF(outline.elementAt(1)), QPointF(100, 100));
}

template <class TPath>
class TCountingPath : public TPath {
 public:
  int Arcs = 0;
  int AddArc(double x, double y, double W, double H, double S, double D) override {
    ++Arcs;
    return TPath::AddArc(x, y, W, H, S, D);
  }
};

TYPED_TEST(EngineTest, BuildsARoundRectFromFourArcsThroughItsOwnAddArc) {
  TOwned<TCountingPath<typename TypeParam::TPath>> path(MakeOwned<TCountingPath<typename TypeParam::TPath>>());
  EXPECT_EQ(path->AddRoundRect(0, 0, 100, 50, 20, 10), 0);
  EXPECT_EQ(path->Arcs, 4);
  EXPECT_TRUE(path->IsVisible(50, 25));
  EXPECT_FALSE(path->IsVisible(1, 1));  // cut off by the corner arc
  EXPECT_TRUE(path->IsVisible(8, 1));
}

// ---- Fills ----

TYPED_TEST(EngineTest, SolidFillBlendsBlackOverWhiteByTheAlphaRule) {
  struct TAlphaCase {
    int Transparency;
    int Grey;
  };
  for (const TAlphaCase c :
       {TAlphaCase{0, 0}, TAlphaCase{10, 25}, TAlphaCase{50, 127}, TAlphaCase{90, 229}, TAlphaCase{100, 255}}) {
    SCOPED_TRACE(c.Transparency);
    TTarget target;
    TOwned<typename TypeParam::TCanvasT> canvas = this->FillCanvas(target, clBlack);
    canvas->GetBrush()->SetTransparency(c.Transparency);
    canvas->Rectangle(0, 0, 100, 100);
    EXPECT_TRUE(Near(target.At(50, 50), QColor(c.Grey, c.Grey, c.Grey), 1));
  }
  TTarget target;
  TOwned<typename TypeParam::TCanvasT> canvas = this->FillCanvas(target);
  canvas->GetBrush()->SetTransparency(50);
  canvas->Rectangle(10, 10, 50, 50);
  EXPECT_TRUE(Near(target.At(30, 30), QColor(255, 127, 127), 3));
  EXPECT_TRUE(Near(target.At(60, 60), Qt::white, 0));
}

// ---- Native objects built by repaints ----

// One round of the fills a block makes: body, gradient over its rectangle, clear outline.
template <class E>
void BlockRound(typename E::TBrushT& ABrush, typename E::TPenT& APen, TColor ABody) {
  APen.SetTransparency(100);
  ABrush.SetBrushMode(bmSolid);
  ABrush.SetColor(ABody);
  E::BuildNative(ABrush);
  E::BuildNative(APen);
  ABrush.SetBrushMode(bmGradient);
  ABrush.SetColor(clWhite);
  ABrush.SetColor2(clBlue);
  E::BuildNative(ABrush);
  APen.SetWidth(3);
  APen.SetTransparency(0);
  ABrush.SetBrushMode(bmClear);
  E::BuildNative(ABrush);
  E::BuildNative(APen);
}

TYPED_TEST(EngineTest, ASecondRoundOfTheSameFillsBuildsNothingAndAChangeBuildsOnlyItself) {
  TOwned<typename TypeParam::TBrushT> brush(MakeOwned<typename TypeParam::TBrushT>());
  TOwned<typename TypeParam::TPenT> pen(MakeOwned<typename TypeParam::TPenT>());
  BlockRound<TypeParam>(*brush, *pen, clRed);
  const TNativeObjectCounts first = NativeObjectCounts();
  BlockRound<TypeParam>(*brush, *pen, clRed);
  EXPECT_EQ(NativeObjectCounts().Total(), first.Total());
  BlockRound<TypeParam>(*brush, *pen, clGreen);
  EXPECT_EQ(NativeObjectCounts().Brushes, first.Brushes + 1);
  EXPECT_EQ(NativeObjectCounts().Pens, first.Pens);
}

// One paint of a control: the drawer's rectangles set again, a shadow in grey, then the
// body with the gradient brush and a black outline.
template <class E>
void PaintControl(TTarget& T, typename E::TDrawer& ADrawer, TDgrGraphicsPath& APath, TColor ABody, double AAngle) {
  TOwned<typename E::TPaintEngineT> engine(Create<typename E::TPaintEngineT>(T.Canvas(), TRect{0, 0, 100, 100}));
  ADrawer.SetPaintEngine(engine.get());
  ADrawer.SetSourceRect(Square(0, 0, 100, 100));
  ADrawer.SetDestRect(Square(10, 10, 90, 90));
  ADrawer.SetRotationCenter(Dot(50, 50));
  ADrawer.SetAngle(AAngle);
  TDgrCanvas* canvas = ADrawer.GetCanvas();
  APath.Reset();
  APath.AddEllipse(0, 0, 100, 100);
  ADrawer.TransformPath(&APath);
  canvas->GetBrush()->SetBrushMode(bmSolid);
  canvas->GetBrush()->SetColor(clGray);
  canvas->GetPen()->SetColor(clGray);
  canvas->Path(&APath);
  canvas->GetBrush()->SetBrushMode(bmGradient);
  canvas->GetBrush()->SetColor(ABody);
  canvas->GetPen()->SetColor(clBlack);
  canvas->Path(&APath);
  ADrawer.SetPaintEngine(nullptr);
}

TYPED_TEST(EngineTest, ARepaintOfAnUnchangedControlBuildsNothing) {
  TOwned<typename TypeParam::TDrawer> drawer(Create<typename TypeParam::TDrawer>());
  TOwned<TDgrGraphicsPath> path(drawer->CreatePath());
  TTarget target;
  PaintControl<TypeParam>(target, *drawer, *path, clRed, 15);
  const TNativeObjectCounts before = NativeObjectCounts();
  PaintControl<TypeParam>(target, *drawer, *path, clRed, 15);
  EXPECT_EQ(NativeObjectCounts().Total(), before.Total());
}

}  // namespace
}  // namespace tarnwick
