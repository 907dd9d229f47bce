// TReader: properties, collections, object records, references and the end of a read.
#include <QList>
#include <QStringView>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "streaming/ReaderInternals.h"
#include "streaming/StreamConsts.h"

namespace tarnwick {

class TReader::DepthGuard {
 public:
  explicit DepthGuard(TReader& r) : FReader(r) {
    if (++FReader.FDepth > MaxStreamNesting) {
      --FReader.FDepth;
      throw EReadError(msg::NestingTooDeep, MaxStreamNesting);
    }
  }
  ~DepthGuard() { --FReader.FDepth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  TReader& FReader;
};

namespace {

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The ordinal of an enumeration name as the stream carries it, letter case ignored, as
// TEnumTypeInfo::ValueOf finds it. Names in the program are ASCII, and so are those in
// documents: they are compared in place, without making a QString of every name read;
// anything else takes the general comparison.
int EnumOrdinal(const TEnumTypeInfo& Type, std::string_view Name) {
  // Streams nearly always carry a name as the program writes it; the names of a type
  // never differ in letter case alone, so an exact match is the one the folding finds.
  for (int i = 0; i < Type.Count(); ++i)
    if (Type.Utf8NameOf(i) == Name) return i;
  if (IsAscii(Name)) {
    bool asciiNames = true;
    for (int i = 0; i < Type.Count() && asciiNames; ++i) {
      const std::string_view candidate = Type.Utf8NameOf(i);
      if (!IsAscii(candidate)) {
        asciiNames = false;
      } else if (candidate.size() == Name.size() &&
                 std::equal(candidate.begin(), candidate.end(), Name.begin(),
                            [](char a, char b) { return FoldAscii(a) == FoldAscii(b); })) {
        return i;
      }
    }
    if (asciiNames) return -1;
  }
  return Type.ValueOf(QString::fromUtf8(Name.data(), static_cast<qsizetype>(Name.size())));
}

QString ObjectName(TPersistent* Instance) {
  auto* c = dynamic_cast<TComponent*>(Instance);
  if (c && !c->GetName().isEmpty()) return c->GetName();
  return Instance ? Instance->ClassName() : QString();
}

// Walks a reference path from Start: each segment names a component owned by the
// previous one, and "Owner" stands for the previous component itself.
TComponent* Walk(TComponent* Start, const QList<QStringView>& Segments, qsizetype From) {
  TComponent* c = Start;
  for (qsizetype i = From; c && i < Segments.size(); ++i) {
    if (Segments[i].compare(u"Owner", Qt::CaseInsensitive) == 0) continue;
    c = c->FindComponent(Segments[i].toString());
  }
  return c;
}

}  // namespace

const TPropInfo* TReader::LookupProperty(const TClassInfo& Info, std::string_view Name) {
  auto& index = FIndexes[&Info];
  if (!index) {
    index = std::make_unique<PropIndex>();
    for (const TPropInfo& p : Info.Properties()) {
      std::string key = p.Name.toStdString();
      if (!IsAscii(key)) index->NonAscii = true;
      for (char& c : key) c = FoldAscii(c);
      index->ByName.emplace(std::move(key), &p);
    }
  }
  if (Name.size() <= 255) {
    char folded[255];
    for (size_t i = 0; i < Name.size(); ++i) folded[i] = FoldAscii(Name[i]);
    auto it = index->ByName.find(std::string_view(folded, Name.size()));
    if (it != index->ByName.end()) return it->second;
    if (!index->NonAscii && IsAscii(Name)) return nullptr;
  }
  return Info.FindProperty(QString::fromUtf8(Name.data(), static_cast<qsizetype>(Name.size())));
}

void TReader::ReadProperty(TPersistent* Instance) {
  std::string path(ReadUtf8Str());
  try {
    ReadPropertyPath(Instance, path);
  } catch (const Exception& e) {
    throw EReadError(msg::ErrorReading, ObjectName(Instance), QStringLiteral("."),
                     QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())), e.Message());
  }
}

void TReader::ReadPropertyPath(TPersistent* Instance, std::string_view Path) {
  TPersistent* current = Instance;
  size_t start = 0;
  for (;;) {
    size_t dot = Path.find('.', start);
    std::string_view segment = Path.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
    const TPropInfo* prop = LookupProperty(current->ClassInfo(), segment);
    if (!prop) break;
    if (dot == std::string_view::npos) {
      ReadPropValue(current, *prop);
      return;
    }
    // Only a sub-object the instance keeps can be descended into: a component is a
    // reference, not part of this object.
    TPersistent* sub = prop->Kind == tkClass && prop->GetObject ? prop->GetObject(*current) : nullptr;
    if (!sub || dynamic_cast<TComponent*>(sub)) throw EReadError(msg::InvalidPropPath);
    current = sub;
    start = dot + 1;
  }

  // Not published: the rest of the path is offered to the object's custom properties.
  QString rest = QString::fromUtf8(Path.data() + start, static_cast<qsizetype>(Path.size() - start));
  if (!rest.isEmpty()) {
    FPropName = rest;
    FPropPending = true;
    try {
      current->DefineProperties(this);
    } catch (...) {
      FPropPending = false;
      throw;
    }
  }
  if (FPropPending || rest.isEmpty()) {
    FPropPending = false;
    SkipValue();
    throw EReadError(msg::UnknownProperty, rest);
  }
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop) {
  if (Prop.Kind != tkMethod && Prop.IsReadOnly()) throw EReadError(msg::ReadOnlyProp);
  switch (Prop.Kind) {
    case tkInteger: {
      if (NextValue() == vaIdent) {
        int32_t v = 0;
        if (!Prop.Idents || !Prop.Idents->IdentToInt(ReadIdent(), v)) InvalidValue();
        Prop.SetOrd(*Instance, v);
      } else {
        Prop.SetOrd(*Instance, ReadInteger());
      }
      break;
    }
    case tkInt64:
      Prop.SetOrd(*Instance, ReadInt64());
      break;
    case tkChar: {
      QString s = ReadString();
      if (s.size() > 1) InvalidValue();
      Prop.SetOrd(*Instance, s.isEmpty() ? 0 : s[0].unicode());
      break;
    }
    case tkEnumeration: {
      int v = Prop.EnumType ? EnumOrdinal(*Prop.EnumType, ReadUtf8Ident()) : -1;
      if (v < 0) InvalidValue();
      Prop.SetOrd(*Instance, v);
      break;
    }
    case tkSet: {
      CheckValue(vaSet);
      int bits = std::min(Prop.OrdSize * 8, 64);
      uint64_t mask = 0;
      for (;;) {
        std::string_view name = ReadUtf8Str();
        if (name.empty()) break;
        int v = Prop.EnumType ? EnumOrdinal(*Prop.EnumType, name) : -1;
        if (v < 0 || v >= bits) InvalidValue();
        mask |= uint64_t{1} << v;
      }
      Prop.SetOrd(*Instance, static_cast<int64_t>(mask));
      break;
    }
    case tkFloat: {
      double v = ReadFloat();
      // Narrowing a double the target type cannot hold is undefined: refuse it instead.
      double limit = Prop.FloatType == ftSingle ? static_cast<double>(FLT_MAX)
                     : Prop.FloatType == ftComp ? 9.2233720368547758e18
                     : Prop.FloatType == ftCurr ? 9.2233720368547758e14
                                                : std::numeric_limits<double>::max();
      if (std::fabs(v) > limit) InvalidValue();
      Prop.SetFloat(*Instance, v);
      break;
    }
    case tkString:
      Prop.SetStr(*Instance, ReadString());
      break;
    case tkClass:
      switch (NextValue()) {
        case vaNil: {
          ReadValue();
          // Only a reference can be emptied: a sub-object belongs to its owner, and its
          // setter copies from the value it is given.
          TPersistent* current = Prop.GetObject ? Prop.GetObject(*Instance) : nullptr;
          if (current && !dynamic_cast<TComponent*>(current)) InvalidValue();
          Prop.SetObject(*Instance, nullptr);
          break;
        }
        case vaCollection: {
          ReadValue();
          auto* collection = dynamic_cast<TCollection*>(Prop.GetObject ? Prop.GetObject(*Instance) : nullptr);
          if (!collection) InvalidValue();
          ReadCollection(collection);
          break;
        }
        default: {
          QString path = ReadIdent();
          FFixupCollections.insert(FCollections.begin(), FCollections.end());
          FFixups.push_back(Fixup{Instance, &Prop, std::move(path), FCollections});
          break;
        }
      }
      break;
    case tkMethod:
      // Handlers are found by name only in a design environment; here the name is read
      // and dropped.
      if (NextValue() == vaNil)
        ReadValue();
      else
        ReadUtf8Ident();
      break;
  }
}

void TReader::SkipValue() {
  DepthGuard guard(*this);
  TValueType tag = ReadValue();
  switch (tag) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
      break;
    case vaList:
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    case vaInt8:
      SkipBytes(1);
      break;
    case vaInt16:
      SkipBytes(2);
      break;
    case vaInt32:
    case vaSingle:
      SkipBytes(4);
      break;
    case vaInt64:
    case vaCurrency:
    case vaDate:
    case vaDouble:
      SkipBytes(8);
      break;
    case vaExtended:
      SkipBytes(10);
      break;
    case vaString:
    case vaIdent:
      ReadUtf8Str();
      break;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
      SkipBytes(ReadLength());
      break;
    case vaWString: {
      int32_t n = ReadLE<int32_t>();
      if (n < 0 || n > BytesLeft() / 2) ReadFailed();
      SkipBytes(int64_t{n} * 2);
      break;
    }
    case vaSet:
      while (!ReadUtf8Str().empty()) {
      }
      break;
    case vaCollection:
      while (!EndOfList()) {
        if (IsIntegerValue(NextValue())) SkipValue();
        ReadListBegin();
        while (!EndOfList()) {
          ReadUtf8Str();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      break;
    default:
      InvalidValue();
  }
}

void TReader::ReadCollection(TCollection* Collection) {
  DepthGuard guard(*this);
  // Clearing a collection whose item is still being read would free that item under
  // the reader's feet.
  if (std::find(FCollections.begin(), FCollections.end(), Collection) != FCollections.end()) InvalidValue();
  Collection->BeginUpdate();
  try {
    ReadCollectionItems(Collection);
  } catch (...) {
    Collection->EndUpdate();
    throw;
  }
  Collection->EndUpdate();
}

void TReader::ReadCollectionItems(TCollection* Collection) {
  // An empty collection in the stream keeps the items the object already has.
  if (!EndOfList()) {
    DropFixupsIn(Collection);
    Collection->Clear();
  }
  FCollections.push_back(Collection);
  try {
    while (!EndOfList()) {
      if (IsIntegerValue(NextValue())) ReadInteger();  // the item order is not used
      TCollectionItem* item = Collection->Add();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    FCollections.pop_back();
    throw;
  }
  FCollections.pop_back();
}

void TReader::DropFixupsIn(const TCollection* Collection) {
  if (!FFixupCollections.contains(Collection)) return;
  std::erase_if(FFixups, [Collection](const Fixup& f) {
    return std::find(f.Collections.begin(), f.Collections.end(), Collection) != f.Collections.end();
  });
}

void TReader::DefineProperty(const QString& Name, TReaderProc ReadData, TWriterProc, bool) {
  if (!FPropPending || !ReadData || Name.compare(FPropName, Qt::CaseInsensitive) != 0) return;
  FPropPending = false;
  ReadData(*this);
}

void TReader::DefineBinaryProperty(const QString& Name, TStreamProc ReadData, TStreamProc, bool) {
  if (!FPropPending || !ReadData || Name.compare(FPropName, Qt::CaseInsensitive) != 0) return;
  FPropPending = false;
  TMemoryStream bytes(ReadBinary());
  ReadData(bytes);
}

void TReader::ReadData(TComponent* Instance) {
  if (!FRootComponent) {
    // A record read on its own, outside ReadRootComponent: it is its own root.
    FRoot = FRootComponent = Instance;
    FOwner = Instance->GetChildOwner() ? Instance->GetChildOwner() : Instance;
  }
  while (!EndOfList()) ReadProperty(Instance);
  ReadListEnd();
  TComponent* oldParent = FParent;
  FParent = Instance->GetChildParent();
  try {
    while (!EndOfList()) ReadChild();
    ReadListEnd();
  } catch (...) {
    FParent = oldParent;
    throw;
  }
  FParent = oldParent;
}

namespace {

// The component class a record names; only registered component classes can be made.
const TClassInfo& ComponentClass(const QString& ClassName) {
  const TClassInfo* info = GetClass(ClassName);
  if (!info || !info->CanCreate() || !info->InheritsFrom(TComponent::StaticClassInfo()))
    throw EClassNotFound(msg::ClassNotFound, ClassName);
  return *info;
}

TComponent* CreateComponent(const TClassInfo& Info, TComponent* Owner) {
  TPersistent* made = Info.CreateInstance(Owner);
  auto* component = dynamic_cast<TComponent*>(made);
  if (!component) {
    if (made) made->Free();
    throw EClassNotFound(msg::ClassNotFound, Info.ClassName());
  }
  return component;
}

}  // namespace

void TReader::ReadChild() {
  DepthGuard guard(*this);
  TFilerFlags flags;
  int position = 0;
  ReadPrefix(flags, position);
  QString className = ReadStr();
  QString name = ReadStr();

  TComponent* child = nullptr;
  bool created = false;
  if (flags.Contains(ffInherited)) {
    child = FOwner->FindComponent(name);
    if (!child) throw EReadError(msg::AncestorNotFound, name);
  } else {
    child = CreateComponent(ComponentClass(className), FOwner);
    created = true;
  }

  size_t fixupMark = FFixups.size();
  size_t loadedMark = FLoaded.size();
  try {
    child->SetLoadingState();
    child->SetReading(true);
    if (created) child->SetName(name);
    child->ReadState(this);
    child->SetReading(false);
    if (flags.Contains(ffChildPos) && FParent) FParent->SetChildOrder(child, position);
  } catch (...) {
    // Whatever this record left behind goes: references held by the objects it made and
    // the half-made child itself.
    FFixups.erase(FFixups.begin() + static_cast<ptrdiff_t>(fixupMark), FFixups.end());
    for (size_t i = loadedMark; i < FLoaded.size(); ++i) FLoadedSet.erase(FLoaded[i]);
    FLoaded.resize(loadedMark);
    if (created)
      child->Free();
    else
      child->SetReading(false);
    throw;
  }
  if (FLoadedSet.insert(child).second) FLoaded.push_back(child);
}

QString TReader::UniqueRootName(const QString& Name) const {
  if (Name.isEmpty()) return Name;
  auto taken = [this](const QString& n) {
    TComponent* c = FindGlobalComponent(n);
    return c && c != FRootComponent;
  };
  if (!taken(Name)) return Name;
  for (int i = 1; i < std::numeric_limits<int>::max(); ++i) {
    QString candidate = Format(msg::UniqueName, Name, i);
    if (!taken(candidate)) return candidate;
  }
  return Name;
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  ReadSignature();
  TFilerFlags flags;
  int position = 0;
  ReadPrefix(flags, position);
  QString className = ReadStr();
  QString name = ReadStr();

  bool created = false;
  if (!Root) {
    Root = CreateComponent(ComponentClass(className), nullptr);
    created = true;
  }
  FRoot = FRootComponent = Root;
  FOwner = Root->GetChildOwner();
  if (!FOwner) FOwner = Root;
  FParent = nullptr;
  try {
    Root->SetLoadingState();
    Root->SetReading(true);
    if (!Root->IsDesigning()) Root->SetName(UniqueRootName(name));
    FLoaded.push_back(Root);
    FLoadedSet.insert(Root);
    Root->ReadState(this);
    Root->SetReading(false);
  } catch (...) {
    Root->SetReading(false);
    if (created) {
      FFixups.clear();
      FFixupCollections.clear();
      FLoaded.clear();
      FLoadedSet.clear();
      Root->Free();
    } else {
      FinishRead(true);
    }
    throw;
  }
  FinishRead(false);
  return Root;
}

void TReader::FinishRead(bool Failed) {
  // Also after a failure: the objects read so far stay, and they must leave the loading
  // state, or they would stay silent (no change events) for the rest of their life.
  std::exception_ptr first;
  ResolveFixups(false, first);
  CallLoaded(first);
  ResolveFixups(true, first);
  FFixups.clear();
  FFixupCollections.clear();
  FLoaded.clear();
  FLoadedSet.clear();
  if (first && !Failed) std::rethrow_exception(first);
}

void TReader::CallLoaded(std::exception_ptr& FirstError) {
  for (size_t i = 0; i < FLoaded.size(); ++i) {
    try {
      FLoaded[i]->Loaded();
    } catch (...) {
      if (!FirstError) FirstError = std::current_exception();
    }
  }
}

void TReader::ResolveFixups(bool GlobalRound, std::exception_ptr& FirstError) {
  std::vector<Fixup> later;
  for (Fixup& f : FFixups) {
    QList<QStringView> segments = QStringView(f.Path).split(u'.');
    TComponent* target = nullptr;
    if (!GlobalRound) {
      target = Walk(FRootComponent, segments, 0);
      if (!target) {
        // A bare name that is not under the root names nothing; a path may still be
        // found through the global lookup once every object is loaded.
        if (segments.size() > 1) later.push_back(std::move(f));
        continue;
      }
    } else {
      target = Walk(FindGlobalComponent(segments[0].toString()), segments, 1);
      if (!target) continue;
    }
    // Setting a component of the wrong class would hand the setter an object it would
    // misuse; such a reference stays unresolved.
    if (!f.Prop->ObjectClass || !target->InheritsFrom(*f.Prop->ObjectClass) || !f.Prop->SetObject) continue;
    try {
      f.Prop->SetObject(*f.Instance, target);
    } catch (...) {
      if (!FirstError) FirstError = std::current_exception();
    }
  }
  FFixups = std::move(later);
}

}  // namespace tarnwick
