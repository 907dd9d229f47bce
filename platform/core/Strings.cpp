#include "platform/core/Strings.h"

#include <algorithm>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace tarnwick {

std::function<void(TFiler*, TStrings*)> TStrings::DefineStringsHook;

const TClassInfo& TStrings::StaticClassInfo() {
  static const TClassInfo info("TStrings", &TPersistent::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TStringList::StaticClassInfo() {
  static const TClassInfo info("TStringList", &TStrings::StaticClassInfo(), {},
                               [](TComponent*) { return Create<TStringList>(); });
  return info;
}

void TStrings::Error(const char* Pattern, int Index) const { throw EStringListError(QString::fromLatin1(Pattern), Index); }

void TStrings::Put(int Index, const QString& S) {
  TObject* obj = GetObject(Index);
  Delete(Index);
  InsertObject(Index, S, obj);
}

TObject* TStrings::GetObject(int) const { return nullptr; }
void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int Index, const QString& S, TObject* AObject) {
  Insert(Index, S);
  PutObject(Index, AObject);
}

int TStrings::Add(const QString& S) {
  int i = GetCount();
  Insert(i, S);
  return i;
}

int TStrings::AddObject(const QString& S, TObject* AObject) {
  int i = Add(S);
  PutObject(i, AObject);
  return i;
}

void TStrings::AddStrings(const TStrings& Strings) {
  BeginUpdate();
  for (int i = 0; i < Strings.GetCount(); ++i) AddObject(Strings.Get(i), Strings.GetObject(i));
  EndUpdate();
}

void TStrings::AddStrings(const QStringList& Strings) {
  BeginUpdate();
  for (const QString& s : Strings) Add(s);
  EndUpdate();
}

int TStrings::IndexOf(const QString& S) const {
  for (int i = 0; i < GetCount(); ++i)
    if (Get(i).compare(S, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const QString& Name) const {
  for (int i = 0; i < GetCount(); ++i)
    if (GetName(i).compare(Name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
  for (int i = 0; i < GetCount(); ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

void TStrings::Exchange(int Index1, int Index2) {
  BeginUpdate();
  QString s = Get(Index1);
  TObject* o = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, s);
  PutObject(Index2, o);
  EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  QString s = Get(CurIndex);
  TObject* o = GetObject(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, o);
  EndUpdate();
}

bool TStrings::Equals(const TStrings& Other) const {
  if (GetCount() != Other.GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i)
    if (Get(i) != Other.Get(i)) return false;
  return true;
}

QString TStrings::GetName(int Index) const {
  QString s = Get(Index);
  int p = static_cast<int>(s.indexOf(u'='));
  return p < 0 ? QString() : s.left(p);
}

QString TStrings::GetValue(const QString& Name) const {
  int i = IndexOfName(Name);
  if (i < 0) return {};
  QString s = Get(i);
  return s.mid(s.indexOf(u'=') + 1);
}

void TStrings::SetValue(const QString& Name, const QString& Value) {
  int i = IndexOfName(Name);
  if (Value.isEmpty()) {
    if (i >= 0) Delete(i);
    return;
  }
  if (i < 0)
    Add(Name + u'=' + Value);
  else
    Put(i, Name + u'=' + Value);
}

QString TStrings::GetText() const {
  QString out;
  for (int i = 0; i < GetCount(); ++i) {
    out += Get(i);
    out += QLatin1String("\r\n");
  }
  return out;
}

void TStrings::SetText(const QString& Value) {
  BeginUpdate();
  try {
    Clear();
    qsizetype start = 0, n = Value.size();
    while (start < n) {
      qsizetype p = start;
      while (p < n && Value[p] != u'\r' && Value[p] != u'\n') ++p;
      Add(Value.mid(start, p - start));
      if (p < n && Value[p] == u'\r') ++p;
      if (p < n && Value[p] == u'\n') ++p;
      start = p;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

QString TStrings::GetCommaText() const {
  QStringList parts;
  for (int i = 0; i < GetCount(); ++i) {
    QString s = Get(i);
    bool quote = s.isEmpty();
    for (QChar c : s)
      if (c <= u' ' || c == u',' || c == u'"') quote = true;
    if (quote) {
      s.replace(u'"', QLatin1String("\"\""));
      s = u'"' + s + u'"';
    }
    parts << s;
  }
  return parts.join(u',');
}

void TStrings::SetCommaText(const QString& Value) {
  BeginUpdate();
  Clear();
  qsizetype i = 0, n = Value.size();
  auto skipSpace = [&] {
    while (i < n && Value[i] <= u' ') ++i;
  };
  skipSpace();
  while (i < n) {
    QString item;
    if (Value[i] == u'"') {
      ++i;
      while (i < n) {
        if (Value[i] == u'"') {
          if (i + 1 < n && Value[i + 1] == u'"') {
            item += u'"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += Value[i++];
      }
    } else {
      while (i < n && Value[i] > u' ' && Value[i] != u',') item += Value[i++];
    }
    Add(item);
    skipSpace();
    if (i < n && Value[i] == u',') {
      ++i;
      skipSpace();
    }
  }
  EndUpdate();
}

QStringList TStrings::ToStringList() const {
  QStringList out;
  out.reserve(GetCount());
  for (int i = 0; i < GetCount(); ++i) out << Get(i);
  return out;
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TStrings*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  BeginUpdate();
  try {
    Clear();
    AddStrings(*src);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::DefineProperties(TFiler* Filer) {
  if (DefineStringsHook) DefineStringsHook(Filer, this);
}

void TStrings::LoadFromStream(TStream& Stream) {
  QByteArray bytes = Stream.ReadAll();
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  SetText(QString::fromUtf8(bytes));
}

void TStrings::SaveToStream(TStream& Stream) const { Stream.WriteBuffer(GetText().toUtf8()); }

void TStrings::LoadFromFile(const QString& FileName) {
  TFileStream f(FileName, fmOpenRead);
  LoadFromStream(f);
}

void TStrings::SaveToFile(const QString& FileName) const {
  TFileStream f(FileName, fmCreate);
  SaveToStream(f);
}

// TStringList

size_t TStringList::Check(int Index) const {
  if (Index < 0 || Index >= GetCount()) Error(msg::ListIndexError, Index);
  return static_cast<size_t>(Index);
}

QString TStringList::Get(int Index) const { return FList[Check(Index)].S; }

void TStringList::Put(int Index, const QString& S) {
  if (FSorted) throw EStringListError(msg::SortedListError);
  size_t i = Check(Index);
  Changing();
  FList[i].S = S;
  Changed();
}

TObject* TStringList::GetObject(int Index) const { return FList[Check(Index)].Object; }

void TStringList::PutObject(int Index, TObject* AObject) {
  size_t i = Check(Index);
  Changing();
  FList[i].Object = AObject;
  Changed();
}

void TStringList::Insert(int Index, const QString& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const QString& S, TObject* AObject) {
  if (FSorted) throw EStringListError(msg::SortedListError);
  if (Index < 0 || Index > GetCount()) Error(msg::ListIndexError, Index);
  InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const QString& S, TObject* AObject) {
  Changing();
  FList.insert(FList.begin() + Index, Entry{S, AObject});
  Changed();
}

int TStringList::Add(const QString& S) {
  if (!FSorted) {
    int i = GetCount();
    InsertItem(i, S, nullptr);
    return i;
  }
  int i = 0;
  if (Find(S, i)) {
    switch (FDuplicates) {
      case dupIgnore:
        return i;
      case dupError:
        throw EStringListError(msg::DuplicateString);
      case dupAccept:
        break;
    }
  }
  InsertItem(i, S, nullptr);
  return i;
}

void TStringList::Delete(int Index) {
  size_t i = Check(Index);
  Changing();
  FList.erase(FList.begin() + static_cast<std::ptrdiff_t>(i));
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  Changed();
}

int TStringList::IndexOf(const QString& S) const {
  if (!FSorted) {
    for (int i = 0; i < GetCount(); ++i)
      if (CompareStrings(FList[static_cast<size_t>(i)].S, S) == 0) return i;
    return -1;
  }
  int i = 0;
  return Find(S, i) ? i : -1;
}

void TStringList::Exchange(int Index1, int Index2) {
  size_t a = Check(Index1), b = Check(Index2);
  Changing();
  std::swap(FList[a], FList[b]);
  Changed();
}

int TStringList::CompareStrings(const QString& A, const QString& B) const {
  return A.compare(B, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

bool TStringList::Find(const QString& S, int& Index) const {
  int lo = 0, hi = GetCount() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = CompareStrings(FList[static_cast<size_t>(mid)].S, S);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (FDuplicates != dupAccept) lo = mid;
      }
    }
  }
  Index = lo;
  return found;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(FList.begin(), FList.end(),
                   [this](const Entry& a, const Entry& b) { return CompareStrings(a.S, b.S) < 0; });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (FSorted) Sort();
}

void TStringList::Changed() {
  if (GetUpdateCount() == 0) Fire(OnChange, this);
}

void TStringList::Changing() {
  if (GetUpdateCount() == 0) Fire(OnChanging, this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

}  // namespace tarnwick
