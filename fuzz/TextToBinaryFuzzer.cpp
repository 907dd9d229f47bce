// Feeds arbitrary bytes to the text-to-binary converter. What it accepts must convert
// back to text without error, and is then read into live objects, which makes this a
// structure-aware fuzzer of the binary reader as well.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "streaming/ObjectStream.h"
#include "streaming/TextConvert.h"
#include "tests/streaming/TestClasses.h"

using namespace tarnwick;
using namespace tarnwick::test;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterSampleClasses(), true);
  (void)registered;
  TSampleShape::LoadedLog().clear();
  TMemoryStream text(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  TMemoryStream binary;
  try {
    ConvertTextToBinary(text, binary);
  } catch (const Exception&) {
    return 0;
  }

  binary.SetPosition(0);
  TMemoryStream back;
  try {
    ConvertBinaryToText(binary, back);
  } catch (const Exception& e) {
    // The converter's own output must always be readable.
    std::fprintf(stderr, "binary from text did not convert back: %s\n", e.what());
    std::abort();
  }

  binary.SetPosition(0);
  TOwned<TSampleShape> root(Create<TSampleShape>(nullptr));
  try {
    ReadComponent(binary, root.get());
  } catch (const Exception&) {
  }
  return 0;
}
