// The integer canvas, checked on rendered pixels: exclusive right/bottom edges, lines
// without their end pixel, clear pens and brushes, inverting outlines that erase
// themselves, text placement, images, and the Qt objects it reuses between primitives.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

using namespace tarnwick;

namespace {

// A white raster image with a painter and a canvas on it.
struct TSurface {
  explicit TSurface(int W = 40, int H = 40) : Image(W, H, QImage::Format_RGB32) {
    Image.fill(Qt::white);
    Painter.begin(&Image);
    Canvas.SetPainter(&Painter);
  }
  QImage Snapshot() const { return Image.copy(); }
  // The bounding box of every pixel that is not white.
  QRect Ink() const {
    QRect r;
    for (int y = 0; y < Image.height(); ++y)
      for (int x = 0; x < Image.width(); ++x)
        if (Image.pixel(x, y) != qRgb(255, 255, 255)) r |= QRect(x, y, 1, 1);
    return r;
  }
  QRgb At(int X, int Y) const { return Image.pixel(X, Y); }

  QImage Image;
  QPainter Painter;
  TCanvas Canvas;
};

const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255), Red = qRgb(255, 0, 0);

struct TShapeRow {
  const char* Name;
  std::function<void(TCanvas&)> Draw;
  QRect Ink;
};

void PrintTo(const TShapeRow& r, std::ostream* os) { *os << r.Name; }

TPointArray Square(int A, int B) { return {Point(A, A), Point(B, A), Point(B, B), Point(A, B)}; }

}  // namespace

class ShapeEdges : public testing::TestWithParam<TShapeRow> {};

TEST_P(ShapeEdges, CoverExactlyTheirBox) {
  TSurface s;
  s.Canvas.GetBrush()->SetColor(clRed);
  GetParam().Draw(s.Canvas);
  EXPECT_EQ(s.Ink(), GetParam().Ink);
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, ShapeEdges,
    testing::Values(
        TShapeRow{"Rectangle", [](TCanvas& c) { c.Rectangle(5, 5, 15, 15); }, QRect(5, 5, 10, 10)},
        TShapeRow{"RectangleReversed", [](TCanvas& c) { c.Rectangle(15, 15, 5, 5); }, QRect(5, 5, 10, 10)},
        TShapeRow{"RectangleOnePixelWide", [](TCanvas& c) { c.Rectangle(5, 5, 6, 15); }, QRect(5, 5, 1, 10)},
        TShapeRow{"RectangleEmpty", [](TCanvas& c) { c.Rectangle(5, 5, 5, 15); }, QRect()},
        TShapeRow{"Ellipse", [](TCanvas& c) { c.Ellipse(5, 5, 15, 15); }, QRect(5, 5, 10, 10)},
        TShapeRow{"EllipseTall", [](TCanvas& c) { c.Ellipse(5, 5, 16, 30); }, QRect(5, 5, 11, 25)},
        TShapeRow{"RoundRect", [](TCanvas& c) { c.RoundRect(5, 5, 25, 15, 6, 6); }, QRect(5, 5, 20, 10)},
        TShapeRow{"RectangleFillOnly",
                  [](TCanvas& c) {
                    c.GetPen()->SetStyle(psClear);
                    c.Rectangle(5, 5, 15, 15);
                  },
                  QRect(5, 5, 10, 10)},
        TShapeRow{"EllipseFillOnly",
                  [](TCanvas& c) {
                    c.GetPen()->SetStyle(psClear);
                    c.Ellipse(5, 5, 15, 15);
                  },
                  QRect(5, 5, 10, 10)},
        TShapeRow{"RoundRectFillOnly",
                  [](TCanvas& c) {
                    c.GetPen()->SetStyle(psClear);
                    c.RoundRect(5, 5, 15, 15, 4, 4);
                  },
                  QRect(5, 5, 10, 10)},
        TShapeRow{"PolygonKeepsEveryVertex", [](TCanvas& c) { c.Polygon(Square(5, 14)); }, QRect(5, 5, 10, 10)},
        TShapeRow{"PolygonFillOnly",
                  [](TCanvas& c) {
                    c.GetPen()->SetStyle(psClear);
                    c.Polygon(Square(5, 15));
                  },
                  QRect(5, 5, 10, 10)},
        TShapeRow{"WidePenIsCentredOnTheEdge",
                  [](TCanvas& c) {
                    c.GetPen()->SetWidth(3);
                    c.Rectangle(5, 5, 15, 15);
                  },
                  QRect(4, 4, 12, 12)},
        TShapeRow{"InsideFramePenStaysInside",
                  [](TCanvas& c) {
                    c.GetPen()->SetWidth(3);
                    c.GetPen()->SetStyle(psInsideFrame);
                    c.Ellipse(5, 5, 15, 15);
                  },
                  QRect(5, 5, 10, 10)},
        TShapeRow{"ClearPenAndBrushDrawNothing",
                  [](TCanvas& c) {
                    c.GetPen()->SetStyle(psClear);
                    c.GetBrush()->SetStyle(bsClear);
                    c.Rectangle(5, 5, 15, 15);
                    c.Ellipse(5, 5, 15, 15);
                    c.Polygon(Square(5, 15));
                  },
                  QRect()},
        TShapeRow{"NopModeDrawsNothing",
                  [](TCanvas& c) {
                    c.GetPen()->SetMode(pmNop);
                    c.Rectangle(5, 5, 15, 15);
                    c.MoveTo(0, 0);
                    c.LineTo(20, 20);
                  },
                  QRect()},
        TShapeRow{"FillRect", [](TCanvas& c) { c.FillRect(Rect(3, 4, 13, 9)); }, QRect(3, 4, 10, 5)},
        TShapeRow{"FrameRect", [](TCanvas& c) { c.FrameRect(Rect(3, 4, 13, 9)); }, QRect(3, 4, 10, 5)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Rectangle, OutlinesWithThePenAndFillsInside) {
  TSurface s;
  s.Canvas.GetBrush()->SetColor(clRed);
  s.Canvas.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(s.At(0, 5), Black);
  EXPECT_EQ(s.At(9, 5), Black);
  EXPECT_EQ(s.At(5, 9), Black);
  EXPECT_EQ(s.At(5, 5), Red);
  EXPECT_EQ(s.At(10, 5), White);
  s.Canvas.GetBrush()->SetStyle(bsClear);
  s.Canvas.Rectangle(20, 20, 30, 30);
  EXPECT_EQ(s.At(25, 25), White);
  EXPECT_EQ(s.At(29, 25), Black);
}

TEST(FrameRect, PaintsOnlyTheBorderWithTheBrush) {
  TSurface s;
  s.Canvas.GetBrush()->SetColor(clRed);
  s.Canvas.FrameRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(s.At(0, 0), Red);
  EXPECT_EQ(s.At(9, 9), Red);
  EXPECT_EQ(s.At(5, 5), White);
}

TEST(Lines, LeaveOutTheirEndPixel) {
  TSurface s;
  s.Canvas.MoveTo(2, 2);
  s.Canvas.LineTo(10, 2);
  EXPECT_EQ(s.Ink(), QRect(2, 2, 8, 1));
  EXPECT_EQ(s.Canvas.GetPenPos(), Point(10, 2));
  s.Canvas.LineTo(10, 10);  // continues from the pen position
  EXPECT_EQ(s.At(10, 2), Black);
  EXPECT_EQ(s.At(10, 9), Black);
  EXPECT_EQ(s.At(10, 10), White);
}

TEST(Lines, KeepTheirStartAndLeaveOutTheirEndInEveryDirection) {
  struct Case {
    QPoint from, to, inkTopLeft;
    QSize inkSize;
  };
  const Case cases[] = {{{30, 1}, {10, 1}, {11, 1}, {20, 1}},   // right to left
                        {{10, 1}, {30, 1}, {10, 1}, {20, 1}},   // left to right
                        {{5, 30}, {5, 10}, {5, 11}, {1, 20}},   // upwards
                        {{30, 30}, {10, 10}, {11, 11}, {20, 20}}};  // up-left diagonal
  for (const auto& c : cases) {
    TSurface s;
    s.Canvas.MoveTo(c.from.x(), c.from.y());
    s.Canvas.LineTo(c.to.x(), c.to.y());
    EXPECT_EQ(s.Ink(), QRect(c.inkTopLeft, c.inkSize)) << c.from.x() << "," << c.from.y();
  }
  // Drawn twice in NOT mode a line leaves nothing behind: every pixel is drawn once.
  TSurface s;
  s.Canvas.GetPen()->SetMode(pmNot);
  for (int i = 0; i < 2; ++i) s.Canvas.Polyline({Point(30, 30), Point(5, 12), Point(5, 2), Point(20, 2)});
  EXPECT_TRUE(s.Ink().isEmpty());
}

TEST(Lines, ADiagonalAndAPolylineStopBeforeTheirLastPoint) {
  TSurface s;
  s.Canvas.MoveTo(2, 2);
  s.Canvas.LineTo(10, 10);
  EXPECT_EQ(s.At(9, 9), Black);
  EXPECT_EQ(s.At(10, 10), White);
  s.Canvas.Polyline({Point(20, 2), Point(30, 2), Point(30, 12)});
  EXPECT_EQ(s.At(20, 2), Black);
  EXPECT_EQ(s.At(30, 2), Black);
  EXPECT_EQ(s.At(30, 11), Black);
  EXPECT_EQ(s.At(30, 12), White);
}

TEST(Lines, ALineToItsStartDrawsNothingAndWidthZeroIsOnePixel) {
  TSurface s;
  s.Canvas.MoveTo(5, 5);
  s.Canvas.LineTo(5, 5);
  EXPECT_EQ(s.Ink(), QRect());
  s.Canvas.GetPen()->SetWidth(0);
  s.Canvas.LineTo(15, 5);
  EXPECT_EQ(s.Ink(), QRect(5, 5, 10, 1));
}

TEST(Lines, DottedPenLeavesGaps) {
  TSurface s;
  s.Canvas.GetPen()->SetStyle(psDot);
  s.Canvas.MoveTo(0, 1);
  s.Canvas.LineTo(30, 1);
  int ink = 0;
  for (int x = 0; x < 30; ++x) ink += s.At(x, 1) == Black;
  EXPECT_GT(ink, 8);
  EXPECT_LT(ink, 22);
}

class InvertingModes : public testing::TestWithParam<TPenMode> {};

TEST_P(InvertingModes, DrawnTwiceRestoreThePicture) {
  TSurface s;
  s.Canvas.GetBrush()->SetColor(clNavy);
  s.Canvas.FillRect(Rect(0, 0, 20, 40));
  s.Canvas.GetBrush()->SetColor(clYellow);
  s.Canvas.Ellipse(10, 10, 30, 30);
  const QImage before = s.Snapshot();

  TCanvas& c = s.Canvas;
  c.GetPen()->SetMode(GetParam());
  c.GetPen()->SetStyle(psDot);
  c.GetPen()->SetColor(clRed);
  c.GetBrush()->SetStyle(bsClear);
  auto outline = [&] {
    c.Rectangle(3, 3, 30, 30);
    c.Ellipse(5, 8, 35, 25);
    c.RoundRect(2, 2, 38, 38, 10, 10);
    c.Polygon({Point(1, 1), Point(30, 5), Point(12, 35)});
    c.Polyline({Point(0, 20), Point(39, 21), Point(20, 39)});
    c.MoveTo(0, 0);
    c.LineTo(39, 39);
  };
  outline();
  EXPECT_NE(s.Snapshot(), before);
  outline();
  EXPECT_EQ(s.Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Canvas, InvertingModes, testing::Values(pmNot, pmXor, pmNotXor));

TEST(PenModes, NotInvertsWhateverIsUnderneath) {
  TSurface s;
  s.Canvas.GetBrush()->SetColor(clNavy);
  s.Canvas.FillRect(Rect(0, 0, 10, 10));
  s.Canvas.GetPen()->SetMode(pmNot);
  s.Canvas.GetPen()->SetColor(clRed);  // ignored by NOT
  s.Canvas.MoveTo(0, 5);
  s.Canvas.LineTo(20, 5);
  EXPECT_EQ(s.At(2, 5), qRgb(255, 255, 127));  // not navy
  EXPECT_EQ(s.At(15, 5), Black);               // not white
  EXPECT_EQ(s.Painter.compositionMode(), QPainter::CompositionMode_SourceOver);
}

TEST(Pixels, ReadAndWriteSinglePixels) {
  TSurface s;
  s.Canvas.SetPixels(3, 4, clRed);
  EXPECT_EQ(s.Canvas.GetPixels(3, 4), clRed);
  EXPECT_EQ(s.Canvas.GetPixels(4, 4), clWhite);
  EXPECT_EQ(s.Canvas.GetPixels(-1, 4), clNone);
  EXPECT_EQ(s.Canvas.GetPixels(40, 0), clNone);
}

TEST(ClipRect, IsTheDeviceOrTheClip) {
  TSurface s(40, 30);
  EXPECT_EQ(s.Canvas.GetClipRect(), Rect(0, 0, 40, 30));
  s.Painter.setClipRect(QRect(5, 6, 10, 10));
  EXPECT_EQ(s.Canvas.GetClipRect(), Rect(5, 6, 15, 16));
}

TEST(Text, MeasuresAndLandsInItsBox) {
  TSurface s(120, 60);
  TCanvas& c = s.Canvas;
  c.GetBrush()->SetStyle(bsClear);
  int w = c.TextWidth("Hello"), h = c.TextHeight("Hello");
  EXPECT_GT(w, 10);
  EXPECT_GT(h, 8);
  EXPECT_EQ(c.TextExtent("Hello"), (TSize{w, h}));
  c.TextOut(7, 9, "Hello");
  QRect ink = s.Ink();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(7, 9, w, h).contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                                << ink.height();
  EXPECT_LT(ink.top(), 9 + h / 2);  // top-left anchoring, not the base line
  EXPECT_EQ(c.GetPenPos(), Point(7 + w, 9));
  EXPECT_GT(c.TextWidth("Hello, world"), w);
  // The pen ends where the text did in the font it was written in, even when the font
  // changes before the position is read.
  c.TextOut(7, 9, "Hello");
  c.GetFont()->SetHeight(c.GetFont()->GetHeight() * 3);
  EXPECT_EQ(c.GetPenPos(), Point(7 + w, 9));
  c.TextOut(7, 9, "Hello");
  c.MoveTo(1, 2);
  EXPECT_EQ(c.GetPenPos(), Point(1, 2)) << "a move replaces the text's end";
}

TEST(Text, SolidBrushFillsTheTextBoxAndFontColourPaintsTheGlyphs) {
  TSurface s(120, 60);
  TCanvas& c = s.Canvas;
  c.GetBrush()->SetColor(clYellow);
  c.GetFont()->SetColor(clRed);
  c.GetFont()->SetQuality(fqNonAntialiased);
  c.TextOut(5, 5, "Hello");
  TSize box = c.TextExtent("Hello");
  EXPECT_EQ(s.Ink(), QRect(5, 5, box.cx, box.cy));
  EXPECT_EQ(s.At(5, 5 + box.cy - 1), qRgb(255, 255, 0));
  bool red = false;
  for (int y = 5; y < 5 + box.cy; ++y)
    for (int x = 5; x < 5 + box.cx; ++x) red |= s.At(x, y) == Red;
  EXPECT_TRUE(red);
}

TEST(Text, OrientationTurnsTheTextCounterClockwise) {
  TSurface s(80, 80);
  TCanvas& c = s.Canvas;
  c.GetBrush()->SetStyle(bsClear);
  c.GetFont()->SetOrientation(900);
  TSize box = c.TextExtent("Hello");
  c.TextOut(30, 70, "Hello");
  QRect ink = s.Ink();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(30, 70 - box.cx, box.cy + 1, box.cx + 1).contains(ink));
  EXPECT_GT(ink.height(), ink.width());
}

TEST(Text, TextRectClipsToItsRectangle) {
  TSurface s(120, 60);
  s.Canvas.GetBrush()->SetColor(clYellow);
  s.Canvas.TextRect(Rect(5, 5, 20, 40), 5, 5, "Hello, world");
  EXPECT_EQ(s.Ink(), QRect(5, 5, 15, 35));
}

TEST(Images, DrawAndStretchDrawFillTheirBoxes) {
  TSurface s;
  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  bitmap.GetCanvas()->GetBrush()->SetColor(clRed);
  bitmap.GetCanvas()->FillRect(Rect(0, 0, 2, 2));
  s.Canvas.Draw(3, 4, &bitmap);
  EXPECT_EQ(s.Ink(), QRect(3, 4, 2, 2));
  s.Canvas.StretchDraw(Rect(10, 10, 30, 20), &bitmap);
  EXPECT_EQ(s.Ink(), QRect(3, 4, 27, 16));
  EXPECT_EQ(s.At(29, 19), Red);
  s.Canvas.Draw(0, 0, nullptr);  // nothing to draw, no failure
}

TEST(Images, AReversedBoxMirrors) {
  TSurface s;
  TBitmap bitmap;
  bitmap.SetSize(2, 1);
  bitmap.GetCanvas()->SetPixels(0, 0, clRed);
  bitmap.GetCanvas()->SetPixels(1, 0, clBlue);
  s.Canvas.StretchDraw(Rect(12, 2, 2, 4), &bitmap);
  EXPECT_EQ(s.At(2, 2), qRgb(0, 0, 255));
  EXPECT_EQ(s.At(11, 3), Red);
}

TEST(Images, CopyRectTakesPixelsFromAnotherRasterCanvas) {
  TSurface s;
  TBitmap bitmap;
  bitmap.SetSize(10, 10);
  bitmap.GetCanvas()->GetBrush()->SetColor(clRed);
  bitmap.GetCanvas()->FillRect(Rect(2, 2, 6, 6));
  s.Canvas.CopyRect(Rect(20, 20, 24, 24), *bitmap.GetCanvas(), Rect(2, 2, 6, 6));
  EXPECT_EQ(s.Ink(), QRect(20, 20, 4, 4));
}

TEST(Caching, PrimitivesReuseThePenUntilItChanges) {
  TSurface s;
  TPen& pen = *s.Canvas.GetPen();
  QPen held = pen.Handle();  // shares the cached pen's data while the cache lives
  s.Canvas.Rectangle(1, 1, 10, 10);
  s.Canvas.MoveTo(0, 0);
  s.Canvas.LineTo(20, 20);
  s.Canvas.Polygon(Square(3, 9));
  EXPECT_FALSE(held.isDetached());
  pen.SetColor(clRed);
  s.Canvas.Rectangle(1, 1, 10, 10);  // the painter now holds the rebuilt pen
  EXPECT_TRUE(held.isDetached());
  EXPECT_EQ(s.At(1, 1), Red);
}

TEST(NoPainter, DrawingDoesNothingAndMeasuringStillWorks) {
  TCanvas c;
  c.Rectangle(0, 0, 10, 10);
  c.TextOut(0, 0, "x");
  c.LineTo(5, 5);
  EXPECT_EQ(c.GetPenPos(), Point(5, 5));
  EXPECT_EQ(c.GetPixels(0, 0), clNone);
  EXPECT_GT(c.TextWidth("x"), 0);
}
