// Exporting the diagram as an image: the four framings and the zoom give the image its
// size and put the drawing in it; the file format follows the format or the extension; a
// banded PNG decodes to the picture painted in one piece; rulers and grid stay out.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>

#include "../blocks/BlockFixture.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/MetafilePlayer.h"

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

TEST_F(Export, TheExtensionChoosesTheMetafileFormat) {
  Diagram->ExportToFile(File("x.EMF"), efAuto, esNetto);
  EXPECT_EQ(Head("x.EMF", 44).mid(40), QByteArray(" EMF"));
  Diagram->ExportToFile(File("x.WMF"), efAuto, esNetto);
  EXPECT_EQ(Head("x.WMF", 4), QByteArray("\xD7\xCD\xC6\x9A"));
  // Any other name (and a stream) gets the enhanced format.
  Diagram->ExportAsWMF(File("x.pic"), esNetto);
  EXPECT_EQ(Head("x.pic", 44).mid(40), QByteArray(" EMF"));
  TMemoryStream stream;
  Diagram->ExportAsWMFStream(stream, esNetto);
  EXPECT_EQ(stream.Bytes().mid(40, 4), QByteArray(" EMF"));
}

TEST_F(Export, TightMetafileOfOneBlock) {
  Diagram->ExportToFile(File("tight.emf"), efAuto, esNetto);
  QFile f(File("tight.emf"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray emf = f.readAll();
  const metafile::TByteView b(emf);
  // Bounds (inclusive pixels) hold the block at (3, 3); the frame is 206 x 106 pixels.
  const QRect bounds(QPoint(b.I32(8), b.I32(12)), QPoint(b.I32(16), b.I32(20)));
  EXPECT_TRUE(bounds.contains(QRect(3, 3, 200, 100))) << bounds.x() << "," << bounds.y() << " " << bounds.width();
  EXPECT_TRUE(QRect(0, 0, 206, 106).contains(bounds));
  EXPECT_EQ(b.I32(32), 5450);
  EXPECT_EQ(b.I32(36), 2805);
  EXPECT_EQ(b.U32(48), uint32_t(emf.size()));
  int64_t at = 0, last = -1;
  uint32_t records = 0;
  while (b.Has(at, 8)) {
    const uint32_t size = b.U32(at + 4);
    ASSERT_GE(size, 8u);
    last = b.U32(at);
    at += size;
    ++records;
  }
  EXPECT_EQ(at, emf.size());
  EXPECT_EQ(last, metafile::EMR_EOF);
  EXPECT_EQ(records, b.U32(52));
}

TEST_F(Export, MetafilePlaybackMatchesTheBitmapExport) {
  NewBlock(20, 200, 80, 40)->SetColor(0x00FF00);
  const QImage bitmap = Bitmap(esNetto);
  for (const char* name : {"m.emf", "m.wmf"}) {
    Diagram->ExportToFile(File(name), efAuto, esNetto);
    QFile f(File(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QImage played(bitmap.size(), QImage::Format_RGB32);
    played.fill(Qt::white);
    {
      QPainter p(&played);
      ASSERT_TRUE(metafile::Play(p, f.readAll(), QRectF(QPointF(0, 0), QSizeF(bitmap.size()))));
    }
    int differ = 0;
    for (int y = 0; y < bitmap.height(); ++y)
      for (int x = 0; x < bitmap.width(); ++x) {
        const QRgb a = bitmap.pixel(x, y), c = played.pixel(x, y);
        differ += std::abs(qRed(a) - qRed(c)) > 48 || std::abs(qGreen(a) - qGreen(c)) > 48 || std::abs(qBlue(a) - qBlue(c)) > 48;
      }
    const double share = double(differ) / (bitmap.width() * bitmap.height());
    RecordProperty(name, std::to_string(share));
    EXPECT_LT(share, 0.02) << name << ": share of differing pixels " << share;
  }
}

TEST_F(Export, AnExportedMetafileDrawsAsABlocksPicture) {
  TMemoryStream stream;
  Diagram->ExportAsWMFStream(stream, esNetto);
  TOwned<TMetafile> picture = MakeOwned<TMetafile>();
  picture->LoadFromBytes(stream.Bytes());
  EXPECT_EQ(picture->GetWidth(), 206);
  TDiagramBlock* other = NewBlock(20, 200, 100, 60);
  other->SetColor(0xFFFFFF);
  other->SetMetafile(picture.get());
  const QImage image = Bitmap(esCentered);
  EXPECT_TRUE(IsRed(image.pixel(70, 230))) << "the red block of the picture at the block's centre";
}

TEST_F(Export, AMetafileTooLargeForTheOlderFormatIsRefusedAndLeavesNoFile) {
  Block->SetBoundsRect(TSquare{0, 0, 40000, 100});
  try {
    Diagram->ExportToFile(File("huge.wmf"), efAuto, esNetto);
    FAIL() << "accepted";
  } catch (const Exception& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral(".emf"))) << e.what();
  }
  EXPECT_FALSE(QFile::exists(File("huge.wmf")));
}

TEST_F(Export, CopiedControlsOfferAMetafile) {
  Block->SetSelected(true);
  Diagram->CopyToClipboard();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->formats().contains(QStringLiteral("image/emf")));
  EXPECT_TRUE(data->hasFormat(QStringLiteral("image/x-emf")));
  const QByteArray emf = data->data(QStringLiteral("image/emf"));
  EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));
  EXPECT_EQ(data->data(QStringLiteral("image/x-emf")), emf);
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

// An opaque export background gives an RGB file; a clear one keeps its transparency,
// however far down the first transparent pixel is.
TEST_F(Export, ThePngKeepsAlphaOnlyWhereTheImageHasIt) {
  for (const bool clear : {false, true}) {
    if (clear) Diagram->SetExportBackgroundColor(clNone);
    const QString name = clear ? "clear.png" : "white.png";
    Diagram->ExportAsPNG(File(name), esNetto);
    const QByteArray head = Head(name, 26);
    ASSERT_EQ(head.size(), 26);
    EXPECT_EQ(head.at(25), clear ? 6 : 2) << clear;
    const QImage decoded = QImage(File(name)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(decoded.size(), QSize(206, 106));
    EXPECT_EQ(qAlpha(decoded.pixel(1, 1)), clear ? 0 : 255);
    EXPECT_TRUE(IsRed(decoded.pixel(100, 50)));
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
