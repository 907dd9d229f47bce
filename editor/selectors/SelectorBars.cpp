#include "editor/selectors/SelectorBars.h"

#include <QTimer>
#include <QToolBar>

#include "editor/selectors/ColorSelectors.h"
#include "editor/selectors/ComboSelectors.h"
#include "editor/selectors/EffectSelectors.h"
#include "editor/selectors/StyleSelectors.h"

namespace tarnwick {

namespace {

QToolBar* NewBar(QWidget* AParent, const char* AName, const QString& ATitle) {
  auto* bar = new QToolBar(ATitle, AParent);
  bar->setObjectName(QString::fromLatin1(AName));
  bar->setIconSize(QSize(16, 16));
  return bar;
}

}  // namespace

std::vector<TDgrCustomSelector*> TSelectorBars::Buttons() const {
  return {ShapeColor, Gradient, BrushStyle, Shadow, LineStyle, LineColor, Transparency, LineWidth, TextColor};
}

std::vector<TDgrBaseComboBox*> TSelectorBars::Combos() const { return {Zoom, FontName, FontSize, LayerBox}; }

void TSelectorBars::Sync() const {
  for (TDgrCustomSelector* selector : Buttons()) selector->Sync();
  for (TDgrBaseComboBox* combo : Combos()) combo->Sync();
}

void TSelectorBars::SetDiagram(TdvDiagram* ADiagram) const {
  for (TDgrCustomSelector* selector : Buttons()) selector->SetDiagram(ADiagram);
  for (TDgrBaseComboBox* combo : Combos()) combo->SetDiagram(ADiagram);
}

TSelectorBars MakeSelectorBars(QWidget* AParent, TdvDiagram* ADiagram) {
  TSelectorBars bars;
  bars.Row2 = NewBar(AParent, "SelectorToolBar", QStringLiteral("Format"));
  bars.Fonts = NewBar(AParent, "FontToolBar", QStringLiteral("Font"));
  bars.Layer = NewBar(AParent, "LayerToolBar", QStringLiteral("Layer"));

  bars.ShapeColor = new TDgrColorSelector(bars.Row2);
  bars.Gradient = new TDgrGradientDirectionSelector(bars.Row2);
  bars.BrushStyle = new TDgrBrushStyleSelector(bars.Row2);
  bars.Shadow = new TDgrShadowSelector(bars.Row2);
  bars.LineStyle = new TDgrPenStyleSelector(bars.Row2);
  bars.LineColor = new TDgrPenColorSelector(bars.Row2);
  bars.Transparency = new TDgrTransparencySelector(bars.Row2);
  bars.Zoom = new TDgrZoomSelector(bars.Row2);
  bars.LineWidth = new TDgrPenWidthSelector(bars.Row2);
  bars.TextColor = new TDgrTextColorSelector(bars.Row2);
  bars.FontName = new TDgrFontSelector(bars.Fonts);
  bars.FontSize = new TDgrFontSizeSelector(bars.Fonts);
  bars.LayerBox = new TDgrLayerSelector(bars.Layer);

  const std::vector<std::pair<QWidget*, const char*>> row2 = {
      {bars.ShapeColor, "ShapeColorSelector"},     {bars.Gradient, "GradientSelector"},
      {bars.BrushStyle, "BrushStyleSelector"},     {bars.Shadow, "ShadowSelector"},
      {bars.LineStyle, "LineStyleSelector"},       {bars.LineColor, "LineColorSelector"},
      {bars.Transparency, "TransparencySelector"}, {bars.Zoom, "ZoomSelector"},
      {bars.LineWidth, "LineWidthSelector"},       {bars.TextColor, "TextColorSelector"}};
  for (const auto& [widget, name] : row2) {
    widget->setObjectName(QString::fromLatin1(name));
    bars.Row2->addWidget(widget);
  }
  bars.FontName->setObjectName(QStringLiteral("FontNameSelector"));
  bars.FontSize->setObjectName(QStringLiteral("FontSizeSelector"));
  bars.LayerBox->setObjectName(QStringLiteral("LayerSelector"));
  bars.Fonts->addWidget(bars.FontName);
  bars.Fonts->addWidget(bars.FontSize);
  bars.Layer->addWidget(bars.LayerBox);
  bars.SetDiagram(ADiagram);
  // Each selector hears the timer for as long as it lives.
  bars.Idle = new QTimer(bars.Row2);
  bars.Idle->setInterval(250);
  for (TDgrCustomSelector* selector : bars.Buttons())
    QObject::connect(bars.Idle, &QTimer::timeout, selector, [selector] { selector->Sync(); });
  for (TDgrBaseComboBox* combo : bars.Combos())
    QObject::connect(bars.Idle, &QTimer::timeout, combo, [combo] { combo->Sync(); });
  bars.Idle->start();
  bars.Sync();
  return bars;
}

}  // namespace tarnwick
