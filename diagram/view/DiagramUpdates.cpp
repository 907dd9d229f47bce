// Update brackets, repaint requests, change reports, programmatic moves, z-order,
// subscribers and link acceptance.
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramPainter.h"
#include "diagram/view/DiagramSelection.h"

namespace tarnwick {

void TdvDiagram::BeginUpdate() { FUpdates->Enter(ukUpdate); }

bool TdvDiagram::IsUpdating() const { return FUpdates->Inside(ukUpdate); }

TDiagramUpdates& TdvDiagram::GetUpdates() { return *FUpdates; }

int TdvDiagram::EndUpdate(bool AOptimize) { return FUpdates->Leave(ukUpdate, AOptimize); }

void TdvDiagram::RequestRedraw() {
  if (FUpdates->CountRedraw()) return;
  if (!FPainter->FPainting) InvalidateWindow();
}

void TdvDiagram::Modified() {
  if (FUpdates->Inside(ukInternal) || IsLoading() || IsDestroying()) return;
  if (FUpdates->HoldModified()) return;
  Fire(OnModified, this);
}

void TdvDiagram::ProgrammaticMove(const std::function<void()>& AMoves, bool ASettleExtent) {
  {
    TDiagramUpdate internal(*this, ukInternal);
    TDiagramUpdate positions(*this, ukPosition);
    AMoves();
  }
  // Anchored lines follow once, after the whole batch moved.
  const TList<TDiagramControl*>& list = FControls->FDControls;
  const std::vector<TDiagramControl*> controls = list.Vector();
  for (TDiagramControl* c : controls)
    if (list.Contains(c)) c->NotifyAnchoreds(acPosition);
  // The batch ran as internal work, which leaves the scroll ranges alone: they are settled
  // here, once the lines followed, or a document saved now would keep a scroll position
  // the drawing no longer has room for.
  if (ASettleExtent) UpdateScrollRanges();
}

void TdvDiagram::MoveBlocks(double ADeltaX, double ADeltaY, bool AOnlySelected, bool AOnlyMovable) {
  if (ADeltaX == 0 && ADeltaY == 0) return;
  // One change report for the whole batch; a programmatic move is no undo step of its own.
  TDiagramUpdate operation(*this, QString());
  ProgrammaticMove([&] {
    const std::vector<TDiagramControl*> controls = FControls->FDControls.Vector();
    for (TDiagramControl* c : controls) {
      if (AOnlySelected && !c->GetSelected()) continue;
      if (AOnlyMovable && !c->CanMove()) continue;
      // A selected group moves its members itself.
      if (c->IsMember() && !(AOnlySelected && !c->GetGroupBlock()->GetSelected())) continue;
      c->MoveBy(ADeltaX, ADeltaY);
    }
    if (FSelection->SelBlockInUse()) FSelection->FSelBlock->MoveBy(ADeltaX, ADeltaY);
  });
  Modified();
}

// ---- Z-order ----

void TdvDiagram::MoveControlIndex(TDiagramControl* ADControl, int NewIndex) {
  if (FControls->MoveIndex(ADControl, NewIndex)) RequestRedraw();
}

void TdvDiagram::BringToFront(TDiagramControl* ADControl) {
  if (!ADControl) return;
  if (TDiagramControl* group = ADControl->GetGroupBlock()) {
    group->MoveMember(ADControl, group->GetMemberCount() - 1);
    RequestRedraw();
  } else {
    MoveControlIndex(ADControl, FControls->FDControls.Count() - 1);
  }
}

void TdvDiagram::SendToBack(TDiagramControl* ADControl) {
  if (!ADControl) return;
  if (TDiagramControl* group = ADControl->GetGroupBlock()) {
    group->MoveMember(ADControl, 0);
    RequestRedraw();
  } else {
    MoveControlIndex(ADControl, 0);
  }
}

void TdvDiagram::BringToFront() {
  const std::vector<TDiagramControl*> selected = FSelection->FSelecteds.Vector();
  for (TDiagramControl* c : selected)
    if (!c->AsMember()) BringToFront(c);
}

void TdvDiagram::SendToBack() {
  const std::vector<TDiagramControl*> selected = FSelection->FSelecteds.Vector();
  for (TDiagramControl* c : selected)
    if (!c->AsMember()) SendToBack(c);
}

// ---- Subscribers ----

void TdvDiagram::AddSubscriber(std::shared_ptr<IDiagramSubscriber> ASubscriber) {
  if (ASubscriber) FSubList.push_back(std::move(ASubscriber));
}

void TdvDiagram::RemoveSubscriber(IDiagramSubscriber* ASubscriber) {
  for (auto it = FSubList.begin(); it != FSubList.end(); ++it)
    if (it->get() == ASubscriber) {
      FSubList.erase(it);
      return;
    }
}

void TdvDiagram::RefreshToolbars() {
  // A copy keeps a subscriber alive while it is told, even if it unsubscribes meanwhile.
  const auto subscribers = FSubList;
  for (const auto& s : subscribers) s->DgrNotification(TDgrNotificationInfo{deLibraryChanged});
}

// ---- Links ----

bool TdvDiagram::AcceptAnchor(TLinkPoint* ALinkPoint, TLinkPoint* AAnchor) {
  bool accept = true;
  if (!ALinkPoint || !AAnchor) return accept;
  TDiagramControl* line = ALinkPoint->GetDControl();
  if (line && line->IsLine()) {
    // A line's source is its link point 0, its target link point 1.
    switch (AAnchor->GetLinkConstraint()) {
      case lcAll:
        accept = true;
        break;
      case lcSourceOnly:
        accept = ALinkPoint->GetIndex() == 0;
        break;
      case lcTargetOnly:
        accept = ALinkPoint->GetIndex() == 1;
        break;
      case lcNone:
        accept = false;
        break;
    }
    if (accept) {
      TDiagramControl* anchorControl = AAnchor->GetDControl();
      accept = anchorControl && line->CanLink() && anchorControl->CanLink();
    }
  }
  if (OnAcceptAnchor) OnAcceptAnchor(this, ALinkPoint, AAnchor, accept);
  return accept;
}

bool TdvDiagram::DoAcceptLink(TDiagramControl* ALink, TLinkPoint* Anchor1, TLinkPoint* Anchor2) {
  bool accept = true;
  if (OnAcceptLink && ALink && (Anchor1 || Anchor2)) OnAcceptLink(this, ALink, Anchor1, Anchor2, accept);
  return accept;
}

void TdvDiagram::ClickLinkNode(TLinkPoint* ALinkPoint) {
  if (ALinkPoint && ALinkPoint->IsNode()) ALinkPoint->SetCollapsed(!ALinkPoint->GetCollapsed());
}

void TdvDiagram::DoLinkAdded(TDiagramControl* AControl, TDiagramControl* ALink, TLinkPoint* ALinkPoint) {
  Fire(OnLinkAdded, this, AControl, ALink, ALinkPoint);
}

void TdvDiagram::DoLinkRemoved(TDiagramControl* AControl, TDiagramControl* ALink, TLinkPoint* ALinkPoint) {
  if (!IsDestroying()) Fire(OnLinkRemoved, this, AControl, ALink, ALinkPoint);
}

}  // namespace tarnwick
