#pragma once
// TBrush: how shapes are filled on the integer canvas. The QBrush painting uses is built on
// first use and dropped on every change.
#include <QBrush>
#include <optional>

#include "platform/core/Colors.h"
#include "platform/core/Events.h"
#include "platform/core/Object.h"
#include "platform/core/Persistent.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

class TBitmap;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

const TEnumTypeInfo& BrushStyleType();

class TBrush : public TPersistent {
  TARNWICK_CLASS(TBrush)

 public:
  TBrush();
  ~TBrush() override;

  // Copies Color, Style and the pattern bitmap from another TBrush; OnChange fires once
  // when anything differed.
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

  // A pattern bitmap tiled instead of Color and Style. The brush keeps its own copy of the
  // picture, so the caller's bitmap may change or go away afterwards; null (or an empty
  // bitmap) removes the pattern.
  TBitmap* GetBitmap() const { return FBitmap.get(); }
  void SetBitmap(TBitmap* Value);

  // The cached QBrush: solid colour, a hatch pattern (drawn on a transparent background),
  // the pattern bitmap, or Qt::NoBrush for bsClear.
  const QBrush& Handle() const;
  // True when filling paints nothing (bsClear without a pattern bitmap).
  bool IsClear() const { return FStyle == bsClear && !FBitmap; }

  TNotifyEvent OnChange;

 protected:
  virtual void Changed();

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TOwned<TBitmap> FBitmap;
  mutable std::optional<QBrush> FHandle;
};

}  // namespace tarnwick
