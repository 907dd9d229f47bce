#include "diagram/view/actions/DiagramAction.h"

#include <QtDebug>
#include <exception>

#include "diagram/view/Diagram.h"
#include "platform/core/ComponentWatch.h"
#include "platform/core/ErrorOf.h"
#include "platform/core/Exception.h"

namespace tarnwick {

TDiagramAction::TDiagramAction(QObject* AParent) : QAction(AParent), FWatch(MakeOwned<TComponentWatch>()) {
  FWatch->OnFreed = [this](TComponent* AComponent) {
    if (AComponent == FDiagram) FDiagram = nullptr;
  };
  connect(this, &QAction::triggered, this, [this] { Triggered(); });
}

TDiagramAction::~TDiagramAction() = default;

void TDiagramAction::SetDiagram(TdvDiagram* Value) {
  if (Value == FDiagram) return;
  if (FDiagram) FWatch->Unwatch(FDiagram);
  FDiagram = Value;
  if (FDiagram) FWatch->Watch(FDiagram);
}

bool TDiagramAction::Execute() { return false; }

bool TDiagramAction::Update() { return true; }

void TDiagramAction::SetHint(const QString& Value) {
  FHint = Value;
  const qsizetype bar = Value.indexOf(u'|');
  setToolTip(bar < 0 ? Value : Value.left(bar));
  setStatusTip(bar < 0 ? Value : Value.mid(bar + 1));
}

void TDiagramAction::Triggered() {
  const std::optional<QString> message = ErrorOf([this] { Execute(); });
  if (!message) return;
  if (OnError)
    OnError(*message);
  else
    qWarning().noquote() << *message;
}

}  // namespace tarnwick
