#pragma once
// TD2DBlockDrawer: the Direct2D engine's block frame. Transforming a path only sets the
// path's matrix (mirror and source-to-destination in one step, then the rotation); the
// points stay as the control wrote them.
#include "graphics/DgrBlockDrawer.h"
#include "graphics/direct2d/D2DCanvas.h"

namespace tarnwick {

class TD2DBlockDrawer : public TDgrBlockDrawer {
 public:
  // Raises EDirect2DException "Direct2D not supported." before anything is made when the
  // platform does not report support.
  TD2DBlockDrawer();
  ~TD2DBlockDrawer() override;

  TDgrCanvas* GetCanvas() const override;
  TD2DCanvas* GetD2DCanvas() const { return FD2DCanvas.get(); }
  // A Direct2D paint engine lends its surface; anything else returns the canvas to its
  // own handle.
  void SetPaintEngine(TDgrPaintEngine* Value) override;

 protected:
  // The path's matrix := mirror inside the source rectangle, then source to destination.
  void Flip(TDgrGraphicsPath* APath) override;
  // Already part of Flip.
  void TranslateRectsPath(TDgrGraphicsPath*) override {}
  // The path's matrix, then the turn by Angle about RotationCenter.
  void DoRotatePath(TDgrGraphicsPath* APath) override;

 private:
  TOwned<TD2DCanvas> FD2DCanvas;
};

}  // namespace tarnwick
