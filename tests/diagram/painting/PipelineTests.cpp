// The painting pipeline: what each paint style paints first, the z-order of the control
// passes (background controls, lines first, group members at their group's place), which
// controls are skipped, and the flags every pass puts back.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "../blocks/BlockFixture.h"
#include "platform/core/Exception.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

std::vector<std::string>& Order() {
  static std::vector<std::string> order;
  return order;
}

class TLoggingBlock : public TTestBlock {
 public:
  using TTestBlock::TTestBlock;
  void Draw(const TDiagramDrawInfo&) override { Order().push_back("block " + GetName().toStdString()); }
  void CalcSize(TCanvas*) override { Order().push_back("size " + GetName().toStdString()); }
};

class TLoggingLine : public TTestLine {
 public:
  using TTestLine::TTestLine;
  void Draw(const TDiagramDrawInfo&) override { Order().push_back("line " + GetName().toStdString()); }
};

// An image with a canvas on it, painted by one pass.
struct TPass {
  QImage Image;
  explicit TPass(int W = 300, int H = 200, QRgb Fill = qRgb(1, 2, 3)) : Image(W, H, QImage::Format_RGB32) {
    Image.fill(Fill);
  }
  void Paint(TdvDiagram* D, TPaintStyle AStyle) {
    QPainter p(&Image);
    TCanvas canvas(&p);
    D->PaintAs(canvas, AStyle, TDot{0, 0});
  }
};

class Pipeline : public ::testing::Test, public TBlockFixture {
 protected:
  Pipeline() {
    Order().clear();
    Diagram->SetBounds(0, 0, 300, 200);
  }
  template <class T>
  T* Logged(const char* AName, double L, double T_, double R, double B) {
    auto* c = Create<T>(Form);
    c->SetName(AName);
    if constexpr (std::is_same_v<T, TLoggingLine>) {
      c->P1 = TDot{L, T_};
      c->P2 = TDot{R, B};
    } else {
      c->SetBounds(L, T_, R, B);
    }
    c->SetDiagram(Diagram);
    return c;
  }
  std::vector<std::string> Drawn() const {
    std::vector<std::string> drawn;
    for (const std::string& s : Order())
      if (s.rfind("size", 0) != 0) drawn.push_back(s);
    return drawn;
  }
};

TEST_F(Pipeline, ExportsFillWithTheExportColourAndPreviewsFillNothing) {
  Diagram->SetExportBackgroundColor(0x00FF00);
  Diagram->SetColor(0x0000FF);
  TPass bitmap, preview, screen;
  bitmap.Paint(Diagram, psBitmap);
  preview.Paint(Diagram, psPreview);
  screen.Paint(Diagram, psScreen);
  EXPECT_EQ(bitmap.Image.pixel(150, 100), qRgb(0, 255, 0));
  EXPECT_EQ(preview.Image.pixel(150, 100), qRgb(1, 2, 3));
  EXPECT_EQ(screen.Image.pixel(150, 100), qRgb(255, 0, 0));
}

TEST_F(Pipeline, LinesFirstPutsEveryLineUnderEveryBlockButBackgroundControlsLowest) {
  Logged<TLoggingBlock>("A", 0, 0, 50, 50);
  Logged<TLoggingLine>("L", 0, 0, 50, 50);
  Logged<TLoggingBlock>("B", 10, 10, 60, 60)->SetIsBackgroundControl(true);
  TPass pass;
  pass.Paint(Diagram, psBitmap);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"block B", "block A", "line L"}));
  Order().clear();
  Diagram->SetPaintLinesFirst(true);
  pass.Paint(Diagram, psBitmap);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"block B", "line L", "block A"}));
}

TEST_F(Pipeline, GroupMembersArePaintedAtTheGroupsPlaceInMemberOrder) {
  auto* a = Logged<TLoggingBlock>("A", 0, 0, 50, 50);
  Logged<TLoggingBlock>("B", 0, 0, 50, 50);
  auto* c = Logged<TLoggingBlock>("C", 0, 0, 50, 50);
  AddGroup({c, a});
  TPass pass;
  pass.Paint(Diagram, psBitmap);
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"block B", "block C", "block A"}));
}

TEST_F(Pipeline, GroupMembersCoverLaterBlocksOnThePixels) {
  auto* a = NewBlock(20, 20, 100, 100);
  a->SetColor(0x0000FF);
  NewBlock(60, 60, 100, 100)->SetColor(0xFF0000);
  AddGroup({a});
  TPass pass;
  pass.Paint(Diagram, psBitmap);
  const QRgb overlap = pass.Image.pixel(90, 90);
  EXPECT_GT(qRed(overlap), 200) << "the grouped red block lies over the blue one";
  EXPECT_LT(qBlue(overlap), 60);
}

TEST_F(Pipeline, AControlOutOfViewIsSizedButNotPainted) {
  Logged<TLoggingBlock>("Far", 1000, 1000, 1100, 1100);
  TPass pass;
  pass.Paint(Diagram, psScreen);
  EXPECT_EQ(Order(), (std::vector<std::string>{"size Far"}));
}

TEST_F(Pipeline, APassThatFailsStillRestoresTheStyleAndThePaintingFlag) {
  Diagram->OnBeforePaint = [this](TObject*, TCanvas*) {
    EXPECT_TRUE(Diagram->IsPainting());
    throw Exception(QStringLiteral("boom"));
  };
  TPass pass;
  EXPECT_THROW(pass.Paint(Diagram, psPrint), Exception);
  EXPECT_EQ(Diagram->GetPaintStyle(), psScreen);
  EXPECT_FALSE(Diagram->IsPainting());
}

TEST_F(Pipeline, TheRulerCornerTakesTheTopRulersColourAndCoversControls) {
  Diagram->GetTopRuler()->SetVisible(true);
  Diagram->GetLeftRuler()->SetVisible(true);
  Diagram->GetTopRuler()->SetColor(0x00FFFF);
  Diagram->GetTopRuler()->SetSize(20);
  Diagram->GetLeftRuler()->SetSize(20);
  NewBlock(0, 0, 200, 150)->SetColor(0xFF0000);
  TPass pass;
  pass.Paint(Diagram, psScreen);
  EXPECT_EQ(pass.Image.pixel(2, 2), qRgb(255, 255, 0));
  EXPECT_NE(pass.Image.pixel(30, 5), qRgb(0, 0, 255)) << "the top ruler strip covers the block";
  EXPECT_EQ(pass.Image.pixel(60, 60), qRgb(0, 0, 255));
}

TEST_F(Pipeline, PageLinesMarkThePageBoundariesOnScreenOnly) {
  Diagram->SetBounds(0, 0, 1200, 1200);
  ShowInWindow();
  Diagram->GetPageLines()->SetVisible(true);
  const int x = Round(Diagram->CalcPageGrid(false).PageWidth);
  ASSERT_GT(x, 10);
  ASSERT_LT(x, 1190);
  TPass screen(1200, 1200, qRgb(255, 255, 255)), bitmap(1200, 1200, qRgb(255, 255, 255));
  screen.Paint(Diagram, psScreen);
  bitmap.Paint(Diagram, psBitmap);
  int dark = 0, darkBeside = 0, darkInExport = 0;
  for (int y = 0; y < 1200; ++y) {
    if (qRed(screen.Image.pixel(x, y)) < 128) ++dark;
    if (qRed(screen.Image.pixel(x + 3, y)) < 128) ++darkBeside;
    if (qRed(bitmap.Image.pixel(x, y)) < 128) ++darkInExport;
  }
  EXPECT_GT(dark, 100) << "a dotted line down the boundary";
  EXPECT_EQ(darkBeside, 0);
  EXPECT_EQ(darkInExport, 0);
}

TEST_F(Pipeline, TheApplicationCanPaintABlockOrItsOutlineItself) {
  auto* b = NewBlock(20, 20, 100, 100);
  b->SetColor(0x0000FF);
  int after = 0;
  Diagram->OnDrawBlock = [](TObject*, TDiagramControl*, const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo&,
                            bool& APainted) {
    AInfo.Canvas->GetBrush()->SetColor(0x00FF00);
    AInfo.Canvas->FillRect(TRect{20, 20, 120, 120});
    APainted = true;
  };
  Diagram->OnAfterDrawBlock = [&](TObject*, TDiagramControl* ABlock, const TDiagramDrawInfo&,
                                  const TDiagramDrawBlockInfo&, bool&) { after += ABlock == b; };
  TPass painted;
  painted.Paint(Diagram, psBitmap);
  EXPECT_EQ(painted.Image.pixel(70, 70), qRgb(0, 255, 0)) << "the application's body, not the block's";
  EXPECT_EQ(after, 1);
  Diagram->OnDrawBlock = nullptr;
  int shapes = 0;
  Diagram->OnDrawShape = [&](TObject*, TDiagramControl*, const TDiagramDrawInfo&, const TDiagramDrawBlockInfo&,
                             bool& APainted) {
    ++shapes;
    APainted = true;
  };
  TPass noShape;
  noShape.Paint(Diagram, psBitmap);
  EXPECT_GT(shapes, 0);
  EXPECT_EQ(noShape.Image.pixel(70, 70), qRgb(255, 255, 255)) << "every shape step left to the application";
}

TEST_F(Pipeline, TheApplicationCanPaintLinkPointsItself) {
  NewBlock(20, 20, 100, 100)->GetLinkPoints()->Add(50, 0, aoUp);
  int asked = 0;
  Diagram->OnDrawLinkPoint = [&](TObject*, TCanvas*, TLinkPoint*, const TPoint&, bool& ADone) {
    ++asked;
    ADone = true;
  };
  TPass screen, bitmap;
  screen.Paint(Diagram, psScreen);
  EXPECT_GT(asked, 0);
  const int onScreen = asked;
  bitmap.Paint(Diagram, psBitmap);
  EXPECT_EQ(asked, onScreen) << "exports paint no link points";
}

TEST_F(Pipeline, TheWindowShowsTheDiagram) {
  ShowInWindow();
  NewBlock(10, 10, 100, 80)->SetColor(0x0000FF);
  QWidget* w = Diagram->GetHandle();
  w->resize(300, 200);
  const QImage shot = w->grab().toImage();
  EXPECT_GT(qRed(shot.pixel(50, 50)), 200);
  EXPECT_LT(qGreen(shot.pixel(50, 50)), 60);
}

}  // namespace
