// Feeds arbitrary bytes to the metafile player, both as given and behind the two headers
// (so mutations reach the records instead of dying at the signature): drawing into a
// small image and loading as a metafile picture. Nothing may crash, hang or allocate
// without bound; refusing the bytes is a correct answer.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/core/Exception.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/MetafilePlayer.h"

using namespace tarnwick;

namespace {

void App() {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
}

void PlayInto(const QByteArray& bytes) {
  QImage target(48, 48, QImage::Format_ARGB32_Premultiplied);
  target.fill(Qt::transparent);
  QPainter painter(&target);
  metafile::Play(painter, bytes, QRectF(0, 0, 48, 48));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  App();
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  PlayInto(bytes);
  try {
    TMetafile m;
    m.LoadFromBytes(bytes);
    // The nominal size comes from the file: only small ones are drawn whole.
    if (int64_t{m.GetWidth()} * m.GetHeight() <= 512 * 512) (void)m.ToImage();
  } catch (const Exception&) {
  }
  return 0;
}
