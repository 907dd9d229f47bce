#pragma once
// The control registry: every kind of object a user can put on a diagram, known by its
// control identifier. An entry names the class made for the identifier, the caption and
// category a palette shows, an optional glyph and, for a library object, the stored object
// text the object is recreated from. One class may stand behind several identifiers; a
// placed control remembers the identifier it was inserted under (its DControlID).
#include <QString>

#include "platform/core/Collection.h"
#include "platform/core/Object.h"

namespace tarnwick {

class TPicture;

class TRegDControl : public TCollectionItem {
  TARNWICK_CLASS(TRegDControl)

 public:
  explicit TRegDControl(TCollection* Collection);
  ~TRegDControl() override;

  const TClassInfo* GetDControlClass() const { return FDControlClass; }
  void SetDControlClass(const TClassInfo* Value) { FDControlClass = Value; }
  const QString& GetDControlID() const { return FDControlID; }
  void SetDControlID(const QString& Value) { FDControlID = Value; }
  const QString& GetCategory() const { return FCategory; }
  void SetCategory(const QString& Value) { FCategory = Value; }
  const QString& GetCaption() const { return FCaption; }
  void SetCaption(const QString& Value) { FCaption = Value; }
  bool GetUseGlyph() const { return FUseGlyph; }
  void SetUseGlyph(bool Value) { FUseGlyph = Value; }
  TPicture* GetGlyph() const { return FGlyph.get(); }
  // The entry keeps a copy: the caller's picture stays the caller's.
  void SetGlyph(TPicture* Value);
  // The stored object text of a library object; empty for an entry that stands for a
  // class. Only library items write it; inserting by identifier reads it.
  const QString& GetData() const { return FData; }
  void SetData(const QString& Value) { FData = Value; }

 private:
  QString FCaption;
  const TClassInfo* FDControlClass = nullptr;
  QString FDControlID;
  QString FCategory;
  QString FData;
  TOwned<TPicture> FGlyph;
  bool FUseGlyph = false;
};

class TRegDControls : public TOwnedCollection {
  TARNWICK_CLASS(TRegDControls)

 public:
  TRegDControls();

  // A new, empty entry at the end.
  TRegDControl* Add();
  // The first entry, in list order, whose identifier equals ADControlID with the case of
  // the ASCII letters ignored (other letters compare exactly); null when there is none.
  TRegDControl* FindByID(const QString& ADControlID) const;
  TRegDControl* GetItem(int Index) const { return Item<TRegDControl>(Index); }
};

// Identifiers compare equal when they differ at most in the case of ASCII letters: two
// identifiers differing in the case of any other letter are different identifiers.
bool SameDControlID(const QString& A, const QString& B);

// The one process-wide registry, created empty on first use and freed at exit.
// RegisterAllClasses (diagram/Registration.h) fills in the built-in entries.
TRegDControls& RegisteredDControls();

// Registers AClass under ADControlID (its class name when empty), captioned ACaption (the
// identifier when empty), in ACategory (empty: uncategorised). An entry already known by
// the identifier, in any letter case, is updated in place: it takes this call's spelling,
// class, caption and category and keeps its glyph, object text and position. A class the
// streaming registry does not know yet is registered there, so documents holding it can be
// read back. A null class, or one that cannot stand for a diagram control, is ignored.
void RegisterDControl(const TClassInfo* AClass, const QString& ADControlID = QString(),
                      const QString& ACaption = QString(), const QString& ACategory = QString());

template <class T>
void RegisterDControl(const QString& ADControlID = QString(), const QString& ACaption = QString(),
                      const QString& ACategory = QString()) {
  RegisterDControl(&T::StaticClassInfo(), ADControlID, ACaption, ACategory);
}

// Frees the entry of that identifier (letter case of ASCII letters ignored), which takes it
// out of the list; false when there was none. Library items leave the registry this way;
// the built-in entries stay for the life of the process.
bool UnregisterDControl(const QString& ADControlID);

}  // namespace tarnwick
