// What printing writes, read back by an independent PDF reader, and pages rendered for the
// preview: the part a window shows equals that part of the whole page, whose margins are
// white, and a zoomed page keeps its content.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "diagram/printing/PageSettings.h"
#include "platform/core/Math.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Progress.h"
#include "tests/diagram/printing/PrintFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct PdfPrinting : ::testing::Test, TPrintFixture {
  PdfPrinting() : TPrintFixture(false) {
    ThreePages();
    Select(TDiagramPdfPrinter::PdfName);
  }
  TDiagramPdfPrinter& Pdf() { return *static_cast<TDiagramPdfPrinter*>(DPrinter()); }

  // pdfinfo's "Pages" and "Page size" lines.
  static QString Info(const QString& AFile) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {AFile});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  static QString Field(const QString& AInfo, const QString& AName) {
    const QRegularExpression re("^" + AName + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return re.match(AInfo).captured(1).trimmed();
  }

  QTemporaryDir Dir;
};

struct PreviewRender : ::testing::Test, TPrintFixture {
  PreviewRender() : TPrintFixture(false) {}
};

// Pixels that are not white.
int Inked(const QImage& AImage) {
  int n = 0;
  for (int y = 0; y < AImage.height(); ++y)
    for (int x = 0; x < AImage.width(); ++x) n += (AImage.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  return n;
}

}  // namespace

TEST_F(PdfPrinting, ThreePagesOfLetterAndTheirSizeAsAReaderSeesThem) {
  if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is missing";
  const QString file = Dir.filePath("three.pdf");
  Pdf().SetFileName(file);
  ASSERT_EQ(Diagram->GetPageCount(), 3);
  PrintSettingsOf(*Diagram).Title = "Three pages";
  QString message;
  ASSERT_TRUE(Print(*Diagram, false, &message)) << message.toStdString();
  const QString info = Info(file);
  EXPECT_EQ(Field(info, "Pages"), "3");
  EXPECT_TRUE(Field(info, "Page size").startsWith("612 x 792 pts")) << Field(info, "Page size").toStdString();
  EXPECT_EQ(Field(info, "Title"), "Three pages");

  // Landscape A4, two copies of page 2.
  Diagram->GetPageSettings()->ChangePaperID(9);
  Diagram->GetPageSettings()->SetOrientation(dpoLandscape);
  ASSERT_TRUE(PrintPages(*Diagram, Pdf(), 2, "2", &message)) << message.toStdString();
  const QString second = Info(file);
  EXPECT_EQ(Field(second, "Pages"), "2");
  EXPECT_TRUE(Field(second, "Page size").startsWith("842 x 595 pts")) << Field(second, "Page size").toStdString();
}

TEST_F(PdfPrinting, AFailedJobLeavesTheEarlierFileAsItWas) {
  const QString file = Dir.filePath("keep.pdf");
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("earlier");
  }
  Pdf().SetFileName(file);
  const TProgressScope scope([](qint64 ADone, qint64) { return ADone < 1; });
  EXPECT_THROW(PrintPages(*Diagram, Pdf(), 1, "", nullptr), EOperationCancelled);
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "earlier");
}

TEST_F(PreviewRender, APartIsThatPartOfTheWholePageWithWhiteMargins) {
  Block(0, 0, 200, 150);
  const TPoint paper = Diagram->GetPageSettings()->PaperSizePixels();
  const int w = paper.X / 3, h = paper.Y / 3;
  TOwned<TBitmap> whole(BuildPreviewBitmap(*Diagram, 1, w, h));
  ASSERT_TRUE(whole);
  const QImage page = whole->GetImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ASSERT_EQ(page.size(), QSize(w, h));
  EXPECT_GT(Inked(page), 100) << "the block is drawn";
  // Letter with inch margins: the left inch and the top inch are white.
  const int inchX = w * 254 / 2159;
  EXPECT_EQ(Inked(page.copy(0, 0, inchX, h)), 0);
  EXPECT_EQ(Inked(page.copy(0, 0, w, h * 254 / 2794)), 0);

  const QRect part(inchX - 20, 60, 150, 120);
  const QImage piece = RenderPreviewPart(*Diagram, 1, w, h, part);
  ASSERT_EQ(piece.size(), part.size());
  const QImage expected = page.copy(part);
  int differ = 0;
  for (int y = 0; y < piece.height(); ++y)
    for (int x = 0; x < piece.width(); ++x) differ += piece.pixel(x, y) != expected.pixel(x, y);
  EXPECT_LE(differ, piece.width() * piece.height() / 50) << "anti-aliasing may differ along edges";
  EXPECT_TRUE(RenderPreviewPart(*Diagram, 1, w, h, QRect(w + 10, 0, 50, 50)).isNull()) << "outside the page";
  EXPECT_EQ(Diagram->GetPaintStyle(), psScreen);
}

TEST_F(PreviewRender, AZoomedPageKeepsTheContentOfItsLowerRight) {
  // At 500 % on a 96 DPI screen a Letter page is larger than its pixels at 300 DPI.
  const int w = Round(215.9 / 25.4 * 5 * 96), h = Round(279.4 / 25.4 * 5 * 96);
  Block(560, 780, 620, 860);  // just inside the printable part's lower right corner
  const double scale = double(w) / Diagram->GetPageSettings()->PaperSizePixels().X;
  const TSquare printable = Diagram->GetPageSettings()->PrintableRect();
  const int right = Round(printable.Right * scale), bottom = Round(printable.Bottom * scale);
  const QImage corner = RenderPreviewPart(*Diagram, 1, w, h, QRect(right - 300, bottom - 300, 300, 300));
  ASSERT_FALSE(corner.isNull());
  EXPECT_GT(Inked(corner), 1000);
}

TEST_F(PreviewRender, PrintToCanvasPaintsAPageIntoAnyRectangle) {
  Block(700, 10, 800, 100);  // on page 2
  QImage image(400, 500, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    TCanvas canvas(&painter);
    EXPECT_TRUE(PrintToCanvas(*Diagram, canvas, 2, 0, 0, 400, 500, true));
  }
  EXPECT_GT(Inked(image.copy(0, 0, 100, 100)), 50) << "page 2's block at the rectangle's origin";
  EXPECT_EQ(Inked(image.copy(200, 200, 200, 300)), 0);
  EXPECT_EQ(Diagram->GetPaintStyle(), psScreen);
}
