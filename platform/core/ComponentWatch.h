#pragma once
// Guarded references to components owned elsewhere. A watch hears of every watched
// component's destruction, so code that holds components across work able to free them
// (a handler, a group's teardown) asks Alive() before it touches one again instead of
// following a raw pointer that may be dangling.
#include <QSet>
#include <functional>

#include "platform/core/Component.h"

namespace tarnwick {

class TComponentWatch : public TComponent {
 public:
  // Made with Create<TComponentWatch>() (or MakeOwned) and ended with Free(), like every
  // component; it has no owner.
  TComponentWatch() : TComponent(nullptr) {}

  void Watch(TComponent* AComponent);
  void Unwatch(TComponent* AComponent);
  // Watched and not yet destroyed. A component that is being torn down counts as gone.
  bool Alive(TComponent* AComponent) const {
    return AComponent && FWatched.contains(AComponent) && !AComponent->IsDestroying();
  }

  // Told of each watched component as it goes, before it is forgotten.
  std::function<void(TComponent*)> OnFreed;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  QSet<TComponent*> FWatched;
};

}  // namespace tarnwick
