#pragma once
// The property selectors of the editor window, made and bound to one diagram. The window
// places them: Row2 holds the formatting selectors in their order (shape colour, gradient,
// brush style, shadow, line style, line colour, transparency, zoom, line width, text
// colour), Fonts the font name and size boxes, Layer the layer box for row 1. A timer
// keeps them in step with the diagram and its selection while the program is idle; Sync
// does the same at once.
#include <QObject>
#include <vector>

class QTimer;
class QToolBar;
class QWidget;

namespace tarnwick {

class TDgrBaseComboBox;
class TDgrBrushStyleSelector;
class TDgrColorSelector;
class TDgrCustomSelector;
class TDgrFontSelector;
class TDgrFontSizeSelector;
class TDgrGradientDirectionSelector;
class TDgrLayerSelector;
class TDgrPenColorSelector;
class TDgrPenStyleSelector;
class TDgrPenWidthSelector;
class TDgrShadowSelector;
class TDgrTextColorSelector;
class TDgrTransparencySelector;
class TDgrZoomSelector;
class TdvDiagram;

struct TSelectorBars {
  // "SelectorToolBar" (row 2), "FontToolBar" and "LayerToolBar"; parented to the window,
  // not yet added to it.
  QToolBar* Row2 = nullptr;
  QToolBar* Fonts = nullptr;
  QToolBar* Layer = nullptr;

  TDgrColorSelector* ShapeColor = nullptr;
  TDgrGradientDirectionSelector* Gradient = nullptr;
  TDgrBrushStyleSelector* BrushStyle = nullptr;
  TDgrShadowSelector* Shadow = nullptr;
  TDgrPenStyleSelector* LineStyle = nullptr;
  TDgrPenColorSelector* LineColor = nullptr;
  TDgrTransparencySelector* Transparency = nullptr;
  TDgrZoomSelector* Zoom = nullptr;
  TDgrPenWidthSelector* LineWidth = nullptr;
  TDgrTextColorSelector* TextColor = nullptr;
  TDgrFontSelector* FontName = nullptr;
  TDgrFontSizeSelector* FontSize = nullptr;
  TDgrLayerSelector* LayerBox = nullptr;
  QTimer* Idle = nullptr;

  std::vector<TDgrCustomSelector*> Buttons() const;
  std::vector<TDgrBaseComboBox*> Combos() const;
  // Every selector follows the diagram now.
  void Sync() const;
  // Binds every selector to another diagram (or to none).
  void SetDiagram(TdvDiagram* ADiagram) const;
};

TSelectorBars MakeSelectorBars(QWidget* AParent, TdvDiagram* ADiagram);

}  // namespace tarnwick
