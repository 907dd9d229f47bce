#pragma once
// Selectors of line style, fill style, line width and transparency. Each shows, when the
// program is idle, the value of the first selected control it applies to.
#include "editor/selectors/CustomSelector.h"

namespace tarnwick {

class TDiagramControl;

// Blocks: the pen style; lines: the pen and the selection pen style.
class TDgrPenStyleSelector : public TDgrCustomSelector {
 public:
  explicit TDgrPenStyleSelector(QWidget* AParent = nullptr);
  void Sync() override;

 protected:
  void Apply(TdvDiagram& ADiagram) override;
};

// Blocks: the style of the brush and of the selection brush. With BrushAutoColor both
// brushes take the block's pen colour first, so a hatch is drawn in the outline's colour.
class TDgrBrushStyleSelector : public TDgrCustomSelector {
 public:
  explicit TDgrBrushStyleSelector(QWidget* AParent = nullptr);
  bool GetBrushAutoColor() const { return FBrushAutoColor; }
  void SetBrushAutoColor(bool Value) { FBrushAutoColor = Value; }
  void Sync() override;

 protected:
  void Apply(TdvDiagram& ADiagram) override;

 private:
  bool FBrushAutoColor = false;
};

// Blocks: the pen width; lines: the pen and the selection pen width (1 to 9).
class TDgrPenWidthSelector : public TDgrCustomSelector {
 public:
  explicit TDgrPenWidthSelector(QWidget* AParent = nullptr);
  void Sync() override;

 protected:
  void Apply(TdvDiagram& ADiagram) override;
};

// Blocks and lines: Transparency, in steps of ten from 0 (opaque) to 90.
class TDgrTransparencySelector : public TDgrCustomSelector {
 public:
  explicit TDgrTransparencySelector(QWidget* AParent = nullptr);
  void Sync() override;

 protected:
  void Apply(TdvDiagram& ADiagram) override;
};

// The first selected control that is not a group and passes AFilter; null for none.
TDiagramControl* FirstSelected(TdvDiagram* ADiagram, bool (*AFilter)(TDiagramControl*));

}  // namespace tarnwick
