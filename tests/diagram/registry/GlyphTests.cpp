// Palette glyphs: drawn from the class when no named glyph exists, named glyphs by
// identifier before class, the entry's own picture when it says so, and the transparent
// colour taken from the bottom-left pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "../TestControls.h"
#include "diagram/Registration.h"
#include "diagram/lines/CustomLine.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/RegDControls.h"
#include "diagram/view/DControlGlyph.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QImage Glyph(const TRegDControl* AEntry) {
  TBitmap glyph;
  GetDControlGlyph(AEntry, glyph);
  return glyph.GetImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels unlike the bottom-left one, the colour a palette leaves out.
int PaintedPixels(const QImage& AImage) {
  const QRgb background = AImage.pixel(0, AImage.height() - 1);
  int n = 0;
  for (int y = 0; y < AImage.height(); ++y)
    for (int x = 0; x < AImage.width(); ++x) n += AImage.pixel(x, y) != background;
  return n;
}

// A named glyph of one colour with another in the bottom-left corner.
void Name(const QString& AName, QColor AFill, QColor ABottomLeft) {
  QImage image(24, 24, QImage::Format_RGB32);
  image.fill(AFill);
  image.setPixelColor(0, 23, ABottomLeft);
  TBitmap bitmap;
  bitmap.SetImage(image);
  RegisterGlyphResource(AName, bitmap);
}

}  // namespace

TEST(Glyphs, EveryStartUpEntryGetsADrawnTransparentGlyphOfItsOwn) {
  RegisterAllClasses();
  const TRegDControls& registry = RegisteredDControls();
  QSet<QByteArray> distinct;
  for (int i = 0; i < registry.Count(); ++i) {
    SCOPED_TRACE(registry.GetItem(i)->GetDControlID().toStdString());
    TBitmap glyph;
    GetDControlGlyph(registry.GetItem(i), glyph);
    ASSERT_EQ(glyph.GetWidth(), 24);
    ASSERT_EQ(glyph.GetHeight(), 24);
    EXPECT_TRUE(glyph.GetTransparent());
    EXPECT_EQ(glyph.GetTransparentMode(), tmAuto);
    const QImage image = glyph.GetImage().convertToFormat(QImage::Format_RGB32);
    // The drawing keeps off the edges: a palette's transparent colour is background, and
    // white fills and black outlines stay visible.
    EXPECT_EQ(image.pixelColor(0, 23), QColor(255, 0, 255));
    EXPECT_EQ(glyph.GetTransparentColor(), TColor(0x00FF00FF));
    EXPECT_GT(PaintedPixels(image), 15);
    distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
  }
  // Lines and blocks look different; so do the line kinds among themselves.
  EXPECT_GE(distinct.size(), 4);
}

TEST(Glyphs, NamedGlyphsComeByIdentifierThenByClass) {
  RegisterAllClasses();
  RegisterDControl<TDiagramLine>(QStringLiteral("TDiagramLine_glyph"));
  TRegDControl* entry = RegisteredDControls().FindByID("TDiagramLine_glyph");
  const QImage drawn = Glyph(entry);

  Name(QStringLiteral("BLK_TDIAGRAMLINE"), Qt::red, Qt::blue);
  EXPECT_EQ(Glyph(entry).pixelColor(5, 5), QColor(Qt::red));
  Name(QStringLiteral("blk_tdiagramline_GLYPH"), Qt::green, Qt::yellow);
  TBitmap glyph;
  GetDControlGlyph(entry, glyph);
  EXPECT_EQ(glyph.GetImage().pixelColor(5, 5), QColor(Qt::green));
  EXPECT_TRUE(glyph.GetTransparent());
  EXPECT_EQ(glyph.GetTransparentColor(), TColor(0x0000FFFF));  // yellow, 0x00BBGGRR

  // Removing the names brings the drawn glyph back.
  RegisterGlyphResource(QStringLiteral("BLK_TDIAGRAMLINE_GLYPH"), TBitmap());
  RegisterGlyphResource(QStringLiteral("BLK_TDIAGRAMLINE"), TBitmap());
  EXPECT_EQ(Glyph(entry), drawn);
  UnregisterDControl(QStringLiteral("TDiagramLine_glyph"));
}

TEST(Glyphs, AnEntrysOwnPictureIsTakenAsItIs) {
  RegisterAllClasses();
  RegisterDControl<TDiagramArc>(QStringLiteral("LIB_Valve"));
  TRegDControl* entry = RegisteredDControls().FindByID("LIB_Valve");
  QImage image(32, 16, QImage::Format_RGB32);
  image.fill(Qt::cyan);
  TBitmap own;
  own.SetImage(image);
  TPicture picture;
  // Told to use a picture it lacks, the entry gets its drawn glyph, not an empty one.
  entry->SetUseGlyph(true);
  EXPECT_EQ(Glyph(entry).width(), 24);
  picture.SetGraphic(&own);
  entry->SetGlyph(&picture);
  // Until the entry says so, its picture is not used.
  entry->SetUseGlyph(false);
  EXPECT_EQ(Glyph(entry).width(), 24);
  entry->SetUseGlyph(true);
  TBitmap glyph;
  GetDControlGlyph(entry, glyph);
  EXPECT_EQ(glyph.GetWidth(), 32);
  EXPECT_EQ(glyph.GetHeight(), 16);
  EXPECT_FALSE(glyph.GetTransparent());
  EXPECT_EQ(glyph.GetImage().pixelColor(3, 3), QColor(Qt::cyan));
  UnregisterDControl(QStringLiteral("LIB_Valve"));
}

TEST(Glyphs, EntriesWithoutADrawableClassGetTheGenericBlockGlyph) {
  RegisterAllClasses();
  const QImage block = Glyph(RegisteredDControls().FindByID("TDiagramBlock"));
  EXPECT_EQ(Glyph(nullptr), block);
  RegisterDControl(&TCustomDiagramLine::StaticClassInfo(), QStringLiteral("AbstractLineGlyph"));
  const TRegDControl* abstract = RegisteredDControls().FindByID("AbstractLineGlyph");
  EXPECT_EQ(Glyph(abstract), block);

  Name(QStringLiteral("BLK_TCUSTOMDIAGRAMBLOCK"), Qt::gray, Qt::white);
  EXPECT_EQ(Glyph(abstract).pixelColor(5, 5), QColor(Qt::gray));
  RegisterGlyphResource(QStringLiteral("BLK_TCUSTOMDIAGRAMBLOCK"), TBitmap());
  UnregisterDControl(QStringLiteral("AbstractLineGlyph"));
}
