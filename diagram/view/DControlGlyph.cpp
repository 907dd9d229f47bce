#include "diagram/view/DControlGlyph.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "diagram/model/DiagramBlock.h"
#include "diagram/model/RegDControls.h"
#include "diagram/model/TextCells.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Exception.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

namespace {

// The background of drawn glyphs and so their transparent colour: a colour no control
// paints by default, so neither white fills nor black outlines turn see-through.
constexpr TColor GlyphBackground = 0x00FF00FF;  // magenta, 0x00BBGGRR

QHash<QString, QImage>& GlyphResources() {
  static QHash<QString, QImage> resources;
  return resources;
}

QString ResourceKey(const QString& AName) { return AName.toUpper(); }

// Named and drawn glyphs leave out the colour of their bottom-left pixel.
void MakeTransparent(TBitmap& AGlyph) {
  AGlyph.SetTransparentMode(tmAuto);
  AGlyph.SetTransparent(true);
}

bool FindThenMakeTransparent(const QString& AName, TBitmap& AGlyph) {
  if (!FindGlyphResource(AName, AGlyph)) return false;
  MakeTransparent(AGlyph);
  return true;
}

}  // namespace

void RegisterGlyphResource(const QString& AName, const TBitmap& ABitmap) {
  if (ABitmap.GetEmpty())
    GlyphResources().remove(ResourceKey(AName));
  else
    GlyphResources().insert(ResourceKey(AName), ABitmap.GetImage());
}

bool FindGlyphResource(const QString& AName, TBitmap& AGlyph) {
  const auto found = GlyphResources().constFind(ResourceKey(AName));
  if (found != GlyphResources().constEnd()) {
    AGlyph.SetImage(*found);
    return true;
  }
  for (const char* ext : {".bmp", ".png"}) {
    const QString path = QStringLiteral(":/tarnwick/glyphs/") + ResourceKey(AName) + QLatin1String(ext);
    if (!QFile::exists(path)) continue;
    const QImage image(path);
    if (image.isNull()) continue;
    AGlyph.SetImage(image);
    return true;
  }
  return false;
}

bool DrawDControlGlyph(const TClassInfo& AClass, TBitmap& AGlyph, int AScale) {
  AScale = std::clamp(AScale, 1, 4);
  if (!AClass.CanCreate() || !AClass.InheritsFrom(TDiagramControl::StaticClassInfo())) return false;
  try {
    // The control is placed and painted the way a user's insertion and an image export
    // would, on a diagram of its own that takes it along when it goes.
    TOwned<TdvDiagram> diagram = MakeOwned<TdvDiagram>(nullptr);
    diagram->SetExportBackgroundColor(GlyphBackground);
    TDiagramControl* control = diagram->CreateDControl(&AClass, QString());
    if (!control) return false;
    // A margin keeps the outline off the edges, so the bottom-left pixel is background.
    // Lines rise from bottom left to top right, blocks fill the square.
    TControlInsertInfo info;
    info.Diagram = diagram.get();
    info.Action = iaInserted;
    info.P1 = control->IsLine() ? TDot{3, 20} : TDot{3, 3};
    info.P2 = control->IsLine() ? TDot{20, 3} : TDot{20, 20};
    control->UpdateInsert(info);
    control->SetDiagram(diagram.get());
    control->SetSelected(false);
    // A line's labels (a stereotype, say) would be a smudge at this size; its arrows and
    // pen tell the kinds apart.
    if (control->IsLine())
      if (TTextCells* cells = control->GetTextCells())
        for (int i = 0; i < cells->Count(); ++i) cells->GetItems(i)->SetVisible(false);

    // A control that sizes itself (to its text, say) may not fit the square: it is drawn
    // whole and scaled down. Nearest pixels keep the background colour exact, so it stays
    // transparent.
    const TSquare r = control->SurroundRect();
    const int side = std::clamp(static_cast<int>(std::ceil(std::max(r.Right, r.Bottom))) + 3, DControlGlyphSize,
                                8 * DControlGlyphSize);
    // A larger scale paints the diagram zoomed, so lines and text are drawn at the finer
    // pixels rather than blown up.
    if (AScale > 1) diagram->SetZoom(100 * AScale);
    const int glyph = DControlGlyphSize * AScale;
    QImage image(side * AScale, side * AScale, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(255, 0, 255));
    {
      QPainter painter(&image);
      TCanvas canvas(&painter);
      diagram->PaintAs(canvas, psBitmap, TDot{0, 0});
    }
    if (side > DControlGlyphSize) {
      // Scaled into the square less a one-pixel frame, so the corner pixel that names the
      // transparent colour is background whatever the control draws at its edges.
      const QImage scaled =
          image.scaled(glyph - 2 * AScale, glyph - 2 * AScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
      image = QImage(glyph, glyph, QImage::Format_ARGB32_Premultiplied);
      image.fill(QColor(255, 0, 255));
      QPainter framed(&image);
      framed.drawImage(AScale, AScale, scaled);
    }
    AGlyph.SetImage(image);
    MakeTransparent(AGlyph);
    return true;
  } catch (const Exception&) {
    // A control that cannot be made or painted alone gets the generic glyph instead.
    return false;
  }
}

void GetDControlGlyph(const TRegDControl* AEntry, TBitmap& AGlyph, int AScale) {
  // An entry told to use a picture it does not have would show an empty button: it is
  // looked up like any other.
  if (AEntry && AEntry->GetUseGlyph() && !AEntry->GetGlyph()->GetEmpty()) {
    AGlyph.Assign(AEntry->GetGlyph()->GetGraphic());
    return;
  }
  if (AEntry) {
    if (FindThenMakeTransparent(QStringLiteral("BLK_") + AEntry->GetDControlID(), AGlyph)) return;
    if (const TClassInfo* cls = AEntry->GetDControlClass()) {
      if (FindThenMakeTransparent(QStringLiteral("BLK_") + cls->ClassName(), AGlyph)) return;
      if (DrawDControlGlyph(*cls, AGlyph, AScale)) return;
    }
  }
  if (FindThenMakeTransparent(QStringLiteral("BLK_TCUSTOMDIAGRAMBLOCK"), AGlyph)) return;
  DrawDControlGlyph(TDiagramBlock::StaticClassInfo(), AGlyph, AScale);
}

}  // namespace tarnwick
