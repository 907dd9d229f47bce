// The control registry: the entries start-up makes, lookups that ignore the case of ASCII
// letters only, registration that updates an entry in place, and removal of entries.
#include <gtest/gtest.h>

#include <QStringList>

#include "../TestControls.h"
#include "diagram/Registration.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/Layers.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/ClassRegistry.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// Start-up entries, and the entries a test adds taken out again afterwards, so the tests
// also hold when the whole binary runs in one process.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAllClasses();
    FStartCount = RegisteredDControls().Count();
  }
  void TearDown() override {
    TRegDControls& registry = RegisteredDControls();
    while (registry.Count() > FStartCount) registry.GetItem(registry.Count() - 1)->Free();
  }
  int FStartCount = 0;
};

QStringList Column(QString (*AField)(const TRegDControl&)) {
  QStringList values;
  const TRegDControls& registry = RegisteredDControls();
  for (int i = 0; i < registry.Count(); ++i) values << AField(*registry.GetItem(i));
  return values;
}

}  // namespace

TEST_F(RegistryTest, StartUpRegistersTheCoreControlsInPaletteOrder) {
  EXPECT_EQ(Column([](const TRegDControl& e) { return e.GetDControlID(); }),
            (QStringList{"TDiagramBlock", "TDiagramLineJoin", "TTextBlock", "TDiagramLine", "TDiagramSideLine",
                         "TDiagramPolyLine", "TPolygonBlock", "TDiagramArc", "TDiagramBezier"}));
  EXPECT_EQ(Column([](const TRegDControl& e) { return e.GetCaption(); }),
            (QStringList{"TDiagramBlock", "TDiagramLineJoin", "Text", "Line", "Side line", "Poly line", "Polygon", "Arc",
                         "Bezier"}));
  EXPECT_EQ(Column([](const TRegDControl& e) { return e.GetCategory(); }),
            (QStringList{"", "", "", "Lines", "Lines", "Lines", "", "Lines", "Lines"}));
  const TRegDControl* line = RegisteredDControls().FindByID("TDiagramLine");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->GetDControlClass(), &TDiagramLine::StaticClassInfo());
  EXPECT_FALSE(line->GetUseGlyph());
  EXPECT_TRUE(line->GetGlyph()->GetEmpty());
  EXPECT_TRUE(line->GetData().isEmpty());

  // Repeating the start-up adds nothing.
  RegisterAllClasses();
  EXPECT_EQ(RegisteredDControls().Count(), FStartCount);
}

TEST_F(RegistryTest, IdentifiersIgnoreTheCaseOfAsciiLettersOnly) {
  TRegDControls& registry = RegisteredDControls();
  EXPECT_EQ(registry.FindByID("tdiagramBLOCK"), registry.GetItem(0));
  EXPECT_EQ(registry.FindByID("TDiagramBlock "), nullptr);
  EXPECT_EQ(registry.FindByID(""), nullptr);
  EXPECT_EQ(registry.FindByID("TDiagramBloc"), nullptr);

  RegisterDControl<TTestBlock>(QStringLiteral("Ärger"));
  RegisterDControl<TTestBlock>(QStringLiteral("ärger"));
  EXPECT_EQ(registry.Count(), FStartCount + 2);
  EXPECT_EQ(registry.FindByID(QStringLiteral("ärger"))->GetIndex(), FStartCount + 1);
  EXPECT_EQ(registry.FindByID(QStringLiteral("ÄRGER"))->GetIndex(), FStartCount);

  EXPECT_TRUE(SameDControlID("", ""));
  EXPECT_FALSE(SameDControlID("", "a"));
  EXPECT_TRUE(SameDControlID("Line_Z9", "lINE_z9"));
  // Letters next to the ASCII ranges are not folded onto each other.
  EXPECT_FALSE(SameDControlID("@[", "`{"));
}

TEST_F(RegistryTest, RegistrationDefaultsTheIdentifierAndCaption) {
  TRegDControls& registry = RegisteredDControls();
  RegisterDControl<TTestBlock>();
  TRegDControl* plain = registry.GetItem(registry.Count() - 1);
  EXPECT_EQ(plain->GetDControlID(), "TTestBlock");
  EXPECT_EQ(plain->GetCaption(), "TTestBlock");
  EXPECT_EQ(plain->GetCategory(), "");
  EXPECT_EQ(plain->GetDControlClass(), &TTestBlock::StaticClassInfo());

  RegisterDControl<TTestLine>(QStringLiteral("TTestLine_dash"), QString(), QStringLiteral("Test"));
  TRegDControl* dashed = registry.GetItem(registry.Count() - 1);
  EXPECT_EQ(dashed->GetCaption(), "TTestLine_dash");
  EXPECT_EQ(dashed->GetCategory(), "Test");

  // Nothing is registered for a missing class, nor for one that makes no diagram control.
  const int count = registry.Count();
  RegisterDControl(nullptr, QStringLiteral("Nothing"));
  RegisterDControl(&TDiagramLayer::StaticClassInfo(), QStringLiteral("Layer"));
  EXPECT_EQ(registry.Count(), count);
  EXPECT_EQ(registry.FindByID("Layer"), nullptr);
}

TEST_F(RegistryTest, ReRegistrationUpdatesTheEntryInPlace) {
  TRegDControls& registry = RegisteredDControls();
  RegisterDControl<TTestLine>(QStringLiteral("TTestLine_trace"), QStringLiteral("Trace"), QStringLiteral("Static"));
  RegisterDControl<TTestBlock>(QStringLiteral("TTestBlock_after"));
  TRegDControl* entry = registry.FindByID("TTestLine_trace");
  ASSERT_NE(entry, nullptr);
  const int index = entry->GetIndex();
  TBitmap bitmap;
  bitmap.SetSize(24, 24);
  TPicture glyph;
  glyph.SetGraphic(&bitmap);
  entry->SetGlyph(&glyph);
  entry->SetUseGlyph(true);
  entry->SetData(QStringLiteral("object T end"));

  RegisterDControl<TTestBlock>(QStringLiteral("ttestline_trace"), QStringLiteral("Again"));
  EXPECT_EQ(registry.Count(), FStartCount + 2);
  EXPECT_EQ(registry.FindByID("TTESTLINE_TRACE"), entry);
  EXPECT_EQ(entry->GetIndex(), index);
  EXPECT_EQ(entry->GetDControlID(), "ttestline_trace");
  EXPECT_EQ(entry->GetDControlClass(), &TTestBlock::StaticClassInfo());
  EXPECT_EQ(entry->GetCaption(), "Again");
  EXPECT_EQ(entry->GetCategory(), "");
  // What the entry carries beyond the registration stays.
  EXPECT_TRUE(entry->GetUseGlyph());
  EXPECT_EQ(entry->GetGlyph()->GetWidth(), 24);
  EXPECT_EQ(entry->GetData(), "object T end");
  // The entry holds a copy of the glyph, not the caller's picture.
  EXPECT_NE(entry->GetGlyph(), &glyph);
  glyph.SetGraphic(nullptr);
  EXPECT_EQ(entry->GetGlyph()->GetWidth(), 24);
}

TEST_F(RegistryTest, AClassIsKnownForStreamingOnceWhateverItsIdentifiers) {
  static const TClassInfo fresh("TRegistryFreshBlock", &TTestBlock::StaticClassInfo(), {},
                                [](TComponent* owner) { return Create<TTestBlock>(owner); });
  ASSERT_EQ(GetClass("TRegistryFreshBlock"), nullptr);
  RegisterDControl(&fresh, QStringLiteral("Fresh_a"));
  RegisterDControl(&fresh, QStringLiteral("Fresh_b"));
  EXPECT_EQ(GetClass("TRegistryFreshBlock"), &fresh);
  EXPECT_EQ(RegisteredDControls().Count(), FStartCount + 2);
  UnRegisterClass(fresh);
}

TEST_F(RegistryTest, UnregisteringFreesTheEntryAndKeepsTheOthersInOrder) {
  TRegDControls& registry = RegisteredDControls();
  RegisterDControl<TTestBlock>(QStringLiteral("LIB_first"));
  RegisterDControl<TTestBlock>(QStringLiteral("LIB_second"));
  RegisterDControl<TTestBlock>(QStringLiteral("LIB_third"));
  EXPECT_TRUE(UnregisterDControl(QStringLiteral("lib_SECOND")));
  EXPECT_FALSE(UnregisterDControl(QStringLiteral("LIB_second")));
  EXPECT_EQ(registry.FindByID("LIB_second"), nullptr);
  ASSERT_EQ(registry.Count(), FStartCount + 2);
  EXPECT_EQ(registry.GetItem(FStartCount)->GetDControlID(), "LIB_first");
  EXPECT_EQ(registry.GetItem(FStartCount + 1)->GetDControlID(), "LIB_third");
}
