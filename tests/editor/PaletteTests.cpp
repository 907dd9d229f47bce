// The block palette as a user meets it in the program's window: categories, buttons with
// the registry's captions, a click that starts inserting, the button that stays selected
// while the diagram inserts, and a registry that changes under it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "blocks/BlockSets.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/RegDControls.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DControlGlyph.h"
#include "editor/palette/DiagramButtons.h"
#include "editor/window/EditorWindow.h"
#include "platform/gui/Bitmap.h"

using namespace tarnwick;

namespace {

// The block sets register before the window is built, as the program does at start.
struct TRegistered {
  TRegistered() { RegisterBlockSets(); }
};

struct TPaletteWindow : TRegistered {
  TPaletteWindow() {
    Window.resize(1000, 700);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }
  TDiagramButtons& Palette() { return *Window.DButtons(); }
  QTreeWidgetItem* Button(const QString& ACategory, const QString& AId) {
    QTreeWidget* tree = Palette().Tree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
      QTreeWidgetItem* group = tree->topLevelItem(i);
      if (group->text(0) != ACategory) continue;
      for (int j = 0; j < group->childCount(); ++j)
        if (TDiagramButtons::DControlIdOf(group->child(j)) == AId) return group->child(j);
    }
    return nullptr;
  }
  // A click where the user sees the row.
  void Click(QTreeWidgetItem* AItem) {
    QTreeWidget* tree = Palette().Tree();
    tree->scrollToItem(AItem);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(AItem).center());
  }
  TfmDiagramEditor Window;
};

}  // namespace

TEST(Palette, ListsTheRegistrysCategoriesSortedWithBasicForEntriesWithoutOne) {
  TPaletteWindow w;
  const QStringList categories = w.Palette().Categories();
  EXPECT_TRUE(categories.contains("Basic"));
  EXPECT_TRUE(categories.contains("Flowchart"));
  EXPECT_TRUE(categories.contains("Arrows"));
  EXPECT_TRUE(categories.contains("Lines"));
  QStringList sorted = categories;
  std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  EXPECT_EQ(categories, sorted);
  const QStringList basic = w.Palette().IdsIn("Basic");
  EXPECT_TRUE(basic.contains("TDiagramBlock"));
  EXPECT_TRUE(basic.contains("TTextBlock"));
  EXPECT_FALSE(basic.contains("TDiagramLine"));
  EXPECT_EQ(w.Palette().IdsIn("Flowchart").first(), "TFlowDecisionBlock");
  // Captions are the registry's.
  QTreeWidgetItem* decision = w.Button("Flowchart", "TFlowDecisionBlock");
  ASSERT_TRUE(decision);
  EXPECT_EQ(decision->text(0), "Decision");
  EXPECT_FALSE(decision->icon(0).isNull());

  w.Palette().SetShowAllObjects(true);
  EXPECT_EQ(w.Palette().Categories().first(), "All Objects");
  EXPECT_EQ(w.Palette().IdsIn("All Objects").size(), RegisteredDControls().Count());
}

TEST(Palette, AFixedCategoryListKeepsItsOrderAndALowerCaseBasicCollectsNothing) {
  TPaletteWindow w;
  w.Palette().SetShowEmptyCategory(false);
  w.Palette().SetDiagramCategories({"Lines", "basic", "Flowchart"});
  EXPECT_EQ(w.Palette().Categories(), (QStringList{"Lines", "basic", "Flowchart"}));
  EXPECT_TRUE(w.Palette().IdsIn("basic").isEmpty());
  EXPECT_FALSE(w.Palette().IdsIn("Lines").isEmpty());
}

TEST(Palette, AClickedButtonInsertsItsKindWhereTheUserDragsAndStaysSelectedMeanwhile) {
  TPaletteWindow w;
  QTreeWidgetItem* decision = w.Button("Flowchart", "TFlowDecisionBlock");
  ASSERT_TRUE(decision);
  decision->parent()->setExpanded(true);
  w.Click(decision);
  TdvDiagram* d = w.Window.Diagram();
  ASSERT_TRUE(d->GetInsertDControl());
  w.Palette().FollowInserting();
  EXPECT_EQ(w.Palette().Tree()->currentItem(), decision);

  const int before = d->BlockCount();
  QWidget* canvas = d->GetHandle();
  QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(300, 300));
  QTest::mouseMove(canvas, QPoint(340, 330));
  QTest::mouseMove(canvas, QPoint(400, 360));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(400, 360));
  ASSERT_EQ(d->BlockCount(), before + 1);
  TDiagramControl* inserted = d->GetBlocks(d->BlockCount() - 1);
  EXPECT_EQ(inserted->ClassName(), "TFlowDecisionBlock");
  EXPECT_EQ(d->NextUndoAction(), "insert");
  // Inserting is over: no button shows selected any more.
  w.Palette().FollowInserting();
  EXPECT_TRUE(w.Palette().Tree()->selectedItems().isEmpty());
}

TEST(Palette, KeepInsertingAlwaysLeavesTheKindArmedForTheNextBlock) {
  TPaletteWindow w;
  w.Palette().SetKeepInsertingMode(dkmAlways);
  QTreeWidgetItem* block = w.Button("Basic", "TDiagramBlock");
  ASSERT_TRUE(block);
  block->parent()->setExpanded(true);
  w.Click(block);
  TdvDiagram* d = w.Window.Diagram();
  QWidget* canvas = d->GetHandle();
  const int before = d->BlockCount();
  for (int i = 0; i < 2; ++i) {
    const QPoint from(100 + 150 * i, 450), to(180 + 150 * i, 500);
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, (from + to) / 2);
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
  }
  EXPECT_EQ(d->BlockCount(), before + 2);
  EXPECT_TRUE(d->GetInsertDControl());
}

TEST(Palette, ARegistryEntryAddedLaterAppearsWhenTheDiagramReportsTheChange) {
  TPaletteWindow w;
  EXPECT_TRUE(w.Palette().IdsIn("Test parts").isEmpty());
  RegisterDControl(&TDiagramBlock::StaticClassInfo(), "LIB_PaletteProbe", "Probe", "Test parts");
  w.Window.Diagram()->RefreshToolbars();
  EXPECT_EQ(w.Palette().IdsIn("Test parts"), QStringList{"LIB_PaletteProbe"});
  // Leave the shared registry as the other tests expect it.
  TRegDControls& registry = RegisteredDControls();
  for (int i = 0; i < registry.Count(); ++i)
    if (registry.GetItem(i)->GetDControlID() == "LIB_PaletteProbe") {
      registry.Delete(i);
      break;
    }
  w.Window.Diagram()->RefreshToolbars();
  EXPECT_TRUE(w.Palette().IdsIn("Test parts").isEmpty());
}

TEST(Palette, SearchShowsTheMatchingKindsAndReturnArmsTheFirst) {
  TPaletteWindow w;
  QLineEdit* search = w.Palette().SearchField();
  QTest::keyClicks(search, "action");
  QTreeWidget* tree = w.Palette().Tree();
  QStringList shown;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    QTreeWidgetItem* group = tree->topLevelItem(i);
    if (group->isHidden()) continue;
    EXPECT_TRUE(group->isExpanded()) << group->text(0).toStdString();
    for (int j = 0; j < group->childCount(); ++j)
      if (!group->child(j)->isHidden()) shown << group->child(j)->text(0);
  }
  EXPECT_EQ(shown, QStringList({"Action", "Action State"}));
  QTest::keyClick(search, Qt::Key_Return);
  TDiagramControl* armed = w.Window.Diagram()->GetInsertDControl();
  ASSERT_NE(armed, nullptr);
  EXPECT_EQ(armed->ClassName(), "TFlowActionBlock");
  // Escape clears the search and every kind is listed again.
  search->setFocus();
  QTest::keyClick(search, Qt::Key_Escape);
  EXPECT_TRUE(search->text().isEmpty());
  EXPECT_FALSE(w.Button("Basic", "TDiagramBlock")->isHidden());
}

TEST(Palette, GlyphsAreDrawnAtTwiceTheDensityForDenseScreens) {
  RegisterBlockSets();
  const TClassInfo* decision = RegisteredDControls().FindByID("TFlowDecisionBlock")->GetDControlClass();
  ASSERT_NE(decision, nullptr);
  TBitmap normal, dense;
  ASSERT_TRUE(DrawDControlGlyph(*decision, normal));
  ASSERT_TRUE(DrawDControlGlyph(*decision, dense, 2));
  const QImage fine = dense.GetImage();
  ASSERT_EQ(fine.size(), QSize(2 * DControlGlyphSize, 2 * DControlGlyphSize));
  // Drawn at the finer pixels, not the small glyph blown up.
  const QImage blownUp = normal.GetImage().scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  EXPECT_NE(fine.convertToFormat(QImage::Format_ARGB32), blownUp.convertToFormat(QImage::Format_ARGB32));
  int painted = 0;
  const QRgb background = fine.pixel(0, fine.height() - 1);
  for (int y = 0; y < fine.height(); ++y)
    for (int x = 0; x < fine.width(); ++x) painted += fine.pixel(x, y) != background;
  EXPECT_GT(painted, 100);
}
