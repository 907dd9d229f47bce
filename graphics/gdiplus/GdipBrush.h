#pragma once
// TGdipBrush: the engine brush. Its native brush is built on first use from the colours,
// mode, hatch style, texture and position, and kept by those values: a change takes effect
// at the next drawing call, while a brush that a control switches between a few states on
// every paint, or that learns the position it already had, builds nothing again.
#include <QRectF>
#include <QTransform>

#include "graphics/DgrBrush.h"
#include "graphics/HatchTiles.h"
#include "graphics/QtNativeTool.h"
#include "graphics/gdiplus/GdipNativeBrush.h"

class QPainter;
class QPainterPath;

namespace tarnwick {

const TEnumTypeInfo& HatchStyleType();

// The values a native brush is built from; a solid or clear brush looks the same anywhere,
// so its key leaves the position out.
struct TGdipBrushKey {
  TDgrBrushMode Mode = bmSolid;
  TDgrGradientMode GradientMode = gmTopBottom;
  THatchStyle Hatch = HatchStyleHorizontal;
  QRgb C1 = 0;
  QRgb C2 = 0;
  QRectF R;
  QTransform Rot;
  qint64 Texture = 0;
  friend bool operator==(const TGdipBrushKey&, const TGdipBrushKey&) = default;
};

class TGdipBrush : public TQtNativeTool<TDgrBrush, TGdipBrushKey, TGdipNativeBrush> {
  TARNWICK_CLASS(TGdipBrush)

 public:
  // The base assignment, then the hatch style: copied from another engine brush, taken
  // from a platform brush's hatch style (other styles keep the current one).
  void Assign(TPersistent* Source) override;

  THatchStyle GetHatchStyle() const { return FHatchStyle; }
  void SetHatchStyle(THatchStyle Value);

  // The one way the canvas paints with this brush: fills APath, given in the painter's
  // current coordinates (those of R and the rotation).
  void Fill(QPainter& P, const QPainterPath& APath);

  // The native brush, built on demand.
  const TGdipNativeBrush& GPBrush();
  // The brush position rectangle and the brush rotation.
  const QRectF& GradientRect() const { return FGradientRect; }
  const QTransform& RotMatrix() const { return FRotMatrix; }

 protected:
  TDgrPicture* CreateTexturePicture() override;
  void DoUpdateBrushPosition(const TSquare& ARect, TDot ARotCenter, double AAngle) override;

 private:
  QRectF FGradientRect;
  THatchStyle FHatchStyle = HatchStyleHorizontal;
  QTransform FRotMatrix;
};

}  // namespace tarnwick
