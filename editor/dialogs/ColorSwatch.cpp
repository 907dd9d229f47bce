#include "editor/dialogs/ColorSwatch.h"

#include <QMouseEvent>
#include <QPainter>

#include "diagram/view/actions/DiagramChooser.h"
#include "platform/gui/ColorUtils.h"

namespace tarnwick {

TColorSwatch::TColorSwatch(QWidget* AParent) : QFrame(AParent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setCursor(Qt::PointingHandCursor);
  setFixedSize(48, 24);
}

void TColorSwatch::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  update();
}

void TColorSwatch::paintEvent(QPaintEvent* AEvent) {
  QFrame::paintEvent(AEvent);
  QPainter painter(this);
  painter.fillRect(contentsRect(), ColorToQColor(FColor));
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent* AEvent) {
  if (AEvent->button() != Qt::LeftButton || !rect().contains(AEvent->position().toPoint())) return;
  IDiagramChooser& chooser = FChooser ? *FChooser : DefaultDiagramChooser();
  const std::optional<TColor> chosen = chooser.ChooseColor(FColor);
  if (!chosen) return;
  SetColor(*chosen);
  if (OnColorChosen) OnColorChosen(*chosen);
}

}  // namespace tarnwick
