// Bitmaps: size changes, drawing on their canvas, transparency, and the BMP bytes they
// load, keep and write (plainly and as the object-stream payload).
#include <gtest/gtest.h>

#include <QPainter>

#include "ImageSamples.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/EncodedImage.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::testing_images;

namespace {

QByteArray WriteData(TGraphic& g) {
  TMemoryStream s;
  g.WriteData(s);
  return s.Bytes();
}

void ReadData(TGraphic& g, const QByteArray& bytes) {
  TMemoryStream s(bytes);
  g.ReadData(s);
}

QByteArray Counted(const QByteArray& payload) {
  QByteArray count(4, '\0');
  PutU32(count, 0, static_cast<uint32_t>(payload.size()));
  return count + payload;
}

QByteArray WithByte(QByteArray bytes, int at, char value) {
  bytes[at] = value;
  return bytes;
}

}  // namespace

TEST(BitmapSize, KeepsPixelsAndFillsNewOnesWhite) {
  TBitmap b;
  EXPECT_TRUE(b.GetEmpty());
  b.SetSize(4, 3);
  b.GetCanvas()->SetPixels(1, 1, clRed);
  b.SetSize(6, 6);
  EXPECT_EQ(b.GetImage().pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(b.GetImage().pixel(5, 5), qRgb(255, 255, 255));
  b.SetHeight(0);
  EXPECT_TRUE(b.GetEmpty());
  EXPECT_EQ(b.GetWidth(), 6);
  b.SetSize(-4, 2);
  EXPECT_EQ(b.GetWidth(), 0);
}

TEST(BitmapSize, RefusesSizesAboveTheCap) {
  TBitmap b;
  EXPECT_THROW(b.SetSize(100000, 100000), EOutOfResources);
  EXPECT_THROW(b.SetSize(20000, 10), EOutOfResources);
  EXPECT_TRUE(b.GetEmpty());
}

TEST(BitmapCanvas, DrawingChangesTheBitmapAndCanGoOnAfterReading) {
  TBitmap b;
  b.SetSize(10, 10);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  TCanvas* c = b.GetCanvas();
  c->GetBrush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 5, 5));
  EXPECT_GE(changes, 1);
  EXPECT_EQ(b.GetImage().pixel(4, 4), qRgb(255, 0, 0));
  c->MoveTo(0, 9);
  c->LineTo(10, 9);  // after GetImage ended the painter
  EXPECT_EQ(b.GetImage().pixel(9, 9), qRgb(0, 0, 0));
  EXPECT_EQ(c->GetPixels(9, 9), clBlack);
}

TEST(BitmapCanvas, InvertingOutlinesWorkOnBitmapsToo) {
  TBitmap b;
  b.SetSize(20, 20);
  QImage before = b.GetImage().copy();
  TCanvas* c = b.GetCanvas();
  c->GetPen()->SetMode(pmNot);
  c->GetBrush()->SetStyle(bsClear);
  c->Rectangle(2, 2, 18, 18);
  EXPECT_EQ(c->GetPixels(2, 2), clBlack);
  c->Rectangle(2, 2, 18, 18);
  EXPECT_EQ(b.GetImage(), before);
}

TEST(BitmapTransparency, AutoColourIsTheBottomLeftPixel) {
  TBitmap b;
  EXPECT_EQ(b.GetTransparentColor(), clDefault);
  b.SetSize(4, 4);
  b.GetCanvas()->SetPixels(0, 3, clLime);
  EXPECT_EQ(b.GetTransparentColor(), clLime);
  b.SetTransparentColor(clRed);
  EXPECT_EQ(b.GetTransparentMode(), tmFixed);
  EXPECT_EQ(b.GetTransparentColor(), clRed);
  b.SetTransparentMode(tmAuto);
  EXPECT_EQ(b.GetTransparentColor(), clLime);
}

TEST(BitmapTransparency, DrawingLeavesOutTheTransparentColour) {
  TBitmap b;
  b.SetSize(4, 4);
  b.GetCanvas()->GetBrush()->SetColor(clBlue);
  b.GetCanvas()->FillRect(Rect(0, 0, 4, 4));
  b.GetCanvas()->SetPixels(0, 3, clLime);
  b.GetCanvas()->SetPixels(2, 1, clLime);
  b.SetTransparent(true);
  QImage target(4, 4, QImage::Format_RGB32);
  target.fill(Qt::white);
  QPainter p(&target);
  TCanvas c(&p);
  c.Draw(0, 0, &b);
  p.end();
  EXPECT_EQ(target.pixel(2, 1), qRgb(255, 255, 255));
  EXPECT_EQ(target.pixel(0, 3), qRgb(255, 255, 255));
  EXPECT_EQ(target.pixel(1, 1), qRgb(0, 0, 255));
}

TEST(BitmapFile, LoadsAndWritesBackTheSameBmpBytes) {
  QByteArray bmp = Encode(Pattern(), "bmp");
  TBitmap b;
  TMemoryStream in(bmp);
  b.LoadFromStream(in);
  EXPECT_EQ(b.GetWidth(), 7);
  EXPECT_EQ(b.GetHeight(), 5);
  EXPECT_EQ(b.GetPixelFormat(), pf24bit);
  EXPECT_EQ(b.GetImage().pixel(3, 2), Pattern().pixel(3, 2));
  TMemoryStream out;
  b.SaveToStream(out);
  EXPECT_EQ(out.Bytes(), bmp);
  b.GetCanvas()->SetPixels(0, 0, clRed);  // changed pixels are encoded afresh
  TBitmap again;
  again.LoadFromBytes(b.SaveToBytes());
  EXPECT_EQ(again.GetImage().pixel(0, 0), qRgb(255, 0, 0));
}

TEST(BitmapFile, ReadsOnlyTheLengthItsHeaderDeclares) {
  QByteArray bmp = Encode(Pattern(), "bmp");
  TMemoryStream in(bmp + QByteArray("trailing"));
  TBitmap b;
  b.LoadFromStream(in);
  EXPECT_EQ(in.GetPosition(), bmp.size());
}

TEST(BitmapFile, LowColourFormatsSaveWithTheirDepth) {
  TBitmap b;
  b.SetSize(8, 8);
  b.SetPixelFormat(pf1bit);
  EXPECT_EQ(static_cast<int>(b.SaveToBytes()[28]), 1);
  b.SetPixelFormat(pf8bit);  // palette formats; the encoder may pick fewer bits for few colours
  EXPECT_LE(static_cast<int>(b.SaveToBytes()[28]), 8);
  b.SetPixelFormat(pf24bit);
  EXPECT_EQ(static_cast<int>(b.SaveToBytes()[28]), 24);
}

struct TBadBitmap {
  const char* Name;
  QByteArray Bytes;
  const char* Message;
};

void PrintTo(const TBadBitmap& r, std::ostream* os) { *os << r.Name; }

class DamagedBitmaps : public testing::TestWithParam<TBadBitmap> {};

TEST_P(DamagedBitmaps, RaiseInvalidGraphicAndKeepTheOldPicture) {
  TBitmap b;
  b.SetSize(3, 3);
  TMemoryStream in(GetParam().Bytes);
  try {
    b.LoadFromStream(in);
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_TRUE(e.Message().contains(GetParam().Message)) << e.Message().toStdString();
  }
  EXPECT_EQ(b.GetWidth(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Bitmap, DamagedBitmaps,
    testing::Values(TBadBitmap{"NotABitmap", QByteArray("GIF89a and more bytes here"), "Bitmap image is not valid"},
                    TBadBitmap{"TooShort", QByteArray("BM"), "Bitmap image is not valid"},
                    TBadBitmap{"ImpossibleBitCount", WithByte(Encode(Pattern(), "bmp"), 28, 77), "Invalid Bitmap"},
                    TBadBitmap{"GarbageHeader", QByteArray("BM") + QByteArray(60, '\x7f'), "too large"},
                    TBadBitmap{"Truncated", Encode(Pattern(), "bmp").left(40), "Invalid Bitmap"},
                    TBadBitmap{"Oversized", BmpHeaderOnly(20000, 20000), "too large"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(BitmapPayload, IsACountFollowedByTheBmpFile) {
  TBitmap b;
  b.SetSize(3, 2);
  QByteArray payload = WriteData(b);
  QByteArray bmp = b.SaveToBytes();
  EXPECT_EQ(payload, Counted(bmp));
  TBitmap back;
  ReadData(back, payload);
  EXPECT_EQ(back.GetWidth(), 3);
  EXPECT_EQ(back.SaveToBytes(), bmp);
}

TEST(BitmapPayload, CountZeroIsEmptyAndACountBeyondTheDataIsAnError) {
  TBitmap b;
  b.SetSize(3, 2);
  ReadData(b, QByteArray(4, '\0'));
  EXPECT_TRUE(b.GetEmpty());
  QByteArray tooLong = Counted(Encode(Pattern(), "bmp"));
  tooLong.chop(10);
  EXPECT_THROW(ReadData(b, tooLong), EInvalidGraphic);
}

TEST(BitmapPayload, AcceptsABitmapWithoutFileHeader) {
  QByteArray bmp = Encode(Pattern(), "bmp");
  TBitmap b;
  ReadData(b, Counted(bmp.mid(14)));
  EXPECT_EQ(b.GetWidth(), 7);
  EXPECT_EQ(b.GetImage().pixel(6, 4), Pattern().pixel(6, 4));
}

TEST(BitmapAssign, CopiesBitmapsConvertsImagesAndRefusesTheRest) {
  TBitmap a;
  a.SetSize(5, 4);
  a.SetTransparent(true);
  TBitmap b;
  b.Assign(&a);
  EXPECT_EQ(b.GetWidth(), 5);
  EXPECT_TRUE(b.GetTransparent());
  a.GetCanvas()->SetPixels(0, 0, clRed);  // the copy is independent
  EXPECT_EQ(b.GetImage().pixel(0, 0), qRgb(255, 255, 255));

  TPngImage png;
  png.LoadFromBytes(Encode(Pattern(), "png"));
  b.Assign(&png);
  EXPECT_EQ(b.GetWidth(), 7);
  EXPECT_EQ(b.GetImage().pixel(2, 3), Pattern().pixel(2, 3));

  b.Assign(nullptr);
  EXPECT_TRUE(b.GetEmpty());
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
}
