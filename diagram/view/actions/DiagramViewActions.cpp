#include "diagram/view/actions/DiagramViewActions.h"

#include <algorithm>

#include "diagram/view/Diagram.h"

namespace tarnwick {

// ---- Rulers ----

TDiagramViewRuler::TDiagramViewRuler(QObject* AParent) : TDiagramAction(AParent) { setCheckable(true); }

// The new state comes from the ruler itself, not from the checked mark: the mark may be
// stale (the ruler changed since the last update) or already flipped by the trigger.
bool TDiagramViewRuler::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!diagram) return true;
  const bool show = !Ruler(*diagram)->GetVisible();
  {
    TDiagramUpdate operation(*diagram, UndoLabel());
    Ruler(*diagram)->SetVisible(show);
  }
  setChecked(show);
  return true;
}

bool TDiagramViewRuler::Update() {
  TdvDiagram* diagram = GetDiagram();
  setEnabled(diagram != nullptr);
  setChecked(diagram && Ruler(*diagram)->GetVisible());
  return true;
}

TDiagramRuler* TDiagramViewTopRuler::Ruler(TdvDiagram& ADiagram) const { return ADiagram.GetTopRuler(); }

TDiagramRuler* TDiagramViewLeftRuler::Ruler(TdvDiagram& ADiagram) const { return ADiagram.GetLeftRuler(); }

// ---- Grid ----

TDiagramGrid::TDiagramGrid(QObject* AParent) : TDiagramAction(AParent) { setCheckable(true); }

bool TDiagramGrid::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!diagram) return true;
  const bool show = !diagram->GetSnapGrid()->GetVisible();
  {
    TDiagramUpdate operation(*diagram, QStringLiteral("view snap grid"));
    diagram->GetSnapGrid()->SetVisible(show);
    diagram->Modified();
  }
  setChecked(show);
  return true;
}

bool TDiagramGrid::Update() {
  TdvDiagram* diagram = GetDiagram();
  setEnabled(diagram != nullptr);
  setChecked(diagram && diagram->GetSnapGrid()->GetVisible());
  return true;
}

// ---- Zoom ----

TDiagramSetZoom::TDiagramSetZoom(QObject* AParent) : TDiagramAction(AParent) { SetZoom(100); }

void TDiagramSetZoom::SetZoom(int Value) {
  Value = std::clamp(Value, MinZoom, MaxZoom);
  if (Value == FZoom) return;
  FZoom = Value;
  SetCaption(QString::number(FZoom) + u'%');
}

bool TDiagramSetZoom::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!diagram) return true;
  TDiagramUpdate operation(*diagram, QStringLiteral("zoom"));
  diagram->SetZoom(FZoom);
  return true;
}

bool TDiagramSetZoom::Update() {
  setEnabled(GetDiagram() != nullptr);
  return true;
}

}  // namespace tarnwick
