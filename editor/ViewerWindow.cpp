#include "editor/ViewerWindow.h"

#include <QAction>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/model/TextBlock.h"
#include "diagram/view/Diagram.h"
#include "editor/palette/DiagramButtons.h"
#include "editor/palette/DiagramToolBar.h"
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
  FDiagram->OnModified = [this](TObject*) {
    FModified = true;
    UpdateTitle();
  };
  FDiagram->SetConnectionLineClass(&TDiagramLine::StaticClassInfo());
  // The block palette: every registered block and line, by category.
  auto* objects = new QDockWidget(QStringLiteral("Diagram objects"), this);
  objects->setObjectName(QStringLiteral("DiagramObjects"));
  FPalette = new TDiagramButtons(objects);
  FPalette->SetDiagram(FDiagram);
  // A click with Shift held leaves the kind armed for the next block, as users of palettes expect.
  FPalette->SetKeepInsertingMode(dkmOnShiftPressed);
  objects->setWidget(FPalette);
  addDockWidget(Qt::LeftDockWidgetArea, objects);
  // The line-type bar: which line is drawn out of a link point.
  FLineBar = new TDiagramToolBar(this);
  FLineBar->setObjectName(QStringLiteral("LineTypes"));
  FLineBar->setWindowTitle(QStringLiteral("Line types"));
  FLineBar->SetButtons(TDiagramBarButtons{dbLines});
  FLineBar->SetMode(tmConnections);
  FLineBar->SetButtonSize(23);
  FLineBar->SetDiagram(FDiagram);
  addToolBar(Qt::TopToolBarArea, FLineBar);
  BuildMenus();
  UpdateTitle();
  resize(1024, 720);
}

TViewerWindow::~TViewerWindow() = default;

void TViewerWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&New"), QKeySequence::New, this, [this] { NewDocument(); });
  file->addAction(QStringLiteral("&Open…"), QKeySequence::Open, this, [this] { ChooseAndOpen(); });
  file->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, [this] { Save(); });
  // Desktops without their own key theme define no Save As key: the common one is set here.
  file->addAction(QStringLiteral("Save &As…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, [this] { ChooseAndSave(); });
  file->addAction(QStringLiteral("&Export…"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                  [this] { ChooseAndExport(); });
  file->addSeparator();
  file->addAction(QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { close(); });

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  QAction* undo = edit->addAction(QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), this,
                                  [this] { FDiagram->Undo(); });
  QAction* redo = edit->addAction(QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this,
                                  [this] { FDiagram->Redo(); });
  edit->addSeparator();
  // A clipboard that holds something unreadable is reported, never let into the event loop.
  QAction* cut = edit->addAction(QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X), this,
                                 [this] { Reporting([this] { FDiagram->CutToClipboard(); }); });
  QAction* copy = edit->addAction(QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), this,
                                  [this] { Reporting([this] { FDiagram->CopyToClipboard(); }); });
  QAction* paste = edit->addAction(QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), this,
                                   [this] { Reporting([this] { FDiagram->PasteFromClipboard(); }); });
  // The menu shows what a step would take back or bring again.
  connect(edit, &QMenu::aboutToShow, this, [this, undo, redo, cut, copy, paste] {
    const QString u = FDiagram->NextUndoAction(), r = FDiagram->NextRedoAction();
    undo->setText(u.isEmpty() ? QStringLiteral("Undo") : QStringLiteral("Undo %1").arg(u));
    redo->setText(r.isEmpty() ? QStringLiteral("Redo") : QStringLiteral("Redo %1").arg(r));
    undo->setEnabled(!u.isEmpty());
    redo->setEnabled(!r.isEmpty());
    const bool editing = FDiagram->EditingText();
    cut->setEnabled(editing || FDiagram->CanCopy());
    copy->setEnabled(editing || FDiagram->CanCopy());
    paste->setEnabled(FDiagram->CanPaste());
  });
  // A closed menu must not disable the keys: the state is read again when they are used.
  connect(edit, &QMenu::aboutToHide, this, [undo, redo, cut, copy, paste] {
    for (QAction* a : {undo, redo, cut, copy, paste}) a->setEnabled(true);
  });
  edit->addSeparator();
  QAction* del = edit->addAction(QStringLiteral("&Delete"), this, [this] { FDiagram->DeleteSelecteds(); });
  del->setShortcuts({QKeySequence(Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_Delete)});
  edit->addAction(QStringLiteral("Se&lect all"), QKeySequence(Qt::CTRL | Qt::Key_A), this,
                  [this] { FDiagram->SelectAll(); });
  edit->addSeparator();
  edit->addAction(QStringLiteral("Edit &text"), QKeySequence(Qt::Key_F2), this, [this] {
    if (FDiagram->SelectedCount() > 0) FDiagram->EditControlText(FDiagram->GetSelecteds(0));
  });
  edit->addAction(QStringLiteral("Group"), this, [this] { FDiagram->GroupSelectedBlocks(); });
  edit->addAction(QStringLiteral("Ungroup"), this, [this] { FDiagram->UngroupSelectedBlocks(); });

  // Blocks inserted here carry a link point in the middle of each side; a drag from one
  // draws a line that stays connected at both ends.
  QMenu* insert = menuBar()->addMenu(QStringLiteral("&Insert"));
  insert->addAction(QStringLiteral("&Block"), this, [this] { InsertControl(TDiagramBlock::StaticClassInfo()); });
  insert->addAction(QStringLiteral("&Text"), this, [this] { InsertControl(TTextBlock::StaticClassInfo()); });
  insert->addAction(QStringLiteral("&Line"), this, [this] { InsertControl(TDiagramLine::StaticClassInfo()); });
  insert->addAction(QStringLiteral("&Poly Line"), this,
                    [this] { InsertControl(TDiagramPolyLine::StaticClassInfo()); });

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

bool TViewerWindow::OpenFile(const QString& AFileName, bool AAsTemplate) {
  try {
    FDiagram->LoadFromFile(AFileName);
  } catch (const Exception& e) {
    ShowError(e.Message());
    return false;
  }
  FFileName = AAsTemplate ? QString() : AFileName;
  if (AAsTemplate) FDiagram->SetDocumentFileName(QString());
  FModified = false;
  UpdateTitle();
  FDiagram->Invalidate();
  return true;
}

bool TViewerWindow::SaveFile(const QString& AFileName) {
  try {
    FDiagram->SaveToFile(AFileName);
  } catch (const Exception& e) {
    ShowError(e.Message());
    return false;
  }
  FFileName = AFileName;
  FModified = false;
  UpdateTitle();
  statusBar()->showMessage(QStringLiteral("Saved %1").arg(QFileInfo(AFileName).fileName()), 5000);
  return true;
}

bool TViewerWindow::Save() { return FFileName.isEmpty() ? ChooseAndSave() : SaveFile(FFileName); }

bool TViewerWindow::ChooseAndSave() {
  QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save Diagram As"),
                                              FFileName.isEmpty() ? QStringLiteral("diagram.dgr") : FFileName,
                                              QStringLiteral("Diagrams (*.dgr);;All files (*)"));
  if (name.isEmpty()) return false;
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".dgr");
  return SaveFile(name);
}

void TViewerWindow::NewDocument() {
  FDiagram->Clear(true);
  // A new document does not undo back into the one before it.
  FDiagram->ClearUndoStack();
  FDiagram->SetDocumentFileName(QString());
  FFileName.clear();
  FModified = false;
  UpdateTitle();
}

void TViewerWindow::InsertControl(const TClassInfo& AClass) {
  TDiagramControl* control = FDiagram->CreateDControl(&AClass, QString());
  if (!control) return;
  if (auto* block = dynamic_cast<TCustomDiagramBlock*>(control)) {
    block->GetLinkPoints()->Add(50, 0, aoUp);
    block->GetLinkPoints()->Add(100, 50, aoRight);
    block->GetLinkPoints()->Add(50, 100, aoDown);
    block->GetLinkPoints()->Add(0, 50, aoLeft);
  }
  FDiagram->StartInsertingControl(control, false);
  FDiagram->GetHandle()->setFocus();
}

void TViewerWindow::UpdateTitle() {
  const QString name = FFileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(FFileName).fileName();
  setWindowTitle(QStringLiteral("%1%2 — Tarnwick").arg(name, FModified ? QStringLiteral(" *") : QString()));
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

void TViewerWindow::Reporting(const std::function<void()>& AOperation) {
  try {
    AOperation();
  } catch (const Exception& e) {
    ShowError(e.Message());
  }
}

void TViewerWindow::ShowError(const QString& AMessage) {
  QMessageBox::critical(this, QStringLiteral("Tarnwick"), AMessage);
}

}  // namespace tarnwick
