// Feeds arbitrary bytes to the .dgo reader, as a library folder may hold them. A read
// either fails with the reader's error, leaving the item as it was, or yields an item
// that writes and reads back to the same bytes.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "diagram/Registration.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/libraries/LibraryItemFile.h"
#include "platform/core/Exception.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(*argc, *argv);
  RegisterAllClasses();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TOwned<TDgrLibraryItem> item = MakeOwned<TDgrLibraryItem>(nullptr);
  item->SetCaption(QStringLiteral("untouched"));
  try {
    LibraryItemFromBytes(bytes, item.get());
  } catch (const Exception&) {
    if (item->GetCaption() != QStringLiteral("untouched") || !item->GetData().isEmpty()) {
      std::fprintf(stderr, "a failed read changed the item\n");
      std::abort();
    }
    return 0;
  }
  const QByteArray written = LibraryItemToBytes(item.get());
  TOwned<TDgrLibraryItem> again = MakeOwned<TDgrLibraryItem>(nullptr);
  LibraryItemFromBytes(written, again.get());
  if (LibraryItemToBytes(again.get()) != written) {
    std::fprintf(stderr, "an item read back differently\n");
    std::abort();
  }
  return 0;
}
