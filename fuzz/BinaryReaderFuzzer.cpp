// Feeds arbitrary bytes to the binary object stream reader (into live objects) and to the
// binary-to-text converter. Any exception of the project's family is a correct answer;
// a crash, a sanitizer report, a leak, a hang or another exception is a finding.
#include <cstddef>
#include <cstdint>

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
  QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  {
    TOwned<TSampleShape> root(Create<TSampleShape>(nullptr));
    TMemoryStream in(bytes);
    try {
      ReadComponent(in, root.get());
    } catch (const Exception&) {
    }
  }
  {
    // A null root: the stream names the class to create.
    TMemoryStream in(bytes);
    try {
      ReadComponent(in, nullptr)->Free();
    } catch (const Exception&) {
    }
  }
  {
    TMemoryStream in(bytes), out;
    try {
      ConvertBinaryToText(in, out);
    } catch (const Exception&) {
    }
  }
  return 0;
}
