#pragma once
// What the palette and the tool bars share: the diagram they serve, and a subscription to
// its "library changed" report that calls them back. Switching diagrams or destroying the
// owner ends the subscription; a diagram destroyed first is simply forgotten (a window may
// free its diagram before its docks).
#include <functional>
#include <memory>

#include "diagram/view/DiagramTypes.h"
#include "platform/core/ComponentWatch.h"

namespace tarnwick {

class TdvDiagram;

class TLibraryFollower {
 public:
  explicit TLibraryFollower(std::function<void()> AOnLibraryChanged);
  ~TLibraryFollower();
  TLibraryFollower(const TLibraryFollower&) = delete;
  TLibraryFollower& operator=(const TLibraryFollower&) = delete;

  TdvDiagram* Diagram() const { return FDiagram; }
  // False when the diagram was already the one followed.
  bool Follow(TdvDiagram* ADiagram);

 private:
  class TSubscriber;
  std::function<void()> FOnLibraryChanged;
  TdvDiagram* FDiagram = nullptr;
  std::shared_ptr<TSubscriber> FSubscriber;
  TOwned<TComponentWatch> FWatch;
};

}  // namespace tarnwick
