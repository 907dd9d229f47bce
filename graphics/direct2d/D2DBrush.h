#pragma once
// TD2DBrush: the engine brush. Solid, hatch and texture fills are drawn at the brush's
// opacity (1 - Transparency / 100); a hatch is an 8 x 8 tile of the pattern on opaque
// white; hatches and textures tile from the drawing origin and do not follow the block;
// gradients follow the block's rectangle and turn with it.
#include <QBrush>
#include <QTransform>
#include <optional>

#include "graphics/DgrBrush.h"
#include "platform/gui/Brush.h"

namespace tarnwick {

class TD2DBrush : public TDgrBrush {
  TARNWICK_CLASS(TD2DBrush)

 public:
  // The base copy, then the hatch style of another engine brush or a platform brush.
  void Assign(TPersistent* Source) override;
  void Changed() override;

  TBrushStyle GetBrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle Value);

  // What a fill paints with: the brush and the opacity the fill is drawn at.
  struct TFill {
    QBrush Brush;
    double Opacity = 1.0;
  };
  // Built on first use after a change.
  const TFill& Native();

  const TSquare& GetGradientRect() const { return FGradientRect; }
  const QTransform& GetRotMatrix() const { return FRotMatrix; }

 protected:
  TDgrPicture* CreateTexturePicture() override;
  void DoUpdateBrushPosition(const TSquare& ARect, TDot ARotCenter, double AAngle) override;

 private:
  TFill Build();

  TSquare FGradientRect;
  QTransform FRotMatrix;
  TBrushStyle FBrushStyle = bsSolid;
  std::optional<TFill> FNative;
  // Set while a position update that changed nothing the built brush depends on runs
  // its Changed: the block drawer repositions the brush on every paint, and an unchanged
  // control must not rebuild it.
  bool FKeepNative = false;
};

}  // namespace tarnwick
