#include "editor/window/EditorSetUp.h"

#include "diagram/printing/PageLines.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramPrinting.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/SnapGrid.h"
#include "editor/printing/PrintCommands.h"
#include "editor/window/AboutMenu.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorWindow.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

void ApplyEditorSetUp(TdvDiagram& ADiagram) {
  ADiagram.GetLeftRuler()->SetVisible(true);
  ADiagram.GetTopRuler()->SetVisible(true);
  TSnapGrid* grid = ADiagram.GetSnapGrid();
  grid->SetStyle(gsRuler);
  grid->GetPen()->SetColor(TColor(0xC0C0C0));
  grid->SetSnapToRuler(true);
  grid->SetVisible(true);
  ADiagram.SetMouseWheelMode(mwVertical);
  ADiagram.SetShowCrossIndicators(true);
  ADiagram.SetColor(TColor(0xFFFFFF));
  ADiagram.GetFont()->SetName(QStringLiteral("Tahoma"));
  ADiagram.SetDragStyle(dsShape);
  ADiagram.SetHandlesStyle(hsVisio);
  ADiagram.SetWheelZoom(true);
  ADiagram.SetAutoPage(true);
  ADiagram.GetPageLines()->SetVisible(true);
  // Last, so the first undo step goes back to a diagram with these settings, not before
  // them.
  ADiagram.ClearUndoStack();
}

void PrepareEditorWindow(TfmDiagramEditor& AForm) {
  ApplyEditorSetUp(*AForm.Diagram());
  TdmDgrEditorActions& actions = *AForm.Actions();
  actions.OnDiagramCleared = [&AForm] { ApplyEditorSetUp(*AForm.Diagram()); };
  // Page lines and page counts follow the current printer from the start.
  AttachDiagramPrinters(*AForm.Diagram());
  actions.OnPageSetup = [&AForm] { ShowPageSetup(&AForm, *AForm.Diagram()); };
  actions.OnPreview = [&AForm] { ShowPrintPreview(&AForm, *AForm.Diagram()); };
  actions.OnPrint = [&AForm] { PrintWithDialog(&AForm, *AForm.Diagram()); };
  AddAboutMenu(AForm);
}

}  // namespace tarnwick
