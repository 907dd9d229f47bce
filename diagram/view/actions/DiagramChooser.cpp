#include "diagram/view/actions/DiagramChooser.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

#include "diagram/view/actions/DiagramStyleEditor.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Font.h"
#include "platform/gui/Graphic.h"
#include "platform/gui/GraphicFormats.h"

namespace tarnwick {

std::optional<TColor> TQtDiagramChooser::ChooseColor(TColor AInitial) {
  const QColor chosen = QColorDialog::getColor(ColorToQColor(AInitial), FParent);
  if (!chosen.isValid()) return std::nullopt;
  return QColorToColor(chosen);
}

bool TQtDiagramChooser::ChooseFont(TFont& AFont) {
  // The dialog speaks points; the document font keeps pixels, so the size goes over in
  // points and the font's own resolution turns it back into a height.
  QFont initial(AFont.GetName());
  initial.setPointSize(AFont.GetSize() > 0 ? AFont.GetSize() : 8);
  const TFontStyles style = AFont.GetStyle();
  initial.setBold(style.Contains(fsBold));
  initial.setItalic(style.Contains(fsItalic));
  initial.setUnderline(style.Contains(fsUnderline));
  initial.setStrikeOut(style.Contains(fsStrikeOut));
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, initial, FParent);
  if (!ok) return false;
  AFont.SetName(chosen.family());
  if (chosen.pointSize() > 0) AFont.SetSize(chosen.pointSize());
  TFontStyles next;
  if (chosen.bold()) next.Include(fsBold);
  if (chosen.italic()) next.Include(fsItalic);
  if (chosen.underline()) next.Include(fsUnderline);
  if (chosen.strikeOut()) next.Include(fsStrikeOut);
  AFont.SetStyle(next);
  return true;
}

std::optional<QString> TQtDiagramChooser::ChoosePictureFile() {
  const QString name = QFileDialog::getOpenFileName(FParent, QStringLiteral("Select picture file"), QString(),
                                                    GraphicFilter(TGraphic::StaticClassInfo()));
  if (name.isEmpty()) return std::nullopt;
  return name;
}

bool IDiagramChooser::EditGradient(TDiagramGradient& AGradient) {
  IDiagramStyleEditor* editor = DefaultDiagramStyleEditor();
  return editor && editor->EditGradient(AGradient);
}

bool IDiagramChooser::EditShadow(TBlockShadow& AShadow) {
  IDiagramStyleEditor* editor = DefaultDiagramStyleEditor();
  return editor && editor->EditShadow(AShadow);
}

namespace {

IDiagramChooser* GDefaultChooser = nullptr;
IDiagramStyleEditor* GDefaultStyleEditor = nullptr;

}  // namespace

IDiagramStyleEditor* DefaultDiagramStyleEditor() { return GDefaultStyleEditor; }

void SetDefaultDiagramStyleEditor(IDiagramStyleEditor* AEditor) { GDefaultStyleEditor = AEditor; }

IDiagramChooser& DefaultDiagramChooser() {
  static TQtDiagramChooser qtChooser;
  return GDefaultChooser ? *GDefaultChooser : qtChooser;
}

void SetDefaultDiagramChooser(IDiagramChooser* AChooser) { GDefaultChooser = AChooser; }

}  // namespace tarnwick
