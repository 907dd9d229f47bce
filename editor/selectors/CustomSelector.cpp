#include "editor/selectors/CustomSelector.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QtDebug>
#include <exception>

#include "diagram/view/Diagram.h"
#include "editor/selectors/SelectorPanel.h"
#include "platform/core/ErrorOf.h"
#include "platform/core/Exception.h"

namespace tarnwick {

TDgrCustomSelector::TDgrCustomSelector(QWidget* AParent) : QWidget(AParent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  FMain = new QToolButton(this);
  FMain->setAutoRaise(true);
  FMain->setIconSize(QSize(16, 16));
  FArrow = new QToolButton(this);
  FArrow->setAutoRaise(true);
  FArrow->setArrowType(Qt::DownArrow);
  FArrow->setFixedWidth(12);
  layout->addWidget(FMain);
  layout->addWidget(FArrow);
  connect(FMain, &QToolButton::clicked, this, [this] { MainClicked(); });
  connect(FArrow, &QToolButton::clicked, this, [this] { PanelOpen() ? ClosePanel() : OpenPanel(); });
  FDiagram.OnCleared = [this] { Sync(); };
}

TDgrCustomSelector::~TDgrCustomSelector() = default;

void TDgrCustomSelector::SetDiagram(TdvDiagram* Value) {
  if (FDiagram.Set(Value)) Sync();
}

void TDgrCustomSelector::SetTools(std::vector<TDgrSelectorItem> Value) {
  FTools = std::move(Value);
  UpdateFace();
}

void TDgrCustomSelector::SetSelectedIndex(int Value) {
  FSelectedIndex = Value < -1 ? -1 : Value;
  UpdateFace();
}

void TDgrCustomSelector::SetDropDownButton(bool Value) {
  FDropDownButton = Value;
  FArrow->setVisible(Value);
}

bool TDgrCustomSelector::PanelOpen() const { return FPanel && FPanel->isVisible(); }

void TDgrCustomSelector::OpenPanel() {
  if (!FPanel) FPanel = new TDgrSelectorPanel(this);
  FPanel->Popup();
}

void TDgrCustomSelector::ClosePanel() {
  if (FPanel) FPanel->hide();
}

void TDgrCustomSelector::MainClicked() {
  if (!FDropDownButton) {
    PanelOpen() ? ClosePanel() : OpenPanel();
    return;
  }
  ApplyCurrent();
}

void TDgrCustomSelector::Pick(int AIndex) {
  ClosePanel();
  Guarded([this, AIndex] {
    int index = AIndex;
    if (!Prepare(index)) return;
    SetSelectedIndex(index);
    if (TdvDiagram* diagram = GetDiagram()) Apply(*diagram);
    if (OnSelect) {
      const bool inRange = index >= 0 && index < static_cast<int>(FTools.size());
      OnSelect(this, index, inRange ? &FTools[index] : nullptr);
    }
  });
}

void TDgrCustomSelector::ApplyCurrent() {
  Guarded([this] {
    if (TdvDiagram* diagram = GetDiagram()) Apply(*diagram);
  });
}

bool TDgrCustomSelector::Prepare(int&) { return true; }

QIcon TDgrCustomSelector::FaceIcon() const {
  if (FSelectedIndex >= 0 && FSelectedIndex < static_cast<int>(FTools.size())) return FTools[FSelectedIndex].Icon;
  return FTools.empty() ? QIcon() : FTools.front().Icon;
}

void TDgrCustomSelector::UpdateFace() {
  FMain->setIcon(FaceIcon());
  const bool inRange = FSelectedIndex >= 0 && FSelectedIndex < static_cast<int>(FTools.size());
  if (inRange && !FTools[FSelectedIndex].Hint.isEmpty()) FMain->setToolTip(FTools[FSelectedIndex].Hint);
}

void TDgrCustomSelector::Guarded(const std::function<void()>& AWork) {
  const std::optional<QString> message = ErrorOf(AWork);
  if (!message) return;
  if (OnError)
    OnError(*message);
  else
    qWarning().noquote() << *message;
}

}  // namespace tarnwick
