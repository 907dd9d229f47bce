#pragma once
// A shown diagram for the command family: blocks, lines, a count of change reports, and a
// chooser that gives scripted answers and records what it was asked.
#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <optional>

#include "../interaction/MouseFixture.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/view/actions/DiagramAction.h"
#include "diagram/view/actions/DiagramChooser.h"
#include "platform/gui/Font.h"

namespace tarnwick::test {

struct TScriptedChooser : IDiagramChooser {
  std::optional<TColor> Color;
  std::optional<QString> PictureFile;
  // Applied to the font when set; unset answers "cancel".
  std::optional<QString> FontName;
  int FontSize = 0;
  QStringList Asked;
  // Runs while a question is open, as the event loop of a modal dialog would.
  std::function<void()> WhileAsking;
  std::vector<TColor> InitialColors;
  QString InitialFontName;

  std::optional<TColor> ChooseColor(TColor AInitial) override {
    Asked << "color";
    if (WhileAsking) WhileAsking();
    InitialColors.push_back(AInitial);
    return Color;
  }
  bool ChooseFont(TFont& AFont) override {
    Asked << "font";
    if (WhileAsking) WhileAsking();
    InitialFontName = AFont.GetName();
    if (!FontName) return false;
    AFont.SetName(*FontName);
    AFont.SetSize(FontSize);
    return true;
  }
  std::optional<QString> ChoosePictureFile() override {
    Asked << "picture";
    if (WhileAsking) WhileAsking();
    return PictureFile;
  }
  // Run on the working copy when set, which then counts as confirmed; unset answers
  // "cancel".
  std::function<void(TDiagramGradient&)> GradientEdit;
  std::function<void(TBlockShadow&)> ShadowEdit;
  bool EditGradient(TDiagramGradient& AGradient) override {
    Asked << "gradient";
    if (WhileAsking) WhileAsking();
    if (!GradientEdit) return false;
    GradientEdit(AGradient);
    return true;
  }
  bool EditShadow(TBlockShadow& AShadow) override {
    Asked << "shadow";
    if (WhileAsking) WhileAsking();
    if (!ShadowEdit) return false;
    ShadowEdit(AShadow);
    return true;
  }
};

struct TActionFixture : ::testing::Test, TMouseFixture {
  TActionFixture() {
    Diagram->OnModified = [this](TObject*) { ++Modifieds; };
    SetDefaultDiagramChooser(&Chooser);
  }
  ~TActionFixture() override { SetDefaultDiagramChooser(nullptr); }

  TDiagramLine* NewLine(TDot P1, TDot P2) {
    auto* l = Create<TDiagramLine>(Form);
    l->SetName(Diagram->FindCompName(l, ""));
    l->SetDiagram(Diagram);
    TControlInsertInfo info;
    info.Action = iaInserted;
    info.P1 = P1;
    info.P2 = P2;
    l->UpdateInsert(info);
    return l;
  }
  void Select(std::initializer_list<TDiagramControl*> AControls) {
    Diagram->UnselectAll();
    for (TDiagramControl* c : AControls) c->SetSelected(true);
  }
  // Runs Update and reports the enabled state.
  static bool Enabled(TDiagramAction& A) {
    A.Update();
    return A.isEnabled();
  }
  static bool Checked(TDiagramAction& A) {
    A.Update();
    return A.isChecked();
  }
  void Forget() {
    Operations.clear();
    Modifieds = 0;
  }

  TScriptedChooser Chooser;
  int Modifieds = 0;
};

// Two blocks side by side and a line below them, the style commands' usual subjects.
struct TTwoBlocksAndALine : TActionFixture {
  TTwoBlocksAndALine() {
    A = NewBlock(50, 50, 80, 40);
    B = NewBlock(200, 50, 80, 40);
    L = NewLine(TDot{50, 200}, TDot{250, 200});
  }
  TDiagramBlock* A;
  TDiagramBlock* B;
  TDiagramLine* L;
};

}  // namespace tarnwick::test
