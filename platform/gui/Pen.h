#pragma once
// TPen: how outlines and lines are stroked on the integer canvas. The QPen painting uses
// is built on first use and dropped on every change.
#include <QPen>
#include <optional>

#include "platform/core/Colors.h"
#include "platform/core/Events.h"
#include "platform/core/Persistent.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle, psAlternate };

const TEnumTypeInfo& PenModeType();
const TEnumTypeInfo& PenStyleType();

class TPen : public TPersistent {
  TARNWICK_CLASS(TPen)

 public:
  TPen() = default;

  // Copies Color, Mode, Style and Width from another TPen; OnChange fires once when
  // anything differed.
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  TPenMode GetMode() const { return FMode; }
  void SetMode(TPenMode Value);
  TPenStyle GetStyle() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  // Widths 0 and 1 both stroke one pixel; a negative width is ignored.
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value);

  // The cached QPen: the resolved colour, one-pixel (cosmetic) for widths up to 1, flat
  // caps for thin pens (a line leaves out its end pixel) and round caps and joins for
  // wide ones, dash patterns for the styled pens, Qt::NoPen for psClear. The pen mode is
  // not part of it: the canvas applies it as a composition mode.
  const QPen& Handle() const;

  TNotifyEvent OnChange;

 protected:
  virtual void Changed();

 private:
  TColor FColor = clBlack;
  TPenMode FMode = pmCopy;
  TPenStyle FStyle = psSolid;
  int FWidth = 1;
  mutable std::optional<QPen> FHandle;
};

}  // namespace tarnwick
