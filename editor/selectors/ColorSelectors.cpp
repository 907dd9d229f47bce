#include "editor/selectors/ColorSelectors.h"

#include <QPainter>
#include <QPixmap>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/actions/SelectionTargets.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

const std::vector<TColor>& SelectorPaletteColors() {
  static const std::vector<TColor> colors = {
      RGB(0, 0, 0),       RGB(153, 51, 0),    RGB(51, 51, 0),     RGB(0, 51, 0),      RGB(0, 51, 102),
      RGB(0, 0, 128),     RGB(51, 51, 53),    RGB(51, 51, 51),    RGB(128, 0, 0),     RGB(255, 102, 0),
      RGB(128, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 128),   RGB(0, 0, 255),     RGB(102, 102, 153),
      RGB(128, 128, 128), RGB(255, 0, 0),     RGB(255, 153, 0),   RGB(153, 204, 0),   RGB(51, 153, 102),
      RGB(51, 204, 204),  RGB(51, 102, 255),  RGB(128, 0, 128),   RGB(153, 153, 153), RGB(255, 0, 255),
      RGB(255, 204, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),     RGB(0, 255, 255),   RGB(0, 204, 255),
      RGB(153, 51, 102),  RGB(192, 192, 192), RGB(255, 153, 204), RGB(255, 204, 153), RGB(255, 255, 153),
      RGB(204, 255, 204), RGB(204, 255, 255), RGB(153, 204, 255), RGB(204, 153, 255), RGB(255, 255, 255)};
  return colors;
}

QIcon SwatchIcon(TColor AColor, int ASize) {
  QPixmap pixmap(ASize, ASize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QColor(128, 128, 128));
  if (AColor == clNone) {
    painter.drawRect(0, 0, ASize - 1, ASize - 1);
    painter.drawLine(0, 0, ASize - 1, ASize - 1);
  } else {
    painter.setBrush(ColorToQColor(AColor));
    painter.drawRect(0, 0, ASize - 1, ASize - 1);
  }
  return QIcon(pixmap);
}

// ---- The colour selector family ----

TDgrCustomColorSelector::TDgrCustomColorSelector(QWidget* AParent) : TDgrCustomSelector(AParent) {
  SetColumns(8);
  BuildItems();
}

void TDgrCustomColorSelector::BuildItems() {
  std::vector<TDgrSelectorItem> items;
  TDgrSelectorItem automatic;
  automatic.ItemType = itFullWidthButton;
  automatic.Caption = automatic.Hint = QStringLiteral("Automatic");
  automatic.BackGroundColor = clBlack;
  automatic.Icon = SwatchIcon(clBlack);
  items.push_back(automatic);
  for (TColor color : SelectorPaletteColors()) {
    TDgrSelectorItem swatch;
    swatch.BackGroundColor = color;
    swatch.Icon = SwatchIcon(color);
    if (FShowRGBHint)
      swatch.Hint = QStringLiteral("RGB(%1, %2, %3)").arg(GetRValue(color)).arg(GetGValue(color)).arg(GetBValue(color));
    items.push_back(swatch);
  }
  if (FShowMoreColors) {
    TDgrSelectorItem more;
    more.ItemType = itFullWidthButton;
    more.Caption = QStringLiteral("More Colors...");
    more.Hint = QStringLiteral("More Colors");
    more.Value = QString::fromLatin1(MoreColorsValue);
    items.push_back(more);
  }
  SetTools(std::move(items));
}

void TDgrCustomColorSelector::SetSelectedColor(TColor Value) {
  FSelectedColor = Value;
  UpdateFace();
}

void TDgrCustomColorSelector::SetShowSelectedColor(bool Value) {
  FShowSelectedColor = Value;
  UpdateFace();
}

void TDgrCustomColorSelector::SetShowRGBHint(bool Value) {
  if (FShowRGBHint == Value) return;
  FShowRGBHint = Value;
  BuildItems();
}

void TDgrCustomColorSelector::SetShowMoreColors(bool Value) {
  if (FShowMoreColors == Value) return;
  FShowMoreColors = Value;
  BuildItems();
}

bool TDgrCustomColorSelector::Prepare(int& AIndex) {
  const auto& tools = GetTools();
  if (AIndex < 0 || AIndex >= static_cast<int>(tools.size())) return true;
  const TDgrSelectorItem& item = tools[AIndex];
  if (item.Value == QLatin1String(MoreColorsValue)) {
    if (!OnMoreColorsOption) return false;
    TColor color = FSelectedColor;
    bool accept = false;
    OnMoreColorsOption(this, color, accept);
    if (!accept) return false;
    SetSelectedColor(color);
    return true;
  }
  if (item.BackGroundColor != clNone) SetSelectedColor(item.BackGroundColor);
  return true;
}

QIcon TDgrCustomColorSelector::FaceIcon() const {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QColor color = FShowSelectedColor && FSelectedColor != clNone ? ColorToQColor(FSelectedColor) : QColor();
  PaintGlyph(painter, color);
  return QIcon(pixmap);
}

void TDgrCustomColorSelector::PaintGlyph(QPainter& APainter, const QColor& AColor) const {
  // A filled shape: the fill colour.
  APainter.setPen(QColor(64, 64, 64));
  APainter.setBrush(AColor.isValid() ? AColor : QColor(Qt::white));
  APainter.drawRoundedRect(1, 1, 13, 13, 3, 3);
}

TDgrColorSelector::TDgrColorSelector(QWidget* AParent) : TDgrCustomColorSelector(AParent) {
  setToolTip(QStringLiteral("Shape color"));
}

void TDgrColorSelector::Apply(TdvDiagram& ADiagram) {
  if (GetSelectedColor() == clNone) return;  // nothing chosen yet
  const auto blocks = SelectedPlainBlocks(ADiagram);
  if (blocks.empty()) return;
  TDiagramUpdate operation(ADiagram, QStringLiteral("color"));
  for (TCustomDiagramBlock* block : blocks) {
    block->SetColor(GetSelectedColor());
    block->SetSelColor(GetSelectedColor());
  }
  ADiagram.Modified();
}

TDgrPenColorSelector::TDgrPenColorSelector(QWidget* AParent) : TDgrCustomColorSelector(AParent) {
  setToolTip(QStringLiteral("Line color"));
  UpdateFace();
}

void TDgrPenColorSelector::Apply(TdvDiagram& ADiagram) {
  if (GetSelectedColor() == clNone) return;  // nothing chosen yet
  const auto blocks = SelectedPlainBlocks(ADiagram);
  const auto lines = SelectedLines(ADiagram);
  if (blocks.empty() && lines.empty()) return;
  TDiagramUpdate operation(ADiagram, QStringLiteral("pen color"));
  for (TCustomDiagramBlock* block : blocks) block->GetPen()->SetColor(GetSelectedColor());
  for (TCustomDiagramLine* line : lines) {
    line->GetPen()->SetColor(GetSelectedColor());
    line->GetSelPen()->SetColor(GetSelectedColor());
  }
  ADiagram.Modified();
}

void TDgrPenColorSelector::PaintGlyph(QPainter& APainter, const QColor& AColor) const {
  APainter.setPen(QPen(QColor(64, 64, 64), 1));
  APainter.drawLine(2, 10, 10, 2);
  APainter.fillRect(0, 12, 16, 4, AColor.isValid() ? AColor : QColor(Qt::black));
}

TDgrTextColorSelector::TDgrTextColorSelector(QWidget* AParent) : TDgrCustomColorSelector(AParent) {
  setToolTip(QStringLiteral("Text color"));
  UpdateFace();
}

void TDgrTextColorSelector::Apply(TdvDiagram& ADiagram) {
  if (GetSelectedColor() == clNone) return;  // nothing chosen yet
  const auto controls = SelectedNonGroups(ADiagram);
  if (controls.empty()) return;
  TDiagramUpdate operation(ADiagram, QStringLiteral("text color"));
  for (TDiagramControl* control : controls) control->GetFont()->SetColor(GetSelectedColor());
  ADiagram.Modified();
}

void TDgrTextColorSelector::PaintGlyph(QPainter& APainter, const QColor& AColor) const {
  QFont font = APainter.font();
  font.setBold(true);
  font.setPixelSize(11);
  APainter.setFont(font);
  APainter.setPen(QColor(32, 32, 32));
  APainter.drawText(QRect(0, 0, 16, 12), Qt::AlignCenter, QStringLiteral("A"));
  APainter.fillRect(0, 12, 16, 4, AColor.isValid() ? AColor : QColor(Qt::black));
}

}  // namespace tarnwick
