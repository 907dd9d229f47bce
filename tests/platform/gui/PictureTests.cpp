// Pictures: choosing the graphic class from file names and bytes, writing the loaded bytes
// back unchanged, the object-stream payload, damaged and oversized images, metafiles kept
// as placeholders, and the registry of graphic classes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "ImageSamples.h"
#include "platform/core/Exception.h"
#include "platform/core/Filer.h"
#include "platform/core/Stream.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/EncodedImage.h"
#include "platform/gui/GraphicFormats.h"
#include "platform/gui/ImageCodec.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"
#include "platform/gui/UnknownGraphic.h"

using namespace tarnwick;
using namespace tarnwick::testing_images;

namespace {

struct TFormatRow {
  const char* Name;
  const char* Extension;
  const char* ClassName;
  QByteArray Bytes;
  int Width;
  int Height;
};

void PrintTo(const TFormatRow& r, std::ostream* os) { *os << r.Name; }

std::vector<TFormatRow> Formats() {
  return {{"Bmp", "bmp", "TBitmap", Encode(Pattern(), "bmp"), 7, 5},
          {"Png", "png", "TPngImage", Encode(Pattern(), "png"), 7, 5},
          {"Jpeg", "jpg", "TJPEGImage", Encode(Pattern(), "jpeg"), 7, 5},
          {"Gif", "gif", "TGIFImage", Gif(), 1, 1},
          {"Tiff", "tif", "TTiffImage", Encode(Pattern(), "tiff"), 7, 5},
          {"Emf", "emf", "TMetafile", EmfHeader(2540, 1270), 96, 48}};
}

QByteArray Save(TPicture& p) {
  TMemoryStream s;
  p.SaveToStream(s);
  return s.Bytes();
}

QByteArray Payload(TPicture& p) {
  TMemoryStream s;
  p.WriteData(s);
  return s.Bytes();
}

void LoadPayload(TPicture& p, const QByteArray& bytes) {
  TMemoryStream s(bytes);
  p.ReadData(s);
}

QByteArray ShortString(const char* s) { return QByteArray(1, static_cast<char>(qstrlen(s))) + s; }

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QString path = dir.filePath(name);
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return path;
}

}  // namespace

class PictureFormats : public testing::TestWithParam<TFormatRow> {};

TEST_P(PictureFormats, LoadByContentAndSaveTheSameBytes) {
  const TFormatRow& row = GetParam();
  TPicture picture;
  TMemoryStream in(row.Bytes);
  picture.LoadFromStream(in);
  ASSERT_NE(picture.GetGraphic(), nullptr);
  EXPECT_EQ(picture.GetGraphic()->ClassName(), row.ClassName);
  EXPECT_EQ(picture.GetWidth(), row.Width);
  EXPECT_EQ(picture.GetHeight(), row.Height);
  EXPECT_EQ(Save(picture), row.Bytes);
}

TEST_P(PictureFormats, LoadByExtensionAndSaveToFile) {
  const TFormatRow& row = GetParam();
  QTemporaryDir dir;
  TPicture picture;
  picture.LoadFromFile(WriteFile(dir, QStringLiteral("a.") + row.Extension, row.Bytes));
  EXPECT_EQ(picture.GetGraphic()->ClassName(), row.ClassName);
  QString copy = dir.filePath("copy");
  picture.SaveToFile(copy);
  QFile f(copy);
  f.open(QIODevice::ReadOnly);
  EXPECT_EQ(f.readAll(), row.Bytes);
}

TEST_P(PictureFormats, PayloadIsTheClassNameThenTheGraphicsOwnData) {
  const TFormatRow& row = GetParam();
  TPicture picture;
  TMemoryStream in(row.Bytes);
  picture.LoadFromStream(in);
  QByteArray payload = Payload(picture);
  EXPECT_TRUE(payload.startsWith(ShortString(row.ClassName)));
  TPicture back;
  LoadPayload(back, payload);
  EXPECT_EQ(back.GetGraphic()->ClassName(), row.ClassName);
  EXPECT_EQ(Save(back), row.Bytes);
  EXPECT_EQ(Payload(back), payload);
}

INSTANTIATE_TEST_SUITE_P(Picture, PictureFormats, testing::ValuesIn(Formats()),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(PicturePayload, LayoutPerGraphicClass) {
  QByteArray png = Encode(Pattern(), "png"), jpeg = Encode(Pattern(), "jpeg"), emf = EmfHeader(100, 100);
  auto payloadOf = [](const QByteArray& bytes) {
    TPicture p;
    TMemoryStream in(bytes);
    p.LoadFromStream(in);
    return Payload(p);
  };
  auto count = [](int n) {
    QByteArray c(4, '\0');
    PutU32(c, 0, static_cast<uint32_t>(n));
    return c;
  };
  // A PNG writes the plain file; a metafile a count that includes itself; a JPEG a count.
  EXPECT_EQ(payloadOf(png), ShortString("TPngImage") + png);
  EXPECT_EQ(payloadOf(emf), ShortString("TMetafile") + count(emf.size() + 4) + emf);
  EXPECT_EQ(payloadOf(jpeg), ShortString("TJPEGImage") + count(jpeg.size()) + jpeg);
}

TEST(PicturePayload, ReadsEncodedImagesWithOrWithoutALengthPrefix) {
  QByteArray png = Encode(Pattern(), "png");
  QByteArray count(4, '\0');
  PutU32(count, 0, static_cast<uint32_t>(png.size()));
  TPicture p;
  LoadPayload(p, ShortString("TPngImage") + count + png);
  EXPECT_EQ(Save(p), png);
  TMemoryStream more(ShortString("TPngImage") + count + png + QByteArray("next value"));
  p.ReadData(more);  // a counted payload ends where its count says
  EXPECT_EQ(Save(p), png);
  EXPECT_EQ(more.Remaining(), 10);
  QByteArray jpeg = Encode(Pattern(), "jpeg");
  LoadPayload(p, ShortString("TJPEGImage") + jpeg);
  EXPECT_EQ(Save(p), jpeg);
}

TEST(PicturePayload, KeepsAnUnknownGraphicClassAndItsBytes) {
  QByteArray payload = ShortString("TFancyVectorImage") + QByteArray("\x01\x02opaque bytes\x00\xff", 16);
  TPicture p;
  LoadPayload(p, payload);
  ASSERT_NE(p.GetGraphic(), nullptr);
  EXPECT_EQ(p.GetGraphic()->GraphicClassName(), "TFancyVectorImage");
  EXPECT_EQ(Payload(p), payload);
  TPicture copy;
  copy.Assign(&p);
  EXPECT_EQ(Payload(copy), payload);
}

TEST(PicturePayload, TravelsThroughTheFilerAsBinaryData) {
  struct TCapturingFiler : TFiler {
    void DefineProperty(const QString&, TReaderProc, TWriterProc, bool) override {}
    void DefineBinaryProperty(const QString& Name, TStreamProc Read, TStreamProc Write, bool HasData) override {
      this->Name = Name;
      this->Read = std::move(Read);
      this->Write = std::move(Write);
      this->HasData = HasData;
    }
    QString Name;
    TStreamProc Read, Write;
    bool HasData = false;
  } filer;
  TPicture empty;
  empty.DefineProperties(&filer);
  EXPECT_EQ(filer.Name, "Data");
  EXPECT_FALSE(filer.HasData);

  TPicture p;
  TMemoryStream in(Encode(Pattern(), "png"));
  p.LoadFromStream(in);
  p.DefineProperties(&filer);
  EXPECT_TRUE(filer.HasData);
  TMemoryStream data;
  filer.Write(data);
  TPicture back;
  back.DefineProperties(&filer);
  data.SetPosition(0);
  filer.Read(data);
  EXPECT_EQ(Save(back), Save(p));

  TBitmap bitmap;
  bitmap.DefineProperties(&filer);
  EXPECT_FALSE(filer.HasData);  // an empty bitmap writes no data
}

TEST(PictureFiles, ContentWinsOverAMisleadingOrUnknownExtension) {
  QTemporaryDir dir;
  QByteArray png = Encode(Pattern(), "png");
  TPicture p;
  p.LoadFromFile(WriteFile(dir, "photo.jpg", png));
  EXPECT_EQ(p.GetGraphic()->ClassName(), "TPngImage");
  p.LoadFromFile(WriteFile(dir, "picture.dat", png));
  EXPECT_EQ(p.GetGraphic()->ClassName(), "TPngImage");
  try {
    p.LoadFromFile(WriteFile(dir, "notes.xyz", "just some text"));
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
  }
  EXPECT_EQ(p.GetGraphic()->ClassName(), "TPngImage");
  TMemoryStream text(QByteArray("just some text"));
  EXPECT_THROW(p.LoadFromStream(text), EInvalidGraphic);
  EXPECT_THROW(p.LoadFromFile(dir.filePath("missing.png")), EFOpenError);
}

struct TBadImage {
  const char* Name;
  QByteArray Bytes;
  const char* Message;
};

void PrintTo(const TBadImage& r, std::ostream* os) { *os << r.Name; }

class DamagedPictures : public testing::TestWithParam<TBadImage> {};

TEST_P(DamagedPictures, RaiseInvalidGraphicAndKeepThePicture) {
  TPicture p;
  TMemoryStream good(Gif());
  p.LoadFromStream(good);
  TMemoryStream in(GetParam().Bytes);
  try {
    p.LoadFromStream(in);
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_TRUE(e.Message().contains(GetParam().Message)) << e.Message().toStdString();
  }
  EXPECT_EQ(p.GetGraphic()->ClassName(), "TGIFImage");
  EXPECT_EQ(Save(p), Gif());
}

INSTANTIATE_TEST_SUITE_P(
    Picture, DamagedPictures,
    testing::Values(TBadImage{"PngSignatureOnly", Encode(Pattern(), "png").left(8), "Invalid PNG"},
                    TBadImage{"PngCorruptData", Encode(Pattern(), "png").left(33) + QByteArray(40, 'x'),
                              "Invalid PNG"},
                    TBadImage{"JpegHeaderOnly", Encode(Pattern(), "jpeg").left(20), "Invalid JPEG"},
                    TBadImage{"GifTruncated", Gif().left(12), "Invalid GIF"},
                    TBadImage{"TiffGarbage", QByteArray("II*\0", 4) + QByteArray(50, '\x33'), "Invalid TIFF"},
                    TBadImage{"MetafileGarbage", QByteArray("\x01\0\0\0", 4) + QByteArray(30, 'q'),
                              "Unknown picture format"},
                    TBadImage{"OversizedPng", PngHeaderOnly(100000, 100000), "too large"},
                    TBadImage{"OversizedBmp", BmpHeaderOnly(40000, 100), "too large"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A lowered cap refuses what the default lets through, in every format's path (the
// header check, Qt's own reader, a metafile's playback size), and can only be lowered.
TEST(ImageByteCap, ALoweredCapRefusesLargerPicturesUntilRestored) {
  const QByteArray Png = Encode(Pattern(64, 64), "png"), Jpeg = Encode(Pattern(64, 64), "jpeg");
  const QByteArray Emf = EmfHeader(2540, 2540);  // one inch: 96 x 96 pixels
  const int64_t Default = imagecodec::SetImageByteCap(64 * 64 * 4 - 1);
  EXPECT_EQ(Default, imagecodec::MaxImageBytes);
  for (const QByteArray& Bytes : {Png, Jpeg}) EXPECT_THROW(imagecodec::Decode(Bytes, "Test"), EInvalidGraphic);
  EXPECT_THROW(imagecodec::Decode(Emf, "Test"), EInvalidGraphic);
  EXPECT_EQ(imagecodec::SetImageByteCap(int64_t{1} << 40), 64 * 64 * 4 - 1);
  EXPECT_EQ(imagecodec::ImageByteCap(), imagecodec::MaxImageBytes);
  for (const QByteArray& Bytes : {Png, Jpeg}) EXPECT_EQ(imagecodec::Decode(Bytes, "Test").size(), QSize(64, 64));
  EXPECT_EQ(imagecodec::Decode(Emf, "Test").size(), QSize(96, 96));
}

TEST(Metafile, KeepsItsBytesAndAnEmptyPictureDrawsNothing) {
  QByteArray emf = EmfHeader(2540, 1270);
  TMetafile m;
  TMemoryStream in(emf);
  m.LoadFromStream(in);
  EXPECT_TRUE(m.GetEnhanced());
  EXPECT_EQ(m.GetWidth(), 96);
  QImage target(20, 20, QImage::Format_RGB32);
  target.fill(Qt::white);
  QImage before = target.copy();
  QPainter painter(&target);
  TCanvas canvas(&painter);
  canvas.StretchDraw(Rect(0, 0, 20, 20), &m);
  painter.end();
  EXPECT_EQ(target, before);
  EXPECT_FALSE(TMetafile::UnsupportedMessage().isEmpty());
  TMemoryStream garbage(QByteArray("no metafile here"));
  EXPECT_THROW(m.LoadFromStream(garbage), EInvalidGraphic);
  EXPECT_EQ(m.GetData(), emf);
}

TEST(PictureAssign, CopiesGraphicsBothWays) {
  TPicture a;
  TMemoryStream in(Encode(Pattern(), "png"));
  a.LoadFromStream(in);
  TPicture b;
  b.Assign(&a);
  ASSERT_NE(b.GetGraphic(), nullptr);
  EXPECT_NE(b.GetGraphic(), a.GetGraphic());
  EXPECT_EQ(Save(b), Save(a));

  TBitmap bitmap;
  bitmap.Assign(&a);  // a bitmap takes the picture's pixels
  EXPECT_EQ(bitmap.GetWidth(), 7);
  b.Assign(&bitmap);
  EXPECT_EQ(b.GetGraphic()->ClassName(), "TBitmap");

  b.Assign(nullptr);
  EXPECT_EQ(b.GetGraphic(), nullptr);
  EXPECT_TRUE(b.GetEmpty());
  TPen pen;
  try {
    b.Assign(&pen);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TPen to a TPicture");
  }
}

TEST(PictureAssign, GetBitmapTurnsAnImageIntoADrawableBitmap) {
  TPicture p;
  TMemoryStream in(Encode(Pattern(), "png"));
  p.LoadFromStream(in);
  TBitmap* b = p.GetBitmap();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(p.GetGraphic(), b);
  EXPECT_EQ(b->GetWidth(), 7);
  EXPECT_EQ(b->GetImage().pixel(1, 1), Pattern().pixel(1, 1));
}

TEST(PictureChange, FiresForLoadsAndForChangesOfTheGraphic) {
  TPicture p;
  int changes = 0;
  p.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &p);
    ++changes;
  };
  TMemoryStream in(Encode(Pattern(), "bmp"));
  p.LoadFromStream(in);
  EXPECT_EQ(changes, 1);
  p.GetBitmap()->SetSize(3, 3);
  EXPECT_EQ(changes, 2);
  p.Assign(nullptr);
  EXPECT_EQ(changes, 3);
}

TEST(EncodedImage, ConvertsFromBitmapsButCannotBeResized) {
  TBitmap bitmap;
  bitmap.SetImage(Pattern());
  TPngImage png;
  png.Assign(&bitmap);
  EXPECT_TRUE(png.GetData().startsWith("\x89PNG"));
  EXPECT_EQ(png.ToImage().pixel(4, 4), Pattern().pixel(4, 4));
  EXPECT_THROW(png.SetWidth(3), EInvalidGraphicOperation);
  TGIFImage gif;
  EXPECT_THROW(gif.Assign(&bitmap), EInvalidGraphic);  // no GIF encoder
}

namespace {
class TTestGraphic : public TUnknownGraphic {
  TARNWICK_CLASS(TTestGraphic)
};
const TClassInfo& TTestGraphic::StaticClassInfo() {
  static const TClassInfo info("TTestGraphic", &TUnknownGraphic::StaticClassInfo(), {},
                               [](TComponent*) -> TPersistent* { return Create<TTestGraphic>(); });
  return info;
}
}  // namespace

TEST(GraphicRegistry, LatestRegistrationOfAnExtensionWins) {
  EXPECT_EQ(GraphicClassForExtension(".PNG"), &TPngImage::StaticClassInfo());
  EXPECT_EQ(FindGraphicClass("tjpegimage"), &TJPEGImage::StaticClassInfo());
  EXPECT_EQ(FindGraphicClass("TNoSuchImage"), nullptr);
  EXPECT_TRUE(GraphicFilter(TGraphic::StaticClassInfo()).contains("*.png"));
  EXPECT_FALSE(GraphicFilter(TEncodedImage::StaticClassInfo()).contains("*.bmp"));

  RegisterFileFormat("png", "Engine PNG", TTestGraphic::StaticClassInfo());
  EXPECT_EQ(GraphicClassForExtension("png"), &TTestGraphic::StaticClassInfo());
  EXPECT_EQ(FindGraphicClass("TTestGraphic"), &TTestGraphic::StaticClassInfo());
  QTemporaryDir dir;
  TPicture p;
  p.LoadFromFile(WriteFile(dir, "a.png", Encode(Pattern(), "png")));
  EXPECT_EQ(p.GetGraphic()->ClassName(), "TTestGraphic");

  UnregisterGraphicClass(TTestGraphic::StaticClassInfo());
  EXPECT_EQ(GraphicClassForExtension("png"), &TPngImage::StaticClassInfo());
  EXPECT_EQ(FindGraphicClass("TTestGraphic"), nullptr);
}
