// The combo selectors worked from the keyboard and their lists: zoom, font size, font
// name and layer. Typed text is never added to a list.
#include <QAbstractItemView>
#include <QFontDatabase>

#include "SelectorFixture.h"
#include "diagram/model/TextCells.h"
#include "platform/gui/Font.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TComboSelectors : TSelectorFixture {
  // Opens the list and clicks the row showing AText.
  static void PickFromList(QComboBox& ABox, const QString& AText) {
    const int row = ABox.findText(AText);
    ASSERT_GE(row, 0) << AText.toStdString();
    ABox.showPopup();
    QAbstractItemView* view = ABox.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    view->scrollTo(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
  }
};

}  // namespace

TEST_F(TComboSelectors, ZoomReadsTypedTextAndRewritesItAndIsOneStepOnlyWhenTheZoomChanges) {
  TDgrZoomSelector& zoom = *Bars.Zoom;
  EXPECT_EQ(zoom.currentText(), "100%");
  const int items = zoom.count();
  const int before = Steps();
  TypeAndEnter(zoom, "abc");
  EXPECT_EQ(D()->GetZoom(), 100);
  EXPECT_EQ(zoom.currentText(), "100%");
  EXPECT_EQ(Steps(), before) << "the zoom in force changes nothing";

  TypeAndEnter(zoom, " 150 ");
  EXPECT_EQ(D()->GetZoom(), 150);
  EXPECT_EQ(zoom.currentText(), "150%");
  EXPECT_EQ(Steps(), before + 1);
  EXPECT_EQ(D()->NextUndoAction(), "zoom");

  PickFromList(zoom, "50%");
  EXPECT_EQ(D()->GetZoom(), 50);
  EXPECT_EQ(Steps(), before + 2);
  EXPECT_EQ(zoom.count(), items) << "nothing typed was added";

  // Idle and not focused, the box follows the diagram.
  D()->SetZoom(75);
  Bars.Zoom->clearFocus();
  Window.setFocus();
  Bars.Sync();
  EXPECT_EQ(zoom.currentText(), "75%");
}

TEST_F(TComboSelectors, FontSizeGoesToTheSelectedControlsAndTheirOwnFontedCells) {
  TDiagramBlock* a = AddBlock(40, 40, "a");
  TDiagramBlock* b = AddBlock(240, 40, "b");
  TTextCell* own = b->DefaultTextCell();
  own->GetFont()->SetSize(20);  // the cell stops following its block
  ASSERT_FALSE(own->GetDControlFont());
  TDgrFontSizeSelector& size = *Bars.FontSize;
  const int before = Steps();
  D()->UnselectAll();
  const QByteArray document = Document();
  TypeAndEnter(size, "14");
  EXPECT_EQ(Steps(), before);
  EXPECT_EQ(Document(), document) << "nothing selected: nothing changes";

  Select({a, b});
  TypeAndEnter(size, "14");
  EXPECT_EQ(a->GetFont()->GetSize(), 14);
  EXPECT_EQ(a->DefaultTextCell()->GetFont()->GetSize(), 14) << "follows its block";
  EXPECT_EQ(b->GetFont()->GetSize(), 14);
  EXPECT_EQ(own->GetFont()->GetSize(), 14);
  EXPECT_EQ(Steps(), before + 1);
  EXPECT_EQ(D()->NextUndoAction(), "font size");

  // Sizes that would lose the text are read as the diagram's size.
  for (const char* text : {"0", "-4", "x"}) {
    TypeAndEnter(size, QString::fromLatin1(text));
    EXPECT_EQ(a->GetFont()->GetSize(), D()->GetFont()->GetSize()) << text;
    EXPECT_EQ(size.currentText(), QString::number(a->GetFont()->GetSize())) << text;
  }
}

TEST_F(TComboSelectors, FontSizeDuringInPlaceEditingGoesToTheEditedCell) {
  TDiagramBlock* a = AddBlock(40, 40, "a");
  TDiagramBlock* b = AddBlock(240, 40, "b");
  Select({a, b});
  D()->EditBlockText(a);
  ASSERT_TRUE(D()->EditingText());
  TTextCell* cell = D()->EditingCell();
  const int before = Steps();
  Bars.FontSize->ApplyText("26");
  EXPECT_EQ(cell->GetFont()->GetSize(), 26);
  EXPECT_NE(b->GetFont()->GetSize(), 26) << "only the edited cell";
  EXPECT_EQ(Steps(), before + 1);
  D()->CloseEditor(false);
}

TEST_F(TComboSelectors, FontNameTakesOnlyInstalledNamesInAnyLetterCase) {
  const QStringList families = QFontDatabase::families();
  ASSERT_FALSE(families.isEmpty());
  TDiagramBlock* a = AddBlock(40, 40, "a");
  Select({a});
  TDgrFontSelector& font = *Bars.FontName;
  const QString old = a->GetFont()->GetName();
  const int before = Steps();
  TypeAndEnter(font, "No Such Font 123");
  EXPECT_EQ(a->GetFont()->GetName(), old);
  EXPECT_EQ(font.currentText(), old);
  EXPECT_EQ(Steps(), before);
  TypeAndEnter(font, families.back().toUpper());
  EXPECT_EQ(a->GetFont()->GetName(), families.back());
  EXPECT_EQ(Steps(), before + 1);
  EXPECT_EQ(D()->NextUndoAction(), "font");
  EXPECT_EQ(font.count(), families.size());
}

TEST_F(TComboSelectors, TheLayerBoxListsTheLayersFollowsTheSelectionAndMovesControlsAsOneStep) {
  TDgrLayerSelector& box = *Bars.LayerBox;
  TDiagramBlock* a = AddBlock(40, 40);
  TDiagramBlock* b = AddBlock(240, 40);
  D()->GetLayers()->Add("Back");
  D()->GetLayers()->Add("Front");
  D()->UnselectAll();
  Bars.Sync();
  EXPECT_FALSE(box.isEnabled()) << "nothing selected";
  ASSERT_EQ(box.count(), 3);
  EXPECT_EQ(box.itemText(0), "(no layer)");
  EXPECT_EQ(box.itemText(2), "Front");

  const int before = Steps();
  TypeAndEnter(box, "Front");
  EXPECT_EQ(Steps(), before) << "nothing selected: nothing is applied";

  Select({a, b});
  Bars.Sync();
  EXPECT_TRUE(box.isEnabled());
  D()->PushUndoStack(QStringLiteral("setup"));  // what an undo returns to
  const int setUp = Steps();
  PickFromList(box, "Front");
  EXPECT_EQ(a->GetLayerName(), "Front");
  EXPECT_EQ(b->GetLayerName(), "Front");
  EXPECT_EQ(Steps(), setUp + 1);
  EXPECT_EQ(D()->NextUndoAction(), "layer");

  // A typed name that is no layer is not applied, and not added.
  TypeAndEnter(box, "Nowhere");
  EXPECT_EQ(a->GetLayerName(), "Front");
  EXPECT_EQ(box.currentText(), "Front");
  EXPECT_EQ(box.count(), 3);

  TypeAndEnter(box, "(NO LAYER)");
  EXPECT_TRUE(a->GetLayerName().isEmpty());
  EXPECT_EQ(Steps(), setUp + 2);

  // Undo puts the layer back: the change is part of the history.
  D()->Undo();
  EXPECT_EQ(static_cast<TDiagramControl*>(D()->GetBlocks(0))->GetLayerName(), "Front");

  // A renamed layer rebuilds the list at the next idle pass.
  D()->GetLayers()->GetItems(0)->SetLayerName("Bottom");
  Window.setFocus();
  Bars.Sync();
  EXPECT_EQ(box.itemText(1), "Bottom");
}
