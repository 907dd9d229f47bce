// The enhanced metafile writer: a painting recorded and played back looks like the same
// painting drawn straight onto an image, the header agrees with the bytes, and what plain
// records cannot carry arrives as bitmaps.
#include <gtest/gtest.h>

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

int Count(const std::vector<uint32_t>& Types, uint32_t Type) { return int(std::count(Types.begin(), Types.end(), Type)); }

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
