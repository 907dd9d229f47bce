#include "platform/core/ComponentWatch.h"

namespace tarnwick {

void TComponentWatch::Watch(TComponent* AComponent) {
  if (!AComponent || AComponent == this || FWatched.contains(AComponent)) return;
  FWatched.insert(AComponent);
  FreeNotification(AComponent);
}

void TComponentWatch::Unwatch(TComponent* AComponent) {
  if (!FWatched.remove(AComponent)) return;
  RemoveFreeNotification(AComponent);
}

void TComponentWatch::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || !FWatched.contains(AComponent)) return;
  // Only a component that is really going is let go: one that merely changes owner is
  // still the same object, and the link the base class just dropped is made again.
  if (!AComponent->IsDestroying()) {
    FreeNotification(AComponent);
    return;
  }
  FWatched.remove(AComponent);
  if (OnFreed) OnFreed(AComponent);
}

}  // namespace tarnwick
