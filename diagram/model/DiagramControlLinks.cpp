// Link bookkeeping of a control: telling anchored points about changes, releasing
// anchors to unselected controls, the link events, and forgetting anchors whose control
// is freed.
#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "platform/core/Events.h"
#include "platform/core/List.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

void TDiagramControl::NotifyAnchoreds(TAnchorChange AChangeType) {
  if (FNotifying > 0 || !FLinkPoints) return;
  const TScopedCount notifying(FNotifying);
  {
    // Collect first and notify afterwards: a notified line may re-anchor and so change
    // the anchored lists being walked.
    TDiagramControl* master = IsMember() ? GetMasterGroup() : nullptr;
    TList<TLinkPoint*> points;
    for (int i = 0; i < FLinkPoints->Count(); ++i) {
      TLinkPoint* own = FLinkPoints->GetItems(i);
      for (int j = 0; j < own->AnchoredCount(); ++j) {
        TLinkPoint* anchored = own->GetAnchoredItem(j);
        if (master) {
          TDiagramControl* other = anchored->GetDControl();
          // Lines inside the same group move with it and need no telling.
          if (other && other->GetMasterGroup() == master) continue;
        }
        points.Add(anchored);
      }
    }
    for (TLinkPoint* p : points) p->AnchorChanged(AChangeType);
  }
}

void TDiagramControl::UnlinkFromUnselected() {
  if (IsLine() && GetRequiresConnections()) return;
  for (int i = 0; i < FLinkPoints->Count(); ++i) {
    TLinkPoint* lp = FLinkPoints->GetItems(i);
    TDiagramControl* anchor = lp->GetAnchor();
    if (anchor && !anchor->GetSelected()) {
      lp->SetAnchor(nullptr);
      lp->SetAnchorIndex(-1);
    }
  }
}

void TDiagramControl::LinkAdded(TDiagramControl* ALink, TLinkPoint* ALinkPoint) {
  Fire(OnLinkAdded, this, ALink, ALinkPoint);
  if (FHost) FHost->DoLinkAdded(this, ALink, ALinkPoint);
}

void TDiagramControl::LinkRemoved(TDiagramControl* ALink, TLinkPoint* ALinkPoint) {
  Fire(OnLinkRemoved, this, ALink, ALinkPoint);
  if (FHost) FHost->DoLinkRemoved(this, ALink, ALinkPoint);
}

void TDiagramControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || !AComponent) return;
  // A control our points are anchored to is freed: its own points are already gone, so
  // the anchors are dropped without looking at them.
  if (FLinkPoints)
    for (int i = 0; i < FLinkPoints->Count(); ++i) {
      TLinkPoint* lp = FLinkPoints->GetItems(i);
      if (lp->GetAnchor() == AComponent) lp->DropAnchor();
    }
  if (FGroupBlock == AComponent) FGroupBlock = nullptr;
}

}  // namespace tarnwick
