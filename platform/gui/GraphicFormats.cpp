#include "platform/gui/GraphicFormats.h"

#include <QStringList>
#include <algorithm>

#include "platform/core/Exception.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/EncodedImage.h"
#include "platform/gui/ImageCodec.h"
#include "platform/gui/Metafile.h"

namespace tarnwick {

namespace {

struct TRegistry {
  std::vector<const TClassInfo*> Classes;
  std::vector<TFileFormat> Formats;  // latest first
};

QString NormalExtension(QString e) {
  if (e.startsWith(QLatin1Char('.'))) e.remove(0, 1);
  return e.toLower();
}

void AddClass(TRegistry& r, const TClassInfo& info) {
  if (std::find(r.Classes.begin(), r.Classes.end(), &info) == r.Classes.end()) r.Classes.push_back(&info);
}

void AddFormat(TRegistry& r, const QString& ext, const QString& description, const TClassInfo& info) {
  AddClass(r, info);
  r.Formats.insert(r.Formats.begin(), TFileFormat{NormalExtension(ext), description, &info});
}

TRegistry& Registry() {
  static TRegistry registry = [] {
    TRegistry r;
    const struct {
      const char* Ext;
      const char* Description;
      const TClassInfo& Class;
    } builtIn[] = {
        {"wmf", "Metafiles", TMetafile::StaticClassInfo()},
        {"emf", "Enhanced Metafiles", TMetafile::StaticClassInfo()},
        {"tiff", "TIFF Image File", TTiffImage::StaticClassInfo()},
        {"tif", "TIFF Image File", TTiffImage::StaticClassInfo()},
        {"gif", "GIF Image File", TGIFImage::StaticClassInfo()},
        {"jpeg", "JPEG Image File", TJPEGImage::StaticClassInfo()},
        {"jpg", "JPEG Image File", TJPEGImage::StaticClassInfo()},
        {"png", "Portable Network Graphics", TPngImage::StaticClassInfo()},
        {"bmp", "Bitmaps", TBitmap::StaticClassInfo()},
    };
    for (const auto& f : builtIn) AddFormat(r, QString::fromLatin1(f.Ext), QString::fromLatin1(f.Description), f.Class);
    return r;
  }();
  return registry;
}

}  // namespace

void RegisterGraphicClass(const TClassInfo& GraphicClass) { AddClass(Registry(), GraphicClass); }

void RegisterFileFormat(const QString& Extension, const QString& Description, const TClassInfo& GraphicClass) {
  AddFormat(Registry(), Extension, Description, GraphicClass);
}

void UnregisterGraphicClass(const TClassInfo& GraphicClass) {
  TRegistry& r = Registry();
  std::erase(r.Classes, &GraphicClass);
  std::erase_if(r.Formats, [&](const TFileFormat& f) { return f.GraphicClass == &GraphicClass; });
}

const TClassInfo* FindGraphicClass(const QString& ClassName) {
  for (const TClassInfo* c : Registry().Classes)
    if (c->ClassName().compare(ClassName, Qt::CaseInsensitive) == 0) return c;
  return nullptr;
}

const TClassInfo* GraphicClassForExtension(const QString& Extension) {
  QString ext = NormalExtension(Extension);
  for (const TFileFormat& f : Registry().Formats)
    if (f.Extension == ext) return f.GraphicClass;
  return nullptr;
}

const TClassInfo* GraphicClassForContent(const QByteArray& Head) {
  QByteArray format = imagecodec::SniffFormat(Head);
  if (format == "bmp") return &TBitmap::StaticClassInfo();
  if (format == "png") return &TPngImage::StaticClassInfo();
  if (format == "jpeg") return &TJPEGImage::StaticClassInfo();
  if (format == "gif") return &TGIFImage::StaticClassInfo();
  if (format == "tiff") return &TTiffImage::StaticClassInfo();
  if (format == "emf" || format == "wmf") return &TMetafile::StaticClassInfo();
  return nullptr;
}

std::vector<TFileFormat> FileFormats() { return Registry().Formats; }

QString GraphicFilter(const TClassInfo& GraphicBase) {
  QStringList all, each;
  for (const TFileFormat& f : Registry().Formats) {
    if (!f.GraphicClass->InheritsFrom(GraphicBase)) continue;
    QString pattern = QStringLiteral("*.") + f.Extension;
    all << pattern;
    each << QStringLiteral("%1 (%2)").arg(f.Description, pattern);
  }
  if (all.isEmpty()) return {};
  return QStringLiteral("All pictures (%1);;%2").arg(all.join(QLatin1Char(' ')), each.join(QStringLiteral(";;")));
}

TGraphic* CreateGraphic(const TClassInfo& GraphicClass) {
  TPersistent* p = GraphicClass.CreateInstance(nullptr);
  auto* g = dynamic_cast<TGraphic*>(p);
  if (!g && p) p->Free();
  return g;
}

}  // namespace tarnwick
