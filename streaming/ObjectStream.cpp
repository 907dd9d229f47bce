#include "streaming/ObjectStream.h"

#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace tarnwick {

void WriteComponent(TStream& Stream, TComponent* Root) {
  TWriter writer(Stream);
  writer.WriteRootComponent(Root);
  writer.FlushBuffer();
}

TComponent* ReadComponent(TStream& Stream, TComponent* Root) {
  TReader reader(Stream);
  return reader.ReadRootComponent(Root);
}

}  // namespace tarnwick
