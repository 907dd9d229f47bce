// The commands' enabled and checked states in the states that decide them, and the
// editor's own commands that change the document (each one undoable step).
#include "EditorFixture.h"
#include "diagram/model/TextCells.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/actions/DiagramAction.h"
#include "platform/gui/Font.h"
#include "platform/gui/Picture.h"

using namespace tarnwick;
using namespace tarnwick::test;

using EditorCommands = TEditorFixture;

TEST_F(EditorCommands, ComeFromTheTableWithCaptionsHintsAndKeys) {
  QAction* open = Act("acOpenDiagram");
  EXPECT_EQ(open->text(), "&Open diagram...");
  EXPECT_EQ(open->toolTip(), "Open diagram");
  EXPECT_EQ(open->statusTip(), "Open an existing diagram");
  // The command's own key first, then the desktop's usual one.
  EXPECT_EQ(open->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+F11"), QKeySequence("Ctrl+O")}));
  EXPECT_EQ(Act("DiagramRedoAction1")->shortcuts(),
            QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
  EXPECT_EQ(Act("DiagramDelete1")->statusTip(), "Delete selected objects");
  EXPECT_EQ(Act("DiagramAlign10")->text(), "Space equally horizontally");
  EXPECT_EQ(Act("DiagramSetZoom7")->text(), "10%");
  EXPECT_EQ(Act("acBold")->property("category").toString(), "Font");
  EXPECT_EQ(Act("DiagramCut1")->property("category").toString(), "Diagram");
  // Every command has its own name.
  QSet<QString> names;
  for (QAction* action : M().Actions()) names.insert(action->objectName());
  EXPECT_EQ(names.size(), qsizetype(M().Actions().size()));
}

TEST_F(EditorCommands, SelectionDecidesWhatIsEnabled) {
  for (const char* name : {"DiagramCut1", "DiagramCopy1", "DiagramBringToFront1", "DiagramControlFont1",
                           "acGroup", "acUngroup", "acHasSourceArrow", "acBold", "DiagramAlign1"})
    EXPECT_FALSE(Updated(name)->isEnabled()) << name;
  TDiagramBlock* a = AddBlock(10, 10, "a");
  TDiagramBlock* b = AddBlock(200, 10, "b");
  Select({a});
  EXPECT_TRUE(Updated("DiagramCopy1")->isEnabled());
  EXPECT_TRUE(Updated("acBold")->isEnabled());
  EXPECT_FALSE(Updated("acGroup")->isEnabled());
  EXPECT_FALSE(Updated("DiagramAlign1")->isEnabled());
  Select({a, b});
  EXPECT_TRUE(Updated("acGroup")->isEnabled());
  EXPECT_TRUE(Updated("DiagramAlign1")->isEnabled());
  Act("acGroup")->trigger();
  EXPECT_EQ(D()->NextUndoAction(), "group");
  EXPECT_TRUE(Updated("acUngroup")->isEnabled());
  EXPECT_FALSE(Updated("acGroup")->isEnabled());
  Act("acUngroup")->trigger();
  EXPECT_EQ(D()->NextUndoAction(), "ungroup");
  TDiagramLine* line = AddLine(10, 200, 300, 200);
  Select({line});
  EXPECT_TRUE(Updated("acHasSourceArrow")->isEnabled());
  // Work that lives in other windows is disabled until the program hands it in.
  M().OnPrint = nullptr;
  EXPECT_FALSE(Updated("acPrintDiagram")->isEnabled());
  M().OnPrint = [] {};
  EXPECT_TRUE(Updated("acPrintDiagram")->isEnabled());
  EXPECT_FALSE(Updated("acAddLibrary")->isEnabled());
}

TEST_F(EditorCommands, TextStyleShowsTheCellAndChangesTheSelectionInOneStep) {
  TDiagramBlock* a = AddBlock(10, 10, "a");
  TDiagramBlock* b = AddBlock(200, 10, "b");
  Select({a, b});
  EXPECT_FALSE(Updated("acBold")->isChecked());
  Act("acBold")->trigger();
  EXPECT_TRUE(a->GetFont()->GetStyle().Contains(fsBold));
  EXPECT_TRUE(b->GetFont()->GetStyle().Contains(fsBold));
  EXPECT_TRUE(a->DefaultTextCell()->GetFont()->GetStyle().Contains(fsBold));
  EXPECT_TRUE(Updated("acBold")->isChecked());
  EXPECT_EQ(D()->NextUndoAction(), "font style");
  EXPECT_TRUE(M().GetModified());
  Act("acBold")->trigger();
  EXPECT_FALSE(a->GetFont()->GetStyle().Contains(fsBold));
  Act("acAlignRight")->trigger();
  EXPECT_EQ(b->DefaultTextCell()->GetAlignment(), taRightJustify);
  EXPECT_TRUE(Updated("acAlignRight")->isChecked());
  EXPECT_FALSE(Updated("acAlignCenter")->isChecked());
  Act("acVertAlignBottom")->trigger();
  EXPECT_EQ(a->DefaultTextCell()->GetVertAlign(), vaBottom);
  EXPECT_EQ(D()->NextUndoAction(), "text alignment");
  // Undo reads the document back: the block is a new object under the same name.
  const QString name = a->GetName();
  D()->Undo();
  EXPECT_NE(D()->FindBlock(name)->DefaultTextCell()->GetVertAlign(), vaBottom);
}

TEST_F(EditorCommands, TextStyleOfAControlWithHiddenCellsUsesTheNextVisibleOne) {
  TDiagramBlock* a = AddBlock(10, 10, "a");
  TTextCell* second = a->GetTextCells()->Add();
  a->DefaultTextCell()->SetVisible(false);
  second->SetAlignment(taLeftJustify);
  Select({a});
  EXPECT_EQ(M().CurrentTextCell(), second);
  EXPECT_TRUE(Updated("acAlignLeft")->isChecked());
  // All hidden: the default cell still answers.
  second->SetVisible(false);
  EXPECT_EQ(M().CurrentTextCell(), a->DefaultTextCell());
}

TEST_F(EditorCommands, AutomaticNodesAndBackgroundAreUndoableChanges) {
  EXPECT_FALSE(Updated("acAutomaticNodes")->isChecked());
  Act("acAutomaticNodes")->trigger();
  EXPECT_TRUE(D()->GetAutomaticNodes());
  EXPECT_TRUE(Updated("acAutomaticNodes")->isChecked());
  EXPECT_EQ(D()->NextUndoAction(), "automatic nodes");
  EXPECT_FALSE(Updated("acBackgroundClear")->isEnabled());
  // A file that is not a picture is reported and changes nothing.
  Questions.PictureFile = Path("none.png");
  Act("acBackgroundLoad")->trigger();
  EXPECT_EQ(Questions.Errors.size(), 1);
  EXPECT_EQ(D()->NextUndoAction(), "automatic nodes");
  QImage image(8, 6, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(Path("back.png")));
  Questions.PictureFile = Path("back.png");
  Act("acBackgroundLoad")->trigger();
  EXPECT_EQ(D()->GetBackground()->GetPicture()->GetWidth(), 8);
  EXPECT_TRUE(D()->GetBackground()->GetVisible());
  EXPECT_EQ(D()->NextUndoAction(), "background");
  EXPECT_TRUE(Updated("acBackgroundClear")->isEnabled());
  Act("acBackgroundClear")->trigger();
  EXPECT_EQ(D()->GetBackground()->GetPicture()->GetWidth(), 0);
  D()->Undo();
  EXPECT_EQ(D()->GetBackground()->GetPicture()->GetWidth(), 8);
}

TEST_F(EditorCommands, ZoomStepsAlongTheMenusValues) {
  D()->SetZoom(100);
  Act("acZoomIn")->trigger();
  EXPECT_EQ(D()->GetZoom(), 150);
  Act("acZoomOut")->trigger();
  Act("acZoomOut")->trigger();
  EXPECT_EQ(D()->GetZoom(), 75);
  Act("DiagramSetZoom1")->trigger();
  EXPECT_EQ(D()->GetZoom(), 300);
}
