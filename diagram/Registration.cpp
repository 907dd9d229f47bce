#include "diagram/Registration.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <functional>

#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/model/LineJoin.h"
#include "diagram/model/PolygonBlock.h"
#include "diagram/model/RegDControls.h"
#include "diagram/model/TextBlock.h"
#include "diagram/view/DControlGlyph.h"
#include "platform/core/ClassRegistry.h"
#include "platform/gui/Bitmap.h"

namespace tarnwick {

namespace {

// Glyphs of the two core entries that a glyph drawn from a fresh control would leave
// blank: a polygon has no vertices before it is drawn, and a join shows only a link
// point, which exports leave out. Magenta is the background palettes leave out.
void RegisterDrawnGlyph(const QString& AName, const std::function<void(QPainter&)>& ADraw) {
  QImage image(DControlGlyphSize, DControlGlyphSize, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  {
    QPainter painter(&image);
    ADraw(painter);
  }
  TBitmap bitmap;
  bitmap.SetImage(image);
  RegisterGlyphResource(AName, bitmap);
}

void RegisterCoreGlyphs() {
  RegisterDrawnGlyph(QStringLiteral("BLK_TPOLYGONBLOCK"), [](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(4, 19), QPoint(7, 4), QPoint(19, 8), QPoint(15, 13), QPoint(20, 19)}));
  });
  RegisterDrawnGlyph(QStringLiteral("BLK_TDIAGRAMLINEJOIN"), [](QPainter& p) {
    p.setPen(Qt::black);
    p.drawLine(3, 5, 12, 12);
    p.drawLine(3, 19, 12, 12);
    p.drawLine(12, 12, 21, 12);
    p.setBrush(Qt::blue);
    p.drawEllipse(QPoint(12, 12), 3, 3);
  });
}

void RegisterCoreControls() {
  RegisterDControl<TDiagramBlock>();
  RegisterDControl<TDiagramLineJoin>();
  RegisterDControl<TTextBlock>(QString(), QStringLiteral("Text"));
  RegisterDControl<TDiagramLine>(QString(), QStringLiteral("Line"), QStringLiteral("Lines"));
  RegisterDControl<TDiagramSideLine>(QString(), QStringLiteral("Side line"), QStringLiteral("Lines"));
  RegisterDControl<TDiagramPolyLine>(QString(), QStringLiteral("Poly line"), QStringLiteral("Lines"));
  RegisterDControl<TPolygonBlock>(QString(), QStringLiteral("Polygon"));
  RegisterDControl<TDiagramArc>(QString(), QStringLiteral("Arc"), QStringLiteral("Lines"));
  RegisterDControl<TDiagramBezier>(QString(), QStringLiteral("Bezier"), QStringLiteral("Lines"));
  // Documents hold the groups users made, so the class must be readable; a group is made
  // by grouping, never from a palette, so it has no registry entry.
  if (!GetClass(TGroupBlock::StaticClassInfo().ClassName())) RegisterClass(TGroupBlock::StaticClassInfo());
}

}  // namespace

void RegisterAllClasses() {
  // A function-local static runs its initialiser exactly once.
  static const bool registered = [] {
    RegisterCoreControls();
    RegisterCoreGlyphs();
    return true;
  }();
  (void)registered;
}

}  // namespace tarnwick
