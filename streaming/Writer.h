#pragma once
// TWriter: writes values, objects and whole object trees into the binary object stream.
// Objects are written only through their class's published-property table and their
// DefineProperties hook; every value goes through the primitives below, which is also
// what custom properties and the text-form converter use.
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Filer.h"
#include "streaming/ValueType.h"

namespace tarnwick {

class TStream;
class TComponent;
class TCollection;
struct TPropInfo;

class TWriter : public TFiler {
 public:
  // Writes at the stream's position, through a buffer of BufSize bytes.
  explicit TWriter(TStream& Stream, int BufSize = 4096);
  // Flushes what is still buffered; call FlushBuffer() first to see a write error.
  ~TWriter() override;
  TWriter(const TWriter&) = delete;
  TWriter& operator=(const TWriter&) = delete;

  void FlushBuffer();
  // Bytes written through this writer so far, counted from where it started.
  int64_t GetPosition() const { return FWritten + static_cast<int64_t>(FBufPos); }

  // Raw output.
  void Write(const void* Buffer, int64_t Count);
  void WriteValue(TValueType Value) {
    *Room(1) = static_cast<char>(Value);
    ++FBufPos;
  }
  void WriteSignature();
  // The optional record prefix: nothing when Flags is empty.
  void WritePrefix(TFilerFlags Flags, int ChildPos);
  // The start of an object record: prefix, class name and object name (UTF-8).
  void WriteRecordHeader(TFilerFlags Flags, int ChildPos, std::string_view ClassName, std::string_view Name);
  // A short string: a length byte and at most 255 bytes of UTF-8, cut at a character
  // boundary.
  void WriteStr(const QString& S);
  void WriteUtf8Str(std::string_view S);

  // Values.
  void WriteInteger(int64_t Value);  // the smallest integer tag that holds Value
  void WriteBoolean(bool Value);
  void WriteString(const QString& Value);
  void WriteFloat(double Value);  // vaExtended; a non-finite value raises EWriteError
  void WriteSingle(float Value);
  void WriteDouble(double Value);
  void WriteDate(double Value);
  // vaCurrency; Scaled is the currency value times 10000.
  void WriteCurrency(int64_t Scaled);
  // False, True, Null and nil (any letter case) become their own tags.
  void WriteIdent(const QString& Ident);
  void WriteUtf8Ident(std::string_view Ident);
  void WriteBinary(const void* Data, int64_t Count);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  void WriteCollection(TCollection* Value);

  // Objects. WriteDescendent writes the signature and the root record.
  void WriteRootComponent(TComponent* Root) { WriteDescendent(Root, nullptr); }
  void WriteDescendent(TComponent* Root, TComponent* Ancestor);
  void WriteComponent(TComponent* Component);
  // One object record; what TComponent::WriteState does.
  void WriteData(TComponent* Instance);
  // Published properties in table order, then the custom ones.
  void WriteProperties(TPersistent* Instance);
  // When the root has at least MinChildren children, the second half of them is written
  // on a second thread while this one writes the first half; the stream is the same byte
  // for byte. Writing reads the tree; what a getter makes on first use belongs to the child
  // being written, and each child is written by one thread only.
  // 0 (the default) writes everything on the calling thread.
  void SetSplitChildren(size_t MinChildren) { FSplitChildren = MinChildren; }

  void DefineProperty(const QString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const QString& Name, TStreamProc ReadData, TStreamProc WriteData, bool HasData) override;

  TComponent* GetRootComponent() const { return FRootComponent; }
  // The identifier path under which Component is written relative to the root; empty
  // when it cannot be named.
  QString ReferencePath(TComponent* Component) const;

 private:
  class DepthGuard;
  void WriteProperty(TPersistent* Instance, const TPropInfo& Prop);
  void WritePropName(const QString& Name);
  void WritePropName(const TPropInfo& Prop);
  void WriteObjectProperty(TPersistent* Instance, const TPropInfo& Prop);
  void WriteUtf16(const char16_t* Data, size_t Count);
  template <class T>
  void WriteLE(T Value);
  // Room for Count bytes in the buffer (Count at most the buffer's size), flushing first
  // if need be: the small values that make up most of a stream are then stored without
  // a call per byte run.
  char* Room(size_t Count) {
    if (Count > FBuffer.size() - FBufPos) FlushBuffer();
    return FBuffer.data() + FBufPos;
  }
  // A short string whose UTF-8 bytes are Head followed by Tail.
  void WriteShortStr(std::string_view Head, std::string_view Tail);
  // The root's children, split between this thread and a second one.
  void WriteChildrenSplit(const std::vector<TComponent*>& Children);

  TStream& FStream;
  std::vector<char> FBuffer;
  size_t FBufPos = 0;
  int64_t FWritten = 0;
  TComponent* FRootComponent = nullptr;
  std::string FPropPath;  // UTF-8 prefix of sub-object properties ("Pen.")
  std::string FScratch;
  std::string FClassName;
  std::string FObjectName;
  int FDepth = 0;
  size_t FSplitChildren = 0;
};

}  // namespace tarnwick
