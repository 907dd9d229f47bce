#pragma once
// The diagram a selector or tool window serves. A window may free its diagram before its
// tool bars and docks, so the reference is guarded: it reads null once the diagram is
// being destroyed, and the owner hears of it through OnCleared.
#include <functional>

#include "platform/core/ComponentWatch.h"

namespace tarnwick {

class TdvDiagram;

class TDiagramLink {
 public:
  TDiagramLink();
  ~TDiagramLink();
  TDiagramLink(const TDiagramLink&) = delete;
  TDiagramLink& operator=(const TDiagramLink&) = delete;

  TdvDiagram* Get() const { return FDiagram; }
  // False when it was already the diagram served.
  bool Set(TdvDiagram* Value);

  std::function<void()> OnCleared;

 private:
  TdvDiagram* FDiagram = nullptr;
  TOwned<TComponentWatch> FWatch;
};

}  // namespace tarnwick
