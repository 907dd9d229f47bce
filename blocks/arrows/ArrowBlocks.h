#pragma once
// Arrow shapes as blocks: single, double, four-way, three-way, chevron, box-with-arrow and
// corner arrows. Besides size and angle each has a shaft length and width (percent of the
// block's width and height), changed by dragging one extra handle and kept within bounds
// of the class's own. The nine classes differ only in data (TArrowKind); the bounds, the
// drag and the link point upkeep are written once in TCustomArrowBlock.
#include <span>

#include "diagram/model/CustomBlock.h"

namespace tarnwick {

// One arrow class as data. Shapes are in the original rectangle (0, 0, 100, 100): x along
// the arrow, y across it.
struct TArrowKind {
  double MaxShaftLength, MinShaftLength, MaxShaftWidth, MinShaftWidth;
  double ShaftLength, ShaftWidth;
  // How a drag of the shaft handle along y (across) and x (along) changes the width and
  // the length: a negative factor enlarges the value as the handle goes up or left.
  int WidthDeltaFactor, LengthDeltaFactor;
  // The outline for shaft length L and width W, in order; the figure closes by itself.
  void (*Outline)(double L, double W, TDotArray& APts);
  // Where the shaft handle sits for L and W.
  TDot (*ShaftHandle)(double L, double W);
  // The link points' orientations, in creation order, and their places for the stored
  // length and width (the places follow the stored shaft only, never a drag's preview).
  std::span<const TAnchorOrientation> LinkOrientations;
  void (*LinkPlaces)(double L, double W, TDotArray& APts);
};

class TCustomArrowBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TCustomArrowBlock)

 public:
  double GetShaftLength() const { return FShaftLength; }
  void SetShaftLength(double Value);
  double GetShaftWidth() const { return FShaftWidth; }
  void SetShaftWidth(double Value);
  double GetMaxShaftLength() const { return FMaxShaftLength; }
  void SetMaxShaftLength(double Value);
  double GetMinShaftLength() const { return FMinShaftLength; }
  void SetMinShaftLength(double Value);
  double GetMaxShaftWidth() const { return FMaxShaftWidth; }
  void SetMaxShaftWidth(double Value);
  double GetMinShaftWidth() const { return FMinShaftWidth; }
  void SetMinShaftWidth(double Value);
  TStretchHandle* GetShaftHandle() const { return FShaftHandle; }
  const TArrowKind& Kind() const { return FKind; }

  // The shaft handle's place in diagram units.
  TDot GetShaftHandlePoint();
  // Makes the class's link points that are missing and puts all of them in place.
  void UpdateLinkPoints();

  void BuildOutline(TOutlineSink& AOutline) override;
  TDot GetHandlePoint(TStretchHandle* AHandle) override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  void StartMove() override;
  void StartResize() override;
  void EnterCursorState() override;
  void LeaveCursorState() override;
  void Loaded() override;

 protected:
  TCustomArrowBlock(TComponent* AOwner, const TArrowKind& AKind);

 private:
  // The length and width the outline and the handle follow: a drag's preview while one is
  // shown, the stored values otherwise.
  double EffectiveLength() const;
  double EffectiveWidth() const;
  // Value within [AMin, AMax]; when the bounds cross, the minimum wins.
  static double Clamp(double Value, double AMin, double AMax);
  void ComputeTempShaft(TDot ADelta);
  // Stores without clamping while a document is read: the bounds may come after the value.
  bool Reading() const;
  void ShaftChanged();

  const TArrowKind& FKind;
  double FMaxShaftLength = 100;
  double FMinShaftLength = 0;
  double FMaxShaftWidth = 100;
  double FMinShaftWidth = 0;
  double FShaftLength = 60;
  double FShaftWidth = 40;
  double FTempShaftLength = -1;
  double FTempShaftWidth = -1;
  bool FUseTempShaft = false;
  TStretchHandle* FShaftHandle = nullptr;
  int FWidthDeltaFactor = 0;
  int FLengthDeltaFactor = 0;
};

#define TARNWICK_ARROW_CLASS(Class)        \
  class Class : public TCustomArrowBlock { \
    TARNWICK_CLASS(Class)                  \
                                           \
   public:                                 \
    explicit Class(TComponent* AOwner);    \
  };

TARNWICK_ARROW_CLASS(TStandardArrowBlock)
TARNWICK_ARROW_CLASS(TDoubleArrowBlock)
TARNWICK_ARROW_CLASS(TQuadArrowBlock)
TARNWICK_ARROW_CLASS(TTripleArrowBlock)
TARNWICK_ARROW_CLASS(TChevronArrowBlock)
TARNWICK_ARROW_CLASS(TBlockSingleArrowBlock)
TARNWICK_ARROW_CLASS(TBlockDoubleArrowBlock)
TARNWICK_ARROW_CLASS(TCornerSingleArrowBlock)
TARNWICK_ARROW_CLASS(TCornerDoubleArrowBlock)

#undef TARNWICK_ARROW_CLASS

// Registers the set's classes in the control registry, category "Arrows".
void RegisterArrowBlocks();

}  // namespace tarnwick
