// The enhanced metafile writer: a painting recorded and played back looks like the same
// painting drawn straight onto an image, the header agrees with the bytes, and what plain
// records cannot carry arrives as bitmaps.
#include <gtest/gtest.h>

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "MetafileSamples.h"
#include "platform/gui/EmfWriter.h"
#include "platform/gui/MetafilePlayer.h"

using namespace tarnwick;
using namespace tarnwick::metafile;
using namespace tarnwick::testing_metafiles;

namespace {

void Scene(QPainter& p) {
  p.fillRect(0, 0, 200, 150, Qt::white);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::red);
  p.drawRect(10, 10, 60, 40);
  p.setBrush(Qt::blue);
  p.drawEllipse(QRectF(90, 10, 50, 40));
  p.setPen(QPen(Qt::darkGreen, 3, Qt::DashLine));
  p.drawLine(10, 70, 190, 70);
  QPainterPath curve;
  curve.moveTo(10, 140);
  curve.cubicTo(40, 80, 80, 160, 110, 100);
  p.setPen(QPen(Qt::magenta, 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  // Rotated shape and a clip.
  p.save();
  p.translate(160, 110);
  p.rotate(30);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::darkYellow);
  p.drawRect(-15, -10, 30, 20);
  p.restore();
  p.save();
  p.setClipRect(120, 80, 20, 60);
  p.setBrush(Qt::cyan);
  p.drawEllipse(110, 80, 40, 60);
  p.restore();
  // Gradient and half-transparent fills: not plain records.
  QLinearGradient g(150, 10, 195, 10);
  g.setColorAt(0, Qt::yellow);
  g.setColorAt(1, Qt::darkBlue);
  p.fillRect(150, 10, 45, 40, g);
  p.fillRect(40, 90, 40, 40, QColor(0, 0, 255, 128));
}

QImage Direct(QSize Size, const std::function<void(QPainter&)>& Paint) {
  QImage image(Size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Paint(p);
  return image;
}

int Count(const std::vector<uint32_t>& Types, uint32_t Type) {
  return int(std::count(Types.begin(), Types.end(), Type));
}

}  // namespace

TEST(EmfWriter, PlaybackMatchesDirectPainting) {
  const QSize size(200, 150);
  const QByteArray emf = RecordEmf(size, Scene);
  const QImage played = Render(emf, size);
  ASSERT_FALSE(played.isNull());
  const double share = DifferentShare(Direct(size, Scene), played);
  RecordProperty("DifferentPixelShare", std::to_string(share));
  EXPECT_LT(share, 0.03) << "share of differing pixels " << share;
}

TEST(EmfWriter, HeaderAgreesWithTheBytes) {
  const QByteArray emf = RecordEmf(QSize(206, 106), [](QPainter& p) { p.fillRect(3, 3, 200, 100, Qt::red); });
  const TByteView b(emf);
  EXPECT_EQ(b.U32(0), EMR_HEADER);
  EXPECT_EQ(b.U32(40), EmfSignature);
  EXPECT_EQ(b.U32(44), 0x10000u);
  EXPECT_EQ(b.U32(48), uint32_t(emf.size()));
  const std::vector<uint32_t> types = EmfRecordTypes(emf);
  EXPECT_EQ(b.U32(52), types.size());
  ASSERT_FALSE(types.empty());
  EXPECT_EQ(types.back(), EMR_EOF);
  EXPECT_EQ(Count(types, EMR_EOF), 1);
  // Bounds in pixels (inclusive) cover what was drawn; the frame is the picture in
  // hundredths of a millimetre at 96 dpi.
  EXPECT_EQ(QRect(QPoint(b.I32(8), b.I32(12)), QPoint(b.I32(16), b.I32(20))), QRect(3, 3, 200, 100));
  EXPECT_EQ(b.I32(24), 0);
  EXPECT_EQ(b.I32(32), 5450);  // 206 px * 2540 / 96, rounded
  EXPECT_EQ(b.I32(36), 2805);
  // A handle count covering every object the records make.
  EXPECT_GE(b.U16(56), 2);
  TMetafileInfo info;
  ASSERT_TRUE(ReadInfo(emf, info));
  EXPECT_EQ(NominalSize(info), QSize(206, 106));
}

TEST(EmfWriter, WhatPlainRecordsCannotCarryBecomesBitmaps) {
  const auto plain = EmfRecordTypes(RecordEmf(QSize(50, 50), [](QPainter& p) { p.fillRect(0, 0, 50, 50, Qt::red); }));
  EXPECT_EQ(Count(plain, EMR_ALPHABLEND) + Count(plain, EMR_STRETCHDIBITS), 0);
  EXPECT_GE(Count(plain, EMR_FILLPATH) + Count(plain, EMR_STROKEANDFILLPATH), 1);
  const QByteArray gradient = RecordEmf(QSize(50, 50), [](QPainter& p) {
    QLinearGradient g(0, 0, 50, 0);
    g.setColorAt(0, Qt::red);
    g.setColorAt(1, Qt::blue);
    p.fillRect(0, 0, 50, 50, g);
  });
  const auto types = EmfRecordTypes(gradient);
  EXPECT_GE(Count(types, EMR_ALPHABLEND) + Count(types, EMR_STRETCHDIBITS), 1);
  const QImage played = Render(gradient, QSize(50, 50));
  EXPECT_GT(qRed(played.pixel(2, 25)), 200);
  EXPECT_GT(qBlue(played.pixel(47, 25)), 200);
}

TEST(EmfWriter, TextIsUnicodeTextUnderAWorldTransform) {
  const QString text = QStringLiteral("Größe Ω");
  const QByteArray emf = RecordEmf(QSize(120, 40), [&](QPainter& p) {
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    p.drawText(QPointF(5, 25), text);
  });
  const auto types = EmfRecordTypes(emf);
  // Qt may hand over a line in runs (one per script or font), each its own record.
  EXPECT_GE(Count(types, EMR_EXTTEXTOUTW), 1);
  EXPECT_GE(Count(types, EMR_SETWORLDTRANSFORM), 1);
  EXPECT_EQ(Count(types, EMR_SAVEDC), Count(types, EMR_RESTOREDC));
  const QString word = QStringLiteral("Größe");
  QByteArray utf16(reinterpret_cast<const char*>(word.utf16()), word.size() * 2);
  EXPECT_TRUE(emf.contains(utf16));
  // Something dark is drawn where the text stands.
  const QImage played = Render(emf, QSize(120, 40));
  int dark = 0;
  for (int y = 5; y < 35; ++y)
    for (int x = 0; x < 120; ++x) dark += qAlpha(played.pixel(x, y)) > 128;
  EXPECT_GT(dark, 50);
}

// --- the older format ----------------------------------------------------------------------

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/core/Exception.h"
#include "platform/gui/WmfWriter.h"

TEST(WmfWriter, PlaybackMatchesDirectPainting) {
  const QSize size(200, 150);
  const QByteArray wmf = RecordWmf(size, Scene);
  const QImage played = Render(wmf, size);
  ASSERT_FALSE(played.isNull());
  // Curves are flattened, and the format has no alpha: the half-transparent square is
  // drawn through a mask, opaque. The rest matches.
  const double share = DifferentShare(Direct(size, Scene), played);
  RecordProperty("DifferentPixelShare", std::to_string(share));
  EXPECT_LT(share, 0.08) << "share of differing pixels " << share;
}

TEST(WmfWriter, PlaceableHeaderAndRecordsAgreeWithTheBytes) {
  const QByteArray wmf = RecordWmf(QSize(206, 106), [](QPainter& p) { p.fillRect(3, 3, 200, 100, Qt::red); });
  const TByteView b(wmf);
  EXPECT_EQ(b.U32(0), PlaceableKey);
  EXPECT_EQ(QRect(QPoint(b.I16(6), b.I16(8)), QPoint(b.I16(10), b.I16(12))),
            QRect(QPoint(0, 0), QPoint(206 * 16, 106 * 16)));
  EXPECT_EQ(b.U16(14), 96 * 16);
  uint16_t sum = 0;
  for (int i = 0; i < 10; ++i) sum ^= b.U16(2 * i);
  EXPECT_EQ(b.U16(20), sum);
  EXPECT_EQ(b.U16(22), 1);
  EXPECT_EQ(b.U16(24), 9);
  EXPECT_EQ(int64_t{b.U32(28)} * 2, wmf.size() - 22);
  // Records chain to an end record that closes the file.
  int64_t at = 22 + 18;
  uint32_t largest = 0;
  uint16_t last = 0xFFFF;
  while (b.Has(at, 6)) {
    const int64_t size = int64_t{b.U32(at)} * 2;
    ASSERT_GE(size, 6);
    largest = std::max<uint32_t>(largest, uint32_t(size / 2));
    last = b.U16(at + 4);
    at += size;
  }
  EXPECT_EQ(at, wmf.size());
  EXPECT_EQ(last, META_EOF);
  EXPECT_EQ(b.U32(34), largest);
  TMetafileInfo info;
  ASSERT_TRUE(ReadInfo(wmf, info));
  EXPECT_EQ(NominalSize(info), QSize(206, 106));
}

TEST(WmfWriter, LargePicturesAreScaledIntoRangeAndHugeOnesRefused) {
  const QByteArray wide = RecordWmf(QSize(20000, 100), [](QPainter& p) {
    p.fillRect(0, 0, 20000, 100, Qt::white);
    p.fillRect(19000, 0, 1000, 100, Qt::blue);
    p.setPen(QPen(Qt::black, 40));
    p.drawLine(-500000, 50, 500000, 50);  // far outside: cut to the picture
  });
  TMetafileInfo info;
  ASSERT_TRUE(ReadInfo(wide, info));
  EXPECT_LE(info.PlaceableBox.right(), 32767);
  EXPECT_EQ(NominalSize(info).width(), 20000);
  const QImage played = Render(wide, QSize(2000, 10));
  EXPECT_GT(qBlue(played.pixel(1950, 2)), 200);
  EXPECT_LT(qRed(played.pixel(1000, 5)), 100) << "the long line is drawn";
  try {
    RecordWmf(QSize(TWmfWriter::MaxSide + 1, 10), [](QPainter&) {});
    FAIL() << "a picture too large was accepted";
  } catch (const Exception& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("too large for a Windows metafile")));
  }
}

TEST(WmfWriter, AnIndependentReaderAcceptsTheFile) {
  const QString reader = QStandardPaths::findExecutable(QStringLiteral("wmf2svg"));
  if (reader.isEmpty()) GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed; scripts/setup installs it";
  QTemporaryDir dir;
  const QString in = dir.filePath(QStringLiteral("scene.wmf")), out = dir.filePath(QStringLiteral("scene.svg"));
  QFile file(in);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(RecordWmf(QSize(200, 150), Scene));
  file.close();
  QProcess p;
  p.start(reader, {QStringLiteral("-o"), out, in});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  QFile svg(out);
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray text = svg.readAll();
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("polygon") || text.contains("path") || text.contains("rect"));
  EXPECT_TRUE(text.contains("fill:red") || text.contains("#ff0000")) << "the red rectangle";
}

TEST(EmfWriter, AnIndependentParserReadsTheHeader) {
  // Python's struct module reads the header and walks the records on its own.
  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
  QTemporaryDir dir;
  const QString in = dir.filePath(QStringLiteral("scene.emf"));
  QFile file(in);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const QByteArray emf = RecordEmf(QSize(200, 150), Scene);
  file.write(emf);
  file.close();
  const char* script = R"(
import struct, sys
d = open(sys.argv[1], 'rb').read()
t, s = struct.unpack_from('<II', d, 0)
sig, ver, nbytes, nrec, nhandles = struct.unpack_from('<IIIIH', d, 40)
assert t == 1 and sig == 0x464D4520 and nbytes == len(d), 'header'
at, n, last = 0, 0, None
while at < len(d):
    rt, rs = struct.unpack_from('<II', d, at)
    assert rs >= 8 and rs % 4 == 0 and at + rs <= len(d), 'record'
    at, n, last = at + rs, n + 1, rt
assert n == nrec and last == 14, 'records'
print('ok', n)
)";
  QProcess p;
  p.start(python, {QStringLiteral("-c"), QString::fromLatin1(script), in});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  EXPECT_TRUE(p.readAllStandardOutput().startsWith("ok"));
}
