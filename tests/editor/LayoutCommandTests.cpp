// The Layout command: its dialog driven with the keyboard, and the command arranging the
// drawing as one undoable step.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSpinBox>
#include <QTimer>

#include "EditorFixture.h"
#include "diagram/model/LinkPoints.h"
#include "editor/layout/LayoutDialog.h"
#include "platform/core/Stream.h"

namespace tarnwick::test {
namespace {

TEST(LayoutDialog, OffersTheInitialChoicesAndReturnsWhatWasTyped) {
  TLayoutDialog dialog(nullptr, TLayoutOptions{laLayered, ldLeftToRight, 40});
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.DirectionBox()->currentText(), "Left to right");
  EXPECT_TRUE(dialog.DirectionBox()->isEnabled());

  // Two steps down the algorithm list: circular, which has no direction.
  dialog.AlgorithmBox()->setFocus();
  QTest::keyClick(dialog.AlgorithmBox(), Qt::Key_Down);
  QTest::keyClick(dialog.AlgorithmBox(), Qt::Key_Down);
  EXPECT_FALSE(dialog.DirectionBox()->isEnabled());
  dialog.SpacingBox()->setFocus();
  dialog.SpacingBox()->selectAll();
  QTest::keyClicks(dialog.SpacingBox(), "75");

  const TLayoutOptions chosen = dialog.Options();
  EXPECT_EQ(chosen.Algorithm, laCircular);
  EXPECT_EQ(chosen.Spacing, 75);
}

TEST(LayoutDialog, ReturnAcceptsAndEscapeCancels) {
  for (const auto& [key, accepted] : {std::pair{Qt::Key_Return, true}, std::pair{Qt::Key_Escape, false}}) {
    QTimer::singleShot(0, [key = key] {
      if (QWidget* modal = QApplication::activeModalWidget()) QTest::keyClick(modal, key);
    });
    const std::optional<TLayoutOptions> result = TLayoutDialog::Ask(nullptr, TLayoutOptions{laForce, ldTopToBottom, 25});
    ASSERT_EQ(result.has_value(), accepted);
    if (result) {
      EXPECT_EQ(result->Algorithm, laForce);
      EXPECT_EQ(result->Spacing, 25);
    }
  }
}

struct LayoutCommand : TEditorFixture {
  // Three blocks with link points, joined in a chain by anchored lines, stacked on one spot.
  void DrawChain() {
    for (int i = 0; i < 3; ++i) {
      TDiagramBlock* block = AddBlock(200, 200);
      block->GetLinkPoints()->Add(50, 0, aoUp);
      block->GetLinkPoints()->Add(50, 100, aoDown);
      Blocks.push_back(block);
    }
    for (int i = 0; i < 2; ++i) {
      TDiagramLine* line = AddLine(0, 0, 1, 1);
      line->GetSourceLinkPoint()->SetAnchorLink(Blocks[i]->GetLinkPoints()->GetItems(1));
      line->GetTargetLinkPoint()->SetAnchorLink(Blocks[i + 1]->GetLinkPoints()->GetItems(0));
    }
    D()->ClearUndoStack();
    M().SetModified(false);
  }
  QByteArray Document() const {
    TMemoryStream stream;
    D()->SaveToStream(stream, false);
    return stream.Bytes();
  }
  std::vector<TDiagramBlock*> Blocks;
};

TEST_F(LayoutCommand, IsInTheObjectMenuAndNeedsABlock) {
  EXPECT_FALSE(Updated("acLayout")->isEnabled());
  DrawChain();
  EXPECT_TRUE(Updated("acLayout")->isEnabled());
  EXPECT_EQ(Act("acLayout")->text(), "&Layout...");
}

TEST_F(LayoutCommand, ArrangesTheDrawingAsOneUndoableStep) {
  DrawChain();
  const QByteArray before = Document();
  Questions.Layout = TLayoutOptions{laLayered, ldTopToBottom, 30};
  Updated("acLayout")->trigger();

  EXPECT_EQ(D()->NextUndoAction(), "layout");
  EXPECT_TRUE(M().GetModified());
  // The chain now runs down the page, each block below the one before it.
  for (int i = 0; i < 2; ++i) EXPECT_LE(Blocks[i]->GetTop() + Blocks[i]->GetHeight(), Blocks[i + 1]->GetTop());
  const QByteArray after = Document();

  D()->Undo();
  EXPECT_EQ(Document(), before);
  D()->Redo();
  EXPECT_EQ(Document(), after);
  EXPECT_TRUE(D()->NextRedoAction().isEmpty());
}

TEST_F(LayoutCommand, OffersTheLastChoiceAgainAndCancelChangesNothing) {
  DrawChain();
  Questions.Layout = TLayoutOptions{laCircular, ldTopToBottom, 55};
  Updated("acLayout")->trigger();
  const QByteArray laidOut = Document();
  const bool modified = M().GetModified();

  Questions.Layout.reset();
  Updated("acLayout")->trigger();
  ASSERT_EQ(Questions.LayoutInitials.size(), 2u);
  EXPECT_EQ(Questions.LayoutInitials[1].Algorithm, laCircular);
  EXPECT_EQ(Questions.LayoutInitials[1].Spacing, 55);
  EXPECT_EQ(Document(), laidOut);
  EXPECT_EQ(M().GetModified(), modified);
  D()->Undo();
  EXPECT_TRUE(D()->NextUndoAction().isEmpty());
}

}  // namespace
}  // namespace tarnwick::test
