#pragma once
// The editor window as the program makes it, shown, with scripted answers to its
// questions and file dialogs, and a few ways to put controls on its diagram.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <optional>
#include <vector>

#include "blocks/BlockSets.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/view/Diagram.h"
#include "editor/window/EditorActions.h"
#include "editor/window/EditorQuestions.h"
#include "editor/window/EditorSetUp.h"
#include "editor/window/EditorWindow.h"

namespace tarnwick::test {

struct TScriptedQuestions : IEditorQuestions {
  std::deque<TAnswer> Answers;  // empty: "Cancel" (or "No" without Cancel)
  std::optional<QString> OpenFile, SaveFile, PictureFile, ExportFile;
  std::optional<TLayoutOptions> Layout;
  QStringList Asked, Errors, SaveInitials, ExportInitials;
  std::vector<TLayoutOptions> LayoutInitials;

  TAnswer Ask(const QString& AText, bool AWithCancel) override {
    Asked << AText;
    if (Answers.empty()) return AWithCancel ? TAnswer::Cancel : TAnswer::No;
    const TAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  std::optional<QString> ChooseOpenFile() override { return OpenFile; }
  std::optional<QString> ChooseSaveFile(const QString& AInitial) override {
    SaveInitials << AInitial;
    return SaveFile ? std::optional<QString>(WithDiagramExtension(*SaveFile)) : std::nullopt;
  }
  std::optional<QString> ChoosePictureFile() override { return PictureFile; }
  std::optional<QString> ChooseExportFile(const QString& AInitial) override {
    ExportInitials << AInitial;
    return ExportFile;
  }
  std::optional<TLayoutOptions> ChooseLayout(const TLayoutOptions& AInitial) override {
    LayoutInitials.push_back(AInitial);
    return Layout;
  }
  void ShowError(const QString& AMessage) override { Errors << AMessage; }
};

// The block sets register before the window is built, as the program does at start.
struct TBlockSetsRegistered {
  TBlockSetsRegistered() { RegisterBlockSets(); }
};

struct TEditorFixture : ::testing::Test, TBlockSetsRegistered {
  TEditorFixture() {
    PrepareEditorWindow(Window);
    Window.SetQuestions(&Questions);
    Window.resize(1100, 760);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }
  ~TEditorFixture() override { Window.SetQuestions(nullptr); }

  TdvDiagram* D() const { return Window.Diagram(); }
  TdmDgrEditorActions& M() const { return *Window.Actions(); }
  QAction* Act(const char* AName) const { return M().Action(QString::fromLatin1(AName)); }
  // The command's state after an idle pass.
  QAction* Updated(const char* AName) const {
    M().UpdateActions();
    return Act(AName);
  }
  QString Path(const QString& AName) const { return Dir.filePath(AName); }

  TDiagramBlock* AddBlock(double X, double Y, const QString& AText = QString()) {
    auto* block = Create<TDiagramBlock>(D()->GetOwner());
    block->SetName(D()->FindCompName(block, QString()));
    block->SetDiagram(D());
    block->SetBoundsRect(TSquare{X, Y, X + 100, Y + 60});
    if (!AText.isEmpty()) block->DefaultTextCell()->SetText(AText);
    return block;
  }
  TDiagramLine* AddLine(double X1, double Y1, double X2, double Y2) {
    auto* line = Create<TDiagramLine>(D()->GetOwner());
    line->SetName(D()->FindCompName(line, QString()));
    line->SetDiagram(D());
    TControlInsertInfo info;
    info.Action = iaInserted;
    info.P1 = TDot{X1, Y1};
    info.P2 = TDot{X2, Y2};
    line->UpdateInsert(info);
    return line;
  }
  void Select(std::initializer_list<TDiagramControl*> AControls) {
    D()->UnselectAll();
    for (TDiagramControl* control : AControls) control->SetSelected(true);
  }

  QTemporaryDir Dir;
  TScriptedQuestions Questions;
  TfmDiagramEditor Window;
};

}  // namespace tarnwick::test
