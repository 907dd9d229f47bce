#include "editor/palette/LibraryFollower.h"

#include "diagram/view/Diagram.h"

namespace tarnwick {

// The diagram holds its subscribers shared: the callback is cut when the follower stops,
// so a report that arrives later reaches nobody.
class TLibraryFollower::TSubscriber : public IDiagramSubscriber {
 public:
  explicit TSubscriber(std::function<void()>* ACallback) : FCallback(ACallback) {}
  void DgrNotification(const TDgrNotificationInfo& AInfo) override {
    if (FCallback && AInfo.Event == deLibraryChanged) (*FCallback)();
  }
  std::function<void()>* FCallback;
};

TLibraryFollower::TLibraryFollower(std::function<void()> AOnLibraryChanged)
    : FOnLibraryChanged(std::move(AOnLibraryChanged)), FWatch(MakeOwned<TComponentWatch>()) {
  FWatch->OnFreed = [this](TComponent* AComponent) {
    if (AComponent != FDiagram) return;
    // The diagram takes its subscribers along; only the callback must not outlive it.
    if (FSubscriber) FSubscriber->FCallback = nullptr;
    FSubscriber.reset();
    FDiagram = nullptr;
  };
}

TLibraryFollower::~TLibraryFollower() { Follow(nullptr); }

bool TLibraryFollower::Follow(TdvDiagram* ADiagram) {
  if (FDiagram == ADiagram) return false;
  if (FDiagram) FWatch->Unwatch(FDiagram);
  if (FDiagram && FSubscriber) FDiagram->RemoveSubscriber(FSubscriber.get());
  if (FSubscriber) FSubscriber->FCallback = nullptr;
  FSubscriber.reset();
  FDiagram = ADiagram;
  if (FDiagram) {
    FWatch->Watch(FDiagram);
    FSubscriber = std::make_shared<TSubscriber>(&FOnLibraryChanged);
    FDiagram->AddSubscriber(FSubscriber);
  }
  return true;
}

}  // namespace tarnwick
