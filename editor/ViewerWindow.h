#pragma once
// The main window while the program is a viewer: one diagram document, with the menu
// commands a reader needs (open, export, zoom, rulers, grid).
#include <QMainWindow>
#include <QString>

#include "platform/core/Object.h"

namespace tarnwick {

class TComponent;
class TdvDiagram;

class TViewerWindow : public QMainWindow {
 public:
  TViewerWindow();
  ~TViewerWindow() override;

  // Loads a document; on failure the message is shown and the open diagram stays as it was.
  bool OpenFile(const QString& AFileName);
  TdvDiagram* Diagram() const { return FDiagram; }

 private:
  void BuildMenus();
  void ChooseAndOpen();
  void ChooseAndExport();
  void ZoomBy(int APercent);
  void ShowError(const QString& AMessage);

  TOwned<TComponent> FForm;
  TdvDiagram* FDiagram = nullptr;
  QString FFileName;
};

}  // namespace tarnwick
