#pragma once
// The icons of the editor's commands. The machine the program runs on may have no icon
// theme, so the icons are drawn by our own code from one table of simple glyphs on a
// 16 x 16 design grid, at whatever size and pixel density is asked: sharp on high-density
// screens, greyed out when the command is disabled.
#include <QIcon>
#include <QStringList>
#include <QStringView>

class QPainter;
class QRectF;

namespace tarnwick {

// The icon of one command (for example "save", "align-left"); a null icon for a name
// without a glyph.
QIcon EditorIcon(QStringView AName);

// Every name EditorIcon knows, in the table's order (file, edit, object, text, alignment,
// view commands).
QStringList EditorIconNames();

// Paints the glyph of AName into ABox with APainter (normal mode); false, painting
// nothing, for an unknown name.
bool PaintEditorIcon(QPainter& APainter, const QRectF& ABox, QStringView AName);

}  // namespace tarnwick
