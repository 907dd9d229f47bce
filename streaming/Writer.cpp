#include "streaming/Writer.h"

#include <cmath>
#include <cstring>
#include <future>
#include <limits>
#include <system_error>

#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "streaming/Extended.h"
#include "streaming/Hooks.h"
#include "streaming/StreamConsts.h"
#include "streaming/Utf.h"

namespace tarnwick {

// Sub-objects and children are written recursively; a class whose sub-object leads back
// to itself would otherwise recurse until the stack runs out.
class TWriter::DepthGuard {
 public:
  explicit DepthGuard(TWriter& w) : FWriter(w) {
    if (++FWriter.FDepth > MaxStreamNesting) {
      --FWriter.FDepth;
      throw EWriteError(msg::NestingTooDeep, MaxStreamNesting);
    }
  }
  ~DepthGuard() { --FWriter.FDepth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  TWriter& FWriter;
};

namespace {

// Copies the few bytes of a name or identifier. A document write stores about a hundred of
// them per control, and a library call per copy was a tenth of the whole write; fixed-size
// moves that overlap cover every length up to 32 without reading outside the source.
inline void CopySmall(char* Dest, const char* Source, size_t Count) {
  if (Count >= 16) {
    if (Count > 32) {
      std::memcpy(Dest, Source, Count);
      return;
    }
    std::memcpy(Dest, Source, 16);
    std::memcpy(Dest + Count - 16, Source + Count - 16, 16);
  } else if (Count >= 8) {
    std::memcpy(Dest, Source, 8);
    std::memcpy(Dest + Count - 8, Source + Count - 8, 8);
  } else if (Count >= 4) {
    std::memcpy(Dest, Source, 4);
    std::memcpy(Dest + Count - 4, Source + Count - 4, 4);
  } else if (Count > 0) {
    Dest[0] = Source[0];
    Dest[Count / 2] = Source[Count / 2];
    Dest[Count - 1] = Source[Count - 1];
  }
}

}  // namespace

// The buffer holds at least one whole short string (length byte and 255 bytes), so every
// value but long strings and binary data is stored in the buffer in one piece.
constexpr int MinBufSize = 512;

TWriter::TWriter(TStream& Stream, int BufSize)
    : FStream(Stream), FBuffer(static_cast<size_t>(BufSize > MinBufSize ? BufSize : MinBufSize)) {
  EnsureStreamingHooks();
}

TWriter::~TWriter() {
  try {
    FlushBuffer();
  } catch (...) {
    // A destructor cannot report; callers that care flush explicitly.
  }
}

void TWriter::FlushBuffer() {
  if (FBufPos == 0) return;
  size_t n = FBufPos;
  FBufPos = 0;
  FStream.WriteBuffer(FBuffer.data(), static_cast<int64_t>(n));
  FWritten += static_cast<int64_t>(n);
}

void TWriter::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return;
  auto n = static_cast<size_t>(Count);
  if (n <= FBuffer.size() - FBufPos) {
    std::memcpy(FBuffer.data() + FBufPos, Buffer, n);
    FBufPos += n;
    return;
  }
  FlushBuffer();
  if (n >= FBuffer.size()) {
    FStream.WriteBuffer(Buffer, Count);
    FWritten += Count;
    return;
  }
  std::memcpy(FBuffer.data(), Buffer, n);
  FBufPos = n;
}

template <class T>
void TWriter::WriteLE(T Value) {
  static_assert(std::is_integral_v<T>);
  using U = std::make_unsigned_t<T>;
  auto u = static_cast<U>(Value);
  char* p = Room(sizeof(T));
  for (size_t i = 0; i < sizeof(T); ++i) p[i] = static_cast<char>(u >> (8 * i));
  FBufPos += sizeof(T);
}

void TWriter::WriteSignature() { Write(FilerSignature, 4); }

void TWriter::WritePrefix(TFilerFlags Flags, int ChildPos) {
  if (Flags.Empty()) return;
  uint8_t prefix = static_cast<uint8_t>(0xF0 | (Flags.Mask() & 0x0F));
  Write(&prefix, 1);
  if (Flags.Contains(ffChildPos)) WriteInteger(ChildPos);
}

void TWriter::WriteRecordHeader(TFilerFlags Flags, int ChildPos, std::string_view ClassName, std::string_view Name) {
  // A reader takes a first byte of 0xF0 or more as the prefix, so a class name of 240 bytes
  // or more would be misread without one: such a record gets a prefix without flags.
  if (Flags.Empty() && utf::Utf8PrefixLength(ClassName, 255) >= 0xF0) {
    uint8_t prefix = 0xF0;
    Write(&prefix, 1);
  } else {
    WritePrefix(Flags, ChildPos);
  }
  WriteUtf8Str(ClassName);
  WriteUtf8Str(Name);
}

void TWriter::WriteStr(const QString& S) {
  FScratch.clear();
  utf::AppendUtf8(FScratch, reinterpret_cast<const char16_t*>(S.constData()), static_cast<size_t>(S.size()));
  WriteUtf8Str(FScratch);
}

void TWriter::WriteUtf8Str(std::string_view S) { WriteShortStr({}, S); }

void TWriter::WriteShortStr(std::string_view Head, std::string_view Tail) {
  const size_t total = Head.size() + Tail.size();
  if (total > 255) {
    // Rare: the cut may fall inside either part, so the parts are joined first.
    std::string joined;
    joined.reserve(total);
    joined.append(Head).append(Tail);
    const size_t n = utf::Utf8PrefixLength(joined, 255);
    char* p = Room(n + 1);
    p[0] = static_cast<char>(static_cast<uint8_t>(n));
    std::memcpy(p + 1, joined.data(), n);
    FBufPos += n + 1;
    return;
  }
  char* p = Room(total + 1);
  p[0] = static_cast<char>(static_cast<uint8_t>(total));
  CopySmall(p + 1, Head.data(), Head.size());
  CopySmall(p + 1 + Head.size(), Tail.data(), Tail.size());
  FBufPos += total + 1;
}

void TWriter::WriteInteger(int64_t Value) {
  TValueType tag;
  size_t size;
  if (Value >= -128 && Value <= 127) {
    tag = vaInt8;
    size = 1;
  } else if (Value >= -32768 && Value <= 32767) {
    tag = vaInt16;
    size = 2;
  } else if (Value >= std::numeric_limits<int32_t>::min() && Value <= std::numeric_limits<int32_t>::max()) {
    tag = vaInt32;
    size = 4;
  } else {
    tag = vaInt64;
    size = 8;
  }
  // The tag and the value's low bytes, little-endian, in one go.
  char* p = Room(size + 1);
  p[0] = static_cast<char>(tag);
  const auto u = static_cast<uint64_t>(Value);
  for (size_t i = 0; i < size; ++i) p[1 + i] = static_cast<char>(u >> (8 * i));
  FBufPos += size + 1;
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }

void TWriter::WriteUtf16(const char16_t* Data, size_t Count) {
  WriteValue(vaWString);
  WriteLE(static_cast<int32_t>(Count));
  for (size_t i = 0; i < Count; ++i) {
    char16_t c = Data[i];
    // A lone surrogate is not a character; both encodings carry U+FFFD in its place.
    if (utf::IsSurrogate(c)) {
      bool paired = utf::IsHighSurrogate(c) ? i + 1 < Count && utf::IsLowSurrogate(Data[i + 1])
                                            : i > 0 && utf::IsHighSurrogate(Data[i - 1]);
      if (!paired) c = 0xFFFD;
    }
    WriteLE(static_cast<uint16_t>(c));
  }
}

void TWriter::WriteString(const QString& Value) {
  const auto* units = reinterpret_cast<const char16_t*>(Value.constData());
  auto count = static_cast<size_t>(Value.size());
  if (count > static_cast<size_t>(std::numeric_limits<int32_t>::max() / 4)) throw EWriteError(msg::WriteError);
  bool ascii = true;
  size_t utf8 = utf::Utf8Length(units, count, ascii);
  if (utf8 >= 2 * count) {
    // Includes the empty string: vaWString with count 0.
    WriteUtf16(units, count);
    return;
  }
  if (ascii) {
    if (count <= 255) {
      WriteValue(vaString);
      WriteLE(static_cast<uint8_t>(count));
    } else {
      WriteValue(vaLString);
      WriteLE(static_cast<int32_t>(count));
    }
    FScratch.resize(count);
    for (size_t i = 0; i < count; ++i) FScratch[i] = static_cast<char>(units[i]);
    Write(FScratch.data(), static_cast<int64_t>(count));
    return;
  }
  FScratch.clear();
  FScratch.reserve(utf8);
  utf::AppendUtf8(FScratch, units, count);
  WriteValue(vaUTF8String);
  WriteLE(static_cast<int32_t>(FScratch.size()));
  Write(FScratch.data(), static_cast<int64_t>(FScratch.size()));
}

void TWriter::WriteFloat(double Value) {
  // A stream holding an infinity or NaN could not be read back: refuse it here, where the
  // caller still has the document, rather than at the next load.
  if (!std::isfinite(Value)) throw EWriteError(msg::NonFiniteFloat);
  const TExtended80 e = DoubleToExtended(Value);
  char* p = Room(11);
  p[0] = static_cast<char>(vaExtended);
  std::memcpy(p + 1, e.data(), 10);
  FBufPos += 11;
}

void TWriter::WriteSingle(float Value) {
  if (!std::isfinite(Value)) throw EWriteError(msg::NonFiniteFloat);
  uint32_t bits;
  std::memcpy(&bits, &Value, 4);
  WriteValue(vaSingle);
  WriteLE(bits);
}

void TWriter::WriteDouble(double Value) {
  if (!std::isfinite(Value)) throw EWriteError(msg::NonFiniteFloat);
  uint64_t bits;
  std::memcpy(&bits, &Value, 8);
  WriteValue(vaDouble);
  WriteLE(bits);
}

void TWriter::WriteDate(double Value) {
  if (!std::isfinite(Value)) throw EWriteError(msg::NonFiniteFloat);
  uint64_t bits;
  std::memcpy(&bits, &Value, 8);
  WriteValue(vaDate);
  WriteLE(bits);
}

void TWriter::WriteCurrency(int64_t Scaled) {
  WriteValue(vaCurrency);
  WriteLE(Scaled);
}

namespace {

bool SameAscii(std::string_view a, std::string_view b) {
  const size_t n = b.size();
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    char c = a[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    char d = b[i];
    if (d >= 'A' && d <= 'Z') d = static_cast<char>(d - 'A' + 'a');
    if (c != d) return false;
  }
  return true;
}

}  // namespace

void TWriter::WriteUtf8Ident(std::string_view Ident) {
  // Only the four words below have tags of their own; any other identifier (most are
  // longer, such as enumeration and colour names) goes straight to the general form.
  if (Ident.size() >= 3 && Ident.size() <= 5) {
    if (SameAscii(Ident, "False")) return WriteValue(vaFalse);
    if (SameAscii(Ident, "True")) return WriteValue(vaTrue);
    if (SameAscii(Ident, "Null")) return WriteValue(vaNull);
    if (SameAscii(Ident, "nil")) return WriteValue(vaNil);
  }
  WriteValue(vaIdent);
  WriteUtf8Str(Ident);
}

void TWriter::WriteIdent(const QString& Ident) {
  std::string utf8;
  utf::AppendUtf8(utf8, reinterpret_cast<const char16_t*>(Ident.constData()), static_cast<size_t>(Ident.size()));
  WriteUtf8Ident(utf8);
}

void TWriter::WriteBinary(const void* Data, int64_t Count) {
  if (Count < 0 || Count > std::numeric_limits<int32_t>::max()) throw EWriteError(msg::WriteError);
  WriteValue(vaBinary);
  WriteLE(static_cast<int32_t>(Count));
  Write(Data, Count);
}

void TWriter::WriteCollection(TCollection* Value) {
  DepthGuard guard(*this);
  WriteValue(vaCollection);
  if (Value) {
    // Item properties carry plain names, whatever path led to the collection.
    std::string savedPath;
    savedPath.swap(FPropPath);
    try {
      for (int i = 0; i < Value->GetCount(); ++i) {
        WriteListBegin();
        WriteProperties(Value->GetItems(i));
        WriteListEnd();
      }
    } catch (...) {
      FPropPath.swap(savedPath);
      throw;
    }
    FPropPath.swap(savedPath);
  }
  WriteListEnd();
}

void TWriter::WriteDescendent(TComponent* Root, TComponent* Ancestor) {
  FRoot = Root;
  FRootComponent = Root;
  FAncestor = Ancestor;
  WriteSignature();
  WriteComponent(Root);
}

void TWriter::WriteComponent(TComponent* Component) {
  DepthGuard guard(*this);
  Component->SetWriting(true);
  try {
    Component->WriteState(this);
  } catch (...) {
    Component->SetWriting(false);
    throw;
  }
  Component->SetWriting(false);
}

void TWriter::WriteData(TComponent* Instance) {
  // Both strings are kept by the writer, so a record costs no allocation for its header.
  FClassName.clear();
  FObjectName.clear();
  const QString& className = Instance->ClassName();
  const QString& name = Instance->GetName();
  utf::AppendUtf8(FClassName, reinterpret_cast<const char16_t*>(className.constData()),
                  static_cast<size_t>(className.size()));
  utf::AppendUtf8(FObjectName, reinterpret_cast<const char16_t*>(name.constData()), static_cast<size_t>(name.size()));
  WriteRecordHeader({}, 0, FClassName, FObjectName);
  WriteProperties(Instance);
  WriteListEnd();
  if (FSplitChildren > 0 && Instance == FRootComponent) {
    std::vector<TComponent*> children;
    Instance->GetChildren([&children](TComponent* Child) { children.push_back(Child); }, FRootComponent);
    if (children.size() >= FSplitChildren) {
      WriteChildrenSplit(children);
    } else {
      for (TComponent* child : children) WriteComponent(child);
    }
  } else {
    Instance->GetChildren([this](TComponent* Child) { WriteComponent(Child); }, FRootComponent);
  }
  WriteListEnd();
}

void TWriter::WriteChildrenSplit(const std::vector<TComponent*>& Children) {
  const size_t half = Children.size() / 2;
  // The second half goes to a writer of its own, set up as this one is at this point; its
  // bytes follow the first half's.
  TMemoryStream tail;
  auto writeTail = [this, &Children, half, &tail] {
    TWriter writer(tail, 1 << 16);
    writer.FRoot = FRoot;
    writer.FAncestor = FAncestor;
    writer.FRootComponent = FRootComponent;
    writer.FDepth = FDepth;
    for (size_t i = half; i < Children.size(); ++i) writer.WriteComponent(Children[i]);
    writer.FlushBuffer();
  };
  std::future<void> second;
  try {
    second = std::async(std::launch::async, writeTail);
  } catch (const std::system_error&) {
    // No thread to be had: everything here, in order.
    for (TComponent* child : Children) WriteComponent(child);
    return;
  }
  try {
    for (size_t i = 0; i < half; ++i) WriteComponent(Children[i]);
  } catch (...) {
    // The other thread is still reading the tree; the caller may free it once this returns.
    second.wait();
    throw;
  }
  second.get();  // the second half's write error, if any
  Write(tail.Memory(), tail.GetSize());
}

void TWriter::WriteProperties(TPersistent* Instance) {
  for (const TPropInfo& prop : Instance->ClassInfo().Properties()) WriteProperty(Instance, prop);
  Instance->DefineProperties(this);
}

void TWriter::WritePropName(const QString& Name) {
  FScratch.assign(FPropPath);
  utf::AppendUtf8(FScratch, reinterpret_cast<const char16_t*>(Name.constData()), static_cast<size_t>(Name.size()));
  WriteUtf8Str(FScratch);
}

void TWriter::WritePropName(const TPropInfo& Prop) {
  if (Prop.NameUtf8.empty() && !Prop.Name.isEmpty()) return WritePropName(Prop.Name);
  WriteShortStr(FPropPath, Prop.NameUtf8);
}

namespace {

// What TPropInfo::IsReadOnly and IsStored decide, without a call per property: a
// document write asks both for every property of every control.
inline bool Writable(const TPropInfo& Prop) {
  switch (Prop.Kind) {
    case tkInteger:
    case tkInt64:
    case tkChar:
    case tkEnumeration:
    case tkSet:
      return static_cast<bool>(Prop.SetOrd);
    case tkFloat:
      return static_cast<bool>(Prop.SetFloat);
    case tkString:
      return static_cast<bool>(Prop.SetStr);
    case tkClass:
      return static_cast<bool>(Prop.SetObject);
    case tkMethod:
      return true;
  }
  return false;
}

inline bool Stored(const TPropInfo& Prop, TPersistent& Instance) {
  if (Prop.Stored == skAlways) return true;
  if (Prop.Stored == skNever) return false;
  return Prop.IsStored(Instance);
}

}  // namespace

// Each value is read once: the default check and the write share it, since a document
// write visits every property of every control.
void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Prop) {
  // A running program never knows handler names, so events are never written.
  if (Prop.Kind == tkMethod) return;
  if (!Writable(Prop) || !Stored(Prop, *Instance)) return;

  switch (Prop.Kind) {
    case tkInteger: {
      const int64_t ord = Prop.GetOrd(*Instance);
      if (Prop.HasDefault() && ord == Prop.Default) return;
      // 32-bit values travel as their bit pattern, so unsigned types round-trip.
      auto v = static_cast<int32_t>(ord);
      WritePropName(Prop);
      if (const char* ident = Prop.Idents ? Prop.Idents->NameOf(v) : nullptr)
        WriteUtf8Ident(ident);
      else
        WriteInteger(v);
      break;
    }
    case tkInt64: {
      const int64_t v = Prop.GetOrd(*Instance);
      if (Prop.HasDefault() && v == Prop.Default) return;
      WritePropName(Prop);
      WriteInteger(v);
      break;
    }
    case tkChar: {
      const int64_t v = Prop.GetOrd(*Instance);
      if (Prop.HasDefault() && v == Prop.Default) return;
      WritePropName(Prop);
      WriteString(QString(QChar(static_cast<char16_t>(v))));
      break;
    }
    case tkEnumeration: {
      const int64_t v = Prop.GetOrd(*Instance);
      if (Prop.HasDefault() && v == Prop.Default) return;
      // Booleans are the commonest enumeration; their names are the words with tags of
      // their own, so the tag is written without looking the name up.
      static const TEnumTypeInfo* const boolean = &BooleanTypeInfo();
      if (Prop.EnumType == boolean && (v == 0 || v == 1)) {
        WritePropName(Prop);
        WriteValue(v ? vaTrue : vaFalse);
        break;
      }
      const std::string_view name = Prop.EnumType ? Prop.EnumType->Utf8NameOf(v) : std::string_view();
      if (name.empty()) throw EWriteError(msg::InvalidPropValue);
      WritePropName(Prop);
      WriteUtf8Ident(name);
      break;
    }
    case tkSet: {
      const int64_t v = Prop.GetOrd(*Instance);
      if (Prop.HasDefault() && v == Prop.Default) return;
      auto mask = static_cast<uint64_t>(v);
      int bits = Prop.OrdSize * 8 < 32 ? Prop.OrdSize * 8 : 32;
      WritePropName(Prop);
      WriteValue(vaSet);
      for (int i = 0; i < bits; ++i) {
        if ((mask & (uint64_t{1} << i)) == 0) continue;
        // A bit without a member name cannot be written: an empty name ends the set.
        const std::string_view name = Prop.EnumType ? Prop.EnumType->Utf8NameOf(i) : std::string_view();
        if (!name.empty()) WriteUtf8Str(name);
      }
      WriteUtf8Str({});
      break;
    }
    case tkFloat: {
      double v = Prop.GetFloat(*Instance);
      if (Prop.HasDefault() && v == 0.0) return;
      if (!std::isfinite(v)) throw EWriteError(msg::NonFiniteFloat);
      WritePropName(Prop);
      WriteFloat(v);
      break;
    }
    case tkString: {
      const QString v = Prop.GetStr(*Instance);
      if (Prop.HasDefault() && v.isEmpty()) return;
      WritePropName(Prop);
      WriteString(v);
      break;
    }
    case tkClass:
      WriteObjectProperty(Instance, Prop);
      break;
    case tkMethod:
      break;
  }
}

void TWriter::WriteObjectProperty(TPersistent* Instance, const TPropInfo& Prop) {
  TPersistent* value = Prop.GetObject ? Prop.GetObject(*Instance) : nullptr;
  if (!value) return;
  if (TComponent* component = value->AsComponent()) {
    // A component is referred to by its name; an unnamed one cannot be.
    if (component->GetName().isEmpty()) return;
    QString path = ReferencePath(component);
    if (path.isEmpty()) return;
    WritePropName(Prop);
    WriteIdent(path);
    return;
  }
  DepthGuard guard(*this);
  size_t saved = FPropPath.size();
  if (Prop.NameUtf8.empty())
    utf::AppendUtf8(FPropPath, reinterpret_cast<const char16_t*>(Prop.Name.constData()), static_cast<size_t>(Prop.Name.size()));
  else
    FPropPath.append(Prop.NameUtf8);
  FPropPath.push_back('.');
  try {
    WriteProperties(value);
  } catch (...) {
    FPropPath.resize(saved);
    throw;
  }
  FPropPath.resize(saved);
  if (TCollection* collection = value->AsCollection()) {
    WritePropName(Prop);
    WriteCollection(collection);
  }
}

void TWriter::DefineProperty(const QString& Name, TReaderProc, TWriterProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(*this);
}

void TWriter::DefineBinaryProperty(const QString& Name, TStreamProc, TStreamProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  TMemoryStream bytes;
  WriteData(bytes);
  WritePropName(Name);
  WriteBinary(bytes.Memory(), bytes.GetSize());
}

namespace {

bool OwnedBy(const TComponent* c, const TComponent* root) {
  for (const TComponent* o = c ? c->GetOwner() : nullptr; o; o = o->GetOwner())
    if (o == root) return true;
  return false;
}

}  // namespace

QString TWriter::ReferencePath(TComponent* Component) const {
  if (!Component) return {};
  TComponent* owner = Component->GetOwner();
  if (FRootComponent && owner == FRootComponent) return Component->GetName();
  if (Component == FRootComponent) return QStringLiteral("Owner");
  if (Component->GetName().isEmpty()) return {};
  if (owner && !owner->GetName().isEmpty()) {
    QString ownerPath = FRootComponent && OwnedBy(owner, FRootComponent) ? ReferencePath(owner) : owner->GetName();
    if (ownerPath.isEmpty()) ownerPath = owner->GetName();
    return ownerPath + u'.' + Component->GetName();
  }
  return Component->GetName() + QStringLiteral(".Owner");
}

}  // namespace tarnwick
