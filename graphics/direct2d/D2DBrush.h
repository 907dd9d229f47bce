#pragma once
// TD2DBrush: the engine brush. Solid, hatch and texture fills are drawn at the brush's
// opacity (1 - Transparency / 100); a hatch is an 8 x 8 tile of the pattern on opaque
// white; hatches and textures tile from the drawing origin and do not follow the block;
// gradients follow the block's rectangle and turn with it.
#include <QBrush>
#include <QTransform>

#include "graphics/DgrBrush.h"
#include "graphics/QtNativeTool.h"
#include "platform/gui/Brush.h"

namespace tarnwick {

// What a fill paints with: the brush and the opacity the fill is drawn at.
struct TD2DFill {
  QBrush Brush;
  double Opacity = 1.0;
};

// What a fill is built from for the current mode; values the mode ignores stay at their
// defaults so that leftovers of a block's other fills do not miss the cache.
struct TD2DBrushKey {
  TDgrBrushMode Mode = bmSolid;
  int Transparency = 0;
  TColor Color = 0;
  TColor Color2 = 0;
  uint8_t Alpha1 = 0;
  uint8_t Alpha2 = 0;
  TBrushStyle Style = bsSolid;
  TDgrGradientMode GradientMode = gmTopBottom;
  TSquare Rect;
  QTransform Rot;
  qint64 Texture = 0;
  friend bool operator==(const TD2DBrushKey&, const TD2DBrushKey&) = default;
};

// A block switches between a few fills on every paint (body, gradient, clear): each is
// kept, so a repaint of an unchanged block builds none.
class TD2DBrush : public TQtNativeTool<TDgrBrush, TD2DBrushKey, TD2DFill> {
  TARNWICK_CLASS(TD2DBrush)

 public:
  // The base copy, then the hatch style of another engine brush or a platform brush.
  void Assign(TPersistent* Source) override;

  TBrushStyle GetBrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle Value);

  using TFill = TD2DFill;
  // Built on first use after a change, or found again among the fills it had before.
  const TFill& Native();

  const TSquare& GetGradientRect() const { return FGradientRect; }
  const QTransform& GetRotMatrix() const { return FRotMatrix; }

 protected:
  TDgrPicture* CreateTexturePicture() override;
  void DoUpdateBrushPosition(const TSquare& ARect, TDot ARotCenter, double AAngle) override;

 private:
  TD2DBrushKey Key();
  TFill Build();

  TSquare FGradientRect;
  QTransform FRotMatrix;
  TBrushStyle FBrushStyle = bsSolid;
};

}  // namespace tarnwick
