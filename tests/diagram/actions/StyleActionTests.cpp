// The style commands: what they ask through the chooser, what they change on blocks,
// lines and groups, the undo steps they leave, and that a cancel changes nothing.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ActionFixture.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/view/actions/DiagramStyleActions.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

using StyleActions = TTwoBlocksAndALine;

TEST_F(StyleActions, ShapeColorAsksAndColoursTheSelectedBlocks) {
  TDiagramShapeColor action;
  action.SetDiagram(Diagram);
  Select({L});
  EXPECT_FALSE(Enabled(action)) << "a line has no fill";
  A->SetColor(clYellow);
  Select({A, B, L});
  EXPECT_TRUE(Enabled(action));
  Forget();
  EXPECT_TRUE(action.Execute());
  EXPECT_EQ(Chooser.Asked, QStringList{"color"});
  EXPECT_EQ(Chooser.InitialColors.at(0), clYellow) << "starts from the first block";
  EXPECT_TRUE(Operations.isEmpty()) << "cancelled";
  Chooser.Color = clRed;
  action.Execute();
  for (TDiagramBlock* b : {A, B}) {
    EXPECT_EQ(b->GetColor(), clRed);
    EXPECT_EQ(b->GetSelColor(), clRed);
  }
  EXPECT_EQ(Operations, QStringList{"color"});
  EXPECT_EQ(Modifieds, 1);
}

TEST_F(StyleActions, LineColorColoursBlockPensAndBothLinePens) {
  TDiagramLineColor action;
  action.SetDiagram(Diagram);
  EXPECT_FALSE(Enabled(action));
  Select({A, L});
  EXPECT_TRUE(Enabled(action));
  Chooser.Color = clBlue;
  Forget();
  action.Execute();
  EXPECT_EQ(A->GetPen()->GetColor(), clBlue);
  EXPECT_EQ(L->GetPen()->GetColor(), clBlue);
  EXPECT_EQ(L->GetSelPen()->GetColor(), clBlue);
  EXPECT_NE(B->GetPen()->GetColor(), clBlue);
  EXPECT_EQ(Operations, QStringList{"line color"});
  EXPECT_EQ(Modifieds, 1);
}

TEST_F(StyleActions, AnActionsOwnChooserComesBeforeTheDefault) {
  TScriptedChooser own;
  own.Color = clGreen;
  TDiagramShapeColor action;
  action.SetDiagram(Diagram);
  action.SetChooser(&own);
  Select({A});
  action.Execute();
  EXPECT_EQ(A->GetColor(), clGreen);
  EXPECT_TRUE(Chooser.Asked.isEmpty());
}

TEST_F(StyleActions, BlockPictureLoadsBitmapsAndOtherPicturesApart) {
  QTemporaryDir dir;
  QImage image(6, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QString bmp = dir.filePath("pic.BMP");
  const QString png = dir.filePath("pic.png");
  ASSERT_TRUE(image.save(bmp, "BMP"));
  ASSERT_TRUE(image.save(png, "PNG"));
  TDiagramBlockPicture action;
  action.SetDiagram(Diagram);
  Select({L});
  EXPECT_FALSE(Enabled(action));
  Select({A, B, L});
  EXPECT_TRUE(Enabled(action));
  Forget();
  action.Execute();
  EXPECT_TRUE(Operations.isEmpty()) << "cancelled";
  Chooser.PictureFile = bmp;
  action.Execute();
  EXPECT_EQ(A->GetBitmap()->GetWidth(), 6) << "the extension is matched in any case";
  EXPECT_EQ(B->GetBitmap()->GetWidth(), 6);
  EXPECT_TRUE(A->GetPicture()->GetEmpty());
  Chooser.PictureFile = png;
  action.Execute();
  EXPECT_EQ(A->GetPicture()->GetWidth(), 6);
  EXPECT_EQ(Operations, (QStringList{"picture", "picture"}));
  EXPECT_EQ(Modifieds, 2);
}

TEST_F(StyleActions, APictureThatDoesNotLoadChangesNothingAndIsReported) {
  QTemporaryDir dir;
  const QString bad = dir.filePath("broken.png");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a picture at all");
  f.close();
  TDiagramBlockPicture action;
  action.SetDiagram(Diagram);
  QString error;
  action.OnError = [&](const QString& AMessage) { error = AMessage; };
  Select({A});
  Chooser.PictureFile = bad;
  Forget();
  action.trigger();
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(A->GetPicture()->GetEmpty());
  EXPECT_TRUE(Operations.isEmpty());
  EXPECT_EQ(Modifieds, 0);
}

TEST_F(StyleActions, FontStartsFromTheFirstControlAndSkipsGroups) {
  Select({A, B});
  TGroupBlock* group = Diagram->GroupSelectedBlocks();
  ASSERT_NE(group, nullptr);
  const QString groupFont = group->GetFont()->GetName();
  A->GetFont()->SetName("Courier");
  TDiagramControlFont action;
  action.SetDiagram(Diagram);
  Diagram->UnselectAll();
  EXPECT_FALSE(Enabled(action));
  Diagram->SetGroupSelected(group, true);
  EXPECT_TRUE(Enabled(action));
  Forget();
  action.Execute();
  EXPECT_EQ(Chooser.InitialFontName, "Courier");
  EXPECT_TRUE(Operations.isEmpty()) << "cancelled";
  Chooser.FontName = "Arial";
  Chooser.FontSize = 14;
  action.Execute();
  for (TDiagramBlock* b : {A, B}) {
    EXPECT_EQ(b->GetFont()->GetName(), "Arial");
    EXPECT_EQ(b->GetFont()->GetSize(), 14);
  }
  EXPECT_EQ(group->GetFont()->GetName(), groupFont);
  EXPECT_EQ(Operations, QStringList{"text font"});
  EXPECT_EQ(Modifieds, 1);
}

TEST_F(StyleActions, FontOnAnEmptyGroupAloneStartsFromTheGroupsFont) {
  TGroupBlock* group = Diagram->AddGroup();
  group->GetFont()->SetName("Courier");
  Diagram->UnselectAll();
  Diagram->SetGroupSelected(group, true);
  TDiagramControlFont action;
  action.SetDiagram(Diagram);
  ASSERT_TRUE(Enabled(action));
  EXPECT_TRUE(action.Execute());
  EXPECT_EQ(Chooser.InitialFontName, "Courier");
}

TEST_F(StyleActions, ADiagramFreedWhileTheQuestionIsOpenIsLeftAlone) {
  TDiagramShapeColor color;
  TDiagramLineColor line;
  TDiagramBlockPicture picture;
  TDiagramControlFont font;
  Chooser.Color = clRed;
  Chooser.PictureFile = "unused.png";
  Chooser.FontName = "Arial";
  for (TDiagramChooserAction* a : std::initializer_list<TDiagramChooserAction*>{&color, &line, &picture, &font}) {
    TBlockFixture other;
    auto* block = other.NewBlock(0, 0, 40, 40);
    block->SetSelected(true);
    a->SetDiagram(other.Diagram);
    ASSERT_TRUE(Enabled(*a));
    Chooser.WhileAsking = [&] {
      Chooser.WhileAsking = nullptr;
      other.Diagram->Free();
      other.Diagram = nullptr;
    };
    EXPECT_TRUE(a->Execute());
    EXPECT_EQ(a->GetDiagram(), nullptr);
  }
}

TEST_F(StyleActions, ArrowShapeTakesOneStepPerChangedLine) {
  auto* m = NewLine(TDot{50, 250}, TDot{250, 250});
  auto* n = NewLine(TDot{50, 300}, TDot{250, 300});
  TDiagramArrowShape action;
  action.SetDiagram(Diagram);
  action.SetSource(true);
  action.SetShape(asSolidArrow);
  Select({A});
  EXPECT_FALSE(Enabled(action));
  Select({A, L, m, n});
  EXPECT_TRUE(Enabled(action));
  EXPECT_FALSE(action.isChecked());
  Forget();
  action.trigger();
  for (TDiagramLine* line : {L, m, n}) {
    EXPECT_EQ(line->GetSourceArrow()->GetShape(), asSolidArrow);
    EXPECT_EQ(line->GetTargetArrow()->GetShape(), asNone);
  }
  EXPECT_EQ(Operations, (QStringList{"arrow shape", "arrow shape", "arrow shape"}));
  EXPECT_EQ(Modifieds, 3);
  EXPECT_TRUE(action.isChecked());
  const QString name = L->GetName();
  Diagram->Undo();
  EXPECT_EQ(Diagram->NextUndoAction(), "arrow shape") << "each line is a step of its own";

  // A line that already has the shape adds no empty step; one that differs unchecks.
  L = static_cast<TDiagramLine*>(Diagram->FindDControl(name));
  ASSERT_NE(L, nullptr);
  Select({L});
  Forget();
  action.Execute();
  EXPECT_TRUE(Operations.isEmpty());
  TDiagramArrowShape target;
  target.SetDiagram(Diagram);
  target.SetShape(asSolidArrow);
  EXPECT_FALSE(Checked(target)) << "the target end is still plain";
}

TEST_F(StyleActions, BringToFrontAndSendToBackReorderTheSelection) {
  TDiagramBringToFront front;
  TDiagramSendToBack back;
  front.SetDiagram(Diagram);
  back.SetDiagram(Diagram);
  EXPECT_FALSE(Enabled(front));
  EXPECT_FALSE(Enabled(back));
  Select({A});
  EXPECT_TRUE(Enabled(front));
  Forget();
  front.Execute();
  EXPECT_EQ(Diagram->GetDControls(Diagram->DControlCount() - 1), A);
  Select({L});
  back.Execute();
  EXPECT_EQ(Diagram->GetDControls(0), L);
  EXPECT_EQ(Operations, (QStringList{"bring to front", "send to back"}));
  EXPECT_EQ(Modifieds, 2);
}

}  // namespace
