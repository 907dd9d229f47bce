// The command icons: every command has one, each is drawn (not blank, inside its box),
// no two look the same, a high-density pixmap is painted at its own resolution rather than
// scaled up, a disabled icon looks greyed out, and an unknown name has no icon. With
// TARNWICK_ICON_SHEET=file.png the test run also writes a contact sheet of all icons at
// 24 and 48 px to look at.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <cstdlib>
#include <set>

#include "editor/icons/EditorIcons.h"

using namespace tarnwick;

namespace {

const QStringList Required = {
    // file
    "new", "open", "save", "save-as", "print", "print-preview", "page-setup",
    // edit
    "undo", "redo", "cut", "copy", "paste", "delete", "select-all", "edit-text", "copy-image",
    // object
    "picture", "bring-to-front", "send-to-back", "font", "group", "ungroup", "shape-color", "line-color", "gradient",
    "shadow", "add-to-library",
    // text style
    "bold", "italic", "underline", "text-left", "text-center", "text-right", "text-top", "text-middle", "text-bottom",
    // block alignment
    "align-left", "align-right", "align-hcenter", "align-top", "align-bottom", "align-vcenter", "same-width",
    "same-height", "same-size", "space-equal-h", "space-inc-h", "space-dec-h", "space-equal-v", "space-inc-v",
    "space-dec-v",
    // view
    "left-ruler", "top-ruler", "grid", "zoom", "navigator", "layers", "library", "objects", "automatic-nodes",
    "background"};

QImage Pixmap(const QString& AName, int ASize, QIcon::Mode AMode = QIcon::Normal, qreal ADpr = 1) {
  return EditorIcon(AName).pixmap(QSize(ASize, ASize), ADpr, AMode).toImage().convertToFormat(QImage::Format_ARGB32);
}

int Count(const QImage& AImage, bool (*APred)(QRgb)) {
  int n = 0;
  for (int y = 0; y < AImage.height(); ++y)
    for (int x = 0; x < AImage.width(); ++x) n += APred(AImage.pixel(x, y));
  return n;
}

bool Opaque(QRgb C) { return qAlpha(C) > 128; }
bool Partial(QRgb C) { return qAlpha(C) > 0 && qAlpha(C) < 255; }

TEST(Icons, EveryCommandHasAnIconDrawnInsideItsBox) {
  EXPECT_EQ(EditorIconNames().size(), Required.size());
  for (const QString& name : Required) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_FALSE(EditorIcon(name).isNull());
    const QImage image = Pixmap(name, 24);
    EXPECT_EQ(image.size(), QSize(24, 24));
    EXPECT_GT(Count(image, Opaque), 24 * 24 / 12) << "too faint to see";

    // Painted into a box in the middle of a larger image: nothing may fall outside it.
    QImage big(48, 48, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    {
      QPainter painter(&big);
      ASSERT_TRUE(PaintEditorIcon(painter, QRectF(12, 12, 24, 24), name));
    }
    int outside = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x)
        if ((x < 12 || x >= 36 || y < 12 || y >= 36) && qAlpha(big.pixel(x, y)) > 8) ++outside;
    EXPECT_EQ(outside, 0);
  }
}

TEST(Icons, NoTwoCommandsLookTheSame) {
  for (int i = 0; i < Required.size(); ++i)
    for (int j = i + 1; j < Required.size(); ++j)
      EXPECT_NE(Pixmap(Required[i], 24), Pixmap(Required[j], 24))
          << Required[i].toStdString() << " and " << Required[j].toStdString();
}

// A 2x pixmap scaled up from the 1x one would have twice as wide an anti-aliased fringe;
// painted at its own resolution, the fringe stays about one pixel wide.
TEST(Icons, HighDensityPixmapsArePaintedNotScaledUp) {
  int fringe1 = 0, fringe2 = 0;
  for (const QString& name : Required) {
    SCOPED_TRACE(name.toStdString());
    const QPixmap pixmap = EditorIcon(name).pixmap(QSize(24, 24), 2.0);
    EXPECT_EQ(pixmap.size(), QSize(48, 48));
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(24, 24));
    const QImage sharp = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage small = Pixmap(name, 24);
    EXPECT_NE(sharp, small.scaled(48, 48));
    fringe1 += Count(small, Partial);
    fringe2 += Count(sharp, Partial);
  }
  EXPECT_GT(fringe2, fringe1);
  EXPECT_LT(fringe2, 3 * fringe1);
}

TEST(Icons, DisabledIconsAreGreyAndFainter) {
  for (const QString& name : Required) {
    SCOPED_TRACE(name.toStdString());
    const QImage normal = Pixmap(name, 24), disabled = Pixmap(name, 24, QIcon::Disabled);
    EXPECT_NE(normal, disabled);
    int opaqueNormal = 0, opaqueDisabled = 0, coloured = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) {
        const QRgb c = disabled.pixel(x, y);
        opaqueNormal += qAlpha(normal.pixel(x, y)) == 255;
        opaqueDisabled += qAlpha(c) == 255;
        coloured += qAlpha(c) > 0 && (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c));
      }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(opaqueNormal, 0);
    EXPECT_EQ(opaqueDisabled, 0);
  }
}

// Letters and outlines take the palette's text colour on a dark theme, and go back.
TEST(Icons, InkFollowsADarkPalette) {
  const auto meanGrey = [](const QImage& AImage) {
    long sum = 0, n = 0;
    for (int y = 0; y < AImage.height(); ++y)
      for (int x = 0; x < AImage.width(); ++x)
        if (qAlpha(AImage.pixel(x, y)) == 255) sum += qGray(AImage.pixel(x, y)), ++n;
    return n ? sum / n : -1;
  };
  const QPalette light = QGuiApplication::palette();
  EXPECT_LT(meanGrey(Pixmap("bold", 24)), 100);
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
  dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
  QGuiApplication::setPalette(dark);
  EXPECT_GT(meanGrey(Pixmap("bold", 24)), 200);
  QGuiApplication::setPalette(light);
  EXPECT_LT(meanGrey(Pixmap("bold", 24)), 100);
}

TEST(Icons, AnUnknownNameHasNoIcon) {
  for (const char* name : {"", "no-such-command", "Save", "save "}) {
    EXPECT_TRUE(EditorIcon(QString::fromLatin1(name)).isNull()) << name;
    QImage image(16, 16, QImage::Format_ARGB32);
    QPainter painter(&image);
    EXPECT_FALSE(PaintEditorIcon(painter, QRectF(0, 0, 16, 16), QString::fromLatin1(name))) << name;
  }
}

// Draws every icon through QIcon::paint at 24 px and at 48 px, the way a tool bar does,
// on a light and on a dark row; written to a file only when asked for.
TEST(Icons, ContactSheet) {
  const int columns = 8, cell = 120, rows = (int(Required.size()) + columns - 1) / columns;
  QImage sheet(columns * cell, rows * 70, QImage::Format_ARGB32);
  sheet.fill(Qt::white);
  {
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    for (int i = 0; i < Required.size(); ++i) {
      const int x = (i % columns) * cell, y = (i / columns) * 70;
      const QIcon icon = EditorIcon(Required[i]);
      painter.fillRect(x, y, cell, 54, (i / columns) % 2 ? QColor(0xF6F5F4) : QColor(0xFFFFFF));
      icon.paint(&painter, QRect(x + 4, y + 4, 24, 24));
      icon.paint(&painter, QRect(x + 4, y + 30, 24, 24), Qt::AlignCenter, QIcon::Disabled);
      icon.paint(&painter, QRect(x + 32, y + 4, 48, 48));
      painter.fillRect(x + 84, y + 4, 32, 32, QColor(0x303030));
      icon.paint(&painter, QRect(x + 88, y + 8, 24, 24));
      painter.setPen(Qt::black);
      painter.drawText(QRect(x, y + 54, cell, 14), Qt::AlignCenter, Required[i]);
    }
  }
  EXPECT_GT(Count(sheet, [](QRgb c) { return qRed(c) < 128 && qBlue(c) > 128; }), 100) << "the icons reached the sheet";
  if (const char* file = std::getenv("TARNWICK_ICON_SHEET")) {
    EXPECT_TRUE(sheet.save(QString::fromLocal8Bit(file)));
  }
}

}  // namespace
