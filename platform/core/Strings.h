#pragma once
// TStrings / TStringList: ordered lists of strings with an optional object per line.
// Text joins lines with CR LF (after every line, the last included) and splits on CR LF,
// LF or CR.
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/core/Events.h"
#include "platform/core/Persistent.h"

namespace tarnwick {

class TStream;

class TStrings : public TPersistent {
  TARNWICK_CLASS(TStrings)

 public:
  virtual int GetCount() const = 0;
  int Count() const { return GetCount(); }
  virtual QString Get(int Index) const = 0;
  virtual void Put(int Index, const QString& S);
  virtual TObject* GetObject(int Index) const;
  virtual void PutObject(int Index, TObject* AObject);
  virtual void Insert(int Index, const QString& S) = 0;
  virtual void InsertObject(int Index, const QString& S, TObject* AObject);
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;

  QString operator[](int Index) const { return Get(Index); }
  QString GetStrings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const QString& S) { Put(Index, S); }

  virtual int Add(const QString& S);
  int AddObject(const QString& S, TObject* AObject);
  void AddStrings(const TStrings& Strings);
  void AddStrings(const QStringList& Strings);
  virtual int IndexOf(const QString& S) const;
  int IndexOfName(const QString& Name) const;
  int IndexOfObject(TObject* AObject) const;
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);
  bool Equals(const TStrings& Other) const;

  // "name=value" lines.
  QString GetName(int Index) const;
  QString GetValue(const QString& Name) const;
  void SetValue(const QString& Name, const QString& Value);

  virtual QString GetText() const;
  virtual void SetText(const QString& Value);
  QString GetCommaText() const;
  void SetCommaText(const QString& Value);
  QStringList ToStringList() const;

  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

  // UTF-8 text (a leading byte order mark is skipped when reading).
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;
  void LoadFromFile(const QString& FileName);
  void SaveToFile(const QString& FileName) const;

  // The stream code installs the reading and writing of the "Strings" list property.
  static std::function<void(TFiler*, TStrings*)> DefineStringsHook;

 protected:
  virtual void SetUpdateState(bool Updating);
  [[noreturn]] void Error(const char* Pattern, int Index) const;

 private:
  int FUpdateCount = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
  TARNWICK_CLASS(TStringList)

 public:
  TStringList() = default;

  int GetCount() const override { return static_cast<int>(FList.size()); }
  QString Get(int Index) const override;
  void Put(int Index, const QString& S) override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  void Insert(int Index, const QString& S) override;
  void InsertObject(int Index, const QString& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  int Add(const QString& S) override;
  int IndexOf(const QString& S) const override;
  void Exchange(int Index1, int Index2) override;

  // Binary search in a sorted list; Index is where S is or would go.
  bool Find(const QString& S, int& Index) const;
  void Sort();

  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool GetCaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  virtual void Changed();
  virtual void Changing();
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const QString& A, const QString& B) const;

 private:
  struct Entry {
    QString S;
    TObject* Object = nullptr;
  };
  void InsertItem(int Index, const QString& S, TObject* AObject);
  size_t Check(int Index) const;
  std::vector<Entry> FList;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
};

}  // namespace tarnwick
