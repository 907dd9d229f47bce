// The file commands and the close guard. A document's name changes only once it has been
// read or written: a failed open keeps the open document and its name, and a failed save
// never points a later Save at a file that holds something else.
#include <QFileInfo>

#include "diagram/view/Diagram.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorQuestions.h"

namespace tarnwick {

void TdmDgrEditorActions::NewDiagram() {
  if (!FDiagram) return;
  if (FModified && Questions().Ask(QStringLiteral("Create new diagram and discard changes?"), false) != TAnswer::Yes)
    return;
  FDiagram->CloseEditor(false);
  SetCurrentDiagramFileName(QString());
  FDiagram->Clear(true);
  // The program's own view settings are not part of a document: they come back.
  if (OnDiagramCleared) OnDiagramCleared();
  // Undo must not bring the discarded document back.
  FDiagram->ClearUndoStack();
  SetModified(false);
  FNewDiagram = true;
}

void TdmDgrEditorActions::OpenDiagram() {
  if (!FDiagram) return;
  const std::optional<QString> name = Questions().ChooseOpenFile();
  if (name) OpenAsking(*name);
}

bool TdmDgrEditorActions::OpenAsking(const QString& AFileName) {
  if (FModified &&
      Questions().Ask(QStringLiteral("Open new diagram and discard current changes?"), false) != TAnswer::Yes)
    return true;
  return OpenFile(AFileName);
}

bool TdmDgrEditorActions::RestoreRecovered(const QString& ARecoveredFile, const QString& AFileName) {
  if (!LoadDocument(ARecoveredFile)) return false;
  // The document belongs to its own file (or to none); it has not been saved there.
  FDiagram->SetDocumentFileName(AFileName);
  SetCurrentDiagramFileName(AFileName);
  FNewDiagram = AFileName.isEmpty();
  SetModified(true);
  return true;
}

bool TdmDgrEditorActions::LoadDocument(const QString& AFileName) {
  if (!FDiagram) return false;
  FDiagram->CloseEditor(false);
  // A document that does not read leaves the diagram as it was.
  return Report([&] { FDiagram->LoadFromFile(AFileName); });
}

bool TdmDgrEditorActions::OpenFile(const QString& AFileName) {
  if (!LoadDocument(AFileName)) return false;
  SetCurrentDiagramFileName(AFileName);
  SetModified(false);
  FNewDiagram = false;
  if (OnDocumentNamed) OnDocumentNamed(AFileName);
  return true;
}

bool TdmDgrEditorActions::SaveTo(const QString& AFileName) {
  // The file is replaced atomically: a failed save keeps what was on disk.
  if (!Report([&] { FDiagram->SaveToFile(AFileName); })) return false;
  SetCurrentDiagramFileName(AFileName);
  SetModified(false);
  FNewDiagram = false;
  if (OnDocumentNamed) OnDocumentNamed(AFileName);
  return true;
}

bool TdmDgrEditorActions::SavedByProgram() {
  if (!OnSaveDiagram) return false;
  OnSaveDiagram();
  SetModified(false);
  FNewDiagram = false;
  return true;
}

bool TdmDgrEditorActions::SaveDiagram() {
  if (!FDiagram) return false;
  FDiagram->CloseEditor(true);
  if (SavedByProgram()) return true;
  if (FCurrentDiagramFileName.isEmpty()) return SaveDiagramAs();
  return SaveTo(FCurrentDiagramFileName);
}

bool TdmDgrEditorActions::SaveDiagramAs() {
  if (!FDiagram) return false;
  FDiagram->CloseEditor(true);
  if (SavedByProgram()) return true;
  const std::optional<QString> name = Questions().ChooseSaveFile(FCurrentDiagramFileName);
  if (!name) return false;
  return SaveTo(WithDiagramExtension(*name));
}

bool TdmDgrEditorActions::CanClose() {
  // A text being typed is part of the document: it is taken before asking, so the answer
  // covers it and Yes saves it.
  if (FDiagram) FDiagram->CloseEditor(true);
  if (!FModified) return true;
  switch (Questions().Ask(QStringLiteral("Save changes to the current diagram?"), true)) {
    case TAnswer::Yes:
      SaveDiagram();
      return !FModified;
    case TAnswer::No:
      return true;
    case TAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace tarnwick
