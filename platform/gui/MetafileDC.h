#pragma once
// The drawing state a metafile's records change and draw with, over a QPainter: mapping
// mode with window and viewport, world transform, current objects, colours and modes, the
// current position, a path under construction, the clip, the saved states and the object
// table. The record loops of both formats decode records into calls on it.
#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>
#include <optional>
#include <vector>

#include "platform/gui/MetafileFormat.h"

namespace tarnwick::metafile {

struct TGdiObject {
  enum TKind { okNone, okPen, okBrush, okFont, okOther } Kind = okNone;
  QPen Pen;
  QBrush Brush;
  QFont Font;
  double FontHeight = 0;  // logical units: negative for the character height, positive for the cell
  double Escapement = 0;  // tenths of a degree, counter-clockwise
};

enum TArcKind { akArc, akChord, akPie, akArcTo };

class TMetafileDC {
 public:
  // ABase maps the metafile's device space onto the painter's coordinates; ADpi is the
  // reference device's resolution (for the metric mapping modes).
  TMetafileDC(QPainter& APainter, const QTransform& ABase, QSizeF ADpi, int AHandles);
  ~TMetafileDC();

  // Mapping.
  void SetMapMode(int AMode);
  void SetWindowOrg(QPointF P);
  void SetWindowExt(QSizeF S);
  void SetViewportOrg(QPointF P);
  void SetViewportExt(QSizeF S);
  void OffsetWindowOrg(QPointF D) { SetWindowOrg(FState.WindowOrg + D); }
  void OffsetViewportOrg(QPointF D) { SetViewportOrg(FState.ViewportOrg + D); }
  void ScaleWindowExt(double XNum, double XDen, double YNum, double YDen);
  void ScaleViewportExt(double XNum, double XDen, double YNum, double YDen);
  // AMode: 1 identity, 2 multiply on the left, 3 on the right, 4 set.
  void ModifyWorld(const QTransform& T, int AMode);
  QTransform LogicalToDevice() const;

  // State.
  void Save();
  void Restore(int AWhich);
  void SetTextColor(QColor C) { FState.TextColor = C; }
  void SetBkColor(QColor C) { FState.BkColor = C; }
  void SetBkMode(int M) { FState.BkMode = M; }
  void SetTextAlign(uint32_t A) { FState.TextAlign = A; }
  void SetPolyFillMode(int M) { FState.FillMode = M; }
  void SetArcDirection(int D) { FState.Clockwise = D == 2; }
  void SetRop2(int R) { FState.Rop2 = R; }
  void MoveTo(QPointF P) { FState.Current = P; }
  QPointF Current() const { return FState.Current; }

  // Objects. Indexes past the table are refused (false).
  bool Store(uint32_t AIndex, TGdiObject AObject);
  // The lowest free slot (the older format's rule), or -1 when the table is full.
  int FreeSlot() const;
  void Select(uint32_t AIndex);
  void Delete(uint32_t AIndex);
  static TGdiObject MakePen(uint32_t AStyle, double AWidth, QColor AColor, const std::vector<double>& ADashes = {});
  static TGdiObject MakeBrush(uint32_t AStyle, QColor AColor, uint32_t AHatch, const QImage& APattern = {});
  static TGdiObject MakeFont(const TByteView& ALogFont, bool AWide);

  // Drawing (logical coordinates). A path under construction collects instead of drawing.
  void Polyline(const QPolygonF& P);
  void PolylineTo(const QPolygonF& P);
  void Polygon(const QPolygonF& P);
  void PolyPolygon(const std::vector<QPolygonF>& P);
  void PolyPolyline(const std::vector<QPolygonF>& P);
  void PolyBezier(const QPolygonF& P, bool ATo);
  void LineTo(QPointF P);
  void Rectangle(const QRectF& R);
  void RoundRect(const QRectF& R, QSizeF Corner);
  void Ellipse(const QRectF& R);
  void Arc(const QRectF& Box, QPointF Start, QPointF End, TArcKind AKind);
  void AngleArc(QPointF Center, double Radius, double Start, double Sweep);
  void SetPixel(QPointF P, QColor C);
  void Text(QPointF P, const QString& S, uint32_t AOptions, const QRectF& ARect, const std::vector<double>& ADx);
  // A bitmap from ASource (a part of AImage) into ADest; a null image paints with the
  // brush or a fixed colour as the raster operation says.
  void Blit(const QRectF& ADest, const QImage& AImage, const QRectF& ASource, uint32_t ARop);
  // Blends with the image's own alpha and AConstantAlpha (0..255).
  void AlphaBlend(const QRectF& ADest, const QImage& AImage, const QRectF& ASource, int AConstantAlpha);

  // Paths.
  void BeginPath();
  void EndPath() { FInPath = false; }
  void AbortPath();
  void CloseFigure();
  void FillPath(bool AFill, bool AStroke);
  void SelectClipPath(int AMode);

  // Clipping, in logical units or (for regions) device units.
  void IntersectClipRect(const QRectF& R);
  void ExcludeClipRect(const QRectF& R);
  void SelectClipRegion(const std::optional<QPainterPath>& ADeviceRegion, int AMode);
  void OffsetClip(QPointF D);
  void FillRegion(const QPainterPath& ADeviceRegion, uint32_t ABrush);

 private:
  struct TState {
    int MapMode = MM_TEXT;
    QPointF WindowOrg, ViewportOrg;
    QSizeF WindowExt{1, 1}, ViewportExt{1, 1};
    QTransform World;
    TGdiObject Pen, Brush, Font;
    QColor TextColor{Qt::black}, BkColor{Qt::white};
    int BkMode = OPAQUE;
    uint32_t TextAlign = 0;
    int FillMode = ALTERNATE;
    bool Clockwise = false;
    int Rop2 = 13;
    QPointF Current;
    std::optional<QPainterPath> Clip;  // device units; none means unclipped
  };

  void Draw(const QPainterPath& P, bool AFill, bool AStroke);
  void Emit(const QPainterPath& P, bool AFill, bool AStroke);
  void ApplyClip();
  void SetClip(std::optional<QPainterPath> AClip);
  QPen EffectivePen(const QTransform& L2D) const;
  QBrush EffectiveBrush() const;
  Qt::FillRule FillRule() const { return FState.FillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill; }
  const TGdiObject* Object(uint32_t AIndex) const;

  QPainter& FPainter;
  QTransform FBase;
  QSizeF FDpi;
  std::optional<QPainterPath> FOuterClip;  // the painter's own clip, in its device coordinates
  TState FState;
  std::vector<TState> FSaved;
  std::vector<TGdiObject> FObjects;
  bool FInPath = false;
  QPainterPath FPath;  // logical units
};

}  // namespace tarnwick::metafile
