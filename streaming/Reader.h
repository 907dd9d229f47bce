#pragma once
// TReader: reads the binary object stream. The primitives read one value each and raise
// "Invalid property value" for a tag they do not accept and "Stream read error" when the
// stream ends inside a value; ReadRootComponent applies a whole stream to an existing
// root object, creating the children it names.
//
// Every length in the stream is checked against the bytes actually left before anything
// is allocated, and objects, lists and collections may nest at most MaxStreamNesting
// levels, so damaged or hostile input ends in an error, never in a crash or a huge
// allocation.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/core/Filer.h"
#include "streaming/Extended.h"
#include "streaming/ValueType.h"

namespace tarnwick {

class TStream;
class TComponent;
class TCollection;
struct TClassInfo;
struct TPropInfo;

class TReader : public TFiler {
 public:
  // Reads from the stream's position through a buffer of BufSize bytes (a memory stream
  // is read in place).
  explicit TReader(TStream& Stream, int BufSize = 4096);
  // Puts the stream's position right after the last byte read.
  ~TReader() override;
  TReader(const TReader&) = delete;
  TReader& operator=(const TReader&) = delete;

  void FlushBuffer();
  // Stream position of the next unread byte.
  int64_t GetPosition() const;
  // Bytes from the next unread one to the end of the stream.
  int64_t BytesLeft() const;

  // Raw input.
  void Read(void* Buffer, int64_t Count);
  void ReadSignature();
  void ReadPrefix(TFilerFlags& Flags, int& ChildPos);
  QString ReadStr();
  // A short string's bytes; valid until the next read.
  std::string_view ReadUtf8Str();

  // Values.
  TValueType ReadValue();
  TValueType NextValue();
  bool EndOfList() { return NextValue() == vaNull; }
  void CheckValue(TValueType Value);
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }
  int32_t ReadInteger();  // vaInt8, vaInt16, vaInt32
  int64_t ReadInt64();    // those and vaInt64
  bool ReadBoolean();
  QString ReadString();    // the four string tags
  double ReadFloat();      // vaExtended, vaDouble or an integer; never infinite or NaN
  // A vaExtended value's own bytes, for text that keeps all of its digits; the value must
  // narrow to a finite double, as ReadFloat requires.
  TExtended80 ReadExtended();
  float ReadSingle();      // vaSingle or an integer
  double ReadDate();       // vaDate or an integer
  int64_t ReadCurrency();  // vaCurrency (the value times 10000) or an integer
  // vaIdent, and False, True, nil, Null for their tags.
  QString ReadIdent();
  std::string ReadUtf8Ident();
  QByteArray ReadBinary();  // a vaBinary value
  // Reads the items that follow a vaCollection tag (consumed by the caller).
  void ReadCollection(TCollection* Collection);
  void SkipValue();

  // Objects.
  // Applies a whole stream to Root; with Root null the root is created from the
  // stream's class name. References are resolved and Loaded is called as the format
  // prescribes.
  TComponent* ReadRootComponent(TComponent* Root);
  // One object record's properties and children; what TComponent::ReadState does.
  void ReadData(TComponent* Instance);
  void ReadProperty(TPersistent* Instance);

  void DefineProperty(const QString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const QString& Name, TStreamProc ReadData, TStreamProc WriteData, bool HasData) override;

  TComponent* GetRootComponent() const { return FRootComponent; }
  // The owner of children created while reading, and the parent they attach to.
  TComponent* GetOwner() const { return FOwner; }
  TComponent* GetParent() const { return FParent; }

 private:
  class DepthGuard;
  struct Fixup;
  struct PropIndex;

  bool Refill(size_t Need);
  void Need(size_t Count) {
    if (static_cast<size_t>(FEnd - FPtr) < Count && !Refill(Count)) ReadFailed();
  }
  [[noreturn]] static void ReadFailed();
  [[noreturn]] static void InvalidValue();
  template <class T>
  T ReadLE();
  int32_t ReadLength();
  void SkipBytes(int64_t Count);
  int64_t ReadIntPayload(TValueType Tag);
  double ReadDoublePayload();
  QString ReadStringPayload(TValueType Tag);

  void ReadPropertyPath(TPersistent* Instance, std::string_view Path);
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  const TPropInfo* LookupProperty(const TClassInfo& Info, std::string_view Name);
  void ReadChild();
  void ReadCollectionItems(TCollection* Collection);
  void DropFixupsIn(const TCollection* Collection);
  void FinishRead(bool Failed);
  void ResolveFixups(bool GlobalRound, std::exception_ptr& FirstError);
  void CallLoaded(std::exception_ptr& FirstError);
  QString UniqueRootName(const QString& Name) const;

  TStream& FStream;
  std::vector<uint8_t> FBuffer;
  const uint8_t* FBase = nullptr;  // start of the bytes FPtr moves over
  const uint8_t* FPtr = nullptr;   // next unread byte
  const uint8_t* FEnd = nullptr;   // end of the bytes at hand
  int64_t FEndPos = 0;             // stream position of FEnd
  int64_t FStreamSize = 0;
  bool FInPlace = false;

  TComponent* FRootComponent = nullptr;
  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  int FDepth = 0;

  // The custom property waiting for a DefineProperties hook to take it.
  QString FPropName;
  bool FPropPending = false;

  std::vector<TComponent*> FLoaded;
  std::unordered_set<TComponent*> FLoadedSet;
  std::vector<Fixup> FFixups;
  // Every collection some fixup was made inside since the fixups were last cleared (it may
  // name collections whose fixups are gone). Reading a collection first drops the fixups
  // inside it; this lets the many collections no fixup names skip the scan of them all,
  // which would make loading a large document quadratic.
  std::unordered_set<const TCollection*> FFixupCollections;
  std::vector<TCollection*> FCollections;  // collections whose items are being read
  std::unordered_map<const TClassInfo*, std::unique_ptr<PropIndex>> FIndexes;
};

}  // namespace tarnwick
