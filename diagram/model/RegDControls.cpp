#include "diagram/model/RegDControls.h"

#include "diagram/model/DiagramControl.h"
#include "platform/core/ClassRegistry.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

const TClassInfo& TRegDControl::StaticClassInfo() {
  static const TClassInfo info("TRegDControl", &TCollectionItem::StaticClassInfo(), {}, {},
                               [](TCollection* c) { return Create<TRegDControl>(c); });
  return info;
}

TRegDControl::TRegDControl(TCollection* Collection) : TCollectionItem(Collection), FGlyph(MakeOwned<TPicture>()) {}

TRegDControl::~TRegDControl() = default;

void TRegDControl::SetGlyph(TPicture* Value) { FGlyph->Assign(Value); }

const TClassInfo& TRegDControls::StaticClassInfo() {
  static const TClassInfo info("TRegDControls", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

TRegDControls::TRegDControls() : TOwnedCollection(nullptr, TRegDControl::StaticClassInfo()) {}

TRegDControl* TRegDControls::Add() { return static_cast<TRegDControl*>(TCollection::Add()); }

TRegDControl* TRegDControls::FindByID(const QString& ADControlID) const {
  for (int i = 0; i < Count(); ++i)
    if (SameDControlID(GetItem(i)->GetDControlID(), ADControlID)) return GetItem(i);
  return nullptr;
}

namespace {

char16_t AsciiLower(char16_t C) { return C >= u'A' && C <= u'Z' ? char16_t(C + (u'a' - u'A')) : C; }

}  // namespace

bool SameDControlID(const QString& A, const QString& B) {
  if (A.size() != B.size()) return false;
  for (qsizetype i = 0; i < A.size(); ++i)
    if (AsciiLower(A[i].unicode()) != AsciiLower(B[i].unicode())) return false;
  return true;
}

TRegDControls& RegisteredDControls() {
  // Freed with the other statics at exit; its glyphs hold plain images, which need no
  // running application to be freed.
  static const TOwned<TRegDControls> registry = MakeOwned<TRegDControls>();
  return *registry;
}

void RegisterDControl(const TClassInfo* AClass, const QString& ADControlID, const QString& ACaption,
                      const QString& ACategory) {
  // Only a class that makes diagram controls can stand behind an identifier: anything
  // else would turn every insertion of it into a fallback block.
  if (!AClass || !AClass->InheritsFrom(TDiagramControl::StaticClassInfo())) return;
  const QString id = ADControlID.isEmpty() ? AClass->ClassName() : ADControlID;
  TRegDControls& registry = RegisteredDControls();
  TRegDControl* entry = registry.FindByID(id);
  if (!entry) entry = registry.Add();
  entry->SetDControlID(id);
  entry->SetDControlClass(AClass);
  entry->SetCaption(ACaption.isEmpty() ? id : ACaption);
  entry->SetCategory(ACategory);
  // An application's own record under a built-in name stays in place.
  if (!GetClass(AClass->ClassName())) RegisterClass(*AClass);
}

bool UnregisterDControl(const QString& ADControlID) {
  TRegDControl* entry = RegisteredDControls().FindByID(ADControlID);
  if (!entry) return false;
  entry->Free();
  return true;
}

}  // namespace tarnwick
