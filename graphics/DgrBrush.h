#pragma once
// The engine-neutral brush: solid, clear, hatch, gradient or texture. Its position (the
// rectangle a gradient or texture is laid out over and the rotation it turns with) is set by
// the block drawer whenever the block's rectangle or angle changes.
#include "geometry/Dot.h"
#include "graphics/DgrPen.h"
#include "platform/core/Object.h"

namespace tarnwick {

class TDgrPicture;

class TDgrBrush : public TDgrGraphicsObject {
  TARNWICK_CLASS(TDgrBrush)

 public:
  TDgrBrush();
  ~TDgrBrush() override;

  // From another engine brush: colours, transparency, mode, gradient mode and texture (not
  // the per-colour overrides). From a platform brush: its colour, a fully transparent
  // second colour, and solid, clear or hatch by its style.
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return FColor; }
  // Also drops the first colour's transparency override, even when the colour is unchanged.
  void SetColor(TColor Value);
  TColor GetColor2() const { return FColor2; }
  void SetColor2(TColor Value);
  int GetTransparency() const { return FTransparency; }
  // Also drops both overrides, even when the value is unchanged.
  void SetTransparency(int Value);
  TDgrBrushMode GetBrushMode() const { return FBrushMode; }
  void SetBrushMode(TDgrBrushMode Value);
  TDgrGradientMode GetGradientMode() const { return FGradientMode; }
  void SetGradientMode(TDgrGradientMode Value);
  // The brush's own texture picture, made by the engine on first use.
  TDgrPicture* GetTexture();
  void SetTexture(TDgrPicture* Value);
  // Per-colour transparency; -1 follows Transparency.
  int GetTransp1() const { return FTransp1; }
  void SetTransp1(int Value) { FTransp1 = Value; }
  int GetTransp2() const { return FTransp2; }
  void SetTransp2(int Value) { FTransp2 = Value; }
  uint8_t GetAlpha1() const;
  uint8_t GetAlpha2() const;

  // The rectangle gradients and textures are laid out over, and the rotation about a centre
  // they turn with.
  void UpdateBrushPosition(const TSquare& ARect, double AAngle, TDot ARotCenter);

 protected:
  virtual TDgrPicture* CreateTexturePicture() = 0;
  virtual void DoUpdateBrushPosition(const TSquare& ARect, TDot ARotCenter, double AAngle) = 0;
  bool HasTexture() const { return FTexture != nullptr; }

 private:
  TColor FColor = clWhite;
  int FTransparency = 0;
  TDgrBrushMode FBrushMode = bmSolid;
  TColor FColor2 = clBlack;
  TDgrGradientMode FGradientMode = gmTopBottom;
  TOwned<TDgrPicture> FTexture;
  int FTransp1 = -1;
  int FTransp2 = -1;
};

}  // namespace tarnwick
