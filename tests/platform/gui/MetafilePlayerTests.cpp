// The metafile player: pictures built record by record draw what their records say
// (mapping modes, the shape family, objects, bitmaps), and damaged or hostile files end
// quietly instead of crashing, looping or allocating without bound.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPainter>

#include "FuzzedMetafiles.h"
#include "MetafileSamples.h"
#include "platform/core/Exception.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/MetafileDib.h"
#include "platform/gui/MetafilePlayer.h"

using namespace tarnwick;
using namespace tarnwick::metafile;
using namespace tarnwick::testing_metafiles;

namespace {

constexpr int32_t Red = 0x0000FF, Blue = 0xFF0000, Green = 0x00FF00;

QColor At(const QImage& I, int X, int Y) { return QColor::fromRgba(I.pixel(X, Y)); }

bool Near(const QColor& A, const QColor& B) {
  return std::abs(A.red() - B.red()) < 40 && std::abs(A.green() - B.green()) < 40 &&
         std::abs(A.blue() - B.blue()) < 40 && std::abs(A.alpha() - B.alpha()) < 40;
}

}  // namespace

TEST(MetafilePlayer, EnhancedShapesWithObjectsAndMapping) {
  TEmfBuilder b(100, 100);
  // The logical picture is 1000 x 1000 units, upside down onto the 100 x 100 pixels.
  b.Rec(EMR_SETMAPMODE, {MM_ANISOTROPIC})
      .Rec(EMR_SETWINDOWORGEX, {0, 1000})
      .Rec(EMR_SETWINDOWEXTEX, {1000, -1000})
      .Rec(EMR_SETVIEWPORTEXTEX, {100, 100})
      .Rec(EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, Red, 0})
      .Rec(EMR_SELECTOBJECT, {1})
      .Rec(EMR_SELECTOBJECT, {int32_t(StockObjectFlag | NULL_PEN)})
      .Rec(EMR_RECTANGLE, {0, 1000, 500, 500})  // top left quarter on the device
      .Rec(EMR_CREATEBRUSHINDIRECT, {2, BS_SOLID, Blue, 0})
      .Rec(EMR_SELECTOBJECT, {2})
      .Rec(EMR_DELETEOBJECT, {1})
      .Rec(EMR_ELLIPSE, {500, 500, 1000, 0})              // bottom right quarter
      .Rec(EMR_PIE, {0, 500, 500, 0, 500, 250, 250, 0});  // bottom left: a quarter pie toward the right and down
  const QImage image = Render(b.Bytes(), QSize(100, 100));
  ASSERT_FALSE(image.isNull());
  EXPECT_TRUE(Near(At(image, 25, 25), Qt::red));
  EXPECT_TRUE(Near(At(image, 75, 75), Qt::blue));
  EXPECT_EQ(qAlpha(image.pixel(52, 52)), 0) << "outside the ellipse stays clear";
  EXPECT_TRUE(Near(At(image, 75, 25), Qt::transparent));
}

TEST(MetafilePlayer, PathsClippingAndSavedStates) {
  TEmfBuilder b(100, 100);
  b.Rec(EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, Green, 0})
      .Rec(EMR_SELECTOBJECT, {1})
      .Rec(EMR_SELECTOBJECT, {int32_t(StockObjectFlag | NULL_PEN)})
      .Rec(EMR_SAVEDC, {})
      .Rec(EMR_INTERSECTCLIPRECT, {0, 0, 50, 100})
      .Rec(EMR_RECTANGLE, {0, 0, 100, 50})  // only its left half shows
      .Rec(EMR_RESTOREDC, {-1})
      .Rec(EMR_BEGINPATH, {})
      .Rec(EMR_MOVETOEX, {0, 60})
      .Rec(EMR_LINETO, {100, 60})
      .Rec(EMR_LINETO, {100, 100})
      .Rec(EMR_LINETO, {0, 100})
      .Rec(EMR_CLOSEFIGURE, {})
      .Rec(EMR_ENDPATH, {})
      .Rec(EMR_FILLPATH, {0, 0, 0, 0});
  const QImage image = Render(b.Bytes(), QSize(100, 100));
  EXPECT_TRUE(Near(At(image, 25, 25), Qt::green));
  EXPECT_EQ(qAlpha(image.pixel(75, 25)), 0) << "clipped away";
  EXPECT_TRUE(Near(At(image, 75, 80), Qt::green)) << "the clip ended with the restored state";
}

TEST(MetafilePlayer, BitmapsAndWorldTransforms) {
  QImage pixels(2, 2, QImage::Format_RGB32);
  pixels.fill(Qt::red);
  pixels.setPixel(1, 1, qRgb(0, 0, 255));
  const TDibParts dib = EncodeDib(pixels, false);
  TByteWriter r;
  r.I32(0), r.I32(0), r.I32(99), r.I32(99);
  r.I32(0), r.I32(0), r.I32(0), r.I32(0), r.I32(2), r.I32(2);
  r.U32(80), r.U32(uint32_t(dib.Info.size())), r.U32(80 + uint32_t(dib.Info.size())), r.U32(uint32_t(dib.Bits.size()));
  r.U32(0), r.U32(SRCCOPY), r.I32(50), r.I32(50);
  r.Raw(dib.Info);
  r.Raw(dib.Bits);
  TByteWriter x;
  for (float f : {1.f, 0.f, 0.f, 1.f, 50.f, 50.f}) x.F32(f);
  TEmfBuilder b(100, 100);
  b.Raw(EMR_SETWORLDTRANSFORM, 32, x.Bytes()).Raw(EMR_STRETCHDIBITS, 8 + uint32_t(r.Size()), r.Bytes());
  const QImage image = Render(b.Bytes(), QSize(100, 100));
  // Moved by the world transform to the bottom-right quarter, stretched, rows the right way up.
  EXPECT_TRUE(Near(At(image, 60, 60), Qt::red));
  EXPECT_TRUE(Near(At(image, 90, 90), Qt::blue));
  EXPECT_EQ(qAlpha(image.pixel(25, 25)), 0);
}

TEST(MetafilePlayer, OlderFormatWithPlaceableHeader) {
  TWmfBuilder w(200, 100);
  w.Rec(META_SETWINDOWORG, {0, 0})
      .Rec(META_SETWINDOWEXT, {100, 200})
      .Rec(META_CREATEBRUSHINDIRECT, {BS_SOLID, Red & 0xFFFF, 0, 0})  // slot 0
      .Rec(META_CREATEPENINDIRECT, {PS_NULL, 0, 0, 0, 0})             // slot 1
      .Rec(META_SELECTOBJECT, {0})
      .Rec(META_SELECTOBJECT, {1})
      .Rec(META_RECTANGLE, {100, 100, 0, 0})  // bottom, right, top, left: the left half
      .Rec(META_DELETEOBJECT, {0})
      .Rec(META_CREATEBRUSHINDIRECT, {BS_SOLID, 0, 0xFF, 0})  // slot 0 again: blue
      .Rec(META_SELECTOBJECT, {0})
      .Rec(META_ELLIPSE, {100, 200, 0, 100});
  const QByteArray bytes = w.Bytes();
  TMetafileInfo info;
  ASSERT_TRUE(ReadInfo(bytes, info));
  EXPECT_EQ(NominalSize(info), QSize(200, 100));
  const QImage image = Render(bytes, QSize(200, 100));
  EXPECT_TRUE(Near(At(image, 50, 50), Qt::red));
  EXPECT_TRUE(Near(At(image, 150, 50), Qt::blue));
}

TEST(MetafilePlayer, MetafileGraphicDrawsThroughTheCanvas) {
  TEmfBuilder b(40, 40);
  b.Rec(EMR_CREATEBRUSHINDIRECT, {1, BS_SOLID, Blue, 0}).Rec(EMR_SELECTOBJECT, {1}).Rec(EMR_RECTANGLE, {0, 0, 40, 40});
  TMetafile m;
  m.LoadFromBytes(b.Bytes());
  EXPECT_EQ(m.GetWidth(), 40);
  EXPECT_EQ(m.GetHeight(), 40);
  QImage target(80, 80, QImage::Format_RGB32);
  target.fill(Qt::white);
  {
    QPainter painter(&target);
    TCanvas canvas(&painter);
    canvas.StretchDraw(TRect{20, 20, 60, 60}, &m);
  }
  EXPECT_TRUE(Near(At(target, 40, 40), Qt::blue));
  EXPECT_TRUE(Near(At(target, 10, 10), Qt::white));
  EXPECT_TRUE(Near(At(m.ToImage(), 20, 20), Qt::blue));
}

// Hostile files: each must end quickly with at most what came before the damage drawn.
struct THostile {
  const char* Name;
  QByteArray Bytes;
};

QByteArray HugeDib() {
  // A header that claims 60000 x 60000 pixels with only a few bytes of rows behind it.
  TByteWriter r;
  r.I32(0), r.I32(0), r.I32(1), r.I32(1);
  r.I32(0), r.I32(0), r.I32(0), r.I32(0), r.I32(60000), r.I32(60000);
  r.U32(80), r.U32(40), r.U32(120), r.U32(16);
  r.U32(0), r.U32(SRCCOPY), r.I32(10), r.I32(10);
  r.U32(40), r.I32(60000), r.I32(60000), r.U16(1), r.U16(32), r.U32(0), r.U32(0), r.U32(0), r.U32(0), r.U32(0),
      r.U32(0);
  r.Raw(QByteArray(16, '\x7f'));
  TEmfBuilder b(10, 10);
  return b.Raw(EMR_STRETCHDIBITS, 8 + uint32_t(r.Size()), r.Bytes()).Bytes();
}

class MetafileHostile : public ::testing::TestWithParam<THostile> {};

TEST_P(MetafileHostile, EndsQuietly) {
  QElapsedTimer timer;
  timer.start();
  QImage target(64, 64, QImage::Format_ARGB32_Premultiplied);
  target.fill(Qt::transparent);
  QPainter painter(&target);
  Play(painter, GetParam().Bytes, QRectF(0, 0, 64, 64));
  painter.end();
  TMetafile m;
  try {
    m.LoadFromBytes(GetParam().Bytes);
    (void)m.ToImage();
  } catch (const Exception&) {
  }
  EXPECT_LT(timer.elapsed(), 5000);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MetafileHostile,
    ::testing::Values(
        THostile{"ZeroRecordSize", TEmfBuilder(10, 10).Raw(EMR_RECTANGLE, 0, QByteArray(16, '\0')).Bytes()},
        THostile{"RecordPastTheEnd", TEmfBuilder(10, 10).Raw(EMR_RECTANGLE, 4000, QByteArray(16, '\0')).Bytes(false)},
        THostile{"OddRecordSize", TEmfBuilder(10, 10).Raw(EMR_RECTANGLE, 23, QByteArray(16, '\0')).Bytes()},
        THostile{"PointCountLargerThanRecord",
                 TEmfBuilder(10, 10).Rec(EMR_POLYGON, {0, 0, 10, 10, 0x7FFFFFFF, 1, 1, 5, 5}).Bytes()},
        THostile{"PolyPolygonCounts",
                 TEmfBuilder(10, 10).Rec(EMR_POLYPOLYGON16, {0, 0, 9, 9, 0x40000000, 3, 3, 0x00010001}).Bytes()},
        THostile{"BadHandles", TEmfBuilder(10, 10, 2)
                                   .Rec(EMR_CREATEBRUSHINDIRECT, {70000, BS_SOLID, Red, 0})
                                   .Rec(EMR_CREATEBRUSHINDIRECT, {0, BS_SOLID, Red, 0})
                                   .Rec(EMR_SELECTOBJECT, {-5})
                                   .Rec(EMR_SELECTOBJECT, {int32_t(StockObjectFlag | 999)})
                                   .Rec(EMR_DELETEOBJECT, {123456})
                                   .Rec(EMR_RECTANGLE, {0, 0, 5, 5})
                                   .Bytes()},
        THostile{"HugeEmbeddedBitmap", HugeDib()},
        THostile{"EndlessSavesAndRestores", [] {
                   TEmfBuilder b(10, 10);
                   for (int i = 0; i < 5000; ++i) b.Rec(EMR_SAVEDC, {});
                   b.Rec(EMR_RESTOREDC, {1}).Rec(EMR_RESTOREDC, {-70000});
                   return b.Bytes();
                 }()},
        THostile{"SingularTransformsAndHugeCoordinates",
                 TEmfBuilder(10, 10)
                     .Rec(EMR_SETMAPMODE, {MM_ANISOTROPIC})
                     .Rec(EMR_SETWINDOWEXTEX, {0, 0})
                     .Rec(EMR_SETVIEWPORTEXTEX, {0x7FFFFFFF, -0x7FFFFFFF})
                     .Rec(EMR_SETWORLDTRANSFORM, {0, 0, 0, 0, 0, 0})
                     .Rec(EMR_ELLIPSE, {-0x7FFFFFFF, -0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF})
                     .Rec(EMR_ANGLEARC, {0, 0, -1, 0x7F800000, 0x7FC00000})
                     .Bytes()},
        THostile{"TextLongerThanRecord",
                 TEmfBuilder(10, 10).Rec(EMR_EXTTEXTOUTW, {0, 0, 9, 9, 1, 0, 0, 0, 0, 0x7FFFFFF, 76, 0, 0, 0, 0, 0, 0}).Bytes()},
        THostile{"FuzzedHugeGlyphs", FuzzedHugeGlyphs()},
        THostile{"TruncatedHeader", TEmfBuilder(10, 10).Bytes().left(60)},
        THostile{"WmfZeroRecord", TWmfBuilder(10, 10).Raw(0, META_RECTANGLE, QByteArray(8, '\0')).Bytes()},
        THostile{"WmfPolygonCount", TWmfBuilder(10, 10).Rec(META_POLYGON, {0x7FFF, 1, 1}).Bytes()},
        THostile{"WmfObjectTableFull", [] {
                   TWmfBuilder w(10, 10, 96, 1);
                   for (int i = 0; i < 50; ++i) w.Rec(META_CREATEBRUSHINDIRECT, {BS_SOLID, 0, 0, 0});
                   return w.Rec(META_SELECTOBJECT, {40}).Rec(META_RECTANGLE, {5, 5, 0, 0}).Bytes();
                 }()},
        THostile{"WmfBitmapClaimsTooMuch",
                 TWmfBuilder(10, 10)
                     .Rec(META_STRETCHDIB, {int32_t(SRCCOPY & 0xFFFF), int32_t(SRCCOPY >> 16), 0, 10, 10, 0, 0, 10, 10, 0, 0, 40, 0,
                                            0x7FFF, 0, 0x7FFF, 0, 1, 24, 0, 0})
                     .Bytes()}),
    [](const auto& info) { return std::string(info.param.Name); });
