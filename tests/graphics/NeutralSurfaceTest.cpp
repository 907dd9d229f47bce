// The engine-neutral rules every engine inherits: brush and pen setters, assignment from
// platform tools, the drawing hooks, the block drawer's rectangle updates, and the encoded
// graphic. A recording engine stands in for the real ones.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cmath>
#include <string>
#include <vector>

#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrBrush.h"
#include "graphics/DgrGraphic.h"
#include "graphics/DgrPath.h"
#include "graphics/DgrPicture.h"
#include "platform/core/Stream.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

namespace tarnwick {
namespace {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

class TRecordingPicture : public TDgrPicture {};

class TRecordingBrush : public TDgrBrush {
 public:
  TSquare Rect;
  double Angle = 0;

 protected:
  TDgrPicture* CreateTexturePicture() override { return Create<TRecordingPicture>(); }
  void DoUpdateBrushPosition(const TSquare& ARect, TDot, double AAngle) override {
    Rect = ARect;
    Angle = AAngle;
  }
};

class TRecordingPath : public TDgrGraphicsPath {
 public:
  ~TRecordingPath() override { Log().push_back("path freed"); }
  int AddArc(double, double, double, double, double, double) override { return 0; }
  int AddBezier(double, double, double, double, double, double, double, double) override { return 0; }
  int AddEllipse(double, double, double, double) override { return 0; }
  int AddLine(double, double, double, double) override { return 0; }
  int AddLines(const TDotArray&) override { return 0; }
  int AddPolygon(const TDotArray&) override { return 0; }
  int AddRectangle(const TSquare&) override { return 0; }
  int AddRoundRect(double, double, double, double, double, double) override {
    Log().push_back("round rect");
    return 0;
  }
  int CloseFigure(bool) override {
    Log().push_back("close");
    return 0;
  }
  TDgrRegion* CreateRegion() override { return nullptr; }
  int GetPointCount() override { return 0; }
  bool IsVisible(int, int) override { return false; }
  int Reset() override { return 0; }
  int SetFillMode(TFillMode) override { return 0; }
  int StartFigure() override {
    Log().push_back("start");
    return 0;
  }
  QPainterPath Outline() override { return {}; }
};

class TRecordingCanvas : public TDgrCanvas {
 public:
  TRecordingCanvas() : FPen(MakeOwned<TDgrPen>()), FBrush(MakeOwned<TRecordingBrush>()) {}
  int Transforms = 0;
  QTransform LastMap;

  TSquare StringBounds(const QString&, TFont*, const TSquare& R, TAlignment, TVertAlign, bool, bool) override {
    return R;
  }
  void DrawString(const QString&, TFont*, const TSquare&, TAlignment, TVertAlign, bool, bool, int) override {}
  int TranslateTransform(double AX, double AY) override {
    Log().push_back("translate " + std::to_string(int(AX)) + "," + std::to_string(int(AY)));
    return 0;
  }
  using TDgrCanvas::RotateTransform;
  int RotateTransform(double AAngle) override {
    Log().push_back("rotate " + std::to_string(int(AAngle)));
    return 7;
  }
  void SaveDrawingState() override {}
  void RestoreDrawingState() override {}
  TDgrBrush* CreateBrush() override { return Create<TRecordingBrush>(); }
  TDgrGraphic* CreateGraphic() override { return Create<TDgrGraphic>(); }
  TDgrPaintEngine* CreatePaintEngine(TCanvas*, const TRect&) override { return nullptr; }
  TDgrGraphicsPath* CreatePath() override { return Create<TRecordingPath>(); }
  TDgrPen* CreatePen() override { return Create<TDgrPen>(); }
  void UpdateRectsTransform(const TSquare&, const TSquare&, double, double) override {
    ++Transforms;
    LastMap = Frame().MapTransform();
  }
  TRecordingBrush* Brush() const { return FBrush.get(); }

 protected:
  TDgrPen* DoGetPen() const override { return FPen.get(); }
  TDgrBrush* DoGetBrush() const override { return FBrush.get(); }
  void Changing() override { Log().push_back("changing"); }
  void Changed() override { Log().push_back("changed"); }
  void DoEllipse(double, double, double W, double H) override {
    Log().push_back("ellipse " + std::to_string(int(W)) + "x" + std::to_string(int(H)));
  }
  void DoDrawLine(double, double, double, double) override {}
  void DoDrawPath(TDgrGraphicsPath*) override { Log().push_back("draw path"); }
  void DoRectangle(double, double, double, double) override {}
  void DoFillPath(TDgrGraphicsPath*) override { Log().push_back("fill path"); }
  void DoPolygon(const TDotArray&) override {}
  void DoStretchDraw(const TSquare&, TGraphic*, int, bool) override { Log().push_back("stretch"); }
  void DoStretchDrawImage(const TSquare&, TDgrImage*, int, bool) override { Log().push_back("stretch image"); }

 private:
  TOwned<TDgrPen> FPen;
  TOwned<TRecordingBrush> FBrush;
};

class TRecordingDrawer : public TDgrBlockDrawer {
 public:
  TRecordingDrawer() : FCanvas(MakeOwned<TRecordingCanvas>()) {}
  TDgrCanvas* GetCanvas() const override { return FCanvas.get(); }
  void SetPaintEngine(TDgrPaintEngine*) override {}
  TRecordingCanvas* Recording() const { return FCanvas.get(); }

 protected:
  void Flip(TDgrGraphicsPath*) override { Log().push_back("flip"); }
  void DoRotatePath(TDgrGraphicsPath*) override { Log().push_back("rotate path"); }
  void TranslateRectsPath(TDgrGraphicsPath*) override { Log().push_back("map"); }

 private:
  TOwned<TRecordingCanvas> FCanvas;
};

class NeutralSurface : public ::testing::Test {
 protected:
  void SetUp() override { Log().clear(); }
};

TEST_F(NeutralSurface, BrushColourSettersDropTheirOverridesEvenWhenUnchanged) {
  TRecordingBrush brush;
  int changes = 0;
  brush.OnChange = [&](TObject*) { ++changes; };
  brush.SetTransp1(40);
  brush.SetTransp2(60);
  EXPECT_EQ(brush.GetAlpha1(), 153);
  EXPECT_EQ(brush.GetAlpha2(), 102);
  brush.SetColor(brush.GetColor());
  EXPECT_EQ(brush.GetTransp1(), -1);
  EXPECT_EQ(brush.GetTransp2(), 60);
  brush.SetTransparency(0);
  EXPECT_EQ(brush.GetTransp2(), -1);
  EXPECT_EQ(changes, 0) << "unchanged values fire no change";
  brush.SetTransparency(50);
  EXPECT_EQ(brush.GetAlpha1(), 128);
  EXPECT_EQ(changes, 1);
}

TEST_F(NeutralSurface, BrushFromPlatformBrushTakesColourAndModeWithATransparentBackground) {
  struct Case {
    TBrushStyle Style;
    TDgrBrushMode Mode;
  };
  for (const Case c : {Case{bsSolid, bmSolid}, Case{bsClear, bmClear}, Case{bsDiagCross, bmHatch},
                       Case{bsHorizontal, bmHatch}}) {
    TRecordingBrush brush;
    TBrush platform;
    platform.SetColor(0x123456);
    platform.SetStyle(c.Style);
    brush.Assign(&platform);
    EXPECT_EQ(brush.GetBrushMode(), c.Mode) << c.Style;
    EXPECT_EQ(brush.GetColor(), TColor(0x123456));
    EXPECT_EQ(brush.GetAlpha2(), 0) << "the hatch background is fully transparent";
  }
}

TEST_F(NeutralSurface, BrushCopiesBetweenEngineBrushesLeaveTheOverridesBehind) {
  TRecordingBrush a, b;
  a.SetColor(0xFF);
  a.SetColor2(0xFF00);
  a.SetGradientMode(gmVertOutIn);
  a.SetBrushMode(bmGradient);
  a.SetTransp1(30);
  b.Assign(&a);
  EXPECT_EQ(b.GetColor2(), TColor(0xFF00));
  EXPECT_EQ(b.GetGradientMode(), gmVertOutIn);
  EXPECT_EQ(b.GetBrushMode(), bmGradient);
  EXPECT_EQ(b.GetTransp1(), -1);
}

TEST_F(NeutralSurface, PenFromPlatformPenTakesColourAndWidthButKeepsTransparency) {
  TDgrPen pen;
  pen.SetTransparency(40);
  TPen platform;
  platform.SetColor(0xABCDEF);
  platform.SetWidth(3);
  pen.Assign(&platform);
  EXPECT_EQ(pen.GetColor(), TColor(0xABCDEF));
  EXPECT_EQ(pen.GetWidth(), 3.0);
  EXPECT_EQ(pen.GetTransparency(), 40);
  int changes = 0;
  pen.OnChange = [&](TObject*) { ++changes; };
  pen.SetWidth(std::nan(""));
  pen.SetWidth(std::nan(""));
  EXPECT_EQ(changes, 2) << "an unordered comparison counts as a change";
}

TEST_F(NeutralSurface, DrawingOperationsRunInsideTheHooks) {
  TRecordingCanvas canvas;
  canvas.Ellipse(10, 20, 40, 30);
  canvas.RoundRect(0, 0, 10, 10, 2, 2);
  EXPECT_EQ(Log(), (std::vector<std::string>{"changing", "ellipse 30x10", "changed", "changing", "start", "round rect",
                                             "close", "fill path", "draw path", "path freed", "changed"}));
}

TEST_F(NeutralSurface, StretchDrawOfNoImageCallsNothing) {
  TRecordingCanvas canvas;
  canvas.StretchDraw(TSquare{0, 0, 1, 1}, static_cast<TDgrImage*>(nullptr), 0, false);
  EXPECT_TRUE(Log().empty());
}

TEST_F(NeutralSurface, RotationAboutAPointTranslatesRotatesAndTranslatesBack) {
  TRecordingCanvas canvas;
  EXPECT_EQ(canvas.RotateTransform(30, TDot{5, 6}), 7);
  EXPECT_EQ(Log(), (std::vector<std::string>{"translate 5,6", "rotate 30", "translate -5,-6"}));
}

TEST_F(NeutralSurface, DrawerKeepsItsLastTransformWhileTheDestinationIsEmptyButMovesTheBrush) {
  TRecordingDrawer drawer;
  TRecordingCanvas* canvas = drawer.Recording();
  drawer.SetSourceRect(TSquare{0, 0, 100, 100});
  drawer.SetDestRect(TSquare{10, 10, 210, 110});
  EXPECT_EQ(canvas->Transforms, 1);
  EXPECT_DOUBLE_EQ(canvas->GetScaleX(), 2.0);
  const QTransform before = canvas->LastMap;
  drawer.SetDestRect(TSquare{50, 50, 50, 90});
  EXPECT_EQ(canvas->Transforms, 1) << "no transform from an empty rectangle";
  EXPECT_DOUBLE_EQ(canvas->GetScaleX(), 2.0);
  EXPECT_EQ(canvas->Frame().MapTransform(), before);
  EXPECT_EQ(canvas->Brush()->Rect, (TSquare{50, 50, 50, 90})) << "the brush follows anyway";
  drawer.SetAngle(15);
  EXPECT_EQ(canvas->Brush()->Angle, 15);
}

TEST_F(NeutralSurface, TransformPathFlipsMapsAndRotatesOnlyWhenTurned) {
  TRecordingDrawer drawer;
  TRecordingPath path;
  drawer.TransformPath(&path);
  drawer.SetAngle(90);
  drawer.TransformPath(&path);
  EXPECT_EQ(Log(), (std::vector<std::string>{"flip", "map", "flip", "map", "rotate path"}));
}

TEST_F(NeutralSurface, EmptyGraphicHasNoSizesAndAssigningNothingSignalsAChange) {
  TOwned<TDgrGraphic> graphic = MakeOwned<TDgrGraphic>();
  EXPECT_TRUE(graphic->GetEmpty());
  EXPECT_FALSE(graphic->GetImageSizes());
  int changes = 0;
  graphic->OnChange = [&](TObject*) { ++changes; };
  graphic->Assign(nullptr);
  EXPECT_TRUE(graphic->GetEmpty());
  EXPECT_EQ(changes, 1);
}

TEST_F(NeutralSurface, GraphicKeepsTheEncodedBytesAndReadsTheirSize) {
  QImage image(7, 5, QImage::Format_ARGB32);
  image.fill(Qt::red);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  TMemoryStream in(png);
  TOwned<TDgrGraphic> graphic = MakeOwned<TDgrGraphic>();
  graphic->LoadFromStream(in);
  EXPECT_FALSE(graphic->GetEmpty());
  EXPECT_EQ(graphic->GetWidth(), 7);
  EXPECT_EQ(graphic->GetHeight(), 5);
  TMemoryStream out;
  graphic->SaveToStream(out);
  EXPECT_EQ(out.Bytes(), png);
}

TEST_F(NeutralSurface, UndecodableBytesLeaveTheGraphicWithoutPixels) {
  TMemoryStream in(QByteArray("\x89PNG\r\n\x1a\n garbage", 16));
  TOwned<TDgrGraphic> graphic = MakeOwned<TDgrGraphic>();
  graphic->LoadFromStream(in);
  EXPECT_TRUE(graphic->ToImage().isNull());
  EXPECT_EQ(graphic->GetWidth(), 0);
}

}  // namespace
}  // namespace tarnwick
