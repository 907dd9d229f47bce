// The layout of a line's text cells: one per segment, one in the middle, or five at
// fixed places (the middle and both sides of both ends).
#include <algorithm>
#include <cstdint>

#include "diagram/lines/CustomLine.h"
#include "geometry/Vectors.h"
#include "platform/core/Math.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

namespace {

constexpr double SegmentCellWidth = 200, SegmentCellHeight = 30;
constexpr int CenterCellWidth = 300, CenterCellHeight = 100, CenterCellSeed = 20;
constexpr double EndCellWidth = 400, EndCellHeight = 100, EndCellCorner = 20;

void GiveDefaultLook(TTextCell* ACell) {
  ACell->SetVertAlign(vaCenter);
  ACell->SetWordWrap(true);
  ACell->SetAngle(0);
  ACell->SetRotateFont(true);
}

// Grows [A, B] to at least AMin: toward B (AWhere > 0), toward A (< 0), or by half the
// missing length on each side (0).
void Widen(int& A, int& B, int AMin, int AWhere) {
  const int missing = AMin - (B - A);
  if (missing <= 0) return;
  if (AWhere > 0)
    B = A + AMin;
  else if (AWhere < 0)
    A = B - AMin;
  else {
    A -= missing / 2;
    B = A + AMin;
  }
}

}  // namespace

TTextCell* TCustomDiagramLine::NewCell() {
  TTextCell* cell = GetTextCells()->Add();
  GiveDefaultLook(cell);
  return cell;
}

void TCustomDiagramLine::UpdateTextCells() {
  if (FUpdatingCells || FTextCellsMode == tmManual || IsDestroying()) return;
  TTextCells* cells = GetTextCells();
  if (!cells) return;
  const TScopedValue<bool> updating(FUpdatingCells, true);
  const TUpdateScope update(cells);
  {
    CalcPoints(ActiveHandles());
    const int n = static_cast<int>(FPoints.size());
    switch (FTextCellsMode) {
      case tmSegments: {
        const int segments = std::max(0, n - 1);
        while (cells->Count() < segments) NewCell();
        while (cells->Count() > segments) cells->Delete(cells->Count() - 1);
        for (int k = 0; k < segments; ++k) {
          const TDot a = FPoints[static_cast<size_t>(k)], b = FPoints[static_cast<size_t>(k + 1)];
          double l = std::min(a.X, b.X), r = std::max(a.X, b.X), t = std::min(a.Y, b.Y), btm = std::max(a.Y, b.Y);
          if (r - l < SegmentCellWidth) {
            const double grow = (SegmentCellWidth - (r - l)) / 2;
            l -= grow;
            r += grow;
          }
          if (btm - t < SegmentCellHeight) {
            const double grow = (SegmentCellHeight - (btm - t)) / 2;
            t -= grow;
            btm += grow;
          }
          cells->GetItems(k)->SetBoundsRect(TSquare{l, t, r, btm});
        }
        break;
      }
      case tmSingle: {
        while (cells->Count() > 1) cells->Delete(cells->Count() - 1);
        TTextCell* cell = cells->Count() == 0 ? NewCell() : cells->GetItems(0);
        PlaceCenterCell(cell);
        cell->SetClip(false);
        break;
      }
      case tmSpecific:
        if (n >= 2) {
          const TDot first = FPoints[0], second = FPoints[1], last = FPoints[static_cast<size_t>(n - 1)],
                     beforeLast = FPoints[static_cast<size_t>(n - 2)];
          if (FSourceTextCell) PlaceEndCell(FSourceTextCell, second, true, first);
          if (FTargetTextCell) PlaceEndCell(FTargetTextCell, beforeLast, false, last);
          if (FAltSourceTextCell) PlaceEndCell(FAltSourceTextCell, second, false, first);
          if (FAltTargetTextCell) PlaceEndCell(FAltTargetTextCell, beforeLast, true, last);
          if (FCenterTextCell) PlaceCenterCell(FCenterTextCell);
        }
        break;
      case tmManual:
        break;
    }
  }
}

void TCustomDiagramLine::PlaceCenterCell(TTextCell* ACell) {
  if (!ACell || FPoints.size() < 2) return;
  double total = 0;
  for (size_t i = 1; i < FPoints.size(); ++i) total += DotDistance(FPoints[i - 1], FPoints[i]);
  // The middle of the polyline by length, and the direction of travel there.
  double rest = total / 2;
  TDot m = FPoints[0], dir{0, 0};
  for (size_t i = 1; i < FPoints.size(); ++i) {
    const TDot a = FPoints[i - 1], b = FPoints[i];
    const double len = DotDistance(a, b);
    if (len <= 0) continue;
    dir = TDot{(b.X - a.X) / len, (b.Y - a.Y) / len};
    if (rest <= len || i + 1 == FPoints.size()) {
      m = TDot{a.X + dir.X * rest, a.Y + dir.Y * rest};
      break;
    }
    rest -= len;
  }
  // Left of the direction of travel on the screen: above a line drawn to the right. All
  // points in one place give no direction and no offset.
  const int ox = Round(dir.Y * FCenterTextCellOffset), oy = Round(-dir.X * FCenterTextCellOffset);
  // A line reaching the edge of the integer range (a lifeline of the largest length, say)
  // keeps its cell inside it: the sums below and the widening after them cannot overflow.
  auto inRange = [](int64_t AValue) {
    return static_cast<int>(std::clamp<int64_t>(AValue, INT32_MIN / 4, INT32_MAX / 4));
  };
  const int x = inRange(int64_t{Round(m.X)} + ox), y = inRange(int64_t{Round(m.Y)} + oy);
  int l = x - CenterCellSeed / 2, r = x + CenterCellSeed / 2, t = y - CenterCellSeed / 2, b = y + CenterCellSeed / 2;
  const TAlignment align = ACell->GetAlignment();
  Widen(l, r, CenterCellWidth, align == taLeftJustify ? 1 : align == taRightJustify ? -1 : 0);
  const TVertAlign valign = ACell->GetVertAlign();
  Widen(t, b, CenterCellHeight, valign == vaTop ? 1 : valign == vaBottom ? -1 : 0);
  ACell->SetBoundsRect(
      TSquare{static_cast<double>(l), static_cast<double>(t), static_cast<double>(r), static_cast<double>(b)});
}

void TCustomDiagramLine::PlaceEndCell(TTextCell* ACell, TDot Q, bool ARightCorner, TDot E) {
  TDot r1, r2;
  ArrowBasePoints(r1, r2, Q, E, TDot{EndCellCorner, EndCellCorner});
  const TDot c = ARightCorner ? r1 : r2;
  // The text sits beside the end, on the side away from the line.
  TSquare r;
  if (E.X > c.X) {
    ACell->SetAlignment(taRightJustify);
    r.Right = c.X;
    r.Left = c.X - EndCellWidth;
  } else {
    ACell->SetAlignment(taLeftJustify);
    r.Left = c.X;
    r.Right = c.X + EndCellWidth;
  }
  if (E.Y > c.Y) {
    ACell->SetVertAlign(vaBottom);
    r.Bottom = c.Y;
    r.Top = c.Y - EndCellHeight;
  } else {
    ACell->SetVertAlign(vaTop);
    r.Top = c.Y;
    r.Bottom = c.Y + EndCellHeight;
  }
  ACell->SetBoundsRect(r);
}

void TCustomDiagramLine::SetTextCellsMode(TTextCellsMode AMode) {
  if (FTextCellsMode == AMode) return;
  TTextCells* cells = GetTextCells();
  if (FTextCellsMode == tmSpecific) {
    for (TTextCell* cell : {FCenterTextCell, FSourceTextCell, FTargetTextCell, FAltSourceTextCell, FAltTargetTextCell})
      if (cell) cells->Delete(cell->GetIndex());
  }
  FTextCellsMode = AMode;
  if (AMode == tmSpecific) {
    const bool hadFive = cells->Count() == 5;
    for (TTextCell** cell :
         {&FCenterTextCell, &FSourceTextCell, &FTargetTextCell, &FAltSourceTextCell, &FAltTargetTextCell})
      if (!*cell) {
        *cell = cells->Add();
        if (!hadFive) GiveDefaultLook(*cell);
      }
    for (int i = cells->Count() - 1; i >= 0; --i) {
      TTextCell* cell = cells->GetItems(i);
      if (cell != FCenterTextCell && cell != FSourceTextCell && cell != FTargetTextCell && cell != FAltSourceTextCell &&
          cell != FAltTargetTextCell)
        cells->Delete(i);
    }
  }
  UpdateTextCells();
}

}  // namespace tarnwick
