#pragma once
// The registry of graphic classes: by class name, for the pictures object streams carry
// ("class name, then payload"), and by file extension, for loading picture files. The
// platform's own classes are registered from the start; a drawing engine may register its
// own graphic class for extensions, and the latest registration of an extension wins.
#include <QByteArray>
#include <QString>
#include <vector>

#include "platform/core/ClassInfo.h"

namespace tarnwick {

class TGraphic;

struct TFileFormat {
  QString Extension;  // lower case, without the dot
  QString Description;
  const TClassInfo* GraphicClass = nullptr;
};

// Makes a graphic class known by its class name (RegisterFileFormat does this too).
void RegisterGraphicClass(const TClassInfo& GraphicClass);
// Registers Extension (with or without the dot, any letter case) for GraphicClass.
void RegisterFileFormat(const QString& Extension, const QString& Description, const TClassInfo& GraphicClass);
// Removes a class from both registries.
void UnregisterGraphicClass(const TClassInfo& GraphicClass);

// Null when unknown; letter case is ignored.
const TClassInfo* FindGraphicClass(const QString& ClassName);
const TClassInfo* GraphicClassForExtension(const QString& Extension);
// The platform class for bytes that start like a known format; null otherwise.
const TClassInfo* GraphicClassForContent(const QByteArray& Head);
// The file formats, latest registration first.
std::vector<TFileFormat> FileFormats();
// A file dialog filter: "All pictures (*.bmp *.png ...);;<Description> (*.ext);;..." for
// every format whose class is, or derives from, GraphicBase.
QString GraphicFilter(const TClassInfo& GraphicBase);

// A new, empty graphic of a registered class (the caller owns it).
TGraphic* CreateGraphic(const TClassInfo& GraphicClass);

}  // namespace tarnwick
