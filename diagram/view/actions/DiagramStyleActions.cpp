#include "diagram/view/actions/DiagramStyleActions.h"

#include <QFileInfo>
#include <vector>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/actions/DiagramChooser.h"
#include "diagram/view/actions/SelectionTargets.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

namespace {

bool HasSelectedPlainBlock(const TdvDiagram* ADiagram) {
  return ADiagram && ADiagram->SelectedBlockCount(cfIgnoreGroups) > 0;
}

}  // namespace

// A question runs a modal dialog, and with it the event loop: the diagram may be gone
// when the answer comes, and its selection may have changed. Each command therefore
// takes the diagram and the selection again after asking.
IDiagramChooser& TDiagramChooserAction::Chooser() const { return FChooser ? *FChooser : DefaultDiagramChooser(); }

// ---- Shape colour ----

bool TDiagramShapeColor::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!HasSelectedPlainBlock(diagram)) return true;
  const auto blocks = SelectedPlainBlocks(*diagram);
  if (blocks.empty()) return true;
  const std::optional<TColor> color = Chooser().ChooseColor(blocks.front()->GetColor());
  if (!color || !(diagram = GetDiagram())) return true;
  TDiagramUpdate operation(*diagram, QStringLiteral("color"));
  for (TCustomDiagramBlock* block : SelectedPlainBlocks(*diagram)) {
    block->SetColor(*color);
    block->SetSelColor(*color);
  }
  diagram->Modified();
  return true;
}

bool TDiagramShapeColor::Update() {
  setEnabled(HasSelectedPlainBlock(GetDiagram()));
  return true;
}

// ---- Line colour ----

bool TDiagramLineColor::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!HasSelection(diagram)) return true;
  TColor initial = clBlack;
  if (const auto blocks = SelectedPlainBlocks(*diagram); !blocks.empty())
    initial = blocks.front()->GetPen()->GetColor();
  else if (const auto lines = SelectedLines(*diagram); !lines.empty())
    initial = lines.front()->GetPen()->GetColor();
  const std::optional<TColor> color = Chooser().ChooseColor(initial);
  if (!color || !(diagram = GetDiagram())) return true;
  TDiagramUpdate operation(*diagram, QStringLiteral("line color"));
  for (TCustomDiagramBlock* block : SelectedPlainBlocks(*diagram)) block->GetPen()->SetColor(*color);
  for (TCustomDiagramLine* line : SelectedLines(*diagram)) {
    line->GetPen()->SetColor(*color);
    line->GetSelPen()->SetColor(*color);
  }
  diagram->Modified();
  return true;
}

bool TDiagramLineColor::Update() {
  setEnabled(HasSelection(GetDiagram()));
  return true;
}

// ---- Block picture ----

bool TDiagramBlockPicture::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!HasSelectedPlainBlock(diagram)) return true;
  const std::optional<QString> file = Chooser().ChoosePictureFile();
  if (!file || file->isEmpty() || !(diagram = GetDiagram())) return true;
  // The file is read once, before anything changes: a file that does not load raises
  // here and leaves every block, and the undo history, as they were.
  const bool isBitmap = QFileInfo(*file).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
  TOwned<TBitmap> bitmap;
  TOwned<TPicture> picture;
  if (isBitmap) {
    bitmap = MakeOwned<TBitmap>();
    bitmap->LoadFromFile(*file);
  } else {
    picture = MakeOwned<TPicture>();
    picture->LoadFromFile(*file);
  }
  TDiagramUpdate operation(*diagram, QStringLiteral("picture"));
  for (TCustomDiagramBlock* block : SelectedPlainBlocks(*diagram)) {
    if (isBitmap)
      block->SetBitmap(bitmap.get());
    else
      block->SetPicture(picture.get());
  }
  diagram->Modified();
  return true;
}

bool TDiagramBlockPicture::Update() {
  setEnabled(HasSelectedPlainBlock(GetDiagram()));
  return true;
}

// ---- Font ----

bool TDiagramControlFont::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!HasSelection(diagram)) return true;
  // Starts from the first selected control that is not a group; a selection of groups
  // alone (empty groups) starts from the first group's font.
  TDiagramControl* first = diagram->GetSelecteds(0);
  for (int i = 0; i < diagram->SelectedCount(); ++i)
    if (!diagram->GetSelecteds(i)->IsGroup()) {
      first = diagram->GetSelecteds(i);
      break;
    }
  TOwned<TFont> font = MakeOwned<TFont>();
  font->Assign(first->GetFont());
  if (!Chooser().ChooseFont(*font) || !(diagram = GetDiagram())) return true;
  TDiagramUpdate operation(*diagram, QStringLiteral("text font"));
  for (int i = 0; i < diagram->SelectedCount(); ++i)
    if (TDiagramControl* control = diagram->GetSelecteds(i); !control->IsGroup()) control->SetFont(font.get());
  diagram->Modified();
  return true;
}

bool TDiagramControlFont::Update() {
  setEnabled(HasSelection(GetDiagram()));
  return true;
}

// ---- Arrow shape ----

TDiagramArrowShape::TDiagramArrowShape(QObject* AParent) : TDiagramAction(AParent) { setCheckable(true); }

bool TDiagramArrowShape::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (diagram) {
    // One step per line that changes, each with its own change report; a line that already
    // has the shape adds no empty step.
    for (TCustomDiagramLine* line : SelectedLines(*diagram)) {
      TLineArrow* arrow = FSource ? line->GetSourceArrow() : line->GetTargetArrow();
      if (arrow->GetShape() == FShape) continue;
      TDiagramUpdate operation(*diagram, QStringLiteral("arrow shape"));
      arrow->SetShape(FShape);
      diagram->Modified();
    }
  }
  // A trigger flipped the mark; it shows the lines again.
  Update();
  return true;
}

bool TDiagramArrowShape::Update() {
  const TdvDiagram* diagram = GetDiagram();
  const auto lines = diagram ? SelectedLines(*diagram) : std::vector<TCustomDiagramLine*>{};
  bool common = !lines.empty();
  for (TCustomDiagramLine* line : lines) {
    const TLineArrow* arrow = FSource ? line->GetSourceArrow() : line->GetTargetArrow();
    if (arrow->GetShape() != FShape) {
      common = false;
      break;
    }
  }
  setEnabled(!lines.empty());
  setChecked(common);
  return true;
}

// ---- Z-order ----

bool TDiagramZOrderAction::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!HasSelection(diagram)) return true;
  TDiagramUpdate operation(*diagram, UndoLabel());
  Run(*diagram);
  diagram->Modified();
  return true;
}

bool TDiagramZOrderAction::Update() {
  setEnabled(HasSelection(GetDiagram()));
  return true;
}

void TDiagramBringToFront::Run(TdvDiagram& ADiagram) { ADiagram.BringToFront(); }

void TDiagramSendToBack::Run(TdvDiagram& ADiagram) { ADiagram.SendToBack(); }

}  // namespace tarnwick
