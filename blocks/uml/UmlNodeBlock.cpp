// The node: a 3-D box whose depth the user drags with a handle at the side face's lower
// corner. The top and side faces stand outside the block's rectangle, so its control
// rectangle grows by the depth.
#include <algorithm>
#include <array>
#include <cmath>

#include "blocks/uml/UmlBlocks.h"
#include "diagram/model/StretchHandles.h"
#include "platform/core/Math.h"
#include "platform/core/Properties.h"

namespace tarnwick {

namespace {

// Data of the depth handle: the block's own handles use 1 to 10.
constexpr int DepthHandleData = 100;
constexpr TSquare PercentRect{0, 0, 100, 100};

constexpr std::array<TUMLLinkPoint, 4> NodePoints{
    {{aoUp, {50, 0}}, {aoRight, {100, 50}}, {aoDown, {50, 100}}, {aoLeft, {0, 50}}}};

// Clears a flag when the drawing that needed it ends, however it ends.
struct TFlagOn {
  explicit TFlagOn(bool& AFlag) : Flag(AFlag) { Flag = true; }
  ~TFlagOn() { Flag = false; }
  TFlagOn(const TFlagOn&) = delete;
  TFlagOn& operator=(const TFlagOn&) = delete;
  bool& Flag;
};

}  // namespace

const TClassInfo& TUMLNodeBlock::StaticClassInfo() {
  using N = TUMLNodeBlock;
  static const TClassInfo info("TUMLNodeBlock", &TUMLBlock::StaticClassInfo(),
                               {IntProp("Depth", &N::GetDepth, &N::SetDepth, 40)},
                               [](TComponent* owner) { return Create<TUMLNodeBlock>(owner); });
  return info;
}

TUMLNodeBlock::TUMLNodeBlock(TComponent* AOwner) : TUMLBlock(AOwner) {
  SetShapeCursor(false);
  SetShape(bsNoShape);
  SetRestrictions(GetRestrictions() + TControlRestrictions{crNoRotation});
  SetOriginalRect(PercentRect);
  SetWidth(80);
  SetHeight(80);
  FDepthHandle = GetHandles()->Add(0, 0, crDefault, DepthHandleData, hsCustom);
  SetLinkPointsTo(NodePoints);
}

int TUMLNodeBlock::EffectiveDepth() const { return FUseTempDepth && FTempDepth != -1 ? FTempDepth : FDepth; }

void TUMLNodeBlock::SetDepth(int Value) {
  Value = std::max(Value, FMinDepth);
  if (Value == FDepth) return;
  FDepth = Value;
  // Link points 0 and 1 sit on the faces, which moved.
  NotifyAnchoreds(acPosition);
  Redraw();
}

void TUMLNodeBlock::BuildOutline(TOutlineSink& AOutline) {
  // The depth is in diagram units; the figures are in the original rectangle.
  const double d = EffectiveDepth();
  const double dx = GetWidth() != 0 ? d * 100 / std::fabs(GetWidth()) : 0;
  const double dy = GetHeight() != 0 ? d * 100 / std::fabs(GetHeight()) : 0;
  // The faces stand out up and to the right however the block is flipped: the sinks
  // mirror every figure of a flipped block, so a flipped face is mirrored beforehand.
  const bool fh = GetHorizontalFlip(), fv = GetVerticalFlip();
  const auto at = [fh, fv](double X, double Y) { return TDot{fh ? 100 - X : X, fv ? 100 - Y : Y}; };
  AOutline.Rectangle(PercentRect);
  const std::array<TDot, 4> top{{at(100 + dx, -dy), at(100, 0), at(0, 0), at(dx, -dy)}};
  AOutline.Polygon(top);
  const std::array<TDot, 4> side{{at(100 + dx, -dy), at(100 + dx, 100 - dy), at(100, 100), at(100, 0)}};
  AOutline.Polygon(side);
}

TSquare TUMLNodeBlock::ControlRect() {
  const TSquare r = TUMLBlock::ControlRect();
  const TSquare b = GetBoundsRect();
  const double d = EffectiveDepth();
  return TSquare{std::min(r.Left, b.Left), std::min(r.Top, b.Top - d), std::max(r.Right, b.Right + d),
                 std::max(r.Bottom, b.Bottom)};
}

TDot TUMLNodeBlock::GetHandlePoint(TStretchHandle* AHandle) {
  if (!AHandle || AHandle != FDepthHandle) return TUMLBlock::GetHandlePoint(AHandle);
  const double d = EffectiveDepth();
  return TDot{GetRight() + d, GetBottom() - d};
}

TDot TUMLNodeBlock::GetLinkPointPoint(TLinkPoint* ALinkPoint) {
  TDot p = TUMLBlock::GetLinkPointPoint(ALinkPoint);
  // The top and right points lie on the top and side faces, while a flip has not taken
  // them to the bottom or the left.
  const int i = ALinkPoint ? ALinkPoint->GetIndex() : -1;
  if ((i == 0 && !GetVerticalFlip()) || (i == 1 && !GetHorizontalFlip())) {
    const int half = EffectiveDepth() / 2;
    p.X += half;
    p.Y -= half;
  }
  return p;
}

void TUMLNodeBlock::ComputeTempDepth(TDot ADelta) {
  if (!std::isfinite(ADelta.Y)) return;
  FTempDepth = std::max(Round(FDepth - ADelta.Y), FMinDepth);
}

void TUMLNodeBlock::UpdateHandleMove(THandleMoveInfo& AInfo) {
  if (!AInfo.AHandle || AInfo.AHandle != FDepthHandle) {
    TUMLBlock::UpdateHandleMove(AInfo);
    return;
  }
  switch (AInfo.Action) {
    case haDrawCursor:
      ComputeTempDepth(AInfo.Delta);
      [[fallthrough]];
    case haEraseCursor: {
      const TFlagOn preview(FUseTempDepth);
      DrawCursorAt(AInfo.Canvas, GetBoundsRect(), GetAngle());
      break;
    }
    case haPositionCursor:
      ComputeTempDepth(AInfo.Delta);
      SetCursorGeometry(GetBoundsRect(), GetAngle(), GetRotationCenter());
      break;
    case haMoved:
      FTempDepth = FDepth;
      ComputeTempDepth(AInfo.Delta);
      SetDepth(FTempDepth);
      FTempDepth = -1;
      break;
  }
}

void TUMLNodeBlock::EnterCursorState() {
  TUMLBlock::EnterCursorState();
  FUseTempDepth = true;
}

void TUMLNodeBlock::LeaveCursorState() {
  FUseTempDepth = false;
  TUMLBlock::LeaveCursorState();
}

}  // namespace tarnwick
