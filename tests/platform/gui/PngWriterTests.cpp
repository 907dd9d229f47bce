// The PNG writer: images written in bands of any shape and format decode to the source
// pixels, as RGBA or, for opaque images, as RGB; each row's filter is one that decodes to
// it; and the compressed data goes out in bounded chunks.
#include <gtest/gtest.h>
#include <zlib.h>

#include <set>

#include "ExportSamples.h"
#include "platform/gui/PngWriter.h"

using namespace tarnwick;
using namespace tarnwick::testing_export;

namespace {

struct TPngCase {
  QImage::Format Format;
  std::vector<int> Heights;
};

class PngBands : public testing::TestWithParam<TPngCase> {};

// The expected pixels are what the band's format holds, read back straight by Qt itself;
// premultiplied bands keep (200, 100, 50, 128) within one step.
TEST_P(PngBands, DecodeToTheSourcePixels) {
  const QImage Image = Source(29, 17, true).convertToFormat(GetParam().Format);
  TMemoryStream Out;
  TPngWriter Writer(Out, Image.width(), Image.height());
  for (const QImage& Band : Bands(Image, GetParam().Heights)) Writer.WriteRows(Band);
  Writer.Finish();
  const QImage Decoded = Decode(Out, "png");
  EXPECT_EQ(Difference(Decoded, Image), "");
  if (GetParam().Format == QImage::Format_ARGB32_Premultiplied) {
    const QRgb P = Decoded.pixel(0, 0);
    EXPECT_EQ(qAlpha(P), 128);
    EXPECT_NEAR(qRed(P), 200, 1);
    EXPECT_NEAR(qGreen(P), 100, 1);
    EXPECT_NEAR(qBlue(P), 50, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    PngWriter, PngBands,
    testing::Values(TPngCase{QImage::Format_ARGB32, {17}}, TPngCase{QImage::Format_ARGB32, {5, 5, 5}},
                    TPngCase{QImage::Format_ARGB32, std::vector<int>(17, 1)},
                    TPngCase{QImage::Format_ARGB32_Premultiplied, {1, 7, 1, 3}},
                    TPngCase{QImage::Format_RGB32, {8}}, TPngCase{QImage::Format_RGB888, {3, 2}},
                    TPngCase{QImage::Format_RGBA64, {6}}, TPngCase{QImage::Format_Indexed8, {9}}));

// The bytes of every chunk of the given type, in order.
QByteArray ChunkData(const TMemoryStream& Out, const char* Type) {
  const QByteArray Bytes = Out.Bytes();
  QByteArray Data;
  for (qsizetype At = 8; At + 12 <= Bytes.size();) {
    const auto* P = reinterpret_cast<const uint8_t*>(Bytes.constData() + At);
    const uint32_t Size = P[0] << 24 | P[1] << 16 | P[2] << 8 | P[3];
    if (Bytes.mid(At + 4, 4) == Type) Data += Bytes.mid(At + 8, Size);
    At += 12 + Size;
  }
  return Data;
}

// The rows as they are stored in the file, each a filter byte and the filtered samples.
QByteArray Inflate(const TMemoryStream& Out, size_t Expected) {
  const QByteArray Data = ChunkData(Out, "IDAT");
  QByteArray Raw(static_cast<qsizetype>(Expected), '\0');
  uLongf Size = static_cast<uLongf>(Expected);
  const int Result = uncompress(reinterpret_cast<Bytef*>(Raw.data()), &Size,
                                reinterpret_cast<const Bytef*>(Data.constData()), static_cast<uLong>(Data.size()));
  EXPECT_EQ(Result, Z_OK);
  EXPECT_EQ(Size, Expected);
  return Raw;
}

TEST(PngWriter, WritesOpaqueImagesAsRgbAndOthersAsRgba) {
  for (const bool Opaque : {true, false}) {
    const QImage Image = Source(31, 9, !Opaque);
    TMemoryStream Out;
    TPngWriter Writer(Out, Image.width(), Image.height(), 2, Opaque);
    for (const QImage& Band : Bands(Image, {4, 2})) Writer.WriteRows(Band);
    Writer.Finish();
    EXPECT_EQ(ChunkData(Out, "IHDR").at(9), Opaque ? 2 : 6);
    EXPECT_EQ(Inflate(Out, 9 * (1 + 31 * (Opaque ? 3 : 4))).size(), 9 * (1 + 31 * (Opaque ? 3 : 4)));
    EXPECT_EQ(Difference(Decode(Out, "png"), Image), "") << Opaque;
  }
}

// Transparency found in a later band is refused, not dropped; the caller starts over.
TEST(PngWriter, AnOpaqueWriterRefusesATranslucentPixel) {
  QImage Image = Source(12, 10, false);
  Image.setPixel(11, 8, qRgba(1, 2, 3, 254));
  TMemoryStream Out;
  TPngWriter Writer(Out, Image.width(), Image.height(), 2, true);
  const std::vector<QImage> Parts = Bands(Image, {5});
  Writer.WriteRows(Parts[0]);
  EXPECT_THROW(Writer.WriteRows(Parts[1]), EPngNotOpaque);
  EXPECT_THROW(Writer.Finish(), Exception);

  // A band large enough to be filtered on several threads names the first such row,
  // wherever the pieces were cut.
  for (const std::pair<int, int>& Rows : {std::pair{10, 390}, std::pair{300, 350}, std::pair{399, 399}}) {
    QImage Large(800, 400, QImage::Format_ARGB32);
    Large.fill(qRgb(250, 250, 250));
    Large.setPixel(5, Rows.first, qRgba(1, 2, 3, 0));
    Large.setPixel(700, Rows.second, qRgba(1, 2, 3, 0));
    TMemoryStream LargeOut;
    TPngWriter LargeWriter(LargeOut, Large.width(), Large.height(), 2, true);
    try {
      LargeWriter.WriteRows(Large);
      ADD_FAILURE() << "refused nothing";
    } catch (const EPngNotOpaque& E) {
      EXPECT_EQ(E.Message().toStdString(), "Row " + std::to_string(Rows.first) + " of the image is not opaque.");
    }
  }
}

// A drawing's kinds of rows: blank ones, repeats of the row above, a horizontal gradient
// (where Sub wins) and vertical stripes that change (where Up wins). Each row's filter must
// be one of those, all three must occur, and the file must decode to the picture.
TEST(PngWriter, ChoosesAFilterPerRow) {
  QImage Image(40, 12, QImage::Format_RGB32);
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) {
      QRgb P = qRgb(255, 255, 255);
      if (Y == 3 || Y == 4) P = qRgb(X * 6, 10, 200 - X);
      if (Y >= 7 && Y <= 9) P = (X * 7 + Y) % 5 ? qRgb(X * 13 % 256, Y * 40, X * 3) : qRgb(0, 0, 0);
      Image.setPixel(X, Y, P);
    }
  TMemoryStream Out;
  TPngWriter Writer(Out, Image.width(), Image.height(), 2, true);
  Writer.WriteRows(Image);
  Writer.Finish();
  EXPECT_EQ(Difference(Decode(Out, "png"), Image), "");
  const QByteArray Raw = Inflate(Out, 12 * (1 + 40 * 3));
  std::set<int> Used;
  for (int Y = 0; Y < 12; ++Y) Used.insert(Raw.at(Y * (1 + 40 * 3)));
  EXPECT_EQ(Used, (std::set<int>{0, 1, 2}));
}

// A drawing large enough for several threads a band: runs of rows that repeat the row
// above (blank ones, vertical lines) across the cuts between pieces and between bands,
// with boxes in between, in an opaque and a translucent image.
TEST(PngWriter, ADrawingCutIntoPiecesDecodesToItsPixels) {
  for (const QImage::Format Format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
    QImage Drawing(900, 700, Format);
    Drawing.fill(qRgb(255, 255, 255));
    for (int Y = 0; Y < Drawing.height(); ++Y)
      for (int X = 0; X < Drawing.width(); ++X) {
        if (X % 150 == 20) Drawing.setPixel(X, Y, qRgb(0, 0, 0));
        if (Y % 233 > 200 && X % 150 > 40 && X % 150 < 120) Drawing.setPixel(X, Y, qRgb(X % 256, Y % 256, 90));
        if (Format != QImage::Format_RGB32 && Y > 650) Drawing.setPixel(X, Y, qRgba(10, 20, 30, 100));
      }
    TMemoryStream Out;
    TPngWriter Writer(Out, Drawing.width(), Drawing.height(), 2, Format == QImage::Format_RGB32);
    for (const QImage& Band : Bands(Drawing, {350, 1, 349})) Writer.WriteRows(Band);
    Writer.Finish();
    EXPECT_EQ(Difference(Decode(Out, "png"), Drawing), "") << Format;
  }
}

// Noise does not compress, so it takes several chunks; the decoder checks their CRCs.
TEST(PngWriter, SplitsLargeDataIntoBoundedChunks) {
  QImage Noise(700, 400, QImage::Format_ARGB32);
  uint32_t Seed = 12345;
  for (int Y = 0; Y < Noise.height(); ++Y)
    for (int X = 0; X < Noise.width(); ++X) Noise.setPixel(X, Y, Seed = Seed * 1664525u + 1013904223u);
  TMemoryStream Out;
  TPngWriter Writer(Out, Noise.width(), Noise.height(), 9);
  for (const QImage& Band : Bands(Noise, {123, 200})) Writer.WriteRows(Band);
  Writer.Finish();
  EXPECT_EQ(Difference(Decode(Out, "png"), Noise), "");

  const auto* Bytes = reinterpret_cast<const uint8_t*>(Out.Memory());
  int Chunks = 0;
  for (int64_t At = 8; At < Out.GetSize(); At += 12) {
    const uint32_t Size = Bytes[At] << 24 | Bytes[At + 1] << 16 | Bytes[At + 2] << 8 | Bytes[At + 3];
    if (QByteArray(Out.Memory() + At + 4, 4) == "IDAT") {
      ++Chunks;
      EXPECT_LE(Size, uint32_t(TPngWriter::ChunkBytes));
    }
    At += Size;
  }
  EXPECT_GE(Chunks, 4);
}

}  // namespace
