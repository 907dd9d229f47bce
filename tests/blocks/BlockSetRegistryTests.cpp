// The block sets in the control registry: every class under its caption and category, the
// sets after the core entries and in start-up order, and registration done once.
#include <gtest/gtest.h>

#include "BlockSetFixture.h"
#include "diagram/Registration.h"
#include "diagram/lines/CustomLine.h"
#include "platform/core/ClassRegistry.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

int IndexOf(const QString& AId) {
  TRegDControls& r = RegisteredDControls();
  for (int i = 0; i < r.Count(); ++i)
    if (r.GetItem(i)->GetDControlID() == AId) return i;
  return -1;
}

}  // namespace

TEST(BlockSetRegistry, EveryClassIsRegisteredInStartUpOrderAfterTheCoreEntries) {
  RegisterAllClasses();
  RegisterBlockSets();
  int last = -1;
  for (const char* core : {"TDiagramBlock", "TTextBlock", "TDiagramLine", "TDiagramBezier"})
    last = std::max(last, IndexOf(core));
  ASSERT_GE(last, 0);
  for (const TBlockSetClass& c : BlockSetClasses()) {
    const int i = IndexOf(c.Id);
    ASSERT_GE(i, 0) << c.Id;
    // The lines of a set sit among its blocks; the list holds only blocks.
    int next = last + 1;
    while (next < i &&
           RegisteredDControls().GetItem(next)->GetDControlClass()->InheritsFrom(TCustomDiagramLine::StaticClassInfo()))
      ++next;
    EXPECT_EQ(i, next) << c.Id << " follows the previous entry";
    last = i;
    const TRegDControl* e = RegisteredDControls().GetItem(i);
    EXPECT_EQ(e->GetCaption(), c.Caption);
    EXPECT_EQ(e->GetCategory(), c.Category);
    EXPECT_EQ(e->GetDControlClass()->ClassName(), c.Id) << "registered under its class name";
    EXPECT_EQ(GetClass(c.Id), e->GetDControlClass()) << "readable from documents";
  }
  for (const char* base : {"TFlowchartBlock", "TCustomArrowBlock", "TElectricBlock", "TDFDBlock", "TDFDLine"})
    EXPECT_EQ(IndexOf(base), -1) << base;
}

TEST(BlockSetRegistry, RegisteringAgainChangesNothing) {
  RegisterBlockSets();
  const int count = RegisteredDControls().Count();
  const int first = IndexOf("TFlowDecisionBlock");
  RegisterBlockSets();
  EXPECT_EQ(RegisteredDControls().Count(), count);
  EXPECT_EQ(IndexOf("TFlowDecisionBlock"), first);
}

TEST(BlockSetRegistry, AfterStartUpTheRegistryHoldsTheWholeListInItsOrder) {
  RegisterBlockSets();
  TRegDControls& r = RegisteredDControls();
  // 9 core entries, 9 flowchart, 4 + 17 electric, 9 arrows, 4 data flow and 60 UML.
  ASSERT_EQ(r.Count(), 112);
  const std::vector<std::pair<int, const char*>> samples{
      {0, "TDiagramBlock"},          {1, "TDiagramLineJoin"},          {6, "TPolygonBlock"},
      {8, "TDiagramBezier"},         {9, "TFlowDecisionBlock"},        {17, "TDatabaseBlock"},
      {18, "TResistorBlock"},        {21, "TLampBlock"},               {22, "TStandardArrowBlock"},
      {30, "TCornerDoubleArrowBlock"}, {31, "TZenerDiodeBlock"},       {47, "TDCCurrentSourceBlock"},
      {48, "TDFDProcessBlock"},      {51, "TDFDDataFlowLine"},         {52, "TUMLActorBlock"},
      {55, "TUMLGenericLine_extends"}, {60, "TUMLActionStateBlock"},   {74, "TUMLObjectLifelineBlock"},
      {82, "TUMLPackageBlock_static"}, {83, "TUMLClassBlock"},         {86, "TUMLMetaclassBlock"},
      {94, "TUMLGenericLine_generalize"}, {105, "TUMLNoteBlock_static"}, {106, "TUMLPackageBlock_comp"},
      {111, "TUMLNoteBlock_comp"}};
  for (const auto& [index, id] : samples) EXPECT_EQ(r.GetItem(index)->GetDControlID(), id) << index;
  // One class behind several entries: the generic line stands for sixteen kinds, from
  // "extends" to the component diagram's dependency.
  int genericLines = 0;
  for (int i = 0; i < r.Count(); ++i) genericLines += r.GetItem(i)->GetDControlClass()->ClassName() == "TUMLGenericLine";
  EXPECT_EQ(genericLines, 16);
}
