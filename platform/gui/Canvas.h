#pragma once
// TCanvas: the integer drawing surface of the pixel-exact drawing path. It draws through a
// borrowed QPainter (one painter per device: the canvas never owns the one it is given) with
// the classic integer rules: rectangles and ellipses leave out their right and bottom edge,
// lines leave out their end pixel, widths 0 and 1 draw one pixel, no anti-aliasing, and the
// pen modes NOT and XOR so that drawing the same outline twice erases it.
#include <QFont>
#include <QPolygon>
#include <QString>

#include "platform/core/Events.h"
#include "platform/core/Object.h"
#include "platform/core/Persistent.h"
#include "platform/core/Types.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

class QImage;
class QPainter;

namespace tarnwick {

class TGraphic;

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

class TCanvas : public TPersistent {
  TARNWICK_CLASS(TCanvas)

 public:
  TCanvas();
  explicit TCanvas(QPainter* Painter);
  ~TCanvas() override;

  // The painter drawn through; null means drawing does nothing. The caller keeps the
  // painter active while the canvas uses it.
  void SetPainter(QPainter* Painter);
  QPainter* GetPainter() const { return FPainter; }
  // The painter to draw through, begun first by a canvas that makes its own (a bitmap's
  // begins only when first drawn on); null when there is none. Whoever draws on the
  // canvas's device directly, such as a paint engine, takes the painter from here.
  QPainter* GetHandle();
  bool HandleAllocated() const { return FPainter != nullptr; }

  // The canvas's own font, pen and brush; the setters copy (Assign) the given object.
  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }

  TPoint GetPenPos() const;
  void SetPenPos(TPoint Value);
  // Reading works on raster devices only; elsewhere, and outside the device, it gives clNone.
  TColor GetPixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Color);
  // The clip rectangle in canvas coordinates (the whole device when nothing is clipped).
  TRect GetClipRect();

  // Outlined with the pen, filled with the brush; X2/Y2 exclusive.
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  // X3, Y3: width and height of the ellipse that rounds the corners.
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  // Closed, outlined and filled (alternate fill rule); every vertex is drawn.
  void Polygon(const TPointArray& Points);
  // Open; the last point is left out, as LineTo leaves out its end.
  void Polyline(const TPointArray& Points);
  void MoveTo(int X, int Y);
  // A line from the pen position to (X, Y) without its end pixel; the pen moves there.
  void LineTo(int X, int Y);

  // Fills with the brush only, right/bottom exclusive.
  void FillRect(const TRect& Rect);
  // A one-pixel frame painted with the brush.
  void FrameRect(const TRect& Rect);

  // Text with its top-left corner at (X, Y), turned by the font's Orientation, in the font
  // colour; with a solid brush the text's box is first filled with the brush colour. The
  // pen position moves to the end of the text.
  void TextOut(int X, int Y, const QString& Text);
  // As TextOut, clipped to Rect, and with a solid brush the whole Rect is filled.
  void TextRect(const TRect& Rect, int X, int Y, const QString& Text);
  int TextWidth(const QString& Text) const;
  int TextHeight(const QString& Text) const;
  TSize TextExtent(const QString& Text) const;

  // Draws a graphic at its own size, or scaled into Rect.
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  // Copies pixels from another canvas drawing on a raster image (nothing otherwise).
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect);
  // Draws a whole image scaled into Rect (nearest neighbour; a reversed Rect mirrors).
  void DrawImage(const TRect& Rect, const QImage& Image);

  // Fired around every drawing operation.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  // Called when a drawing operation finds no painter: a canvas that can make its own
  // (a bitmap's) begins it here and calls SetPainter.
  virtual void RequirePainter() {}
  virtual void Changing();
  virtual void Changed();

 private:
  QPainter* Ready();
  // Sets the composition mode of the pen mode; false when the mode draws nothing.
  bool BeginMode(QPainter& P);
  void EndMode(QPainter& P);
  bool HasOutline() const;
  void LoadPolygon(const TPointArray& Points);
  // Text drawing shared by TextOut and TextRect; FillBox fills the text's box first.
  void DrawText(QPainter& P, int X, int Y, const QString& Text, bool FillBox);
  bool OpaqueText() const;
  const QPen& TextPen() const;

  QPainter* FPainter = nullptr;
  TOwned<TFont> FFont;
  TOwned<TPen> FPen;
  TOwned<TBrush> FBrush;
  mutable TPoint FPenPos;
  // TextOut leaves the pen at the end of its text. Measuring that costs as much as shaping
  // the text again, and the position is rarely read, so it is measured when it is read
  // (with the font of the TextOut) or dropped when the pen moves first.
  mutable QString FPendingText;
  mutable QFont FPendingFont;
  void ResolvePenPos() const;
  bool FModeSet = false;
  QPolygon FPolygon;  // reused so that polygons do not allocate on every paint
  QPolygon FLinePixels;  // reused pixel run of thin solid lines
  // Draws the segment without its end pixel, whichever way it runs.
  void DrawSegment(QPainter& p, QPoint from, QPoint to);
  mutable QPen FTextPen;
  mutable bool FTextPenValid = false;
};

}  // namespace tarnwick
