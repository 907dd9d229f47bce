// Ends and anchors: where the link points are, following the controls the ends are
// anchored to, and the contract hooks through which handles and anchors report changes.
#include "diagram/lines/CustomLine.h"
#include "diagram/model/DiagramHost.h"

namespace tarnwick {

namespace {
TLinkPoint* AnchorOf(TLinkPoint* AEnd) { return AEnd ? AEnd->GetAnchorLink() : nullptr; }
}  // namespace

TLineHandlesInfo TCustomDiagramLine::AnchorsInfo(TLineHandlesMode AMode) const {
  TLineHandlesInfo info;
  info.P1 = GetSourceHandle()->GetOrPoint();
  info.P2 = GetTargetHandle()->GetOrPoint();
  info.LinkPoint1 = AnchorOf(GetSourceLinkPoint());
  info.LinkPoint2 = AnchorOf(GetTargetLinkPoint());
  info.Mode = AMode;
  return info;
}

void TCustomDiagramLine::RecalcHandles() {
  EnsureLinkPoints();
  EnsureHandles();
  CalcHandles(GetHandles(), AnchorsInfo(lhmRecalc));
}

bool TCustomDiagramLine::Following() const { return !IsLoading() && !IsDestroying(); }

void TCustomDiagramLine::UpdateFromAnchors() {
  if (!Following()) return;
  // Anchors named by path are resolved one by one after the controls were loaded. Routing
  // with one end at its new place and the other still at its stored one would squeeze the
  // remembered legs of a side line; the last anchor to arrive routes with both.
  for (TLinkPoint* end : {GetSourceLinkPoint(), GetTargetLinkPoint()})
    if (end && end->IsAnchorPending()) return;
  EnsureLinkPoints();
  EnsureHandles();
  TLineHandlesInfo info = AnchorsInfo(lhmAnchors);
  if (info.LinkPoint1) info.P1 = info.LinkPoint1->DiagramPoint();
  if (info.LinkPoint2) info.P2 = info.LinkPoint2->DiagramPoint();
  CalcHandles(GetHandles(), info);
  // Lines anchored to this line's ends follow in turn.
  NotifyAnchoreds(acPosition);
  if (FLineStyle == lsSideLine) RefreshOrientations();
}

void TCustomDiagramLine::AnchorLinkChanged(TLinkPoint* ALinkPoint) {
  // Detaching leaves the line where it is.
  if (ALinkPoint && ALinkPoint->GetAnchorLink()) UpdateFromAnchors();
}

void TCustomDiagramLine::LinkedAnchorChanged(TLinkPoint*, TAnchorChange) { UpdateFromAnchors(); }

void TCustomDiagramLine::HandlesChanged() {
  if (IsDestroying()) return;
  UpdateTextCells();
  NotifyAnchoreds(acPosition);
}

TLinkPoint* TCustomDiagramLine::HandleLinkPoint(TStretchHandle* AHandle) {
  if (!AHandle) return nullptr;
  EnsureLinkPoints();
  if (AHandle == GetSourceHandle()) return GetSourceLinkPoint();
  if (AHandle == GetTargetHandle()) return GetTargetLinkPoint();
  return nullptr;
}

TDot TCustomDiagramLine::GetLinkPointPoint(TLinkPoint* ALinkPoint) {
  TStretchHandles* h = ActiveHandles();
  if (!ALinkPoint || !h || h->Count() == 0) return InvalidDot();
  switch (ALinkPoint->GetIndex()) {
    case 0:
      return h->GetItems(0)->GetOrPoint();
    case 1:
      return h->GetItems(h->Count() - 1)->GetOrPoint();
    default:
      return InvalidDot();
  }
}

void TCustomDiagramLine::NotifyTextCellDestroying(TTextCell* ACell) {
  TDiagramControl::NotifyTextCellDestroying(ACell);
  for (TTextCell** cell :
       {&FCenterTextCell, &FSourceTextCell, &FTargetTextCell, &FAltSourceTextCell, &FAltTargetTextCell})
    if (*cell == ACell) *cell = nullptr;
}

void TCustomDiagramLine::EnterCursorState() {
  FInCursorState = true;
  UpdateTextCells();
}

void TCustomDiagramLine::LeaveCursorState() {
  FInCursorState = false;
  // A cancelled drag must not leave the cells where the preview put them.
  UpdateTextCells();
}

}  // namespace tarnwick
