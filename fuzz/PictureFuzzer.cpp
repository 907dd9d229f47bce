// Feeds arbitrary bytes to the picture readers: a picture file of any format (the class
// chosen by content), a picture's stream payload (class name + the graphic's own bytes),
// and a bitmap. EInvalidGraphic and the other errors of the project's family are correct
// answers; a crash, a sanitizer report, a hang or a huge allocation is a finding.
#include <QGuiApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageCodec.h"
#include "platform/gui/Picture.h"

using namespace tarnwick;

namespace {

QGuiApplication* App() {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Mutated headers mostly declare pictures of hundreds of megabytes, which the decoders
    // would allocate and clear, and metafiles would be played into, for every input. A cap of
    // a megabyte (512 x 512 pixels) refuses those through the same checks and leaves every
    // decoder and player reachable with pictures big enough for any of their code.
    imagecodec::SetImageByteCap(int64_t{1} << 20);
    return new QGuiApplication(argc, argv);
  }();
  return app;
}

template <class F>
void Try(F&& f) {
  try {
    f();
  } catch (const Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  App();
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Try([&] {
    TOwned<TPicture> picture(Create<TPicture>());
    TMemoryStream in(bytes);
    picture->LoadFromStream(in);
    // Whatever loaded must also turn into pixels and write itself out again.
    TMemoryStream out;
    picture->SaveToStream(out);
    (void)picture->GetBitmap()->GetWidth();
  });
  Try([&] {
    TOwned<TPicture> picture(Create<TPicture>());
    TMemoryStream in(bytes);
    picture->ReadData(in);
  });
  Try([&] {
    TOwned<TBitmap> bitmap(Create<TBitmap>());
    TMemoryStream in(bytes);
    bitmap->LoadFromStream(in);
  });
  return 0;
}
