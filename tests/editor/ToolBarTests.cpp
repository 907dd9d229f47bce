// The tool bar of registered kinds, clicked as a user clicks it: the line-type bar of the
// program's window, and a bar of one category's blocks with its Delete and Cancel buttons.
#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

#include "blocks/BlockSets.h"
#include "diagram/lines/CustomLine.h"
#include "diagram/model/RegDControls.h"
#include "diagram/view/Diagram.h"
#include "editor/window/EditorWindow.h"
#include "editor/palette/DiagramButtons.h"
#include "editor/palette/DiagramToolBar.h"

using namespace tarnwick;

namespace {

struct TRegistered {
  TRegistered() { RegisterBlockSets(); }
};

struct TBarWindow : TRegistered {
  TBarWindow() {
    Window.resize(1200, 700);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }
  void Click(TDiagramToolBar& ABar, TDiagramAction* AAction) {
    QWidget* button = ABar.widgetForAction(AAction);
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton);
    ABar.UpdateActions();
  }
  static TDiagramAction* ByText(const TDiagramToolBar& ABar, const QString& AText) {
    for (TDiagramAction* a : ABar.ButtonActions())
      if (a->text() == AText) return a;
    return nullptr;
  }
  TfmDiagramEditor Window;
};

int RegisteredLines() {
  int n = 0;
  const TRegDControls& r = RegisteredDControls();
  for (int i = 0; i < r.Count(); ++i)
    n += r.GetItem(i)->GetDControlClass()->InheritsFrom(TCustomDiagramLine::StaticClassInfo());
  return n;
}

}  // namespace

TEST(DiagramToolBar, TheLineBarHoldsOneButtonPerLineKindAndChoosesTheConnectionLine) {
  TBarWindow w;
  TDiagramToolBar& bar = *w.Window.LineBar();
  const std::vector<TDiagramAction*> buttons = bar.ButtonActions();
  EXPECT_EQ(static_cast<int>(buttons.size()), RegisteredLines()) << "no Delete or Cancel button";
  TdvDiagram* d = w.Window.Diagram();
  TDiagramAction* side = w.ByText(bar, "Side line");
  ASSERT_TRUE(side);
  w.Click(bar, side);
  EXPECT_EQ(d->GetConnectionLineId(), "TDiagramSideLine");
  EXPECT_TRUE(side->isChecked());
  EXPECT_FALSE(w.ByText(bar, "Line")->isChecked());
  // Pressed again, it switches drawing lines out of link points off.
  w.Click(bar, side);
  EXPECT_TRUE(d->GetConnectionLineId().isEmpty());
  EXPECT_FALSE(side->isChecked());
}

TEST(DiagramToolBar, ACategoryBarArmsItsBlocksAndItsCancelButtonDisarms) {
  TBarWindow w;
  TDiagramToolBar bar;
  bar.SetCategory("flowchart");
  bar.SetDiagram(w.Window.Diagram());
  const std::vector<TDiagramAction*> buttons = bar.ButtonActions();
  ASSERT_EQ(buttons.size(), 2u + 9u) << "Delete, Cancel and the nine flowchart symbols";
  EXPECT_EQ(buttons[0], bar.Actions()[1]) << "Delete comes first";
  EXPECT_EQ(buttons[1], bar.Actions()[0]);
  bar.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));

  TdvDiagram* d = w.Window.Diagram();
  TDiagramAction* decision = w.ByText(bar, "Decision");
  ASSERT_TRUE(decision);
  EXPECT_TRUE(bar.Actions()[0]->isChecked()) << "nothing is being inserted";
  w.Click(bar, decision);
  ASSERT_TRUE(d->GetInsertDControl());
  EXPECT_EQ(d->GetInsertDControl()->GetDControlID(), "TFlowDecisionBlock");
  EXPECT_TRUE(decision->isChecked());
  EXPECT_FALSE(bar.Actions()[0]->isChecked());
  w.Click(bar, bar.Actions()[0]);
  EXPECT_FALSE(d->GetInsertDControl());
  EXPECT_FALSE(decision->isChecked());
}

TEST(DiagramToolBar, SwitchingToConnectionsModeDropsTheBlockButtons) {
  TBarWindow w;
  TDiagramToolBar bar;
  bar.SetDiagram(w.Window.Diagram());
  const size_t all = bar.ButtonActions().size();
  bar.SetMode(tmConnections);
  EXPECT_FALSE(bar.GetButtons().Contains(dbBlocks));
  EXPECT_EQ(bar.ButtonActions().size(), 2u + static_cast<size_t>(RegisteredLines()));
  EXPECT_LT(bar.ButtonActions().size(), all);
  bar.SetMode(tmObjects);
  EXPECT_EQ(bar.ButtonActions().size(), all);
}

TEST(DiagramToolBar, ADiagramFreedBeforeThePaletteAndTheBarIsForgottenByBoth) {
  RegisterBlockSets();
  TOwned<TComponent> form = MakeOwned<TComponent>(nullptr);
  auto* diagram = Create<TdvDiagram>(form.get());
  auto palette = std::make_unique<TDiagramButtons>();
  auto bar = std::make_unique<TDiagramToolBar>();
  palette->SetDiagram(diagram);
  bar->SetDiagram(diagram);
  // A window frees its diagram before its docks and tool bars.
  form.reset();
  EXPECT_EQ(palette->GetDiagram(), nullptr);
  EXPECT_EQ(bar->GetDiagram(), nullptr);
  palette->FollowInserting();
  bar->UpdateActions();
  for (TDiagramAction* a : bar->ButtonActions()) EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
  palette.reset();
  bar.reset();
}
