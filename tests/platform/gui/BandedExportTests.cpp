// Banded export: every row is rendered once, in cleared bands, and reaches the sink
// intact and in the order asked for; failures on either thread reach the caller without
// hanging; and sizes that must not be allocated are refused.
#include <gtest/gtest.h>

#include <QPainter>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "ExportSamples.h"
#include "platform/core/Exception.h"
#include "platform/gui/BandedExport.h"
#include "platform/gui/BmpWriter.h"
#include "platform/gui/PngWriter.h"

using namespace tarnwick;
using namespace tarnwick::testing_export;

namespace {

// Keeps a deep copy of each band (the images are reused). Being slow gives the renderer
// every chance to overwrite a band that is still being encoded.
struct TRecordingSink : TImageBandSink {
  void WriteRows(const QImage& Band) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    Bands.push_back(Band.copy());
  }
  std::vector<QImage> Bands;
};

QRgb BandColor(int Top) { return qRgb(Top * 7 & 255, 255 - Top, 40); }

class BandedRender : public testing::TestWithParam<std::tuple<int, int, bool>> {};

TEST_P(BandedRender, CoversEveryRowOnceInClearedBands) {
  const auto [Height, BandRows, BottomUp] = GetParam();
  std::vector<int> Tops, RenderedBy(Height, 0);
  TRecordingSink Sink;
  RenderBanded(
      6, Height, BandRows,
      [&](QImage& Band, int Top) {
        EXPECT_EQ(Band.format(), QImage::Format_ARGB32_Premultiplied);
        for (int Y = 0; Y < Band.height(); ++Y) {
          ++RenderedBy.at(Top + Y);
          for (int X = 0; X < Band.width(); ++X) EXPECT_EQ(Band.pixel(X, Y), 0u);
        }
        Tops.push_back(Top);
        Band.fill(BandColor(Top));
      },
      Sink, BottomUp);

  EXPECT_EQ(RenderedBy, std::vector<int>(Height, 1));
  ASSERT_EQ(Sink.Bands.size(), Tops.size());
  for (size_t I = 0; I < Tops.size(); ++I) {
    if (I > 0) {
      EXPECT_EQ(Tops[I] < Tops[I - 1], BottomUp);
    }
    const QImage& Band = Sink.Bands[I];
    EXPECT_EQ(Band.size(), QSize(6, I + 1 < Tops.size() ? std::min(BandRows, Height) : Band.height()));
    EXPECT_EQ(Band.pixel(0, 0), BandColor(Tops[I]));
    EXPECT_EQ(Band.pixel(5, Band.height() - 1), BandColor(Tops[I]));
  }
}

INSTANTIATE_TEST_SUITE_P(BandedExport, BandedRender,
                         testing::Values(std::tuple(10, 3, false), std::tuple(10, 3, true),
                                         std::tuple(9, 3, true), std::tuple(7, 1, false),
                                         std::tuple(7, 100, true), std::tuple(40, 6, true)));

TEST(BandedExport, ARenderErrorStopsTheEncoderAndPropagates) {
  TRecordingSink Sink;
  int Calls = 0;
  auto Render = [&](QImage&, int) {
    if (++Calls == 3) throw std::runtime_error("render failed");
  };
  EXPECT_THROW(RenderBanded(8, 20, 2, Render, Sink, false), std::runtime_error);
  EXPECT_EQ(Calls, 3);
  EXPECT_LE(Sink.Bands.size(), 2u);
}

TEST(BandedExport, ASinkErrorPropagatesAndStopsRendering) {
  struct : TImageBandSink {
    void WriteRows(const QImage&) override { throw EStreamError("disk full"); }
  } Sink;
  int Calls = 0;
  EXPECT_THROW(RenderBanded(8, 20, 2, [&](QImage&, int) { ++Calls; }, Sink, false), EStreamError);
  EXPECT_LE(Calls, 2);
}

TEST(BandedExport, RefusesBadSizesBeforeRendering) {
  TRecordingSink Sink;
  auto Render = [](QImage&, int) { ADD_FAILURE(); };
  EXPECT_THROW(RenderBanded(10, 10, 0, Render, Sink, false), Exception);
  EXPECT_THROW(RenderBanded(70000, 10, 4, Render, Sink, false), Exception);
  EXPECT_THROW(RenderBanded(10, 0, 4, Render, Sink, false), Exception);
}

TEST(BandedExport, ExportSizeLimits) {
  const std::tuple<int64_t, int64_t, bool> Cases[] = {
      {1, 1, true},          {65535, 1, true},      {1, 65535, true},      {40000, 25000, true},
      {40000, 25001, false}, {65535, 65535, false}, {65536, 1, false},     {1, 65536, false},
      {0, 5, false},         {5, 0, false},         {-5, -5, false},       {INT64_MAX, INT64_MAX, false}};
  for (const auto& [Width, Height, Allowed] : Cases) {
    bool Threw = false;
    try {
      CheckExportSize(Width, Height);
    } catch (const Exception&) {
      Threw = true;
    }
    EXPECT_EQ(Threw, !Allowed) << Width << " x " << Height;
  }
}

// The whole path: bands painted with QPainter, encoded by each writer in its own order.
// Straight lines only, as Qt may step a diagonal differently where a band clips it.
void PaintScene(QImage& Band, int Top) {
  QPainter P(&Band);
  P.translate(0, -Top);
  P.fillRect(0, 0, 53, 41, Qt::white);
  P.fillRect(5, 3, 20, 30, QColor(30, 90, 200));
  P.setPen(QPen(Qt::red, 3));
  P.drawLine(0, 20, 52, 20);
  P.setPen(QPen(QColor(0, 128, 0, 100), 1));
  P.drawRect(2, 5, 30, 33);
}

TEST(BandedExport, WritersProduceTheOnePiecePicture) {
  QImage Whole(53, 41, QImage::Format_ARGB32_Premultiplied);
  Whole.fill(Qt::transparent);
  PaintScene(Whole, 0);
  TMemoryStream Png, Bmp;
  TPngWriter PngWriter(Png, 53, 41);
  RenderBanded(53, 41, 6, PaintScene, PngWriter, false);
  PngWriter.Finish();
  EXPECT_EQ(Difference(Decode(Png, "png"), Whole), "");
  TBmpWriter BmpWriter(Bmp, 53, 41, false);
  RenderBanded(53, 41, 6, PaintScene, BmpWriter, true);
  BmpWriter.Finish();
  EXPECT_EQ(Difference(Decode(Bmp, "bmp"), Whole), "");
}

}  // namespace
