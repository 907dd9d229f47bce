#pragma once
// TDiagramNavigator: a miniature of the whole diagram with a rectangle around the part the
// diagram window shows. Dragging inside it scrolls the diagram, a press outside the
// rectangle centres the view there, and with EnableZoom a drag from the rectangle's edge
// zooms the diagram to a new rectangle. It repaints after every paint of its diagram, so
// it follows each change, scroll and zoom. Meant for a dock of the editor window.
#include <QWidget>

#include "editor/navigator/DiagramNavigatorController.h"
#include "platform/core/Object.h"

class QTimer;

namespace tarnwick {

class TComponentWatch;

class TDiagramNavigator : public QWidget {
 public:
  explicit TDiagramNavigator(QWidget* AParent = nullptr);
  ~TDiagramNavigator() override;

  TdvDiagram* GetDiagram() const { return FController.GetDiagram(); }
  // Takes over the diagram's companion after-paint hook (a diagram serves one navigator);
  // the old diagram's hook is cleared. Forgets a diagram that is destroyed.
  void SetDiagram(TdvDiagram* Value);

  TColor GetBackgroundColor() const { return FController.GetBackgroundColor(); }
  void SetBackgroundColor(TColor Value);
  TDiagramNavigatorBlockShape GetBlockShape() const { return FController.GetBlockShape(); }
  void SetBlockShape(TDiagramNavigatorBlockShape Value);
  TColor GetColor() const { return FController.GetColor(); }
  void SetColor(TColor Value);
  bool GetEnableZoom() const { return FController.GetEnableZoom(); }
  void SetEnableZoom(bool Value);
  TColor GetHighlightColor() const { return FController.GetHighlightColor(); }
  void SetHighlightColor(TColor Value);
  int GetHighlightWidth() const { return FController.GetHighlightWidth(); }
  void SetHighlightWidth(int Value);
  bool GetPaintLines() const { return FController.GetPaintLines(); }
  void SetPaintLines(bool Value);
  TCursor GetMoveCursor() const { return FMoveCursor; }
  void SetMoveCursor(TCursor Value) { FMoveCursor = Value; }
  TCursor GetZoomCursor() const { return FZoomCursor; }
  void SetZoomCursor(TCursor Value) { FZoomCursor = Value; }

  TDiagramNavigatorController& Controller() { return FController; }
  // The scale and the rectangle for the current size, as the next paint will have them.
  void UpdateGeometry() { FController.UpdateGeometry(width(), height()); }

  QSize sizeHint() const override { return QSize(200, 150); }

 protected:
  void paintEvent(QPaintEvent* AEvent) override;
  void mousePressEvent(QMouseEvent* AEvent) override;
  void mouseMoveEvent(QMouseEvent* AEvent) override;
  void mouseReleaseEvent(QMouseEvent* AEvent) override;

 private:
  void Changed();
  void UnhookDiagram();

  TDiagramNavigatorController FController;
  TOwned<TComponentWatch> FWatch;
  TCursor FMoveCursor = crHandPoint;
  TCursor FZoomCursor = crCross;
  QTimer* FFollow = nullptr;  // paces repaints that follow the drawing
};

}  // namespace tarnwick
