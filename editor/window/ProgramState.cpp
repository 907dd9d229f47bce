#include "editor/window/ProgramState.h"

#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QSettings>

#include "diagram/view/Diagram.h"
#include "editor/shell/Autosave.h"
#include "editor/shell/RecentFiles.h"
#include "editor/shell/WindowLayout.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorQuestions.h"
#include "editor/window/EditorWindow.h"
#include "platform/core/Stream.h"

namespace tarnwick {

TProgramState::TProgramState(TfmDiagramEditor& AForm, QSettings* ASettings, const QString& AAutosaveFolder)
    : QObject(&AForm), FForm(AForm), FSettings(ASettings) {
  if (!FSettings) {
    // Named here: the program sets no organisation, which keeps its data folder (the
    // user's libraries live there) at ~/.local/share/Tarnwick.
    FOwnSettings = std::make_unique<QSettings>(QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick"));
    FSettings = FOwnSettings.get();
  }
  FFolder = AAutosaveFolder.isEmpty() ? TAutosave::DefaultFolder() : AAutosaveFolder;
  TdmDgrEditorActions& actions = *AForm.Actions();

  FRecent = new TRecentFiles(FSettings, this);
  AForm.FileMenu()->insertMenu(actions.Action(QStringLiteral("acSaveDiagram")), FRecent->Menu());
  FRecent->OnOpen = [this, &actions](const QString& AFile) {
    if (!actions.OpenAsking(AFile)) FRecent->Remove(AFile);
  };

  // The snapshot is the document's text form, the same bytes a save would write.
  FAutosave = new TAutosave(
      [&AForm] {
        TMemoryStream stream;
        AForm.Diagram()->SaveToStream(stream, true);
        return stream.Bytes();
      },
      FFolder, this);
  FAutosave->OnError = [this](const QString& AMessage) {
    FForm.Questions().ShowError(QStringLiteral("The document could not be saved for recovery: %1").arg(AMessage));
  };

  // The module's hooks are chained, so the window's own handling stays.
  auto named = actions.OnDocumentNamed;
  actions.OnDocumentNamed = [this, named](const QString& AFile) {
    if (named) named(AFile);
    FRecent->Add(AFile);
  };
  auto modified = actions.OnModified;
  actions.OnModified = [this, modified] {
    if (modified) modified();
    DocumentChanged();
  };
  auto closed = AForm.OnCloseDesigner;
  AForm.OnCloseDesigner = [this, closed] {
    Closed();
    if (closed) closed();
  };
  AForm.OnBusy = [this](bool ABusy) { FAutosave->SetPaused(ABusy); };
  RestoreWindowLayout(AForm, *FSettings);
}

TProgramState::~TProgramState() = default;

void TProgramState::DocumentChanged() {
  const TdmDgrEditorActions& actions = *FForm.Actions();
  FAutosave->SetDocumentFileName(actions.GetCurrentDiagramFileName());
  FAutosave->SetModified(actions.GetModified());
  // Saved, opened or new: what is on disk (or nothing) is the document; no copy is owed.
  if (!actions.GetModified()) FAutosave->Discard();
}

void TProgramState::Closed() {
  FAutosave->Discard();
  SaveWindowLayout(FForm, *FSettings);
}

bool TProgramState::OfferRecovery() {
  const QList<TRecoveryFile> pending = TAutosave::Pending(FFolder);
  if (pending.isEmpty()) return false;
  const TRecoveryFile& newest = pending.front();
  const QString what = newest.FileName.isEmpty() ? QStringLiteral("an untitled diagram")
                                                 : QFileInfo(newest.FileName).fileName();
  const QString question =
      QStringLiteral("Tarnwick ended without saving %1 (autosaved %2). Restore it?")
          .arg(what, QLocale().toString(newest.Time, QLocale::ShortFormat));
  if (FForm.Questions().Ask(question, false) != TAnswer::Yes) {
    TAutosave::Forget(newest);
    return false;
  }
  if (!FForm.Actions()->RestoreRecovered(newest.Path, newest.FileName)) return false;
  TAutosave::Forget(newest);
  // The restored document is this run's work now: it is autosaved again at once.
  FAutosave->WriteNow();
  return true;
}

}  // namespace tarnwick
