#pragma once
// TBlockShadow: the drop shadow a block paints under its body: its own outline once more,
// displaced by (HOffset, VOffset) diagram units and filled in Color.
#include "diagram/model/DiagramPersistent.h"
#include "platform/core/Colors.h"

namespace tarnwick {

class TBlockShadow : public TDiagramPersistent {
  TARNWICK_CLASS(TBlockShadow)

 public:
  static constexpr TColor DefaultColor = 0x808080;

  explicit TBlockShadow(TDiagramControl* ADControl = nullptr) : TDiagramPersistent(ADControl) {}

  // From another shadow: Visible, Color and the two offsets, then one Changed. Transparency
  // stays the target's, so editing a shadow in a dialog never changes it. Any other source
  // raises the conversion error.
  void Assign(TPersistent* Source) override;

  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  int GetHOffset() const { return FHOffset; }
  void SetHOffset(int Value);
  int GetVOffset() const { return FVOffset; }
  void SetVOffset(int Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  // 0 (opaque) to 100 (invisible); not clamped here, the engines map it to alpha.
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value);

 private:
  template <class T>
  void Store(T& Field, T Value);

  bool FVisible = false;
  int FHOffset = 2;
  int FVOffset = 2;
  TColor FColor = DefaultColor;
  int FTransparency = 0;
};

// The transparency an engine paints a shadow with: as opaque as the shadow's and the
// block's transparencies together allow (opaque only when both are 0, invisible when
// either is 100). Integer arithmetic with a truncating division; computed in 64 bits so
// values outside 0..100 cannot overflow.
int ShadowPaintTransparency(int ShadowTransparency, int BlockTransparency) noexcept;

}  // namespace tarnwick
