#include "streaming/Writer.h"

#include <cmath>
#include <cstring>
#include <limits>

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

TWriter::TWriter(TStream& Stream, int BufSize)
    : FStream(Stream), FBuffer(static_cast<size_t>(BufSize > 16 ? BufSize : 16)) {
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
  unsigned char bytes[sizeof(T)];
  for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<unsigned char>(u >> (8 * i));
  Write(bytes, sizeof(T));
}

void TWriter::WriteValue(TValueType Value) {
  if (FBufPos < FBuffer.size()) {
    FBuffer[FBufPos++] = static_cast<char>(Value);
    return;
  }
  uint8_t b = Value;
  Write(&b, 1);
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
  utf::AppendUtf8(FScratch, reinterpret_cast<const char16_t*>(S.utf16()), static_cast<size_t>(S.size()));
  WriteUtf8Str(FScratch);
}

void TWriter::WriteUtf8Str(std::string_view S) {
  size_t n = utf::Utf8PrefixLength(S, 255);
  uint8_t len = static_cast<uint8_t>(n);
  Write(&len, 1);
  Write(S.data(), static_cast<int64_t>(n));
}

void TWriter::WriteInteger(int64_t Value) {
  if (Value >= -128 && Value <= 127) {
    WriteValue(vaInt8);
    WriteLE(static_cast<int8_t>(Value));
  } else if (Value >= -32768 && Value <= 32767) {
    WriteValue(vaInt16);
    WriteLE(static_cast<int16_t>(Value));
  } else if (Value >= std::numeric_limits<int32_t>::min() && Value <= std::numeric_limits<int32_t>::max()) {
    WriteValue(vaInt32);
    WriteLE(static_cast<int32_t>(Value));
  } else {
    WriteValue(vaInt64);
    WriteLE(Value);
  }
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
  const auto* units = reinterpret_cast<const char16_t*>(Value.utf16());
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
  TExtended80 e = DoubleToExtended(Value);
  WriteValue(vaExtended);
  Write(e.data(), 10);
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

bool SameAscii(std::string_view a, const char* b) {
  size_t n = std::strlen(b);
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
  if (SameAscii(Ident, "False")) {
    WriteValue(vaFalse);
  } else if (SameAscii(Ident, "True")) {
    WriteValue(vaTrue);
  } else if (SameAscii(Ident, "Null")) {
    WriteValue(vaNull);
  } else if (SameAscii(Ident, "nil")) {
    WriteValue(vaNil);
  } else {
    WriteValue(vaIdent);
    WriteUtf8Str(Ident);
  }
}

void TWriter::WriteIdent(const QString& Ident) {
  std::string utf8;
  utf::AppendUtf8(utf8, reinterpret_cast<const char16_t*>(Ident.utf16()), static_cast<size_t>(Ident.size()));
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
  std::string className, name;
  utf::AppendUtf8(className, reinterpret_cast<const char16_t*>(Instance->ClassName().utf16()),
                  static_cast<size_t>(Instance->ClassName().size()));
  utf::AppendUtf8(name, reinterpret_cast<const char16_t*>(Instance->GetName().utf16()),
                  static_cast<size_t>(Instance->GetName().size()));
  WriteRecordHeader({}, 0, className, name);
  WriteProperties(Instance);
  WriteListEnd();
  Instance->GetChildren([this](TComponent* Child) { WriteComponent(Child); }, FRootComponent);
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance) {
  for (const TPropInfo& prop : Instance->ClassInfo().Properties()) WriteProperty(Instance, prop);
  Instance->DefineProperties(this);
}

void TWriter::WritePropName(const QString& Name) {
  FScratch.assign(FPropPath);
  utf::AppendUtf8(FScratch, reinterpret_cast<const char16_t*>(Name.utf16()), static_cast<size_t>(Name.size()));
  WriteUtf8Str(FScratch);
}

void TWriter::WritePropName(const TPropInfo& Prop) {
  if (Prop.NameUtf8.empty() && !Prop.Name.isEmpty()) return WritePropName(Prop.Name);
  if (FPropPath.empty()) return WriteUtf8Str(Prop.NameUtf8);
  FScratch.assign(FPropPath);
  FScratch.append(Prop.NameUtf8);
  WriteUtf8Str(FScratch);
}

// Each value is read once: the default check and the write share it, since a document
// write visits every property of every control.
void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Prop) {
  // A running program never knows handler names, so events are never written.
  if (Prop.Kind == tkMethod) return;
  if (Prop.IsReadOnly() || !Prop.IsStored(*Instance)) return;

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
    utf::AppendUtf8(FPropPath, reinterpret_cast<const char16_t*>(Prop.Name.utf16()), static_cast<size_t>(Prop.Name.size()));
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
