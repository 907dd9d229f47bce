// The editor's own commands that change the document or the view: automatic nodes, zoom
// steps, groups, adding to a library, the background picture, the image copy and the
// automatic layout. Each
// change of the document is one undoable step.
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <memory>

#include "diagram/model/RegDControls.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/UpdateGuard.h"
#include "editor/palette/DiagramToolBar.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorQuestions.h"
#include "layout/AutoLayout.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

void TdmDgrEditorActions::ToggleAutomaticNodes(const QString& AUndoLabel) {
  if (!FDiagram) return;
  TDiagramUpdate operation(*FDiagram, AUndoLabel);
  FDiagram->SetAutomaticNodes(!FDiagram->GetAutomaticNodes());
  FDiagram->Modified();
}

void TdmDgrEditorActions::ZoomBy(int ASteps) {
  if (!FDiagram) return;
  static constexpr std::array<int, 11> Steps{10, 25, 50, 75, 100, 150, 200, 300, 400, 600, 1000};
  const int zoom = FDiagram->GetZoom();
  int next = zoom;
  if (ASteps > 0) {
    for (int step : Steps)
      if (step > zoom) {
        next = step;
        break;
      }
  } else {
    for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
      if (*it < zoom) {
        next = *it;
        break;
      }
  }
  FDiagram->SetZoom(next);
}

bool TdmDgrEditorActions::CanUngroup() const {
  if (!FDiagram) return false;
  for (int i = 0; i < FDiagram->SelectedCount(); ++i) {
    const TDiagramControl* control = FDiagram->GetSelecteds(i);
    if (control->IsGroup() && !control->IsMember()) return true;
  }
  return false;
}

bool TdmDgrEditorActions::CanAddToLibrary() const {
  return OnAddToLibrary && FLibManager && FDiagram && FDiagram->SelectedCount(cfIgnoreMembers) == 1;
}

void TdmDgrEditorActions::AddToLibrary() {
  if (!CanAddToLibrary()) return;
  TDiagramControl* control = FDiagram->GetSelecteds(0);
  // A member goes with the whole group it belongs to.
  if (control->IsMember()) control = control->GetMasterGroup();
  OnAddToLibrary(control);
  if (FDiagram) FDiagram->RefreshToolbars();
}

void TdmDgrEditorActions::LoadBackground(const QString& AUndoLabel) {
  if (!FDiagram) return;
  const std::optional<QString> file = Questions().ChoosePictureFile();
  if (!file || !FDiagram) return;
  // Read first: a file that is not a picture changes nothing and records no step.
  TOwned<TPicture> picture = MakeOwned<TPicture>();
  if (!Report([&] { picture->LoadFromFile(*file); })) return;
  TDiagramUpdate operation(*FDiagram, AUndoLabel);
  FDiagram->GetBackground()->SetPicture(picture.get());
  FDiagram->GetBackground()->SetVisible(true);
  FDiagram->Modified();
}

bool TdmDgrEditorActions::CanLayout() const { return FDiagram && FDiagram->BlockCount() > 0; }

void TdmDgrEditorActions::LayoutDiagram(const QString& AUndoLabel) {
  if (!CanLayout()) return;
  const std::optional<TLayoutOptions> options = Questions().ChooseLayout(FLayoutOptions);
  if (!options || !CanLayout()) return;
  FLayoutOptions = *options;
  // Computed before the undo bracket opens: an algorithm that fails leaves the document,
  // its history and its modified state as they were.
  std::unique_ptr<TLayoutArea> area;
  {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const TScopeExit restoreCursor([] { QGuiApplication::restoreOverrideCursor(); });
    if (!Report([&] { area = ComputeLayout(*FDiagram, FLayoutOptions); })) return;
  }
  TDiagramUpdate operation(*FDiagram, AUndoLabel);
  ApplyComputedLayout(*FDiagram, *area);
  FDiagram->Modified();
}

bool TdmDgrEditorActions::HasBackground() const {
  if (!FDiagram) return false;
  const TDiagramBackground* background = FDiagram->GetBackground();
  const TPicture* picture = background->GetPicture();
  return (picture->GetWidth() > 0 && picture->GetHeight() > 0) || !background->GetBitmap()->GetEmpty();
}

void TdmDgrEditorActions::ClearBackground(const QString& AUndoLabel) {
  if (!HasBackground()) return;
  TDiagramUpdate operation(*FDiagram, AUndoLabel);
  FDiagram->GetBackground()->GetPicture()->Assign(nullptr);
  FDiagram->GetBackground()->GetBitmap()->SetSize(0, 0);
  FDiagram->Modified();
}

void TdmDgrEditorActions::PrepareCategoryTab(QTabBar* ATabBar, TDiagramToolBar* AToolBar) {
  FTabControl = ATabBar;
  if (!ATabBar) return;
  FToolbar = AToolBar;
  const QString all = QStringLiteral("All objects");
  QStringList tabs{all};
  const TRegDControls& registry = RegisteredDControls();
  for (int i = 0; i < registry.Count(); ++i) {
    const QString category = registry.GetItem(i)->GetCategory();
    if (category.trimmed().isEmpty()) continue;
    const bool known = std::any_of(tabs.cbegin(), tabs.cend(),
                                   [&](const QString& tab) { return tab.compare(category, Qt::CaseInsensitive) == 0; });
    if (!known) tabs << category;
  }
  while (ATabBar->count() > 0) ATabBar->removeTab(0);
  for (const QString& tab : tabs) ATabBar->addTab(tab);
  QObject::disconnect(ATabBar, &QTabBar::currentChanged, this, nullptr);
  // The first tab shows every object; the others one category.
  connect(ATabBar, &QTabBar::currentChanged, this, [this](int AIndex) {
    if (!FTabControl || !FToolbar) return;
    FToolbar->SetCategory(AIndex <= 0 ? QString() : FTabControl->tabText(AIndex));
  });
}

void TdmDgrEditorActions::CopyAsImage() {
  if (FDiagram) Report([this] { FDiagram->CopyBitmapToClipboard(esStandard); });
}

}  // namespace tarnwick
