// The one registration entry point: a new diagram knows every built-in control class, they
// come in the start-up order palettes list them in, and repeat calls leave a class record
// an application registered in place of a built-in one alone.
#include <gtest/gtest.h>

#include <QStringList>

#include "TestControls.h"
#include "diagram/Registration.h"
#include "diagram/model/DiagramBlock.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Stream.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QStringList BuiltInNames() {
  QStringList names;
  for (const TBuiltInControl& control : BuiltInControls()) names << control.ClassInfo->ClassName();
  return names;
}

}  // namespace

// Under ctest every test runs in a process of its own, so here nothing but the diagram's
// construction has registered the built-in classes.
TEST(Registration, ANewDiagramLoadsEveryBuiltInControl) {
  TDiagramFixture f;
  QByteArray text = "object TdvDiagram\n";
  int n = 0;
  for (const QString& name : BuiltInNames())
    text += QStringLiteral("  object C%1: %2\n  end\n").arg(++n).arg(name).toUtf8();
  text += "end\n";
  TMemoryStream in(text);
  f.Diagram->LoadFromStream(in, true);

  QStringList loaded;
  for (int i = 0; i < f.Diagram->DControlCount(); ++i) loaded << f.Diagram->GetDControls(i)->ClassInfo().ClassName();
  EXPECT_EQ(loaded, BuiltInNames());
}

TEST(Registration, BuiltInControlsComeInStartUpOrder) {
  EXPECT_EQ(BuiltInNames(), (QStringList{"TDiagramBlock", "TTextBlock", "TDiagramLine", "TDiagramSideLine",
                                         "TDiagramPolyLine", "TDiagramArc", "TDiagramBezier", "TGroupBlock"}));
  const auto controls = BuiltInControls();
  EXPECT_STREQ(controls[0].Caption, "");
  EXPECT_STREQ(controls[1].Caption, "Text");
  EXPECT_STREQ(controls[1].Category, "");
  EXPECT_STREQ(controls[3].Caption, "Side line");
  EXPECT_STREQ(controls[3].Category, "Lines");
}

TEST(Registration, RepeatedCallsKeepAnApplicationsOwnClassRecord) {
  RegisterAllClasses();
  static const TClassInfo replacement("TDiagramBlock", &TDiagramControl::StaticClassInfo(), {},
                                      [](TComponent* owner) { return Create<TTestBlock>(owner); });
  RegisterClass(replacement);
  RegisterAllClasses();
  {
    TDiagramFixture f;  // constructing a diagram registers again
  }
  EXPECT_EQ(GetClass("TDiagramBlock"), &replacement);
  RegisterClass(TDiagramBlock::StaticClassInfo());
}
