#include "editor/selectors/StyleSelectors.h"

#include <QPainter>
#include <QPixmap>
#include <array>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/actions/SelectionTargets.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

constexpr std::array<TPenStyle, 5> PenStyles = {psSolid, psDot, psDash, psDashDot, psDashDotDot};
constexpr std::array<TBrushStyle, 7> BrushStyles = {bsSolid,     bsClear, bsHorizontal, bsVertical,
                                                    bsFDiagonal, bsCross, bsDiagCross};

QIcon SampleLine(Qt::PenStyle AStyle, int AWidth) {
  QPixmap pixmap(48, 12);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::black, AWidth, AStyle, Qt::FlatCap));
  painter.drawLine(2, 6, 46, 6);
  return QIcon(pixmap);
}

QIcon BrushSample(Qt::BrushStyle AStyle) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.setBrush(QBrush(AStyle == Qt::SolidPattern ? QColor(Qt::gray) : QColor(Qt::black), AStyle));
  painter.drawRect(0, 0, 15, 15);
  return QIcon(pixmap);
}

bool IsBlock(TDiagramControl* AControl) { return dynamic_cast<TCustomDiagramBlock*>(AControl) != nullptr; }
bool IsBlockOrLine(TDiagramControl* AControl) {
  return IsBlock(AControl) || dynamic_cast<TCustomDiagramLine*>(AControl) != nullptr;
}

TPen* PenOf(TDiagramControl* AControl) {
  if (auto* block = dynamic_cast<TCustomDiagramBlock*>(AControl)) return block->GetPen();
  if (auto* line = dynamic_cast<TCustomDiagramLine*>(AControl)) return line->GetPen();
  return nullptr;
}

// Applies AChange to the pens of the selected blocks and to both pens of the selected
// lines, as one step labelled ALabel.
template <class F>
void ApplyToPens(TdvDiagram& ADiagram, const QString& ALabel, F AChange) {
  const auto blocks = SelectedPlainBlocks(ADiagram);
  const auto lines = SelectedLines(ADiagram);
  if (blocks.empty() && lines.empty()) return;
  TDiagramUpdate operation(ADiagram, ALabel);
  for (TCustomDiagramBlock* block : blocks) AChange(*block->GetPen());
  for (TCustomDiagramLine* line : lines) {
    AChange(*line->GetPen());
    AChange(*line->GetSelPen());
  }
  ADiagram.Modified();
}

}  // namespace

TDiagramControl* FirstSelected(TdvDiagram* ADiagram, bool (*AFilter)(TDiagramControl*)) {
  if (!ADiagram) return nullptr;
  for (TDiagramControl* control : SelectedNonGroups(*ADiagram))
    if (AFilter(control)) return control;
  return nullptr;
}

// ---- Pen style ----

TDgrPenStyleSelector::TDgrPenStyleSelector(QWidget* AParent) : TDgrCustomSelector(AParent) {
  setToolTip(QStringLiteral("Line style"));
  SetColumns(1);
  const std::array<const char*, 5> hints = {"Solid", "Dot", "Dash", "Dash Dot", "Dash Dot Dot"};
  const std::array<Qt::PenStyle, 5> samples = {Qt::SolidLine, Qt::DotLine, Qt::DashLine, Qt::DashDotLine,
                                               Qt::DashDotDotLine};
  std::vector<TDgrSelectorItem> items;
  for (size_t i = 0; i < hints.size(); ++i) {
    TDgrSelectorItem item;
    item.ItemType = itFullWidthButton;
    item.Hint = QString::fromLatin1(hints[i]);
    item.ImageIndex = static_cast<int>(i);
    item.Icon = SampleLine(samples[i], 1);
    items.push_back(item);
  }
  SetTools(std::move(items));
}

void TDgrPenStyleSelector::Apply(TdvDiagram& ADiagram) {
  const int index = GetSelectedIndex();
  const TPenStyle style = index >= 0 && index < static_cast<int>(PenStyles.size()) ? PenStyles[index] : psSolid;
  ApplyToPens(ADiagram, QStringLiteral("pen style"), [style](TPen& APen) { APen.SetStyle(style); });
}

void TDgrPenStyleSelector::Sync() {
  if (TPen* pen = PenOf(FirstSelected(GetDiagram(), IsBlockOrLine)))
    for (size_t i = 0; i < PenStyles.size(); ++i)
      if (PenStyles[i] == pen->GetStyle()) SetSelectedIndex(static_cast<int>(i));
}

// ---- Brush style ----

TDgrBrushStyleSelector::TDgrBrushStyleSelector(QWidget* AParent) : TDgrCustomSelector(AParent) {
  setToolTip(QStringLiteral("Brush style"));
  SetColumns(4);
  const std::array<const char*, 7> hints = {"Solid",    "Clear", "Horizontal",    "Vertical",
                                            "Diagonal", "Cross", "Diagonal Cross"};
  const std::array<Qt::BrushStyle, 7> samples = {Qt::SolidPattern,    Qt::NoBrush,      Qt::HorPattern,
                                                 Qt::VerPattern,      Qt::FDiagPattern, Qt::CrossPattern,
                                                 Qt::DiagCrossPattern};
  std::vector<TDgrSelectorItem> items;
  for (size_t i = 0; i < hints.size(); ++i) {
    TDgrSelectorItem item;
    item.Hint = QString::fromLatin1(hints[i]);
    item.Value = QString::number(static_cast<int>(BrushStyles[i]));
    item.Icon = BrushSample(samples[i]);
    items.push_back(item);
  }
  SetTools(std::move(items));
}

void TDgrBrushStyleSelector::Apply(TdvDiagram& ADiagram) {
  const auto blocks = SelectedPlainBlocks(ADiagram);
  if (blocks.empty()) return;
  const int index = GetSelectedIndex();
  const TBrushStyle style = index >= 0 && index < static_cast<int>(BrushStyles.size()) ? BrushStyles[index] : bsClear;
  TDiagramUpdate operation(ADiagram, QStringLiteral("brush style"));
  for (TCustomDiagramBlock* block : blocks) {
    if (FBrushAutoColor) {
      block->GetBrush()->SetColor(block->GetPen()->GetColor());
      block->GetSelBrush()->SetColor(block->GetPen()->GetColor());
    }
    block->GetBrush()->SetStyle(style);
    block->GetSelBrush()->SetStyle(style);
  }
  ADiagram.Modified();
}

void TDgrBrushStyleSelector::Sync() {
  if (auto* block = dynamic_cast<TCustomDiagramBlock*>(FirstSelected(GetDiagram(), IsBlock)))
    for (size_t i = 0; i < BrushStyles.size(); ++i)
      if (BrushStyles[i] == block->GetBrush()->GetStyle()) SetSelectedIndex(static_cast<int>(i));
}

// ---- Pen width ----

TDgrPenWidthSelector::TDgrPenWidthSelector(QWidget* AParent) : TDgrCustomSelector(AParent) {
  setToolTip(QStringLiteral("Line width"));
  SetColumns(1);
  std::vector<TDgrSelectorItem> items;
  for (int width = 1; width <= 9; ++width) {
    TDgrSelectorItem item;
    item.ItemType = itFullWidthButton;
    item.Caption = QStringLiteral("%1 pt").arg(width);
    item.Value = QString::number(width);
    item.Icon = SampleLine(Qt::SolidLine, width);
    items.push_back(item);
  }
  SetTools(std::move(items));
}

void TDgrPenWidthSelector::Apply(TdvDiagram& ADiagram) {
  const int index = GetSelectedIndex();
  bool ok = false;
  int width = index >= 0 && index < static_cast<int>(GetTools().size()) ? GetTools()[index].Value.toInt(&ok) : 1;
  if (!ok) width = 1;
  ApplyToPens(ADiagram, QStringLiteral("pen width"), [width](TPen& APen) { APen.SetWidth(width); });
}

void TDgrPenWidthSelector::Sync() {
  if (TPen* pen = PenOf(FirstSelected(GetDiagram(), IsBlockOrLine)))
    if (pen->GetWidth() >= 1 && pen->GetWidth() <= 9) SetSelectedIndex(pen->GetWidth() - 1);
}

// ---- Transparency ----

TDgrTransparencySelector::TDgrTransparencySelector(QWidget* AParent) : TDgrCustomSelector(AParent) {
  setToolTip(QStringLiteral("Transparency"));
  SetColumns(5);
  std::vector<TDgrSelectorItem> items;
  for (int i = 0; i < 10; ++i) {
    // The hint names the transparency the item applies, and its swatch darkens with it.
    TDgrSelectorItem item;
    item.Hint = QStringLiteral("%1%").arg(i * 10);
    item.Value = QString::number(i * 10);
    const int grey = qRound(i * 25.5);
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(grey, grey, grey));
    item.Icon = QIcon(pixmap);
    items.push_back(item);
  }
  SetTools(std::move(items));
}

void TDgrTransparencySelector::Apply(TdvDiagram& ADiagram) {
  const auto blocks = SelectedPlainBlocks(ADiagram);
  const auto lines = SelectedLines(ADiagram);
  if (blocks.empty() && lines.empty()) return;
  const int index = GetSelectedIndex();
  const int transparency = index >= 0 && index < 10 ? index * 10 : 0;
  TDiagramUpdate operation(ADiagram, QStringLiteral("transparency"));
  for (TCustomDiagramBlock* block : blocks) block->SetTransparency(transparency);
  for (TCustomDiagramLine* line : lines) line->SetTransparency(transparency);
  ADiagram.Modified();
}

void TDgrTransparencySelector::Sync() {
  if (TDiagramControl* control = FirstSelected(GetDiagram(), IsBlockOrLine))
    if (const int t = control->GetTransparency(); t >= 0 && t <= 90 && t % 10 == 0) SetSelectedIndex(t / 10);
}

}  // namespace tarnwick
