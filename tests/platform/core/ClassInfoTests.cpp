// Published-property tables: order, re-declaration, stored rules, defaults, and the
// identifier maps and class registry the stream code relies on.
#include <gtest/gtest.h>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Component.h"
#include "platform/core/Exception.h"
#include "platform/core/Events.h"
#include "platform/core/Properties.h"

#include <QStringList>

using namespace tarnwick;

namespace {

enum TShapeKind { skBox, skRound, skDiamond };
enum TOption { opA, opB, opC };
using TOptions = TSet<TOption, uint8_t>;

const TEnumTypeInfo& ShapeKindType() {
  static const TEnumTypeInfo t("TShapeKind", {"skBox", "skRound", "skDiamond"});
  return t;
}
const TEnumTypeInfo& OptionType() {
  static const TEnumTypeInfo t("TOption", {"opA", "opB", "opC"});
  return t;
}

class TShape : public TComponent {
  TARNWICK_CLASS(TShape)

 public:
  using TComponent::TComponent;
  int GetWidth() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  TShapeKind GetKind() const { return FKind; }
  void SetKind(TShapeKind v) { FKind = v; }
  double GetAngle() const { return FAngle; }
  void SetAngle(double v) { FAngle = v; }
  QString GetCaption() const { return FCaption; }
  void SetCaption(const QString& v) { FCaption = v; }
  TOptions GetOptions() const { return FOptions; }
  void SetOptions(TOptions v) { FOptions = v; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  int GetArea() const { return 42; }
  bool HasCaption() const { return !FCaption.isEmpty(); }
  TNotifyEvent OnClick;

 private:
  int FWidth = 10;
  TColor FColor = clWhite;
  TShapeKind FKind = skBox;
  double FAngle = 0;
  QString FCaption;
  TOptions FOptions{opA};
  bool FVisible = true;
};

const TClassInfo& TShape::StaticClassInfo() {
  static const TClassInfo info(
      "TShape", &TComponent::StaticClassInfo(),
      {IntProp("Width", &TShape::GetWidth, &TShape::SetWidth, 10),
       ColorProp("Color", &TShape::GetColor, &TShape::SetColor, clWhite),
       EnumProp("Kind", ShapeKindType(), &TShape::GetKind, &TShape::SetKind, skBox),
       FloatProp("Angle", ftDouble, &TShape::GetAngle, &TShape::SetAngle, true),
       StringProp("Caption", &TShape::GetCaption, &TShape::SetCaption)
           .StoredIf([](TPersistent& p) { return static_cast<TShape&>(p).HasCaption(); }),
       SetProp("Options", OptionType(), &TShape::GetOptions, &TShape::SetOptions, TOptions{opA}.Mask()),
       BoolProp("Visible", &TShape::GetVisible, &TShape::SetVisible, true),
       IntProp("Area", &TShape::GetArea, nullptr),
       EventProp("OnClick", &TShape::OnClick)},
      [](TComponent* owner) { return Create<TShape>(owner); });
  return info;
}

// Re-declares Width with another default and Kind as never stored, and adds one property.
class TRoundShape : public TShape {
  TARNWICK_CLASS(TRoundShape)

 public:
  using TShape::TShape;
  int GetRadius() const { return FRadius; }
  void SetRadius(int v) { FRadius = v; }

 private:
  int FRadius = 5;
};

const TClassInfo& TRoundShape::StaticClassInfo() {
  static const TClassInfo info(
      "TRoundShape", &TShape::StaticClassInfo(),
      {IntProp("Radius", &TRoundShape::GetRadius, &TRoundShape::SetRadius),
       IntProp("Width", &TShape::GetWidth, &TShape::SetWidth, 20),
       EnumProp("Kind", ShapeKindType(), &TShape::GetKind, &TShape::SetKind, skBox).NotStored()},
      [](TComponent* owner) { return Create<TRoundShape>(owner); });
  return info;
}

QStringList Names(const TClassInfo& info) {
  QStringList out;
  for (const auto& p : info.Properties()) out << p.Name;
  return out;
}

}  // namespace

TEST(PropertyTables, SubclassTableIsParentsFollowedByItsOwnAndRedeclaredKeepTheirSlot) {
  EXPECT_EQ(Names(TComponent::StaticClassInfo()), (QStringList{"Name", "Tag"}));
  QStringList shape = Names(TShape::StaticClassInfo());
  QStringList round = Names(TRoundShape::StaticClassInfo());
  EXPECT_EQ(round.mid(0, shape.size()), shape);
  EXPECT_EQ(round.size(), shape.size() + 1);
  EXPECT_EQ(round.last(), "Radius");
  const TPropInfo* w = TRoundShape::StaticClassInfo().FindProperty("width");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Default, 20);
  EXPECT_EQ(TShape::StaticClassInfo().FindProperty("Width")->Default, 10) << "parent's table unchanged";
}

TEST(PropertyTables, StoredRulesAreEvaluatedOnTheInstance) {
  auto* s = Create<TRoundShape>(nullptr);
  const auto& info = s->ClassInfo();
  EXPECT_FALSE(info.FindProperty("Name")->IsStored(*s));
  EXPECT_TRUE(info.FindProperty("Tag")->IsStored(*s));
  EXPECT_FALSE(info.FindProperty("Kind")->IsStored(*s));
  EXPECT_TRUE(TShape::StaticClassInfo().FindProperty("Kind")->IsStored(*s));
  const TPropInfo* caption = info.FindProperty("Caption");
  EXPECT_FALSE(caption->IsStored(*s));
  s->SetCaption("Hello");
  EXPECT_TRUE(caption->IsStored(*s));
  s->Free();
}

TEST(PropertyTables, DefaultsFollowTheRulesOfEachKind) {
  auto* s = Create<TShape>(nullptr);
  const auto& info = s->ClassInfo();
  auto isDefault = [&](const char* name) { return info.FindProperty(name)->IsDefaultValue(*s); };
  EXPECT_TRUE(isDefault("Width"));
  EXPECT_TRUE(isDefault("Color"));
  EXPECT_TRUE(isDefault("Kind"));
  EXPECT_TRUE(isDefault("Options"));
  EXPECT_TRUE(isDefault("Visible"));
  EXPECT_TRUE(isDefault("OnClick"));
  EXPECT_TRUE(isDefault("Angle"));
  EXPECT_FALSE(isDefault("Caption")) << "a string without a declared default is always written";
  s->SetWidth(11);
  s->SetVisible(false);
  s->SetOptions(TOptions{opA, opC});
  EXPECT_FALSE(isDefault("Width"));
  EXPECT_FALSE(isDefault("Visible"));
  EXPECT_FALSE(isDefault("Options"));
  // A float with any default declared counts as default only at 0.
  s->SetAngle(1.5);
  EXPECT_FALSE(isDefault("Angle"));
  s->OnClick = [](TObject*) {};
  EXPECT_FALSE(isDefault("OnClick"));
  EXPECT_TRUE(info.FindProperty("Area")->IsReadOnly());
  EXPECT_FALSE(info.FindProperty("Width")->IsReadOnly());
  s->Free();
}

TEST(PropertyTables, AccessorsReachTheInstanceByKind) {
  auto* s = Create<TShape>(nullptr);
  const auto& info = s->ClassInfo();
  info.FindProperty("Kind")->SetOrd(*s, skDiamond);
  EXPECT_EQ(s->GetKind(), skDiamond);
  info.FindProperty("Options")->SetOrd(*s, 0b110);
  EXPECT_TRUE(s->GetOptions().Contains(opB));
  EXPECT_FALSE(s->GetOptions().Contains(opA));
  EXPECT_EQ(info.FindProperty("Options")->OrdSize, 1);
  info.FindProperty("Angle")->SetFloat(*s, 30.25);
  EXPECT_EQ(s->GetAngle(), 30.25);
  info.FindProperty("Caption")->SetStr(*s, "x");
  EXPECT_EQ(info.FindProperty("Caption")->GetStr(*s), "x");
  EXPECT_EQ(info.FindProperty("Area")->GetOrd(*s), 42);
  EXPECT_EQ(info.FindProperty("Color")->Idents, &ColorIdents());
  s->Free();
}

TEST(IdentifierMaps, LookupsByValueTakeTheFirstRowAndNamesIgnoreCase) {
  struct Case {
    const TIdentMap& map;
    int32_t value;
    const char* name;
  };
  const Case cases[] = {
      {ColorIdents(), 0x00FFFFFF, "clWhite"},           {ColorIdents(), clBtnFace, "clBtnFace"},
      {ColorIdents(), clNone, "clNone"},                {ColorIdents(), clDefault, "clDefault"},
      {CursorIdents(), -22, "crSizeAll"},               {CursorIdents(), 0, "crDefault"},
      {CharsetIdents(), 1, "DEFAULT_CHARSET"},          {CharsetIdents(), 255, "OEM_CHARSET"},
  };
  for (const auto& c : cases) {
    QString name;
    ASSERT_TRUE(c.map.IntToIdent(c.value, name)) << c.name;
    EXPECT_EQ(name, c.name);
    int32_t v = 0;
    ASSERT_TRUE(c.map.IdentToInt(QString(c.name).toUpper(), v)) << c.name;
    EXPECT_EQ(v, c.value);
  }
  QString name;
  EXPECT_FALSE(ColorIdents().IntToIdent(0x00F0F0F0, name)) << "unnamed colours stay numbers";
  int32_t v = 0;
  EXPECT_TRUE(CursorIdents().IdentToInt("crSize", v));
  EXPECT_EQ(v, -22);
  EXPECT_EQ(ColorIdents().Rows().size(), 52u);
  EXPECT_EQ(CursorIdents().Rows().size(), 22u);
  EXPECT_EQ(CharsetIdents().Rows().size(), 18u);
}

TEST(ClassRegistry, FindsRegisteredClassesAndNamesTheMissingOne) {
  RegisterClass<TShape>();
  const TClassInfo& info = FindClass("TShape");
  EXPECT_EQ(&info, &TShape::StaticClassInfo());
  TPersistent* made = info.CreateInstance(nullptr);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->ClassName(), "TShape");
  EXPECT_TRUE(made->InheritsFrom(TComponent::StaticClassInfo()));
  EXPECT_FALSE(made->InheritsFrom(TRoundShape::StaticClassInfo()));
  made->Free();
  try {
    FindClass("TNoSuchBlock");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TNoSuchBlock not found");
  }
  UnRegisterClass(TShape::StaticClassInfo());
  EXPECT_EQ(GetClass("TShape"), nullptr);
}

TEST(Assign, MismatchedClassesRaiseTheAssignError) {
  auto* a = Create<TShape>(nullptr);
  auto* b = Create<TComponent>(nullptr);
  try {
    b->Assign(a);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TShape to a TComponent");
  }
  try {
    b->Assign(nullptr);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TComponent");
  }
  a->Free();
  b->Free();
}
