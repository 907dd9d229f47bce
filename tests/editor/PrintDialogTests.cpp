// The printing dialogs as the user meets them: the preview's page label, buttons, zoom
// menu and keys, and its bounded rendering; the print dialog's printer choice, copies and
// page validation, and its Cancel; the page settings dialog's units, validation and undo.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "diagram/printing/PageSettings.h"
#include "editor/printing/PageSetupDialog.h"
#include "editor/printing/PreviewWindow.h"
#include "editor/printing/PrintDialog.h"
#include "editor/printing/PrintMessages.h"
#include "tests/diagram/printing/PrintFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct Dialogs : ::testing::Test, TPrintFixture {
  Dialogs() {
    PrintMessageHook() = [this](QWidget*, const QString& AMessage) { Messages << AMessage; };
    Select("Office Laser");
    Diagram->GetPageSettings()->ChangePaperID(1);
    ThreePages();
  }
  ~Dialogs() override { PrintMessageHook() = nullptr; }
  QStringList Messages;
};

struct Preview : Dialogs {
  Preview() {
    Window.resize(900, 700);
    Window.setWindowState(Qt::WindowNoState);
    Window.SetDiagram(Diagram);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }
  void Key(int AKey, Qt::KeyboardModifiers AMods = Qt::NoModifier) { QTest::keyClick(&Window, Qt::Key(AKey), AMods); }
  QScrollBar* V() const { return Window.ScrollBox()->verticalScrollBar(); }
  QScrollBar* H() const { return Window.ScrollBox()->horizontalScrollBar(); }
  TfmDiagramPreview Window{nullptr};
};

}  // namespace

TEST_F(Preview, PageLabelAndButtonsFollowThePage) {
  EXPECT_EQ(Window.windowTitle(), "Diagram Print Preview");
  EXPECT_EQ(Window.PageLabel()->text(), "Page 1/3");
  EXPECT_EQ(Window.ZoomButton()->text(), "100%");
  EXPECT_FALSE(Window.PreviousAction()->isEnabled());
  EXPECT_TRUE(Window.NextAction()->isEnabled());
  EXPECT_EQ(Window.PreviousAction()->toolTip(), "Previous page");
  EXPECT_EQ(Window.NextAction()->toolTip(), "Next page");
  Window.NextAction()->trigger();
  Window.NextAction()->trigger();
  EXPECT_EQ(Window.PageLabel()->text(), "Page 3/3");
  EXPECT_FALSE(Window.NextAction()->isEnabled());
  EXPECT_TRUE(Window.PreviousAction()->isEnabled());
  Window.PreviousAction()->trigger();
  EXPECT_EQ(Window.PageLabel()->text(), "Page 2/3");
  Window.SetDiagram(Diagram);
  EXPECT_EQ(Window.PageLabel()->text(), "Page 1/3") << "a diagram given starts again on page 1";
}

TEST_F(Preview, TheZoomMenuSizesThePageOnTheScreen) {
  QMenu* menu = Window.ZoomButton()->menu();
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* a : menu->actions()) items << a->text();
  EXPECT_EQ(items, QStringList({"500%", "200%", "150%", "100%", "75%", "50%", "25%", "10%"}));
  Diagram->GetPageSettings()->ChangePaperID(9);
  menu->actions()[5]->trigger();
  EXPECT_EQ(Window.ZoomButton()->text(), "50%");
  if (Window.logicalDpiX() != 96 || Window.logicalDpiY() != 96) GTEST_SKIP() << "the screen is not 96 DPI";
  EXPECT_EQ(Window.PagePreview()->size(), QSize(402, 566)) << "A4 portrait at 50 % on a 96 DPI screen";
  Diagram->GetPageSettings()->SetOrientation(dpoLandscape);
  Window.RefreshPreview();
  EXPECT_EQ(Window.PagePreview()->size(), QSize(566, 402));
  // Small enough to centre.
  const QSize client = Window.ScrollBox()->viewport()->size();
  EXPECT_EQ(Window.PagePreview()->x(), (client.width() - 566) / 2);
}

TEST_F(Preview, KeysScrollVerticallyOrWithShiftHorizontally) {
  Window.SetZoomPercent(200);
  QApplication::processEvents();
  ASSERT_GT(V()->maximum(), 0);
  ASSERT_GT(H()->maximum(), 0);
  Key(Qt::Key_Down);
  EXPECT_EQ(V()->value(), V()->singleStep());
  Key(Qt::Key_PageDown);
  EXPECT_EQ(V()->value(), std::min(V()->maximum(), V()->singleStep() + Window.ScrollBox()->viewport()->height()));
  Key(Qt::Key_End);
  EXPECT_EQ(V()->value(), V()->maximum());
  Key(Qt::Key_Home);
  EXPECT_EQ(V()->value(), 0);
  Key(Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(H()->value(), H()->maximum());
  EXPECT_EQ(V()->value(), 0);
  Key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(H()->value(), H()->maximum() - H()->singleStep());
  Key(Qt::Key_PageUp, Qt::ShiftModifier);
  EXPECT_EQ(H()->value(), std::max(0, H()->maximum() - H()->singleStep() - Window.ScrollBox()->viewport()->width()));
}

TEST_F(Preview, AtFiveHundredPercentOnlyTheVisiblePartIsRendered) {
  Diagram->GetPageSettings()->ChangePaperID(9);
  Window.SetZoomPercent(500);
  Window.PagePreview()->repaint();
  const QSize client = Window.ScrollBox()->viewport()->size();
  EXPECT_GT(Window.PagePreview()->RenderedPixels(), 0);
  EXPECT_LE(Window.PagePreview()->RenderedPixels(), qint64{client.width()} * client.height());
}

TEST_F(Dialogs, PrintDialogCancelRestoresThePrinterChosenBefore) {
  TfmDgrPrintDialog dialog(nullptr, *Diagram, 1, QString());
  EXPECT_EQ(dialog.windowTitle(), "Print");
  EXPECT_EQ(dialog.cbPrinters->currentText(), "Office Laser");
  EXPECT_EQ(dialog.lbWhere->text(), "Room 2");
  dialog.cbPrinters->setCurrentIndex(DiagramPrinters().IndexOf("Label Writer"));
  EXPECT_EQ(DPrinter()->GetDeviceName(), "Label Writer") << "chosen printers become current at once";
  EXPECT_EQ(dialog.lbType->text(), "Label Writer");
  EXPECT_EQ(dialog.lbWhere->text(), "usb://label");
  dialog.reject();
  EXPECT_EQ(DPrinter()->GetDeviceName(), "Office Laser");
}

TEST_F(Dialogs, PrintDialogTakesNoZeroCopiesAndChecksThePages) {
  TfmDgrPrintDialog dialog(nullptr, *Diagram, 1, QString());
  dialog.show();
  EXPECT_TRUE(dialog.rbAllPages->isChecked());
  EXPECT_EQ(dialog.edCopies->value(), 1);
  dialog.edCopies->selectAll();
  QTest::keyClicks(dialog.edCopies, "0");
  dialog.edCopies->interpretText();
  EXPECT_GE(dialog.edCopies->value(), 1) << "0 copies cannot be entered";
  EXPECT_EQ(dialog.edCopies->minimum(), 1);

  QTest::keyClicks(dialog.edPageNumbers, "7-9");
  EXPECT_TRUE(dialog.rbPageNumbers->isChecked()) << "typing a page list chooses \"Pages:\"";
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible()) << "a list that selects no page keeps the dialog open";
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].contains("select no page")) << Messages[0].toStdString();
  dialog.edPageNumbers->clear();
  QTest::keyClicks(dialog.edPageNumbers, "a-2");
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Messages.size(), 2);

  dialog.edPageNumbers->selectAll();
  QTest::keyClick(dialog.edPageNumbers, Qt::Key_Backspace);
  EXPECT_TRUE(dialog.rbAllPages->isChecked()) << "an emptied list chooses \"All\"";
  dialog.edCopies->setValue(3);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Copies(), 3);
  EXPECT_EQ(dialog.PageNumbers(), "");
}

TEST_F(Dialogs, PrintDialogOffersThePdfFileWhenThereIsNoPrinter) {
  SetPrinterBackend(nullptr);
  TfmDgrPrintDialog dialog(nullptr, *Diagram, 1, QString());
  dialog.show();
  EXPECT_EQ(dialog.cbPrinters->currentText(), "PDF file");
  EXPECT_TRUE(dialog.edFileName->isVisible());
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible()) << "no file chosen yet";
  EXPECT_EQ(Messages, QStringList({"Choose the file to print to."}));
  dialog.reject();
  EXPECT_EQ(DPrinter()->GetDeviceName(), "Generic printer");
}

TEST_F(Dialogs, PageSettingsShowMillimetresAndChangeAsOneUndoStep) {
  TfmDgrPageSettings dialog(nullptr, *Diagram);
  EXPECT_EQ(dialog.windowTitle(), "Page Settings");
  EXPECT_EQ(dialog.cbPaperSize->currentText(), "Letter");
  EXPECT_EQ(dialog.edMarginLeft->text(), Diagram->GetUnitSymbol() == "mm" ? "25.4" : dialog.edMarginLeft->text());
  EXPECT_FALSE(dialog.edWidth->isEnabled());
  dialog.cbPaperSize->setCurrentIndex(dialog.cbPaperSize->findText("A5"));
  dialog.rbLandscape->setChecked(true);
  EXPECT_EQ(dialog.edWidth->text(), FormatMeasure(Diagram->MMToMeasUnit(210))) << "turned for landscape";
  EXPECT_EQ(dialog.edHeight->text(), FormatMeasure(Diagram->MMToMeasUnit(148)));

  int modified = 0;
  Diagram->OnModified = [&](TObject*) { ++modified; };
  dialog.edMarginTop->setText("abc");
  dialog.accept();
  EXPECT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Diagram->GetPageSettings()->GetPaperId(), 1) << "nothing changed";
  EXPECT_EQ(modified, 0);

  dialog.edMarginTop->setText(FormatMeasure(Diagram->MMToMeasUnit(12.5)));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const TDiagramPageSettings& ps = *Diagram->GetPageSettings();
  EXPECT_EQ(ps.GetPaperName(), "A5");
  EXPECT_EQ(ps.GetOrientation(), dpoLandscape);
  EXPECT_NEAR(ps.GetTopMargin(), 12.5, 0.01);
  EXPECT_EQ(modified, 1);
  EXPECT_EQ(Diagram->NextUndoAction(), "Page setup");
  Diagram->Undo();
  EXPECT_EQ(Diagram->GetPageSettings()->GetPaperName(), "Letter");
  EXPECT_EQ(Diagram->GetPageSettings()->GetOrientation(), dpoPortrait);
}

TEST(MeasureText, TwoDecimalsAtMostWithoutTrailingZeros) {
  EXPECT_EQ(FormatMeasure(25.4), "25.4");
  EXPECT_EQ(FormatMeasure(1), "1");
  EXPECT_EQ(FormatMeasure(0.999), "1");
  EXPECT_EQ(FormatMeasure(2.545), "2.54");
  EXPECT_EQ(FormatMeasure(-0.001), "0");
}
