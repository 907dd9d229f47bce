// Copy, cut and paste of diagram controls: names, offsets, groups, anchors, restrictions,
// and the undo steps they leave.
#include <gtest/gtest.h>

#include "ClipboardFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(Clipboard, PastingTwiceRenamesAndStepsAwayFromTheCopiesBelow) {
  TClipboardFixture f;
  auto* b = f.NewBlock(100, 100, 50, 40);
  ASSERT_EQ(b->GetName(), "DiagramBlock1");
  f.Only(b);
  EXPECT_TRUE(f.Diagram->CanCopy());
  f.Diagram->CopyToClipboard();
  EXPECT_EQ(b->GetName(), "DiagramBlock1");
  EXPECT_TRUE(f.Diagram->CanPaste());

  f.Diagram->PasteFromClipboard();
  f.Diagram->PasteFromClipboard();
  ASSERT_EQ(f.Diagram->BlockCount(), 3);
  auto* first = dynamic_cast<TCustomDiagramBlock*>(f.Diagram->FindDControl("DiagramBlock2"));
  auto* second = dynamic_cast<TCustomDiagramBlock*>(f.Diagram->FindDControl("DiagramBlock3"));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->GetLeft(), 120);
  EXPECT_EQ(first->GetTop(), 120);
  EXPECT_EQ(second->GetLeft(), 140);
  EXPECT_EQ(second->GetTop(), 140);
  EXPECT_EQ(first->GetOwner(), f.Form);
  // Only the latest paste is selected, and each paste is one step.
  EXPECT_EQ(f.Diagram->SelectedCount(), 1);
  EXPECT_TRUE(second->GetSelected());
  EXPECT_EQ(f.Diagram->NextUndoAction(), "paste");
}

TEST(Clipboard, ZeroOffsetsKeepPastedBlocksOnTopOfTheOriginals) {
  TClipboardFixture f;
  auto* b = f.NewBlock(100, 100, 50, 40);
  f.Diagram->SetPasteOffsetX(0);
  f.Diagram->SetPasteOffsetY(0);
  f.Only(b);
  f.Diagram->CopyToClipboard();
  f.Diagram->PasteFromClipboard();
  auto* copy = dynamic_cast<TCustomDiagramBlock*>(f.Diagram->FindDControl("DiagramBlock2"));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->GetLeft(), 100);
  EXPECT_EQ(copy->GetTop(), 100);
}

TEST(Clipboard, CutAndPasteBringBackNameAndPlaceAndUndoRestoresBytes) {
  TClipboardFixture f;
  f.NewBlock(10, 10, 50, 40);
  auto* b = f.NewBlock(100, 100, 50, 40);
  f.Only(b);
  f.Diagram->CutToClipboard();
  EXPECT_EQ(f.Diagram->BlockCount(), 1);
  EXPECT_EQ(f.Diagram->NextUndoAction(), "delete");

  const std::string before = f.Bytes(*f.Diagram);
  f.Diagram->PasteFromClipboard();
  auto* back = dynamic_cast<TCustomDiagramBlock*>(f.Diagram->FindDControl("DiagramBlock2"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->GetLeft(), 100);
  EXPECT_EQ(back->GetTop(), 100);

  const std::string after = f.Bytes(*f.Diagram);
  f.Diagram->Undo();
  EXPECT_EQ(f.Bytes(*f.Diagram), before);
  f.Diagram->Redo();
  EXPECT_EQ(f.Bytes(*f.Diagram), after);
}

TEST(Clipboard, PastesIntoAnotherDiagramWithLinesStillAnchoredToPastedBlocks) {
  TClipboardFixture f;
  auto* a = f.NewBlock(10, 10, 50, 40);
  auto* b = f.NewBlock(200, 10, 50, 40);
  f.NewLine({}, {}, a->GetLinkPoints()->GetItems(1), b->GetLinkPoints()->GetItems(3));
  f.Diagram->SelectAll();
  f.Diagram->CopyToClipboard();

  TClipboardFixture g;
  g.Diagram->PasteFromClipboard();
  ASSERT_EQ(g.Diagram->BlockCount(), 2);
  ASSERT_EQ(g.Diagram->LinkCount(), 1);
  auto* line = dynamic_cast<TCustomDiagramLine*>(g.Diagram->GetLinks(0));
  auto* pa = g.Diagram->FindDControl("DiagramBlock1");
  auto* pb = g.Diagram->FindDControl("DiagramBlock2");
  ASSERT_TRUE(line && pa && pb);
  EXPECT_EQ(line->GetSourceLinkPoint()->GetAnchor(), pa);
  EXPECT_EQ(line->GetTargetLinkPoint()->GetAnchor(), pb);
  EXPECT_EQ(pa->GetOwner(), g.Form);
  EXPECT_EQ(g.Diagram->SelectedCount(), 3);
}

TEST(Clipboard, ALineCopiedAloneStaysOnTheSameNamedBlockOfItsOwnDiagramOnly) {
  TClipboardFixture f;
  auto* a = f.NewBlock(10, 10, 50, 40);
  auto* l = f.NewLine({}, {300, 300}, a->GetLinkPoints()->GetItems(1));
  f.Only(l);
  f.Diagram->CopyToClipboard();

  // In the same diagram the pasted line keeps to the block it was drawn from.
  f.Diagram->PasteFromClipboard();
  ASSERT_EQ(f.Diagram->LinkCount(), 2);
  auto* pasted = dynamic_cast<TCustomDiagramLine*>(f.Diagram->GetLinks(1));
  EXPECT_EQ(pasted->GetSourceLinkPoint()->GetAnchor(), a);
  EXPECT_EQ(a->GetOwner(), f.Form);
  EXPECT_EQ(f.Form->FindComponent("DiagramBlock1"), a);

  // A second diagram on the same form: the line may not reach into the first one.
  auto* other = Create<TdvDiagram>(f.Form);
  other->PasteFromClipboard();
  ASSERT_EQ(other->LinkCount(), 1);
  auto* foreign = dynamic_cast<TCustomDiagramLine*>(other->GetLinks(0));
  EXPECT_EQ(foreign->GetSourceLinkPoint()->GetAnchor(), nullptr);
  EXPECT_EQ(a->GetLinkPoints()->GetItems(1)->AnchoredCount(), 2);
  other->Free();
}

TEST(Clipboard, APastedGroupKeepsItsMembersWhichAreNotSelectedOnTheirOwn) {
  TClipboardFixture f;
  auto* a = f.NewBlock(10, 10, 50, 40);
  auto* b = f.NewBlock(100, 10, 50, 40);
  f.Diagram->SelectAll();
  TGroupBlock* group = f.Diagram->GroupSelectedBlocks();
  ASSERT_TRUE(group);
  f.Only(group);
  f.Diagram->CopyToClipboard();
  EXPECT_EQ(a->GetName(), "DiagramBlock1");

  f.Diagram->PasteFromClipboard();
  ASSERT_EQ(f.Diagram->DControlCount(), 6);
  TGroupBlock* pasted = nullptr;
  for (int i = 3; i < 6; ++i)
    if (auto* g = dynamic_cast<TGroupBlock*>(f.Diagram->GetDControls(i))) pasted = g;
  ASSERT_TRUE(pasted && pasted != group);
  ASSERT_EQ(pasted->GetMemberCount(), 2);
  for (int i = 0; i < 2; ++i) {
    TDiagramControl* m = pasted->GetMember(i);
    EXPECT_NE(m, a);
    EXPECT_NE(m, b);
    EXPECT_EQ(m->GetGroupBlock(), pasted);
    EXPECT_EQ(m->GetDiagram(), f.Diagram);
  }
  EXPECT_EQ(a->GetGroupBlock(), group);
  EXPECT_TRUE(pasted->GetSelected());
  EXPECT_EQ(f.Diagram->SelectedCount(cfIgnoreMembers), 1);
}

TEST(Clipboard, NoClipboardControlsAreNeitherCopiedNorCut) {
  TClipboardFixture f;
  auto* keep = f.NewBlock(10, 10, 50, 40);
  keep->SetRestrictions(TControlRestrictions{crNoClipboard});
  f.NewBlock(100, 10, 50, 40);
  f.Diagram->SelectAll();
  f.Diagram->CutToClipboard();
  ASSERT_EQ(f.Diagram->BlockCount(), 1);
  EXPECT_EQ(f.Diagram->GetBlocks(0), keep);

  TClipboardFixture g;
  g.Diagram->PasteFromClipboard();
  ASSERT_EQ(g.Diagram->BlockCount(), 1);
  EXPECT_EQ(g.Diagram->GetBlocks(0)->GetName(), "DiagramBlock2");
}

TEST(Clipboard, ANonEditableDiagramCopiesNoControlsAndCutDeletesNothing) {
  TClipboardFixture f;
  f.NewBlock(10, 10, 50, 40);
  f.Diagram->SetDesignMode(ddmNonEditable);
  f.Diagram->SelectAll();
  f.Diagram->CutToClipboard();
  EXPECT_EQ(f.Diagram->BlockCount(), 1);
  const QString text =
      TDiagramClipboard::DecodeClipboardData(QGuiApplication::clipboard()->mimeData()->data(TDiagramClipboard::MimeType));
  EXPECT_TRUE(text.startsWith("object TdvDiagram"));
  EXPECT_FALSE(text.contains("DiagramBlock1"));

  // Pasting a text without controls still records the paste.
  TClipboardFixture g;
  g.Diagram->PasteFromClipboard();
  EXPECT_EQ(g.Diagram->DControlCount(), 0);
  EXPECT_EQ(g.Diagram->NextUndoAction(), "paste");
}

TEST(Clipboard, OnlyTheMarkedControlsTravelAndKeepTheirNamesEvenWhenMarkingFails) {
  TClipboardFixture f;
  auto* a = f.NewBlock(10, 10, 50, 40);
  auto* b = f.NewBlock(100, 10, 50, 40);
  // A control whose own name begins with the prefix is not part of a copy of something else.
  auto* odd = f.NewBlock(200, 10, 50, 40);
  odd->SetName("___clip___Odd");
  f.Only(a);
  const QString text = f.Diagram->SerializeObjectToString(a);
  EXPECT_FALSE(text.contains("Odd"));
  EXPECT_EQ(odd->GetName(), "___clip___Odd");

  // The prefixed name of the second block is taken: the copy fails, every name is back.
  Create<TComponent>(f.Form)->SetName("___clip___DiagramBlock2");
  f.Diagram->SelectAll();
  EXPECT_ANY_THROW(f.Diagram->CopyToClipboard());
  EXPECT_EQ(a->GetName(), "DiagramBlock1");
  EXPECT_EQ(b->GetName(), "DiagramBlock2");
  EXPECT_EQ(odd->GetName(), "___clip___Odd");
}

TEST(Clipboard, CanPasteFollowsTheClipboardAndTheMouse) {
  TClipboardFixture f;
  f.ClearClipboard();
  EXPECT_FALSE(f.Diagram->CanPaste());
  EXPECT_FALSE(f.Diagram->CanCopy());
  f.Only(f.NewBlock(10, 10, 50, 40));
  f.Diagram->CopyToClipboard();
  EXPECT_TRUE(f.Diagram->CanPaste());
  QGuiApplication::clipboard()->setText("plain");
  EXPECT_FALSE(f.Diagram->CanPaste());
  f.Diagram->CopyToClipboard();
  EXPECT_TRUE(f.Diagram->CanPaste());
  f.Diagram->SetMouseState(msMoving);
  EXPECT_FALSE(f.Diagram->CanPaste());
  EXPECT_FALSE(f.Diagram->CanCopy());
  f.Diagram->SetMouseState(msBrowsing);
}

TEST(Clipboard, CreateDControlFromDataGivesAnUnplacedControl) {
  TClipboardFixture f;
  auto* a = f.NewBlock(10, 10, 50, 40);
  const QString text = f.Diagram->SerializeObjectToString(a);
  TDiagramControl* c = f.Diagram->CreateDControlFromData(text, "LIB_thing");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->GetDiagram(), nullptr);
  EXPECT_EQ(c->GetName(), "");
  EXPECT_EQ(c->GetDControlID(), "LIB_thing");
  EXPECT_EQ(c->GetOwner(), f.Form);
  EXPECT_EQ(f.Diagram->DControlCount(), 1);
  c->Free();
}

TEST(Clipboard, ACopyOffersAPictureOfTheCopiedControlsAndNothingElse) {
  TClipboardFixture f;
  auto* red = f.NewBlock(100, 100, 60, 40);
  red->SetColor(clRed);
  auto* blue = f.NewBlock(300, 300, 60, 40);
  blue->SetColor(clBlue);
  f.Only(red);
  f.Diagram->CopyToClipboard();

  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(mime && mime->hasImage());
  const QImage picture = qvariant_cast<QImage>(mime->imageData());
  ASSERT_FALSE(picture.isNull());
  // Framed around the copied block alone, not the whole drawing.
  EXPECT_LE(picture.width(), 80);
  EXPECT_LE(picture.height(), 60);
  int reds = 0, blues = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      reds += c.red() > 200 && c.green() < 60 && c.blue() < 60;
      blues += c.blue() > 200 && c.red() < 60 && c.green() < 60;
    }
  EXPECT_GT(reds, 60 * 40 / 2);
  EXPECT_EQ(blues, 0);
  // The text still pastes as before.
  f.Diagram->PasteFromClipboard();
  EXPECT_EQ(f.Diagram->BlockCount(), 3);

  // Copying nothing offers no picture.
  f.Diagram->UnselectAll();
  f.Diagram->CopyToClipboard();
  mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(mime);
  EXPECT_FALSE(mime->hasImage());
}
