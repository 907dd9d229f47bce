// A diagram without a window frames, titles and lays out exactly as a shown one: scroll
// ranges from the content, the window's border, handles that follow the handle style.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "../DocumentText.h"
#include "../blocks/BlockFixture.h"
#include "platform/gui/Bitmap.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr TColor Blue = 0xFF0000;

class HeadlessView : public ::testing::Test, public TBlockFixture {
 protected:
  HeadlessView() {
    Diagram->SetBounds(0, 0, 200, 200);
    Block = NewBlock(50, 40, 400, 300);
    Block->SetColor(Blue);
  }
  QImage Standard() {
    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    Diagram->PaintToBitmap(bitmap.get(), esStandard);
    return bitmap->GetImage().convertToFormat(QImage::Format_RGB32);
  }
  TDiagramBlock* Block = nullptr;
};

bool IsBlue(QRgb C) { return qBlue(C) > 200 && qRed(C) < 60 && qGreen(C) < 60; }

TEST_F(HeadlessView, TheStandardExportHoldsTheWholeDiagramWithoutAWindow) {
  ASSERT_FALSE(Diagram->HandleAllocated());
  const QImage headless = Standard();
  ASSERT_GE(headless.width(), 451);
  ASSERT_GE(headless.height(), 341);
  EXPECT_TRUE(IsBlue(headless.pixel(440, 330))) << "the far corner of the block is in the image";
  EXPECT_TRUE(IsBlue(headless.pixel(60, 50)));

  // So does the document read back by another headless diagram, as the command-line
  // tool reads it.
  TBlockFixture reader;
  reader.Diagram->SetBounds(0, 0, 200, 200);
  LoadText(reader.Diagram, SaveText(Diagram));
  TOwned<TBitmap> loaded = MakeOwned<TBitmap>();
  reader.Diagram->PaintToBitmap(loaded.get(), esStandard);
  EXPECT_TRUE(loaded->GetImage().convertToFormat(QImage::Format_RGB32) == headless);

  // The same diagram shown in a window of the same size gives the same picture.
  ShowInWindow();
  Diagram->SetBounds(0, 0, 200, 200);
  Diagram->UpdateScrollRanges();
  const QImage shown = Standard();
  EXPECT_EQ(shown.size(), headless.size());
  EXPECT_TRUE(shown == headless);
}

TEST_F(HeadlessView, ScrollRangesFollowTheContentWithoutAWindow) {
  EXPECT_GE(Diagram->GetHorzScrollBar()->GetRange(), 451);
  Block->SetBoundsRect(TSquare{50, 40, 900, 340});
  Diagram->UpdateScrollRanges();
  EXPECT_GE(Diagram->GetHorzScrollBar()->GetRange(), 901);
  // A headless diagram does not move the content a program placed at negative
  // coordinates: there is no view to bring it into.
  Block->SetBoundsRect(TSquare{-50, -40, 100, 100});
  Diagram->UpdateScrollRanges();
  EXPECT_EQ(Block->GetLeft(), -50);
  EXPECT_EQ(Block->GetTop(), -40);
}

TEST_F(HeadlessView, VectorExportsAreTitledWithTheDocumentsName) {
  QTemporaryDir dir;
  const QString doc = dir.filePath("plan.dgr");
  Diagram->SaveToFile(doc);
  Diagram->ExportToFile(dir.filePath("out.svg"), efAuto, esNetto);
  QFile svg(dir.filePath("out.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray text = svg.readAll();
  EXPECT_TRUE(text.contains("<title>plan.dgr</title>")) << text.left(400).toStdString();
  EXPECT_TRUE(text.contains("<desc>Tarnwick</desc>"));
  EXPECT_FALSE(text.contains("Generated with Qt"));

  Diagram->ExportToFile(dir.filePath("out.pdf"), efAuto, esNetto);
  QFile pdf(dir.filePath("out.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  // PDF info strings are UTF-16 with a byte-order mark.
  auto utf16 = [](const char* s) {
    QByteArray out("\xFE\xFF", 2);
    for (const char* p = s; *p; ++p) out.append('\0').append(*p);
    return out;
  };
  EXPECT_TRUE(bytes.contains(utf16("plan.dgr")) || bytes.contains("(plan.dgr)"));
  EXPECT_TRUE(bytes.contains(utf16("Tarnwick")) || bytes.contains("(Tarnwick)"));
}

TEST_F(HeadlessView, ANeverSavedDocumentIsTitledWithTheImagesName) {
  EXPECT_EQ(Diagram->ExportTitle("/tmp/some/where/picture.svg"), "picture.svg");
  Diagram->SetDocumentFileName("/home/u/docs/flow.dgr");
  EXPECT_EQ(Diagram->ExportTitle("/tmp/picture.svg"), "flow.dgr");
}

TEST_F(HeadlessView, TheWindowPaintsItsBorderInTheBorderColour) {
  ShowInWindow();
  Diagram->SetBounds(0, 0, 200, 150);
  Diagram->SetBorderColor(0x0000FF);  // red
  QWidget* window = Diagram->GetHandle();
  const auto isRed = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
  QImage image = window->grab().toImage();
  EXPECT_TRUE(isRed(image.pixel(0, 0)));
  EXPECT_TRUE(isRed(image.pixel(100, 0)));
  EXPECT_TRUE(isRed(image.pixel(0, 75)));
  EXPECT_FALSE(isRed(image.pixel(100, 75)));
  // The scroll bars sit inside the frame, so its right and bottom edges stay visible.
  EXPECT_TRUE(isRed(image.pixel(199, 75)));
  EXPECT_TRUE(isRed(image.pixel(100, 149)));

  Diagram->SetBorderStyle(bsNone);
  image = window->grab().toImage();
  EXPECT_FALSE(isRed(image.pixel(0, 0)));
  EXPECT_FALSE(isRed(image.pixel(100, 0)));
}

TEST_F(HeadlessView, ChangingTheHandleStyleLaysOutTheHandlesOfExistingBlocks) {
  TStretchHandles* handles = Block->GetHandles();
  ASSERT_NE(handles->FindByData(9), nullptr);
  const TDot classicRotate = handles->FindByData(9)->GetOrPoint();
  EXPECT_EQ(handles->FindByData(10), nullptr) << "no rotation centre handle in the classic style";
  Diagram->SetHandlesStyle(hsVisio);
  ASSERT_NE(handles->FindByData(10), nullptr) << "the rotation centre handle appears";
  EXPECT_NE(handles->FindByData(9)->GetOrPoint(), classicRotate) << "the rotation handle moves to the top";
  Diagram->SetHandlesStyle(hsClassic);
  EXPECT_EQ(handles->FindByData(10), nullptr);
  EXPECT_EQ(handles->FindByData(9)->GetOrPoint(), classicRotate);
}

}  // namespace
