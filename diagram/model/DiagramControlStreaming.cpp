// How a control travels in object streams: its class record, its custom properties, and
// joining the diagram it is read into.
#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "platform/core/Properties.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace tarnwick {

// The base publishes nothing of its own: each kind publishes its set (blocks, lines, ...).
const TClassInfo& TDiagramControl::StaticClassInfo() {
  static const TClassInfo info("TDiagramControl", &TComponent::StaticClassInfo(), {});
  return info;
}

void TDiagramControl::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  Filer->DefineProperty(
      QStringLiteral("DControlID"), [this](TReader& R) { FDControlID = R.ReadString(); },
      [this](TWriter& W) { W.WriteString(GetDControlID()); }, HasCustomDControlID());
  Filer->DefineProperty(
      QStringLiteral("Collapsed"), [this](TReader& R) { FCollapsed = R.ReadBoolean(); },
      [this](TWriter& W) { W.WriteBoolean(FCollapsed); }, true);
}

void TDiagramControl::ReadState(TReader* Reader) {
  TComponent::ReadState(Reader);
  // The record is in; the control now joins the diagram whose children are being read.
  if (TdvDiagram* diagram = DiagramFromComponent(Reader->GetParent())) SetDiagram(diagram);
}

void TDiagramControl::Loaded() {
  TComponent::Loaded();
  if (FDiagramFont) ApplyDiagramFont();
  SyncAngle();
}

TComponent* TDiagramControl::GetParentComponent() const { return FHost ? FHost->GetHostComponent() : nullptr; }

void TDiagramControl::SetParentComponent(TComponent* Value) {
  if (IsLoading()) return;
  if (TdvDiagram* diagram = DiagramFromComponent(Value)) SetDiagram(diagram);
}

}  // namespace tarnwick
