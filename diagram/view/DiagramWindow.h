#pragma once
// The diagram's window side: the two scroll-bar widgets beside the drawing, their layout
// inside the border, and scroll requests coming from them. The widgets live in a private
// part, so no widget header reaches the diagram's public header.
#include <memory>

#include "diagram/view/DiagramScrollBar.h"

namespace tarnwick {

class TdvDiagram;

class TDiagramWindow {
 public:
  explicit TDiagramWindow(TdvDiagram& ADiagram);
  ~TDiagramWindow();
  TDiagramWindow(const TDiagramWindow&) = delete;
  TDiagramWindow& operator=(const TDiagramWindow&) = delete;

  // Makes the scroll-bar widgets once the window exists.
  void CreateScrollBars();
  // Makes the window's scroll bars show what the diagram's scroll bars say.
  void SyncScrollBars();
  void LayoutScrollBars();
  // A request from a window scroll bar, through the bar's exception boundary.
  void Scroll(TScrollBarKind AKind, TScrollCode ACode, int ATrackPos);
  // The platform's scroll-bar thickness while a window exists, else 0.
  int PlatformScrollBarThickness() const;
  bool HasParentWindow() const;

 private:
  struct TPrivate;
  TdvDiagram& FDiagram;
  std::unique_ptr<TPrivate> FPrivate;
};

}  // namespace tarnwick
