#pragma once
// The diagram's mouse tools and the interaction state they share: the mouse state that
// picks the active tool, where a drag started, the control waiting to be inserted, and
// the control, link point and handle the mouse is working on.
#include <memory>
#include <vector>

#include "diagram/view/DiagramTypes.h"
#include "diagram/view/interaction/DiagramTool.h"
#include "geometry/Dot.h"

namespace tarnwick {

class TDiagramControl;
class TLinkPoint;
class TStretchHandle;

class TDiagramTools {
 public:
  // Registers the browse tool, which serves every state no other tool claims.
  explicit TDiagramTools(TdvDiagram& ADiagram);
  ~TDiagramTools();
  TDiagramTools(const TDiagramTools&) = delete;
  TDiagramTools& operator=(const TDiagramTools&) = delete;

  // A later tool wins over an earlier one for the states both serve.
  void Register(std::unique_ptr<TDiagramTool> ATool);
  // The tool serving the current mouse state.
  TDiagramTool& Active() const;
  // A control leaving the diagram is forgotten by the interaction state.
  void Forget(TDiagramControl* AControl);

  TMouseState FMouseState = msBrowsing;
  TDot FDragStart;
  TDiagramControl* FInsertDControl = nullptr;
  TDiagramControl* FPreviousDControl = nullptr;
  TDiagramControl* FDControlClicked = nullptr;
  TLinkPoint* FLinkPoint = nullptr;
  TStretchHandle* FHandle = nullptr;
  bool FKeepInserting = false;
  int FConnOff = 10;

 private:
  std::vector<std::unique_ptr<TDiagramTool>> FTools;
};

}  // namespace tarnwick
