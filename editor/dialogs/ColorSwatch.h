#pragma once
// A framed colour swatch that asks for a new colour when clicked. The question goes to the
// diagram chooser (the process-wide one unless one is set), so tests script the answer.
#include <QFrame>
#include <functional>

#include "platform/core/Colors.h"

namespace tarnwick {

class IDiagramChooser;

class TColorSwatch : public QFrame {
 public:
  explicit TColorSwatch(QWidget* AParent = nullptr);

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  void SetChooser(IDiagramChooser* Value) { FChooser = Value; }

  // After the user picked a colour (not after SetColor).
  std::function<void(TColor)> OnColorChosen;

 protected:
  void paintEvent(QPaintEvent* AEvent) override;
  void mouseReleaseEvent(QMouseEvent* AEvent) override;

 private:
  TColor FColor = clWhite;
  IDiagramChooser* FChooser = nullptr;
};

}  // namespace tarnwick
