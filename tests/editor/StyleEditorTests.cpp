// The gradient and shadow editors, driven as a user drives them while they run modally:
// OK gives the edited copy back, Cancel leaves the edited object as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "diagram/view/actions/DiagramChooser.h"
#include "editor/dialogs/ColorSwatch.h"
#include "editor/dialogs/GradientEditor.h"
#include "editor/dialogs/PaintBox.h"
#include "editor/dialogs/ShadowEditor.h"
#include "platform/gui/ColorUtils.h"

using namespace tarnwick;

namespace {

struct TColorAnswer : IDiagramChooser {
  std::optional<TColor> Color;
  QList<TColor> Initials;
  std::optional<TColor> ChooseColor(TColor AInitial) override {
    Initials << AInitial;
    return Color;
  }
  bool ChooseFont(TFont&) override { return false; }
  std::optional<QString> ChoosePictureFile() override { return std::nullopt; }
};

struct StyleEditors : ::testing::Test {
  StyleEditors() { SetDefaultDiagramChooser(&Answer); }
  ~StyleEditors() override { SetDefaultDiagramChooser(nullptr); }

  // Runs AWork on the dialog once it shows modally.
  template <class D>
  void WhenShown(std::function<void(D&)> AWork) {
    QTimer::singleShot(0, [AWork] {
      auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      AWork(*dialog);
    });
  }
  static void Keys(QWidget* AWidget, Qt::Key AKey, int ACount) {
    for (int i = 0; i < ACount; ++i) QTest::keyClick(AWidget, AKey);
  }

  TColorAnswer Answer;
};

TEST_F(StyleEditors, GradientOkGivesTheEditBackAndThePreviewFollows) {
  TDiagramGradient g;
  g.SetEndColor(clYellow);
  Answer.Color = clRed;
  QColor edge, centre;
  WhenShown<TGradientEditor>([&](TGradientEditor& d) {
    EXPECT_EQ(d.windowTitle(), "Diagram gradient selection");
    EXPECT_EQ(d.ComboBox1->count(), 14);
    EXPECT_EQ(d.ComboBox1->itemText(10), "Horz. In Out");
    QTest::mouseClick(d.Panel1, Qt::LeftButton);
    Keys(d.ComboBox1, Qt::Key_Down, int(grInOut));
    const QImage preview = d.PaintBox1->grab().toImage();
    edge = preview.pixelColor(0, 0);
    centre = preview.pixelColor(d.PaintBox1->width() / 2, d.PaintBox1->height() / 2);
    QTest::mouseClick(d.OkButton, Qt::LeftButton);
  });
  EXPECT_TRUE(ExecuteGradientEditor(nullptr, g));
  EXPECT_EQ(Answer.Initials, QList<TColor>{clWhite}) << "the colour question starts from the swatch";
  EXPECT_EQ(g.GetStartColor(), clRed);
  EXPECT_EQ(g.GetEndColor(), clYellow);
  EXPECT_EQ(g.GetDirection(), grInOut);
  EXPECT_FALSE(g.GetVisible()) << "the commands switch it on, not the dialog";
  EXPECT_EQ(edge, ColorToQColor(clYellow)) << "in-out: the end colour at the outline";
  EXPECT_EQ(centre, ColorToQColor(clRed));
}

TEST_F(StyleEditors, GradientCancelLeavesTheGradient) {
  TDiagramGradient g;
  g.SetDirection(grLeftRight);
  g.SetVisible(true);
  Answer.Color = clBlue;
  WhenShown<TGradientEditor>([&](TGradientEditor& d) {
    EXPECT_EQ(d.ComboBox1->currentIndex(), int(grLeftRight));
    QTest::mouseClick(d.Panel2, Qt::LeftButton);
    Keys(d.ComboBox1, Qt::Key_Down, 3);
    EXPECT_EQ(d.grad().GetEndColor(), clBlue);
    QTest::mouseClick(d.CancelButton, Qt::LeftButton);
  });
  EXPECT_FALSE(ExecuteGradientEditor(nullptr, g));
  EXPECT_EQ(g.GetDirection(), grLeftRight);
  EXPECT_EQ(g.GetEndColor(), clYellow);
  EXPECT_TRUE(g.GetVisible());
}

TEST_F(StyleEditors, ShadowOkGivesOffsetsAndColourBackButNotTransparency) {
  TBlockShadow s;
  s.SetColor(clBlue);  // hidden: the dialog starts from grey
  s.SetTransparency(30);
  Answer.Color = std::nullopt;
  WhenShown<TShadowEditor>([&](TShadowEditor& d) {
    EXPECT_EQ(d.windowTitle(), "ShadowEditor");
    EXPECT_EQ(d.Panel1->GetColor(), TColor(0x808080));
    QTest::mouseClick(d.Panel1, Qt::LeftButton);  // cancelled colour question
    Keys(d.UpDown1, Qt::Key_Up, 3);               // up: the shadow moves up
    Keys(d.UpDown2, Qt::Key_Right, 2);
    QTest::mouseClick(d.OkButton, Qt::LeftButton);
  });
  EXPECT_TRUE(ExecuteShadowEditor(nullptr, s));
  EXPECT_EQ(s.GetVOffset(), -1);
  EXPECT_EQ(s.GetHOffset(), 4);
  EXPECT_EQ(s.GetColor(), TColor(0x808080)) << "what the swatch showed";
  EXPECT_EQ(s.GetTransparency(), 30);
}

TEST_F(StyleEditors, ShadowCancelLeavesTheShadow) {
  TBlockShadow s;
  s.SetVisible(true);
  s.SetColor(clNavy);
  s.SetHOffset(150);  // beyond the spinner's range: kept unless the user moves it
  Answer.Color = clLime;
  WhenShown<TShadowEditor>([&](TShadowEditor& d) {
    EXPECT_EQ(d.Panel1->GetColor(), clNavy);
    EXPECT_EQ(d.Shad().GetHOffset(), 150);
    QTest::mouseClick(d.Panel1, Qt::LeftButton);
    Keys(d.UpDown1, Qt::Key_Down, 4);
    EXPECT_EQ(d.Shad().GetColor(), clLime);
    QTest::mouseClick(d.CancelButton, Qt::LeftButton);
  });
  EXPECT_FALSE(ExecuteShadowEditor(nullptr, s));
  EXPECT_EQ(s.GetColor(), clNavy);
  EXPECT_EQ(s.GetVOffset(), 2);
  EXPECT_EQ(s.GetHOffset(), 150);
}

}  // namespace
