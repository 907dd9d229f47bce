#include "streaming/ObjectStream.h"

#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace tarnwick {

void WriteComponent(TStream& Stream, TComponent* Root, size_t SplitChildren) {
  TWriter writer(Stream);
  writer.SetSplitChildren(SplitChildren);
  writer.WriteRootComponent(Root);
  writer.FlushBuffer();
}

TComponent* ReadComponent(TStream& Stream, TComponent* Root) {
  TReader reader(Stream);
  return reader.ReadRootComponent(Root);
}

}  // namespace tarnwick
