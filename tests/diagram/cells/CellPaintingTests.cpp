// Painting cell text and cells on the legacy canvas, checked on the pixels of an image.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "../TestControls.h"
#include "diagram/model/TextCellPainter.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// A white image with a canvas on it.
struct TSurface {
  QImage Image{200, 200, QImage::Format_RGB32};
  QPainter Painter;
  TCanvas Canvas;
  TSurface() {
    Image.fill(Qt::white);
    Painter.begin(&Image);
    Canvas.SetPainter(&Painter);
    Canvas.GetBrush()->SetStyle(bsClear);
  }
  ~TSurface() { Painter.end(); }

  // The box around every pixel that is not white (empty when there is none).
  QRect Ink() {
    Painter.end();
    QRect r;
    for (int y = 0; y < Image.height(); ++y)
      for (int x = 0; x < Image.width(); ++x)
        if (Image.pixel(x, y) != qRgb(255, 255, 255)) r |= QRect(x, y, 1, 1);
    Painter.begin(&Image);
    return r;
  }
  int Count(QRgb colour) {
    Painter.end();
    int n = 0;
    for (int y = 0; y < Image.height(); ++y)
      for (int x = 0; x < Image.width(); ++x)
        if (Image.pixel(x, y) == colour) ++n;
    Painter.begin(&Image);
    return n;
  }
};

TOwned<TFont> BigFont() {
  TOwned<TFont> f = MakeOwned<TFont>();
  f->SetHeight(-16);
  f->SetColor(clBlack);
  return f;
}

}  // namespace

TEST(CellText, TextIsDrawnInsideItsLaidOutBoundsOnTheAlignedSide) {
  struct Case {
    TAlignment align;
    bool left;  // ink in the left half
  };
  for (const Case k : {Case{taLeftJustify, true}, Case{taRightJustify, false}}) {
    TSurface s;
    TOwned<TFont> font = BigFont();
    TCellTextParams p;
    p.Rect = TSquare{20, 20, 180, 180};
    p.Alignment = k.align;
    const TSquare bounds = DrawCellText(&s.Canvas, font.get(), "MM", p);
    const QRect ink = s.Ink();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), bounds.Left - 1);
    EXPECT_LE(ink.right(), bounds.Right + 1);
    EXPECT_GE(ink.top(), bounds.Top - 1);
    EXPECT_LE(ink.bottom(), bounds.Bottom + 1);
    EXPECT_EQ(ink.right() < 100, k.left) << k.align;
    EXPECT_EQ(ink.left() > 100, !k.left) << k.align;
  }
}

TEST(CellText, ClippingKeepsTextInsideTheCell) {
  for (bool clip : {false, true}) {
    TSurface s;
    TOwned<TFont> font = BigFont();
    TCellTextParams p;
    p.Rect = TSquare{50, 50, 80, 100};
    p.Alignment = taLeftJustify;
    p.WordWrap = false;
    p.Clip = clip;
    DrawCellText(&s.Canvas, font.get(), "MMMMMMMM", p);
    const QRect ink = s.Ink();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink.right() <= 80, clip) << "clip " << clip;
  }
}

TEST(CellText, ATurnedCellRunsItsLinesAlongTheAngle) {
  TSurface s;
  TOwned<TFont> font = BigFont();
  TCellTextParams p;
  p.Rect = TSquare{50, 50, 150, 150};
  p.RotationCenter = TDot{100, 100};
  p.Alignment = taLeftJustify;
  p.Angle = 90;
  DrawCellText(&s.Canvas, font.get(), "MMMMM", p);
  const QRect ink = s.Ink();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.height(), 2 * ink.width()) << "a quarter turn makes the line run downwards";
  EXPECT_GE(ink.left(), 125) << "the first line sits at the turned top edge, on the right";
  EXPECT_LE(ink.right(), 151);
}

TEST(CellText, TheFontGrowsWithTheZoom) {
  int widths[2];
  for (int i = 0; i < 2; ++i) {
    TSurface s;
    TOwned<TFont> font = BigFont();
    font->SetSize(10);
    TCellTextParams p;
    p.Rect = TSquare{0, 0, 200, 200};
    p.Alignment = taLeftJustify;
    p.FontScale = i == 0 ? 1.0 : 2.0;
    TSquare b = DrawCellText(&s.Canvas, font.get(), "MMM", p, false);
    widths[i] = int(b.Right - b.Left);
    EXPECT_EQ(s.Ink(), QRect()) << "measuring draws nothing";
  }
  EXPECT_NEAR(widths[1], 2 * widths[0], 3);
}

TEST(TextCellPainting, AnAutoFrameHugsTheTextAndRecordsThePaintedRectangle) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCell* c = b->DefaultTextCell();
  c->SetBounds(0, 0, 200, 200);
  c->SetText("MM");
  c->GetFont()->SetHeight(-16);
  TTextCellFrame* f = c->GetCellFrame();
  f->SetAutoFrame(true);
  f->SetAutoFrameMargin(3);
  f->SetVisible(true);
  f->SetTransparent(false);
  f->SetColor(clYellow);
  f->GetBrush()->SetStyle(bsClear);
  f->GetPen()->SetColor(clRed);

  TSurface s;
  DrawTextCell(&s.Canvas, c);
  EXPECT_TRUE(c->GetPaintedRectCalculated());
  b->SetSelectableTextCells(true);
  const TSquare painted = c->GetPaintedRect();
  EXPECT_LT(painted.Right - painted.Left, 100) << "the frame hugs the text, not the cell";
  EXPECT_EQ(painted.Top, -3) << "the margin goes all round";
  EXPECT_GT(s.Count(qRgb(255, 255, 0)), 50) << "filled with the frame colour";
  EXPECT_GT(s.Count(qRgb(255, 0, 0)), 20) << "outlined with the frame pen";
  const QRect ink = s.Ink();
  EXPECT_NEAR(ink.left(), painted.Left, 1);
  EXPECT_NEAR(ink.right(), painted.Right, 1);

  // Empty text: no frame and nothing recorded.
  c->SetText("");
  TSurface empty;
  DrawTextCell(&empty.Canvas, c);
  EXPECT_FALSE(c->GetPaintedRectCalculated());
  EXPECT_EQ(empty.Ink(), QRect());
  b->Free();
}

TEST(TextCellPainting, ThePaintedRectangleIsKeptInTheCellsUnitsUnderZoom) {
  TDiagramFixture fx;
  fx.Diagram->SetZoom(200);
  auto* b = fx.AddBlock(0, 0, 100, 100);
  b->SetSelectableTextCells(true);
  TTextCell* c = b->DefaultTextCell();
  c->SetBounds(0, 0, 100, 100);
  c->SetText("M");
  c->GetCellFrame()->SetAutoFrame(true);
  TSurface s;
  DrawTextCell(&s.Canvas, c);
  ASSERT_TRUE(c->GetPaintedRectCalculated());
  const TSquare painted = c->GetPaintedRect();
  // At 200 % the text is twice as wide in pixels but the same in diagram units.
  TOwned<TFont> font = MakeOwned<TFont>();
  font->Assign(c->GetFont());
  TSurface m;
  m.Canvas.SetFont(font.get());
  const double unzoomed = m.Canvas.TextWidth("M");
  EXPECT_NEAR(painted.Right - painted.Left, unzoomed, 2.5);
  EXPECT_NEAR((painted.Left + painted.Right) / 2, 50, 1.5) << "centred in the cell";
  EXPECT_NEAR(painted.Top, 0, 0.01);
}

TEST(TextCellPainting, WithoutRotateFontTheTextStaysUprightWhereTheTurnedCellWouldBe) {
  for (bool rotateFont : {true, false}) {
    auto* b = Create<TTestBlock>(nullptr);
    TTextCell* c = b->DefaultTextCell();
    c->SetBounds(0, 0, 100, 20);
    c->SetAlignment(taLeftJustify);
    c->SetText("MMMMM");
    c->GetFont()->SetHeight(-16);
    c->GetFont()->SetColor(clBlack);
    c->SetRotateFont(rotateFont);
    b->SetAngle(90);
    ASSERT_EQ(c->GetAngle(), 90);
    TSurface s;
    const TDot centre{50, 50};
    DrawTextCell(&s.Canvas, c, &centre);
    const QRect ink = s.Ink();
    ASSERT_FALSE(ink.isEmpty());
    if (rotateFont) {
      EXPECT_GT(ink.height(), ink.width());
      EXPECT_GE(ink.left(), 75) << "the turned top edge is on the right";
    } else {
      EXPECT_GT(ink.width(), ink.height());
      // The cell's centre (50, 10) turns to (90, 50): the rectangle moves by (40, 40).
      EXPECT_GE(ink.left(), 39);
      EXPECT_GE(ink.top(), 39);
      EXPECT_LE(ink.bottom(), 62);
    }
    b->Free();
  }
}

TEST(TextCellPainting, InvisibleCellsAndTheEditedCellAreSkippedAndTheBrushIsRestored) {
  auto* b = Create<TTestBlock>(nullptr);
  TTextCell* shown = b->DefaultTextCell();
  shown->SetBounds(0, 0, 100, 30);
  TTextCell* hidden = b->GetTextCells()->Add();
  hidden->SetBounds(0, 50, 100, 30);
  TTextCell* edited = b->GetTextCells()->Add();
  edited->SetBounds(0, 100, 100, 30);
  for (TTextCell* c : {shown, hidden, edited}) {
    c->SetText("MMM");
    c->GetFont()->SetHeight(-16);
  }
  hidden->SetVisible(false);
  TSurface s;
  s.Canvas.GetBrush()->SetStyle(bsSolid);
  DrawTextCells(&s.Canvas, b, nullptr, edited);
  const QRect ink = s.Ink();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LT(ink.bottom(), 40) << "only the first cell is painted";
  EXPECT_EQ(s.Canvas.GetBrush()->GetStyle(), bsSolid);
  b->Free();
}
