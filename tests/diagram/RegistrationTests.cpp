// The one registration entry point: a new diagram knows every built-in control class, and
// repeat calls leave a class record an application registered in place of a built-in one
// alone. (The registry's order and contents: registry/RegistryTests.cpp.)
#include <gtest/gtest.h>

#include <QStringList>

#include "TestControls.h"
#include "diagram/Registration.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Stream.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// The classes of the registry's entries after start-up, and the group class, which
// documents hold but no palette offers.
QStringList BuiltInNames() {
  QStringList names;
  const TRegDControls& registry = RegisteredDControls();
  for (int i = 0; i < registry.Count(); ++i) names << registry.GetItem(i)->GetDControlClass()->ClassName();
  names << QStringLiteral("TGroupBlock");
  return names;
}

}  // namespace

// Under ctest every test runs in a process of its own, so here nothing but the diagram's
// construction has registered the built-in classes.
TEST(Registration, ANewDiagramLoadsEveryBuiltInControl) {
  TDiagramFixture f;
  QByteArray text = "object TdvDiagram\n";
  int n = 0;
  const QStringList names = BuiltInNames();
  ASSERT_GE(names.size(), 10);
  for (const QString& name : names) text += QStringLiteral("  object C%1: %2\n  end\n").arg(++n).arg(name).toUtf8();
  text += "end\n";
  TMemoryStream in(text);
  f.Diagram->LoadFromStream(in, true);

  QStringList loaded;
  for (int i = 0; i < f.Diagram->DControlCount(); ++i) loaded << f.Diagram->GetDControls(i)->ClassInfo().ClassName();
  EXPECT_EQ(loaded, names);
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
