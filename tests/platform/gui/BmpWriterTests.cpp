// The BMP writer: bottom-up files of 24 and 32 bits decode to the source pixels at any
// width; and both writers hold what they receive to the image's size.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ExportSamples.h"
#include "platform/core/Exception.h"
#include "platform/gui/BmpWriter.h"
#include "platform/gui/PngWriter.h"

using namespace tarnwick;
using namespace tarnwick::testing_export;

namespace {

class BmpBands : public testing::TestWithParam<std::tuple<int, bool>> {};

// Widths 1 to 7 leave every amount of row padding in 24-bit files.
TEST_P(BmpBands, DecodeToTheSourcePixels) {
  const auto [Width, WithAlpha] = GetParam();
  const QImage Image = Source(Width, 11, false).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  TMemoryStream Out;
  TBmpWriter Writer(Out, Width, Image.height(), WithAlpha);
  const std::vector<QImage> Parts = Bands(Image, {4, 1, 4});
  for (auto Band = Parts.rbegin(); Band != Parts.rend(); ++Band) Writer.WriteRows(*Band);
  Writer.Finish();
  EXPECT_EQ(Out.GetSize(), 54 + (Width * (WithAlpha ? 4 : 3) + 3) / 4 * 4 * Image.height());
  EXPECT_EQ(Difference(Decode(Out, "bmp"), Image), "");
}

INSTANTIATE_TEST_SUITE_P(BmpWriter, BmpBands, testing::Combine(testing::Range(1, 8), testing::Bool()));

TEST(BmpWriter, KeepsStraightAlphaIn32Bits) {
  TMemoryStream Out;
  TBmpWriter Writer(Out, 1, 1, true);
  Writer.WriteRows(Source(1, 1, true).convertToFormat(QImage::Format_ARGB32_Premultiplied));
  Writer.Finish();
  const auto* Pixel = reinterpret_cast<const uint8_t*>(Out.Memory()) + 54;
  EXPECT_EQ(Pixel[3], 128);
  EXPECT_NEAR(Pixel[2], 200, 1);
  EXPECT_NEAR(Pixel[0], 50, 1);
}

// A file past 4 GiB would carry a wrapped size field.
TEST(ImageWriters, RefuseSizesTheyCannotWrite) {
  TMemoryStream Out;
  EXPECT_THROW(TBmpWriter(Out, 65535, 65535, true), Exception);
  EXPECT_THROW(TBmpWriter(Out, 0, 1, false), Exception);
  EXPECT_THROW(TPngWriter(Out, 5, -1), Exception);
  EXPECT_THROW(TPngWriter(Out, 5, 5, 10), Exception);
  EXPECT_EQ(Out.GetSize(), 0);
}

// Each writer, making a 5 x 6 image.
struct TWriterKind {
  std::function<std::unique_ptr<TImageBandSink>(TStream&)> Make;
  std::function<void(TImageBandSink&)> Finish;
};

template <class T, class... Args>
TWriterKind Kind(Args... More) {
  return {[=](TStream& S) { return std::make_unique<T>(S, 5, 6, More...); },
          [](TImageBandSink& W) { static_cast<T&>(W).Finish(); }};
}

class WriterRows : public testing::TestWithParam<TWriterKind> {};

TEST_P(WriterRows, MustAddUpToTheHeight) {
  TMemoryStream Out;
  auto Writer = GetParam().Make(Out);
  Writer->WriteRows(QImage(5, 4, QImage::Format_ARGB32));
  EXPECT_THROW(GetParam().Finish(*Writer), Exception);  // too few
  const int64_t Size = Out.GetSize();
  EXPECT_THROW(Writer->WriteRows(QImage(5, 3, QImage::Format_ARGB32)), Exception);
  EXPECT_EQ(Out.GetSize(), Size);
  EXPECT_THROW(GetParam().Finish(*Writer), Exception);  // too many
}

TEST_P(WriterRows, RefuseBandsOfAnotherWidthAndRowsAfterFinish) {
  TMemoryStream Out;
  auto Writer = GetParam().Make(Out);
  EXPECT_THROW(Writer->WriteRows(QImage(6, 6, QImage::Format_ARGB32)), Exception);
  Writer->WriteRows(QImage(5, 6, QImage::Format_ARGB32));
  EXPECT_NO_THROW(GetParam().Finish(*Writer));
  EXPECT_THROW(Writer->WriteRows(QImage(5, 1, QImage::Format_ARGB32)), Exception);
}

INSTANTIATE_TEST_SUITE_P(ImageWriters, WriterRows,
                         testing::Values(Kind<TPngWriter>(), Kind<TBmpWriter>(false), Kind<TBmpWriter>(true)));

}  // namespace
