#include "editor/ViewerWindow.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include "diagram/view/Diagram.h"
#include "platform/core/Exception.h"

namespace tarnwick {

TViewerWindow::TViewerWindow() : FForm(Create<TComponent>(nullptr)) {
  FDiagram = Create<TdvDiagram>(FForm.get());
  FDiagram->SetName(QStringLiteral("Diagram"));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  FDiagram->SetParentWidget(central);
  layout->addWidget(FDiagram->GetHandle());
  setCentralWidget(central);
  BuildMenus();
  setWindowTitle(QStringLiteral("Tarnwick"));
  resize(1024, 720);
}

TViewerWindow::~TViewerWindow() = default;

void TViewerWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Open…"), QKeySequence::Open, this, [this] { ChooseAndOpen(); });
  file->addAction(QStringLiteral("&Export…"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                  [this] { ChooseAndExport(); });
  file->addSeparator();
  file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, [this] { close(); });

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->addAction(QStringLiteral("Zoom &In"), QKeySequence::ZoomIn, this, [this] { ZoomBy(25); });
  view->addAction(QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut, this, [this] { ZoomBy(-25); });
  view->addAction(QStringLiteral("&Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0), this,
                  [this] { FDiagram->SetZoom(100); });
  view->addSeparator();
  QAction* rulers = view->addAction(QStringLiteral("&Rulers"));
  rulers->setCheckable(true);
  connect(rulers, &QAction::toggled, this, [this](bool on) {
    FDiagram->GetTopRuler()->SetVisible(on);
    FDiagram->GetLeftRuler()->SetVisible(on);
  });
  QAction* grid = view->addAction(QStringLiteral("&Grid"));
  grid->setCheckable(true);
  connect(grid, &QAction::toggled, this, [this](bool on) { FDiagram->GetSnapGrid()->SetVisible(on); });
}

bool TViewerWindow::OpenFile(const QString& AFileName) {
  try {
    FDiagram->LoadFromFile(AFileName);
  } catch (const Exception& e) {
    ShowError(e.Message());
    return false;
  }
  FFileName = AFileName;
  setWindowTitle(QStringLiteral("%1 — Tarnwick").arg(QFileInfo(AFileName).fileName()));
  FDiagram->Invalidate();
  return true;
}

void TViewerWindow::ChooseAndOpen() {
  const QString name = QFileDialog::getOpenFileName(this, QStringLiteral("Open Diagram"), QString(),
                                                    QStringLiteral("Diagrams (*.dgr);;All files (*)"));
  if (!name.isEmpty()) OpenFile(name);
}

void TViewerWindow::ChooseAndExport() {
  const QString base = FFileName.isEmpty() ? QStringLiteral("diagram") : QFileInfo(FFileName).completeBaseName();
  const QString name = QFileDialog::getSaveFileName(
      this, QStringLiteral("Export Image"), base + QStringLiteral(".png"),
      QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf);;Bitmap (*.bmp)"));
  if (name.isEmpty()) return;
  try {
    FDiagram->ExportToFile(name, efAuto, esNetto);
    statusBar()->showMessage(QStringLiteral("Exported %1").arg(QFileInfo(name).fileName()), 5000);
  } catch (const Exception& e) {
    ShowError(e.Message());
  }
}

void TViewerWindow::ZoomBy(int APercent) {
  FDiagram->SetZoom(std::clamp(FDiagram->GetZoom() + APercent, 10, 1000));
  statusBar()->showMessage(QStringLiteral("Zoom %1 %").arg(FDiagram->GetZoom()), 3000);
}

void TViewerWindow::ShowError(const QString& AMessage) {
  QMessageBox::critical(this, QStringLiteral("Tarnwick"), AMessage);
}

}  // namespace tarnwick
