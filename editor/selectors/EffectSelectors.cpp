#include "editor/selectors/EffectSelectors.h"

#include <QPainter>
#include <QPixmap>
#include <array>
#include <cstdlib>

#include "diagram/model/CustomBlock.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/actions/DiagramChooser.h"
#include "diagram/view/actions/SelectionTargets.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

namespace {

TDgrSelectorItem FullWidth(const QString& ACaption, const QString& AValue = QString()) {
  TDgrSelectorItem item;
  item.ItemType = itFullWidthButton;
  item.Caption = item.Hint = ACaption;
  item.Value = AValue;
  return item;
}

// A square with its shadow thrown towards (ADx, ADy).
QIcon ShadowImage(int ADx, int ADy) {
  QPixmap pixmap(20, 20);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QRect body(5, 5, 10, 10);
  painter.fillRect(body.translated(ADx * 3, ADy * 3), QColor(128, 128, 128));
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(body);
  return QIcon(pixmap);
}

QIcon GradientSwatch(const TDiagramGradient& AGradient, TGradientDirection ADirection) {
  QPixmap pixmap(18, 18);
  pixmap.fill(Qt::white);
  {
    QPainter painter(&pixmap);
    TCanvas canvas(&painter);
    TOwned<TDiagramGradient> sample = MakeOwned<TDiagramGradient>();
    sample->Assign(const_cast<TDiagramGradient*>(&AGradient));
    sample->SetDirection(ADirection);
    sample->SetVisible(true);
    sample->DrawGradient(canvas, TSquare{0, 0, 18, 18}, 0);
  }
  return QIcon(pixmap);
}

}  // namespace

// ---- Shadow ----

TDgrShadowSelector::TDgrShadowSelector(QWidget* AParent)
    : TDgrCustomSelector(AParent), FShadow(MakeOwned<TBlockShadow>()) {
  setToolTip(QStringLiteral("Shadow"));
  SetColumns(4);
  BuildItems();
}

TDgrShadowSelector::~TDgrShadowSelector() = default;

void TDgrShadowSelector::BuildItems() {
  std::vector<TDgrSelectorItem> items;
  TDgrSelectorItem none = FullWidth(QStringLiteral("No Shadow"));
  none.Icon = ShadowImage(0, 0);
  items.push_back(none);
  const std::array<const char*, 4> hints = {"Shadow Style 1", "Shadow Style 2", "Shadow Style 5", "Shadow Style 6"};
  const std::array<QPoint, 4> directions = {QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1)};
  for (size_t i = 0; i < hints.size(); ++i) {
    TDgrSelectorItem item;
    item.Hint = QString::fromLatin1(hints[i]);
    item.ImageIndex = static_cast<int>(i);
    item.Icon = ShadowImage(directions[i].x(), directions[i].y());
    items.push_back(item);
  }
  if (FShowSettingsOption && FEditor) items.push_back(FullWidth(QStringLiteral("Shadow Settings"), "settings"));
  SetTools(std::move(items));
}

void TDgrShadowSelector::SetShowSettingsOption(bool Value) {
  FShowSettingsOption = Value;
  BuildItems();
}

void TDgrShadowSelector::SetShadowEditor(TShadowEditor AEditor) {
  FEditor = std::move(AEditor);
  BuildItems();
}

int TDgrShadowSelector::IndexOfShadow(const TBlockShadow& AShadow) {
  const int h = AShadow.GetHOffset();
  const int v = AShadow.GetVOffset();
  if (!AShadow.GetVisible()) return 0;
  if (h <= 0 && v <= 0) return 1;
  if (h < 0 || v > 0) return h > 0 || v < 0 ? 4 : 3;
  return 2;
}

bool TDgrShadowSelector::Prepare(int& AIndex) {
  if (AIndex < 0 || AIndex >= static_cast<int>(GetTools().size())) return true;
  if (GetTools()[AIndex].Value == QLatin1String("settings")) {
    // The editor works on a copy: a cancelled edit leaves the selector's shadow alone.
    TOwned<TBlockShadow> edited = MakeOwned<TBlockShadow>();
    edited->Assign(FShadow.get());
    if (!FEditor || !FEditor(*edited)) return false;
    FShadow->Assign(edited.get());
    AIndex = IndexOfShadow(*FShadow);
    return true;
  }
  if (AIndex == 0) {
    FShadow->SetVisible(false);
    return true;
  }
  const int h = std::abs(FShadow->GetHOffset());
  const int v = std::abs(FShadow->GetVOffset());
  FShadow->SetHOffset(AIndex == 1 || AIndex == 3 ? -h : h);
  FShadow->SetVOffset(AIndex <= 2 ? -v : v);
  FShadow->SetVisible(true);
  return true;
}

void TDgrShadowSelector::Apply(TdvDiagram& ADiagram) {
  const auto blocks = SelectedPlainBlocks(ADiagram);
  if (blocks.empty()) return;
  TDiagramUpdate operation(ADiagram, QStringLiteral("shadow"));
  for (TCustomDiagramBlock* block : blocks) block->SetShadow(FShadow.get());
  ADiagram.Modified();
}

// ---- Gradient ----

TDgrGradientDirectionSelector::TDgrGradientDirectionSelector(QWidget* AParent)
    : TDgrCustomSelector(AParent), FGradient(MakeOwned<TDiagramGradient>()) {
  setToolTip(QStringLiteral("Gradient"));
  SetColumns(7);
  FGradient->SetStartColor(clWhite);
  FGradient->SetEndColor(0x808080);
  FGradient->SetDirection(grTopBottom);
  FGradient->SetVisible(true);
  BuildItems();
}

TDgrGradientDirectionSelector::~TDgrGradientDirectionSelector() = default;

void TDgrGradientDirectionSelector::BuildItems() {
  std::vector<TDgrSelectorItem> items;
  items.push_back(FullWidth(QStringLiteral("No Gradient"), QStringLiteral("no")));
  for (int direction = grTopBottom; direction <= grVertOutIn; ++direction) {
    TDgrSelectorItem item;
    item.Value = QString::number(direction);
    item.Icon = GradientSwatch(*FGradient, static_cast<TGradientDirection>(direction));
    items.push_back(item);
  }
  items.push_back(FullWidth(QStringLiteral("Choose Start Color"), QStringLiteral("start")));
  items.push_back(FullWidth(QStringLiteral("Choose End Color"), QStringLiteral("end")));
  if (FEditor) items.push_back(FullWidth(QStringLiteral("More Gradients..."), QStringLiteral("more")));
  SetTools(std::move(items));
}

void TDgrGradientDirectionSelector::SetGradientEditor(TGradientEditor AEditor) {
  FEditor = std::move(AEditor);
  BuildItems();
}

int TDgrGradientDirectionSelector::IndexOfGradient() const {
  return FGradient->GetVisible() ? 1 + static_cast<int>(FGradient->GetDirection()) : 0;
}

bool TDgrGradientDirectionSelector::Prepare(int& AIndex) {
  if (AIndex < 0 || AIndex >= static_cast<int>(GetTools().size())) return true;
  const QString value = GetTools()[AIndex].Value;
  if (value == QLatin1String("no")) {
    FGradient->SetVisible(false);
    return true;
  }
  if (value == QLatin1String("start") || value == QLatin1String("end")) {
    const bool start = value == QLatin1String("start");
    IDiagramChooser& chooser = FChooser ? *FChooser : DefaultDiagramChooser();
    const std::optional<TColor> color =
        chooser.ChooseColor(start ? FGradient->GetStartColor() : FGradient->GetEndColor());
    if (!color) return false;
    if (start)
      FGradient->SetStartColor(*color);
    else
      FGradient->SetEndColor(*color);
    BuildItems();  // the swatches show the new colours
    AIndex = IndexOfGradient();
    return true;
  }
  if (value == QLatin1String("more")) {
    TOwned<TDiagramGradient> edited = MakeOwned<TDiagramGradient>();
    edited->Assign(FGradient.get());
    if (!FEditor || !FEditor(*edited)) return false;
    FGradient->Assign(edited.get());
    BuildItems();
    AIndex = IndexOfGradient();
    return true;
  }
  FGradient->SetDirection(static_cast<TGradientDirection>(value.toInt()));
  FGradient->SetVisible(true);
  return true;
}

void TDgrGradientDirectionSelector::Apply(TdvDiagram& ADiagram) {
  const auto blocks = SelectedPlainBlocks(ADiagram);
  if (blocks.empty()) return;
  TDiagramUpdate operation(ADiagram, QStringLiteral("gradient"));
  for (TCustomDiagramBlock* block : blocks) block->SetGradient(FGradient.get());
  ADiagram.Modified();
}

}  // namespace tarnwick
