// The button selectors, clicked as a user clicks them: each changes the selected block
// and line as one undo step with its label, and with nothing selected changes nothing and
// records nothing.
#include <functional>

#include "SelectorFixture.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "diagram/view/actions/DiagramChooser.h"
#include "editor/selectors/ColorSelectors.h"
#include "editor/selectors/EffectSelectors.h"
#include "editor/selectors/StyleSelectors.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TSelectorCase {
  const char* Name;
  std::function<TDgrCustomSelector*(const TSelectorBars&)> Selector;
  int Item;
  const char* Label;
  // The change on the block and the line the pick was applied to.
  std::function<void(TDiagramBlock*, TDiagramLine*)> Check;
};

// Palette item k (after "Automatic") is palette colour k - 1.
TColor Swatch(int AItem) { return SelectorPaletteColors()[AItem - 1]; }

const std::vector<TSelectorCase>& Cases() {
  static const std::vector<TSelectorCase> cases = {
      {"shape colour", [](const TSelectorBars& B) { return B.ShapeColor; }, 17, "color",
       [](TDiagramBlock* b, TDiagramLine*) {
         EXPECT_EQ(b->GetColor(), RGB(255, 0, 0));
         EXPECT_EQ(b->GetSelColor(), RGB(255, 0, 0));
       }},
      {"line colour", [](const TSelectorBars& B) { return B.LineColor; }, 14, "pen color",
       [](TDiagramBlock* b, TDiagramLine* l) {
         EXPECT_EQ(b->GetPen()->GetColor(), Swatch(14));
         EXPECT_EQ(l->GetPen()->GetColor(), Swatch(14));
         EXPECT_EQ(l->GetSelPen()->GetColor(), Swatch(14));
       }},
      {"text colour", [](const TSelectorBars& B) { return B.TextColor; }, 11, "text color",
       [](TDiagramBlock* b, TDiagramLine* l) {
         EXPECT_EQ(b->GetFont()->GetColor(), Swatch(11));
         EXPECT_EQ(l->GetFont()->GetColor(), Swatch(11));
       }},
      {"line style", [](const TSelectorBars& B) { return B.LineStyle; }, 2, "pen style",
       [](TDiagramBlock* b, TDiagramLine* l) {
         EXPECT_EQ(b->GetPen()->GetStyle(), psDash);
         EXPECT_EQ(l->GetPen()->GetStyle(), psDash);
         EXPECT_EQ(l->GetSelPen()->GetStyle(), psDash);
       }},
      {"brush style", [](const TSelectorBars& B) { return B.BrushStyle; }, 6, "brush style",
       [](TDiagramBlock* b, TDiagramLine*) {
         EXPECT_EQ(b->GetBrush()->GetStyle(), bsDiagCross) << "the seventh item carries bsDiagCross";
         EXPECT_EQ(b->GetSelBrush()->GetStyle(), bsDiagCross);
       }},
      {"line width", [](const TSelectorBars& B) { return B.LineWidth; }, 2, "pen width",
       [](TDiagramBlock* b, TDiagramLine* l) {
         EXPECT_EQ(b->GetPen()->GetWidth(), 3);
         EXPECT_EQ(l->GetPen()->GetWidth(), 3);
         EXPECT_EQ(l->GetSelPen()->GetWidth(), 3);
       }},
      {"transparency", [](const TSelectorBars& B) { return B.Transparency; }, 3, "transparency",
       [](TDiagramBlock* b, TDiagramLine* l) {
         EXPECT_EQ(b->GetTransparency(), 30);
         EXPECT_EQ(l->GetTransparency(), 30);
       }},
      {"shadow", [](const TSelectorBars& B) { return B.Shadow; }, 4, "shadow",
       [](TDiagramBlock* b, TDiagramLine*) {
         EXPECT_TRUE(b->GetShadow()->GetVisible());
         EXPECT_EQ(b->GetShadow()->GetHOffset(), 2);
         EXPECT_EQ(b->GetShadow()->GetVOffset(), 2);
       }},
      {"gradient", [](const TSelectorBars& B) { return B.Gradient; }, 3, "gradient",
       [](TDiagramBlock* b, TDiagramLine*) {
         EXPECT_TRUE(b->GetGradient()->GetVisible());
         EXPECT_EQ(b->GetGradient()->GetDirection(), grLeftRight);
         EXPECT_EQ(b->GetGradient()->GetEndColor(), TColor(0x808080));
       }},
  };
  return cases;
}

struct TButtonSelectors : TSelectorFixture {};

struct TScriptedColor : IDiagramChooser {
  std::optional<TColor> Answer;
  std::vector<TColor> Initial;
  std::optional<TColor> ChooseColor(TColor AInitial) override {
    Initial.push_back(AInitial);
    return Answer;
  }
  bool ChooseFont(TFont&) override { return false; }
  std::optional<QString> ChoosePictureFile() override { return std::nullopt; }
};

}  // namespace

TEST_F(TButtonSelectors, EachAppliesToTheSelectionAsOneStepAndWithoutSelectionRecordsNothing) {
  TDiagramBlock* block = AddBlock(40, 40, "text");
  TDiagramLine* line = AddLine(200, 60, 320, 120);
  D()->PushUndoStack(QStringLiteral("setup"));  // what an undo returns to
  for (const TSelectorCase& c : Cases()) {
    SCOPED_TRACE(c.Name);
    TDgrCustomSelector* selector = c.Selector(Bars);
    Select({block, line});
    const int before = Steps();
    PickItem(*selector, c.Item);
    EXPECT_EQ(selector->GetSelectedIndex(), c.Item);
    c.Check(block, line);
    EXPECT_EQ(Steps(), before + 1) << "exactly one step";
    EXPECT_EQ(D()->NextUndoAction(), QString::fromLatin1(c.Label));
    EXPECT_TRUE(M().GetModified());

    // Undone, the change goes; nothing selected, a pick changes nothing at all.
    D()->Undo();
    D()->UnselectAll();
    const QByteArray document = Document();
    const int steps = Steps();
    PickItem(*selector, c.Item);
    EXPECT_EQ(Steps(), steps);
    EXPECT_EQ(Document(), document);
    // Blocks and lines are remade by the undo step: find them again.
    block = static_cast<TDiagramBlock*>(D()->GetBlocks(0));
    line = static_cast<TDiagramLine*>(D()->GetLinks(0));
  }
}

TEST_F(TButtonSelectors, TheMainPartAppliesTheCurrentChoiceAgainAndTheArrowTogglesThePanel) {
  TDiagramBlock* a = AddBlock(40, 40);
  TDiagramBlock* b = AddBlock(240, 40);
  Select({a});
  PickItem(*Bars.LineWidth, 4);
  Select({b});
  const int before = Steps();
  QTest::mouseClick(Bars.LineWidth->MainButton(), Qt::LeftButton);
  EXPECT_EQ(b->GetPen()->GetWidth(), 5);
  EXPECT_EQ(Steps(), before + 1);
  EXPECT_FALSE(Bars.LineWidth->PanelOpen()) << "the main part opens nothing";

  QTest::mouseClick(Bars.LineWidth->ArrowButton(), Qt::LeftButton);
  EXPECT_TRUE(Bars.LineWidth->PanelOpen());
  Bars.LineWidth->ArrowButton()->click();
  EXPECT_FALSE(Bars.LineWidth->PanelOpen());

  // Without a split button the whole button opens the panel.
  Bars.LineWidth->SetDropDownButton(false);
  QTest::mouseClick(Bars.LineWidth->MainButton(), Qt::LeftButton);
  EXPECT_TRUE(Bars.LineWidth->PanelOpen());
  Bars.LineWidth->ClosePanel();
}

TEST_F(TButtonSelectors, AColourPickWithoutSelectionOnlyTakesTheColourAndMoreColorsAsksTheProgram) {
  TDgrColorSelector& colors = *Bars.ShapeColor;
  EXPECT_EQ(colors.GetSelectedColor(), clNone);
  ASSERT_EQ(colors.GetTools().size(), 41u) << "Automatic and forty swatches";
  EXPECT_EQ(colors.GetTools()[0].Caption, "Automatic");
  TDiagramBlock* block = AddBlock(40, 40);
  // Nothing picked yet: the main part has no colour to give.
  Select({block});
  const int before = Steps();
  QTest::mouseClick(colors.MainButton(), Qt::LeftButton);
  EXPECT_EQ(Steps(), before);

  D()->UnselectAll();
  PickItem(colors, 40);
  EXPECT_EQ(colors.GetSelectedColor(), RGB(255, 255, 255));
  EXPECT_EQ(Steps(), before);

  colors.SetShowMoreColors(true);
  ASSERT_EQ(colors.GetTools().back().Value, "_morecolors_");
  bool accept = false;
  colors.OnMoreColorsOption = [&](TDgrCustomColorSelector*, TColor& AColor, bool& AAccept) {
    AColor = RGB(1, 2, 3);
    AAccept = accept;
  };
  Select({block});
  PickItem(colors, 41);
  EXPECT_EQ(colors.GetSelectedColor(), RGB(255, 255, 255)) << "declined";
  EXPECT_EQ(Steps(), before);
  accept = true;
  PickItem(colors, 41);
  EXPECT_EQ(colors.GetSelectedColor(), RGB(1, 2, 3));
  EXPECT_EQ(block->GetColor(), RGB(1, 2, 3));
  EXPECT_EQ(Steps(), before + 1);
}

TEST_F(TButtonSelectors, ShadowStylesTurnTheOffsetsAndTheSettingsItemFollowsTheEditor) {
  TDgrShadowSelector& shadow = *Bars.Shadow;
  EXPECT_EQ(shadow.GetTools().size(), 5u) << "no settings item without an editor";
  shadow.GetShadow()->SetHOffset(5);
  shadow.GetShadow()->SetVOffset(5);
  PickItem(shadow, 1);
  EXPECT_EQ(shadow.GetShadow()->GetHOffset(), -5);
  EXPECT_EQ(shadow.GetShadow()->GetVOffset(), -5);
  PickItem(shadow, 2);
  EXPECT_EQ(shadow.GetShadow()->GetHOffset(), 5);
  EXPECT_EQ(shadow.GetShadow()->GetVOffset(), -5);
  PickItem(shadow, 0);
  EXPECT_FALSE(shadow.GetShadow()->GetVisible());

  bool confirm = false;
  shadow.SetShadowEditor([&](TBlockShadow& AShadow) {
    AShadow.SetVisible(true);
    AShadow.SetHOffset(-3);
    AShadow.SetVOffset(4);
    return confirm;
  });
  ASSERT_EQ(shadow.GetTools().size(), 6u);
  EXPECT_EQ(shadow.GetTools()[5].Caption, "Shadow Settings");
  TDiagramBlock* block = AddBlock(40, 40);
  Select({block});
  const int before = Steps();
  PickItem(shadow, 5);
  EXPECT_FALSE(shadow.GetShadow()->GetVisible()) << "a cancelled edit leaves the shadow";
  EXPECT_EQ(Steps(), before);
  confirm = true;
  PickItem(shadow, 5);
  EXPECT_EQ(shadow.GetSelectedIndex(), 3) << "(-h, v) is the third style";
  EXPECT_EQ(block->GetShadow()->GetHOffset(), -3);
  EXPECT_EQ(Steps(), before + 1);
}

TEST_F(TButtonSelectors, TheShadowIndexFollowsTheSignsOfTheOffsets) {
  TOwned<TBlockShadow> s = MakeOwned<TBlockShadow>();
  EXPECT_EQ(TDgrShadowSelector::IndexOfShadow(*s), 0);
  s->SetVisible(true);
  const struct {
    int H, V, Index;
  } rows[] = {{-2, -2, 1}, {0, 0, 1}, {2, -2, 2}, {2, 0, 2}, {-2, 2, 3}, {0, 2, 3}, {2, 2, 4}};
  for (const auto& r : rows) {
    s->SetHOffset(r.H);
    s->SetVOffset(r.V);
    EXPECT_EQ(TDgrShadowSelector::IndexOfShadow(*s), r.Index) << r.H << "," << r.V;
  }
}

TEST_F(TButtonSelectors, TheGradientColoursComeFromTheChooserAndAreAppliedWithTheDirection) {
  TDgrGradientDirectionSelector& gradient = *Bars.Gradient;
  TScriptedColor chooser;
  gradient.SetChooser(&chooser);
  ASSERT_EQ(gradient.GetTools().size(), 17u);
  EXPECT_EQ(gradient.GetTools()[15].Caption, "Choose Start Color");
  TDiagramBlock* block = AddBlock(40, 40);
  Select({block});
  PickItem(gradient, 5);  // grLeftTop
  const int before = Steps();
  PickItem(gradient, 15);
  EXPECT_EQ(chooser.Initial.back(), clWhite);
  EXPECT_EQ(Steps(), before) << "cancelled";
  chooser.Answer = RGB(0, 0, 255);
  PickItem(gradient, 16);
  EXPECT_EQ(gradient.GetGradient()->GetEndColor(), RGB(0, 0, 255));
  EXPECT_EQ(gradient.GetSelectedIndex(), 5) << "back on the swatch of the direction";
  EXPECT_EQ(block->GetGradient()->GetEndColor(), RGB(0, 0, 255));
  EXPECT_EQ(block->GetGradient()->GetDirection(), grLeftTop);
  EXPECT_EQ(Steps(), before + 1);
  PickItem(gradient, 0);
  EXPECT_FALSE(block->GetGradient()->GetVisible());
}

TEST_F(TButtonSelectors, StyleSelectorsShowTheFirstSelectedControlsValueWhenIdle) {
  TDiagramBlock* block = AddBlock(40, 40);
  block->GetPen()->SetWidth(7);
  block->GetPen()->SetStyle(psDot);
  block->GetBrush()->SetStyle(bsVertical);
  block->SetTransparency(50);
  Select({block});
  const int before = Steps();
  Bars.Sync();
  EXPECT_EQ(Bars.LineWidth->GetSelectedIndex(), 6);
  EXPECT_EQ(Bars.LineStyle->GetSelectedIndex(), 1);
  EXPECT_EQ(Bars.BrushStyle->GetSelectedIndex(), 3);
  EXPECT_EQ(Bars.Transparency->GetSelectedIndex(), 5);
  EXPECT_EQ(Steps(), before) << "following applies nothing";
}
