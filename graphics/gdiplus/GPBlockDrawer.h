#pragma once
// TGPBlockDrawer: the engine frame a control draws its shape through, with its own engine
// canvas. Paths are mirrored inside the source rectangle, mapped onto the destination
// rectangle by the canvas's source-to-destination transform and turned about the
// rotation centre.
#include <QPainterPath>

#include "graphics/DgrBlockDrawer.h"
#include "graphics/gdiplus/GdipCanvas.h"

namespace tarnwick {

class TGPBlockDrawer : public TDgrBlockDrawer {
 public:
  // The canvas starts with no handle: it draws once a paint engine or handle is given.
  TGPBlockDrawer();
  ~TGPBlockDrawer() override;

  TDgrCanvas* GetCanvas() const override { return FGPCanvas.get(); }
  TGPCanvas* GetGPCanvas() const { return FGPCanvas.get(); }
  // An engine of this kind lends its surface to the canvas; anything else takes it back.
  void SetPaintEngine(TDgrPaintEngine* Value) override;
  void SetGraphics(TPainterSurface* AGPGraphics) { FGPCanvas->SetTempGraphics(AGPGraphics); }

  using TDgrBlockDrawer::RotatePath;
  using TDgrBlockDrawer::TransformPath;
  // The same pipeline on a native path.
  void TransformPath(QPainterPath& APath);
  void RotatePath(QPainterPath& APath);

 protected:
  void Flip(TDgrGraphicsPath* APath) override;
  void DoRotatePath(TDgrGraphicsPath* APath) override;
  void TranslateRectsPath(TDgrGraphicsPath* APath) override;

 private:
  void Flip(QPainterPath& APath);

  TOwned<TGPCanvas> FGPCanvas;
};

}  // namespace tarnwick
