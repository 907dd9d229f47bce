#pragma once
// What the program keeps for its user beyond a document: the recent files, the window
// and dock layout between runs, and autosave with recovery after a crash. The shell
// attaches it to its editor window; tests and embedding programs that want none of it
// leave it out.
#include <QObject>
#include <QString>
#include <memory>

class QSettings;

namespace tarnwick {

class TAutosave;
class TRecentFiles;
class TfmDiagramEditor;

class TProgramState : public QObject {
 public:
  // ASettings (borrowed; null: the program's settings) holds the recent files and the
  // layout; autosaved documents go to AAutosaveFolder (empty: the per-user data folder).
  TProgramState(TfmDiagramEditor& AForm, QSettings* ASettings = nullptr, const QString& AAutosaveFolder = QString());
  ~TProgramState() override;

  // Offers the newest document a crashed run left behind; true when it was restored.
  // Declined, it is removed; others stay for a later start.
  bool OfferRecovery();
  TRecentFiles& Recent() const { return *FRecent; }
  TAutosave& Autosave() const { return *FAutosave; }

 private:
  void DocumentChanged();
  void Closed();

  TfmDiagramEditor& FForm;
  std::unique_ptr<QSettings> FOwnSettings;
  QSettings* FSettings;
  QString FFolder;
  TRecentFiles* FRecent;
  TAutosave* FAutosave;
};

}  // namespace tarnwick
