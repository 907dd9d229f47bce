#pragma once
// TDiagramScrollBar: one of the diagram's two scroll bars. It keeps the scroll position
// inside the range the drawing needs beyond the visible extent, works out what the
// window's own scroll bar shows, and turns scroll requests into positions.
#include <cstdint>
#include <vector>

#include "platform/core/Colors.h"
#include "platform/core/Persistent.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

class TdvDiagram;

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollBarStyle { ssRegular, ssFlat, ssHotTrack };
// Requests from the window's scroll bar.
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

const TEnumTypeInfo& ScrollBarKindType();
const TEnumTypeInfo& ScrollBarStyleType();

// What the window's own scroll bar is to show; the widget layer mirrors it.
struct TWindowScrollBar {
  int Min = 0;
  int Max = 0;
  int Page = 1;
  int Position = 0;
  // Set by Update when Style, ThumbSize, Size or Color changed since the last update, so
  // the widget re-applies its appearance before the range.
  bool ApplyAppearance = false;
};

class TDiagramScrollBar : public TPersistent {
  TARNWICK_CLASS(TDiagramScrollBar)

 public:
  static constexpr int DefaultIncrement = 8;
  static constexpr int MaxIncrement = 32767;

  explicit TDiagramScrollBar(TdvDiagram* ADiagram = nullptr, TScrollBarKind AKind = sbHorizontal);

  // Visible, Range and Position through the setters, and Increment.
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  int GetIncrement() const { return FIncrement; }
  // Kept between 1 and 32767: a line step of 0 or less would not move or move backwards.
  void SetIncrement(int Value);
  uint16_t GetMargin() const { return FMargin; }
  void SetMargin(uint16_t Value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  int GetPosition() const { return FPosition; }
  // Clamped to 0 .. CalcRange. While the diagram is read, or before the bar ever learned
  // its visible extent, the value is only stored; the next Update clamps it.
  void SetPosition(int Value);
  int GetRange() const { return FRange; }
  void SetRange(int Value);
  bool GetSmooth() const { return FSmooth; }
  void SetSmooth(bool Value);
  bool GetTracking() const { return FTracking; }
  void SetTracking(bool Value);
  int GetSize() const { return FSize; }
  void SetSize(int Value);
  int GetThumbSize() const { return FThumbSize; }
  void SetThumbSize(int Value);
  TScrollBarStyle GetStyle() const { return FStyle; }
  void SetStyle(TScrollBarStyle Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);

  TScrollBarKind GetKind() const { return FKind; }
  void SetKind(TScrollBarKind Value) { FKind = Value; }
  TdvDiagram* GetDiagram() const { return FDiagram; }
  int GetPageIncrement() const { return FPageIncrement; }
  int GetCalcRange() const { return FCalcRange; }
  int GetDelay() const { return FDelay; }
  int GetVisibleExtent() const { return FVisibleExtent; }
  const TWindowScrollBar& WindowBar() const { return FWindowBar; }
  // Visible and the window's bar actually shown (there is something to scroll).
  bool IsScrollBarVisible() const;
  // For the horizontal bar in a right-to-left layout the position starts at the far end.
  void ChangeBiDiPosition(bool RightToLeft);

  // Recomputes the bar for the drawing area's extent along it (client width or height,
  // corrected for the other bar): CalcRange, the window's bar, the position, and the page
  // (and, with Smooth, the line) increment.
  void Update(int AVisibleExtent);

  // The positions a scroll request moves through, clamped, without repeats and without
  // the current one: one for a plain move; with Smooth a line move of Increment in 4 and a
  // page move of the page increment in 12 equal steps plus the remainder. Empty when the
  // bar is not Visible or the request moves nothing.
  std::vector<int> ScrollPositions(TScrollCode Code, int TrackPos) const;

  // Range is written only when the diagram leaves the ranges to the user (neither
  // AutoScroll nor AutoPage) and it is not 0.
  bool IsRangeStored() const;

 private:
  bool IsReading() const;
  void UpdateScrollBars();
  void AppearanceChanged();
  int ClampPosition(int64_t Value) const;

  TdvDiagram* FDiagram;
  int FIncrement = DefaultIncrement;
  int FPageIncrement = 80;
  int FPosition = 0;
  int FRange = 0;
  int FCalcRange = 0;
  TScrollBarKind FKind;
  uint16_t FMargin = 0;
  bool FVisible = true;
  bool FTracking = false;
  bool FSmooth = false;
  int FDelay = 10;
  TColor FColor = clBtnHighlight;
  bool FParentColor = true;
  int FSize = 0;
  TScrollBarStyle FStyle = ssRegular;
  int FThumbSize = 0;
  int FPageDiv = 12;
  int FLineDiv = 4;
  bool FUpdateNeeded = true;
  // Whether an Update has told the bar its visible extent (and so FCalcRange is real).
  bool FRangeKnown = false;
  int FVisibleExtent = 0;
  TWindowScrollBar FWindowBar;
};

// The visible extent of each bar and the order to update them in, given the client size
// without any scroll bar and the thickness of one. A bar counts as shown when it is
// Visible and its range exceeds its extent; the vertical bar is settled first unless the
// drawing is taller than the whole client area.
struct TScrollBarLayout {
  int HorzExtent = 0;
  int VertExtent = 0;
  bool HorzFirst = false;
};

TScrollBarLayout LayoutScrollBars(int ClientWidth, int ClientHeight, int BarThickness, int HorzRange, bool HorzVisible,
                                  int VertRange, bool VertVisible) noexcept;

}  // namespace tarnwick
