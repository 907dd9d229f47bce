#include "graphics/gdiplus/GdipPictureLoaders.h"

#include "graphics/gdiplus/GdipGraphic.h"
#include "platform/gui/GraphicFormats.h"

namespace tarnwick {

namespace {

struct TLoader {
  const char* Extension;
  const char* Description;
};

constexpr TLoader Loaders[] = {
    {"jpg", "JPG Image File"},  {"gif", "GIF Image File"},   {"png", "PNG Image File"},
    {"tif", "TIFF Image File"}, {"tiff", "TIFF Image File"},
};

}  // namespace

void RegisterGdipPictureLoaders() {
  for (const TLoader& loader : Loaders)
    RegisterFileFormat(QString::fromLatin1(loader.Extension), QString::fromLatin1(loader.Description),
                       TGdipGraphic::StaticClassInfo());
}

}  // namespace tarnwick
