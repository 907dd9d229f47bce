// Exporting the diagram as an image: the four framings and the zoom give the image its
// size and put the drawing in it; the file format follows the format or the extension; a
// banded PNG decodes to the picture painted in one piece; rulers and grid stay out.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "../blocks/BlockFixture.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/gui/Bitmap.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr TColor Red = 0x0000FF;

class Export : public ::testing::Test, public TBlockFixture {
 protected:
  Export() {
    Diagram->SetBounds(0, 0, 320, 240);
    Block = NewBlock(100, 50, 200, 100);
    Block->SetColor(Red);
  }
  QImage Bitmap(TExportSize ASize) {
    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    Diagram->PaintToBitmap(bitmap.get(), ASize);
    return bitmap->GetImage().convertToFormat(QImage::Format_RGB32);
  }
  QString File(const QString& AName) const { return Dir.filePath(AName); }
  QByteArray Head(const QString& AName, int N) const {
    QFile f(File(AName));
    f.open(QIODevice::ReadOnly);
    return f.read(N);
  }

  TDiagramBlock* Block = nullptr;
  QTemporaryDir Dir;
};

bool IsRed(QRgb C) { return qRed(C) > 200 && qGreen(C) < 60 && qBlue(C) < 60; }
bool IsWhite(QRgb C) { return qRed(C) > 240 && qGreen(C) > 240 && qBlue(C) > 240; }

TEST_F(Export, NettoCropsToTheDrawingPlusTheMargin) {
  const QImage image = Bitmap(esNetto);
  EXPECT_EQ(image.size(), QSize(206, 106));
  EXPECT_TRUE(IsRed(image.pixel(10, 10))) << "the block starts at (3, 3)";
  EXPECT_TRUE(IsWhite(image.pixel(1, 1)));
  EXPECT_TRUE(IsRed(image.pixel(200, 100)));
}

TEST_F(Export, CenteredLeavesTheSameMarginRightAndBottom) {
  const QImage image = Bitmap(esCentered);
  EXPECT_EQ(image.size(), QSize(400, 200));
  EXPECT_TRUE(IsRed(image.pixel(110, 60)));
  EXPECT_TRUE(IsWhite(image.pixel(90, 40)));
}

TEST_F(Export, TheZoomScalesTheImage) {
  Diagram->SetZoom(200);
  const QImage image = Bitmap(esNetto);
  EXPECT_EQ(image.size(), QSize(412, 212));
  EXPECT_TRUE(IsRed(image.pixel(20, 20)));
  EXPECT_TRUE(IsWhite(image.pixel(3, 3)));
}

TEST_F(Export, StandardCoversTheClientArea) {
  EXPECT_EQ(Bitmap(esStandard).size(), QSize(320, 240));
}

TEST_F(Export, AnEmptyDiagramExportsTheMarginOnly) {
  Block->Free();
  EXPECT_EQ(Bitmap(esNetto).size(), QSize(6, 6));
}

TEST_F(Export, RulersGridAndSelectionStayOutOfTheImage) {
  Diagram->GetTopRuler()->SetVisible(true);
  Diagram->GetLeftRuler()->SetVisible(true);
  Diagram->GetSnapGrid()->SetVisible(true);
  Block->SetSelected(true);
  const QImage image = Bitmap(esCentered);
  for (int i = 0; i < 40; ++i) {
    ASSERT_TRUE(IsWhite(image.pixel(i, 2))) << i;
    ASSERT_TRUE(IsWhite(image.pixel(2, i))) << i;
  }
  EXPECT_EQ(Diagram->GetPaintStyle(), psScreen);
}

TEST_F(Export, TheExtensionChoosesTheFormat) {
  Diagram->ExportToFile(File("a.PNG"), efAuto, esNetto);
  EXPECT_EQ(Head("a.PNG", 8), QByteArray("\x89PNG\r\n\x1a\n"));
  Diagram->ExportToFile(File("b.jpg"), efAuto, esNetto);
  EXPECT_EQ(Head("b.jpg", 2), QByteArray("BM")) << "an unknown extension gives a BMP";
  Diagram->ExportToFile(File("c.svg"), efAuto, esNetto);
  EXPECT_TRUE(Head("c.svg", 200).contains("<svg"));
  Diagram->ExportToFile(File("d.pdf"), efAuto, esNetto);
  EXPECT_EQ(Head("d.pdf", 4), QByteArray("%PDF"));
  Diagram->ExportToFile(File("e.bin"), efPNG, esNetto);
  EXPECT_EQ(Head("e.bin", 4), QByteArray("\x89PNG"));
}

TEST_F(Export, MetafilesAreRefusedAndLeaveNoFile) {
  for (const char* name : {"x.WMF", "x.emf"}) {
    EXPECT_THROW(Diagram->ExportToFile(File(name), efAuto, esNetto), Exception);
    EXPECT_FALSE(QFile::exists(File(name)));
  }
}

TEST_F(Export, AFailedExportLeavesTheOldFile) {
  const QString name = File("keep.png");
  {
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write("old");
  }
  Diagram->OnBeforePaint = [](TObject*, TCanvas*) { throw Exception(QStringLiteral("boom")); };
  EXPECT_THROW(Diagram->ExportAsPNG(name, esNetto), Exception);
  EXPECT_EQ(Head("keep.png", 10), QByteArray("old"));
  EXPECT_EQ(Diagram->GetPaintStyle(), psScreen);
}

TEST_F(Export, BandedFilesDecodeToTheOnePiecePicture) {
  // Several bands: a tall drawing with blocks across band boundaries.
  for (int i = 0; i < 12; ++i) NewBlock(10 + 7 * i, 300 * i, 120, 290, 10 * i)->SetColor(0x00FF00 + i * 20);
  const QImage whole = Bitmap(esNetto);
  ASSERT_GT(whole.height(), 3000);
  Diagram->ExportAsPNG(File("bands.png"), esNetto);
  Diagram->ExportAsBMP(File("bands.bmp"), esNetto);
  for (const char* name : {"bands.png", "bands.bmp"}) {
    const QImage decoded = QImage(File(name)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), whole.size()) << name;
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
      for (int x = 0; x < whole.width(); ++x)
        if (decoded.pixel(x, y) != whole.pixel(x, y)) ++differing;
    // Anti-aliased edges cut by a band boundary may round differently; nothing else may.
    EXPECT_LT(differing, whole.width() * 4) << name;
    if (differing >= whole.width() * 4) { whole.save(QString("/tmp/whole.png")); decoded.save(QString("/tmp/dec_") + name + ".png"); }
  }
}

TEST_F(Export, AHostileCoordinateIsRefusedBeforeAnythingIsAllocated) {
  Block->SetBoundsRect(TSquare{0, 0, 1e9, 1e9});
  EXPECT_THROW(Bitmap(esNetto), Exception);
  EXPECT_THROW(Diagram->ExportAsPNG(File("huge.png"), esNetto), Exception);
  EXPECT_FALSE(QFile::exists(File("huge.png")));
}

TEST_F(Export, TheClipboardReceivesTheBitmap) {
  Diagram->CopyBitmapToClipboard(esNetto);
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), QSize(206, 106));
  EXPECT_TRUE(IsRed(copied.pixel(10, 10)));
}

TEST_F(Export, TheBmpStreamIsABitmapFile) {
  TMemoryStream out;
  Diagram->ExportAsBMPStream(out, esNetto);
  const QImage decoded = QImage::fromData(out.Bytes(), "BMP");
  EXPECT_EQ(decoded.size(), QSize(206, 106));
}

}  // namespace
