#pragma once
// The main window: one diagram document with the commands to open, save and export it,
// insert blocks and lines, zoom, and show rulers and grid. The full editor's command set,
// palette and tool windows replace the Insert menu later.
#include <QMainWindow>
#include <QString>
#include <functional>

#include "platform/core/Object.h"

namespace tarnwick {

class TComponent;
class TdvDiagram;
class TDiagramButtons;
class TDiagramToolBar;
struct TClassInfo;

class TViewerWindow : public QMainWindow {
 public:
  TViewerWindow();
  ~TViewerWindow() override;

  // Loads a document; on failure the message is shown and the open diagram stays as it was.
  // With AAsTemplate the document keeps no file name, so saving asks for one (the sample
  // shown at start-up is never overwritten).
  bool OpenFile(const QString& AFileName, bool AAsTemplate = false);
  // Saves in the document's text form; on failure the message is shown, the file on disk
  // stays as it was and false is returned.
  bool SaveFile(const QString& AFileName);
  TdvDiagram* Diagram() const { return FDiagram; }
  TDiagramButtons* Palette() const { return FPalette; }
  TDiagramToolBar* LineBar() const { return FLineBar; }

 private:
  void BuildMenus();
  void ChooseAndOpen();
  void ChooseAndExport();
  bool Save();
  bool ChooseAndSave();
  void NewDocument();
  void InsertControl(const TClassInfo& AClass);
  void UpdateTitle();
  void ZoomBy(int APercent);
  void ShowError(const QString& AMessage);
  // Runs a command; its error is shown instead of reaching the event loop.
  void Reporting(const std::function<void()>& AOperation);

  TOwned<TComponent> FForm;
  TdvDiagram* FDiagram = nullptr;
  TDiagramButtons* FPalette = nullptr;
  TDiagramToolBar* FLineBar = nullptr;
  QString FFileName;
  bool FModified = false;
};

}  // namespace tarnwick
