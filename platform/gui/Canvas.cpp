#include "platform/gui/Canvas.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/gui/ColorUtils.h"
#include "platform/gui/Graphic.h"

namespace tarnwick {

namespace {

// The raster operation of each pen mode (source = pen or brush, destination = pixels).
QPainter::CompositionMode RasterMode(TPenMode Mode) {
  switch (Mode) {
    case pmBlack:
      return QPainter::RasterOp_ClearDestination;
    case pmWhite:
      return QPainter::RasterOp_SetDestination;
    case pmNot:
      return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
      return QPainter::RasterOp_NotSource;
    case pmMergePenNot:
      return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
      return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
      return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
      return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge:
      return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge:
      return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask:
      return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask:
      return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor:
      return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
      return QPainter::RasterOp_NotSourceXorDestination;
    default:
      return QPainter::CompositionMode_SourceOver;
  }
}

// Puts the corners of a box in order and gives its size; false for a box with no area,
// which the shapes draw nothing for.
bool NormalBox(int& X1, int& Y1, int& X2, int& Y2, int& W, int& H) {
  if (X1 > X2) std::swap(X1, X2);
  if (Y1 > Y2) std::swap(Y1, Y2);
  W = X2 - X1;
  H = Y2 - Y1;
  return W > 0 && H > 0;
}

// The path a pen wider than one pixel strokes around the box (X, Y, W, H): through the
// centres of the box's edge pixels, or inside the box for psInsideFrame.
QRectF StrokeRect(int X, int Y, int W, int H, int PenWidth, bool InsideFrame) {
  if (InsideFrame) {
    double half = PenWidth / 2.0;
    return QRectF(X + half, Y + half, std::max(0.0, W - 2 * half), std::max(0.0, H - 2 * half));
  }
  return QRectF(X + 0.5, Y + 0.5, W - 1, H - 1);
}

QRect ToQRect(const TRect& R) { return QRect(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }

}  // namespace

const TClassInfo& TCanvas::StaticClassInfo() {
  static const TClassInfo info("TCanvas", &TPersistent::StaticClassInfo(), {});
  return info;
}

TCanvas::TCanvas() : FFont(MakeOwned<TFont>()), FPen(MakeOwned<TPen>()), FBrush(MakeOwned<TBrush>()) {
  FFont->OnChange = [this](TObject*) { FTextPenValid = false; };
}

TCanvas::TCanvas(QPainter* Painter) : TCanvas() { FPainter = Painter; }

TCanvas::~TCanvas() = default;

void TCanvas::SetPainter(QPainter* Painter) { FPainter = Painter; }

QPainter* TCanvas::GetHandle() {
  if (!FPainter) RequirePainter();
  return FPainter && FPainter->isActive() ? FPainter : nullptr;
}

QPainter* TCanvas::Ready() {
  if (!FPainter) RequirePainter();
  if (!FPainter || !FPainter->isActive()) return nullptr;
  FPainter->setRenderHint(QPainter::Antialiasing, false);
  return FPainter;
}

bool TCanvas::BeginMode(QPainter& P) {
  TPenMode mode = FPen->GetMode();
  if (mode == pmNop) return false;
  QPainter::CompositionMode cm = QPainter::CompositionMode_SourceOver;
  // Raster operations exist only on raster devices (images, the window's backing store);
  // printers and vector devices draw the other modes as plain copies.
  if (mode != pmCopy && P.paintEngine() && P.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
    cm = RasterMode(mode);
  P.setCompositionMode(cm);
  FModeSet = cm != QPainter::CompositionMode_SourceOver;
  return true;
}

void TCanvas::EndMode(QPainter& P) {
  // The painter is shared with the engine canvases of the same pass: leave it composing
  // normally.
  if (FModeSet) P.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FModeSet = false;
}

bool TCanvas::HasOutline() const { return FPen->GetStyle() != psClear; }

void TCanvas::Changing() { Fire(OnChanging, this); }

void TCanvas::Changed() { Fire(OnChange, this); }

TColor TCanvas::GetPixels(int X, int Y) {
  QPainter* p = Ready();
  if (!p) return clNone;
  auto* image = dynamic_cast<QImage*>(p->device());
  if (!image) return clNone;
  QPoint d = p->deviceTransform().map(QPoint(X, Y));
  if (!image->rect().contains(d)) return clNone;
  QRgb px = image->pixel(d);
  return RGB(qRed(px), qGreen(px), qBlue(px));
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  QPainter* p = Ready();
  if (!p) return;
  Changing();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->fillRect(QRect(X, Y, 1, 1), ColorToQColor(Color));
  Changed();
}

TRect TCanvas::GetClipRect() {
  QPainter* p = Ready();
  if (!p) return {};
  QRectF r;
  if (p->hasClipping()) {
    r = p->clipBoundingRect();
  } else {
    QPaintDevice* d = p->device();
    r = p->deviceTransform().inverted().mapRect(QRectF(0, 0, d->width(), d->height()));
  }
  QRect a = r.toAlignedRect();
  return Rect(a.left(), a.top(), a.left() + a.width(), a.top() + a.height());
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  QPainter* p = Ready();
  if (!p) return;
  int w = 0, h = 0;
  if (!NormalBox(X1, Y1, X2, Y2, w, h)) return;
  Changing();
  if (BeginMode(*p)) {
    bool fill = !FBrush->IsClear();
    int pw = FPen->GetWidth();
    if (!HasOutline()) {
      if (fill) p->fillRect(QRect(X1, Y1, w, h), FBrush->Handle());
    } else if (pw <= 1) {
      // Fill and frame do not overlap, so XOR-like modes touch every pixel once.
      if (fill && w > 2 && h > 2) p->fillRect(QRect(X1 + 1, Y1 + 1, w - 2, h - 2), FBrush->Handle());
      p->setPen(FPen->Handle());
      p->setBrush(Qt::NoBrush);
      p->drawRect(QRect(X1, Y1, w - 1, h - 1));
    } else {
      p->setPen(FPen->Handle());
      p->setBrush(fill ? FBrush->Handle() : QBrush());
      p->drawRect(StrokeRect(X1, Y1, w, h, pw, FPen->GetStyle() == psInsideFrame));
    }
    EndMode(*p);
  }
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  QPainter* p = Ready();
  if (!p) return;
  int w = 0, h = 0;
  if (!NormalBox(X1, Y1, X2, Y2, w, h)) return;
  Changing();
  if (BeginMode(*p)) {
    bool fill = !FBrush->IsClear();
    int pw = FPen->GetWidth();
    if (!HasOutline()) {
      if (fill) {
        p->setPen(Qt::NoPen);
        p->setBrush(FBrush->Handle());
        // Inset by a quarter pixel so the fill covers the pixels whose centres lie inside
        // the box, symmetrically on all four sides.
        p->drawEllipse(QRectF(X1 + 0.25, Y1 + 0.25, w - 0.5, h - 0.5));
      }
    } else {
      p->setPen(FPen->Handle());
      p->setBrush(fill ? FBrush->Handle() : QBrush());
      if (pw <= 1)
        p->drawEllipse(QRect(X1, Y1, w - 1, h - 1));
      else
        p->drawEllipse(StrokeRect(X1, Y1, w, h, pw, FPen->GetStyle() == psInsideFrame));
    }
    EndMode(*p);
  }
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  QPainter* p = Ready();
  if (!p) return;
  int w = 0, h = 0;
  if (!NormalBox(X1, Y1, X2, Y2, w, h)) return;
  double rx = std::min(std::abs(static_cast<double>(X3)), static_cast<double>(w)) / 2;
  double ry = std::min(std::abs(static_cast<double>(Y3)), static_cast<double>(h)) / 2;
  Changing();
  if (BeginMode(*p)) {
    bool fill = !FBrush->IsClear();
    int pw = FPen->GetWidth();
    if (!HasOutline()) {
      if (fill) {
        p->setPen(Qt::NoPen);
        p->setBrush(FBrush->Handle());
        p->drawRoundedRect(QRectF(X1, Y1, w, h), rx, ry);
      }
    } else {
      p->setPen(FPen->Handle());
      p->setBrush(fill ? FBrush->Handle() : QBrush());
      if (pw <= 1)
        p->drawRoundedRect(QRectF(X1, Y1, w - 1, h - 1), rx, ry);
      else
        p->drawRoundedRect(StrokeRect(X1, Y1, w, h, pw, FPen->GetStyle() == psInsideFrame), rx, ry);
    }
    EndMode(*p);
  }
  Changed();
}

void TCanvas::LoadPolygon(const TPointArray& Points) {
  FPolygon.resize(static_cast<qsizetype>(Points.size()));
  for (size_t i = 0; i < Points.size(); ++i) FPolygon[static_cast<qsizetype>(i)] = QPoint(Points[i].X, Points[i].Y);
}

void TCanvas::Polygon(const TPointArray& Points) {
  QPainter* p = Ready();
  if (!p || Points.size() < 2) return;
  Changing();
  if (BeginMode(*p)) {
    LoadPolygon(Points);
    p->setPen(HasOutline() ? FPen->Handle() : QPen(Qt::NoPen));
    p->setBrush(FBrush->IsClear() ? QBrush() : FBrush->Handle());
    p->drawPolygon(FPolygon, Qt::OddEvenFill);
    EndMode(*p);
  }
  Changed();
}

void TCanvas::Polyline(const TPointArray& Points) {
  QPainter* p = Ready();
  if (!p || Points.size() < 2) return;
  Changing();
  if (HasOutline() && BeginMode(*p)) {
    LoadPolygon(Points);
    p->setPen(FPen->Handle());
    p->setBrush(Qt::NoBrush);
    p->drawPolyline(FPolygon);
    EndMode(*p);
  }
  Changed();
}

TPoint TCanvas::GetPenPos() const {
  ResolvePenPos();
  return FPenPos;
}

void TCanvas::SetPenPos(TPoint Value) {
  FPendingText.clear();
  FPenPos = Value;
}

void TCanvas::ResolvePenPos() const {
  if (FPendingText.isEmpty()) return;
  FPenPos.X += QFontMetrics(FPendingFont).horizontalAdvance(FPendingText);
  FPendingText.clear();
}

void TCanvas::MoveTo(int X, int Y) { SetPenPos(Point(X, Y)); }

void TCanvas::LineTo(int X, int Y) {
  ResolvePenPos();
  QPoint from(FPenPos.X, FPenPos.Y), to(X, Y);
  FPenPos = Point(X, Y);
  QPainter* p = Ready();
  // A line to where it starts has no pixels: its only pixel would be the end one.
  if (!p || from == to) return;
  Changing();
  if (HasOutline() && BeginMode(*p)) {
    p->setPen(FPen->Handle());
    DrawSegment(*p, from, to);
    EndMode(*p);
  }
  Changed();
}

void TCanvas::DrawSegment(QPainter& p, QPoint from, QPoint to) {
  if (from == to) return;
  // Qt leaves out the pixel at the larger coordinate, not the end pixel, so a line drawn
  // right to left would lose its start and gain its end. Thin solid lines are therefore
  // rasterised here (each pixel once, which XOR and NOT modes need); wider or dashed pens
  // are Qt's business.
  if (FPen->GetWidth() > 1 || FPen->GetStyle() != psSolid) {
    p.drawLine(from, to);
    return;
  }
  const int dx = std::abs(to.x() - from.x()), dy = std::abs(to.y() - from.y());
  const int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
  const int steps = std::max(dx, dy);
  FLinePixels.resize(steps);
  int x = from.x(), y = from.y(), err = dx - dy;
  for (int i = 0; i < steps; ++i) {
    FLinePixels[i] = QPoint(x, y);
    const int e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      x += sx;
    }
    if (e2 < dx) {
      err += dx;
      y += sy;
    }
  }
  p.drawPoints(FLinePixels);
}

void TCanvas::FillRect(const TRect& Rect) {
  QPainter* p = Ready();
  if (!p || Rect.Right <= Rect.Left || Rect.Bottom <= Rect.Top || FBrush->IsClear()) return;
  Changing();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->fillRect(ToQRect(Rect), FBrush->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
  QPainter* p = Ready();
  if (!p || Rect.Right <= Rect.Left || Rect.Bottom <= Rect.Top || FBrush->IsClear()) return;
  Changing();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QBrush& b = FBrush->Handle();
  int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
  p->fillRect(QRect(Rect.Left, Rect.Top, w, 1), b);
  if (h > 1) p->fillRect(QRect(Rect.Left, Rect.Bottom - 1, w, 1), b);
  if (h > 2) {
    p->fillRect(QRect(Rect.Left, Rect.Top + 1, 1, h - 2), b);
    if (w > 1) p->fillRect(QRect(Rect.Right - 1, Rect.Top + 1, 1, h - 2), b);
  }
  Changed();
}

const QPen& TCanvas::TextPen() const {
  if (!FTextPenValid) {
    FTextPen = QPen(ColorToQColor(FFont->GetColor()));
    FTextPenValid = true;
  }
  return FTextPen;
}

bool TCanvas::OpaqueText() const { return FBrush->GetStyle() == bsSolid && !FBrush->GetBitmap(); }

void TCanvas::DrawText(QPainter& P, int X, int Y, const QString& Text, bool FillBox) {
  const QFontMetrics& fm = FFont->Metrics();
  P.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (P.font() != FFont->Handle()) P.setFont(FFont->Handle());
  int orientation = FFont->GetOrientation() % 3600;
  QTransform saved;
  if (orientation != 0) {
    saved = P.worldTransform();
    P.translate(X, Y);
    P.rotate(-orientation / 10.0);  // counter-clockwise on the screen
    X = Y = 0;
  }
  if (FillBox) P.fillRect(QRect(X, Y, fm.horizontalAdvance(Text), fm.height()), FBrush->Handle().color());
  P.setPen(TextPen());
  P.drawText(QPoint(X, Y + fm.ascent()), Text);
  if (orientation != 0) P.setWorldTransform(saved);
}

void TCanvas::TextOut(int X, int Y, const QString& Text) {
  QPainter* p = Ready();
  if (p) {
    Changing();
    DrawText(*p, X, Y, Text, OpaqueText());
    Changed();
  }
  FPenPos = Point(X, Y);
  FPendingText = Text;
  FPendingFont = FFont->Handle();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const QString& Text) {
  QPainter* p = Ready();
  if (!p) return;
  Changing();
  p->save();
  p->setClipRect(ToQRect(Rect), Qt::IntersectClip);
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  // A solid brush fills the whole box; the text then goes on without a box of its own.
  if (OpaqueText()) p->fillRect(ToQRect(Rect), FBrush->Handle().color());
  DrawText(*p, X, Y, Text, false);
  p->restore();
  Changed();
}

int TCanvas::TextWidth(const QString& Text) const { return FFont->Metrics().horizontalAdvance(Text); }

int TCanvas::TextHeight(const QString&) const { return FFont->Metrics().height(); }

TSize TCanvas::TextExtent(const QString& Text) const { return TSize{TextWidth(Text), TextHeight(Text)}; }

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  Graphic->Draw(*this, Rect(X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()));
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  Graphic->Draw(*this, Rect);
}

void TCanvas::DrawImage(const TRect& Rect, const QImage& Image) {
  QPainter* p = Ready();
  int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
  if (!p || Image.isNull() || w == 0 || h == 0) return;
  Changing();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setRenderHint(QPainter::SmoothPixmapTransform, false);
  QRect target(std::min(Rect.Left, Rect.Right), std::min(Rect.Top, Rect.Bottom), std::abs(w), std::abs(h));
  if (w > 0 && h > 0)
    p->drawImage(target, Image);
  else
    p->drawImage(target, Image.mirrored(w < 0, h < 0));
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect) {
  QPainter* p = Ready();
  QPainter* sp = Source.Ready();
  if (!p || !sp) return;
  auto* image = dynamic_cast<QImage*>(sp->device());
  if (!image) return;
  QRect src = sp->deviceTransform().mapRect(ToQRect(SourceRect));
  Changing();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (sp->device() == p->device())
    p->drawImage(ToQRect(Dest), image->copy(src));  // overlapping source and target
  else
    p->drawImage(ToQRect(Dest), *image, src);
  Changed();
}

}  // namespace tarnwick
