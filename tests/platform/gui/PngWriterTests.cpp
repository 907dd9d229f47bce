// The PNG writer: images written in bands of any shape and format decode to the source
// pixels, and the compressed data goes out in bounded chunks.
#include <gtest/gtest.h>

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
