// The text rules of the class-like UML blocks: member lines with and without types,
// defaults and custom text; the titles; copying operations; compartments and the template
// box as laid out; the association class's ends.
#include <gtest/gtest.h>

#include "../diagram/DocumentText.h"
#include "UmlClassFixture.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class UmlClass : public ::testing::Test, public TBlockSetFixture {
 protected:
  UmlClass() { RegisterUmlClassBlocks(); }
  template <class T>
  T* Make() {
    auto* b = Create<T>(Form);
    b->SetLeft(100);
    b->SetTop(100);
    b->SetDiagram(Diagram);
    return b;
  }
};

TEST_F(UmlClass, AttributeLinesShowVisibilityTypeAndInitialValue) {
  auto* c = Make<TUMLClassBlock>();
  TUMLAttribute* count = c->GetAttributes()->Add();
  count->SetVisibility(uvPublic);
  count->SetName("count");
  count->SetTypeName("Integer");
  count->SetInitialValue("0");
  EXPECT_EQ(c->AttributeText(count), "+count : Integer = 0");
  TUMLAttribute* x = c->GetAttributes()->Add();
  x->SetName("x");
  x->SetInitialValue("1");
  EXPECT_EQ(c->AttributeText(x), "-x : <unspecified> = 1") << "a value needs a type";
  TUMLAttribute* bare = c->GetAttributes()->Add();
  bare->SetVisibility(uvProtected);
  bare->SetName("y");
  EXPECT_EQ(c->AttributeText(bare), "#y");
  EXPECT_EQ(c->AttributesCell()->GetText(), "+count : Integer = 0\r\n-x : <unspecified> = 1\r\n#y");
  bare->SetCustomText("y: anything");
  EXPECT_EQ(c->AttributeText(bare), "y: anything");
  EXPECT_TRUE(c->AttributesCell()->GetText().endsWith("\r\ny: anything")) << "a member change rewrites the compartment";

  auto* d = Make<TUMLDataTypeBlock>();
  TUMLAttribute* v = d->GetAttributes()->Add();
  v->SetVisibility(uvPublic);
  v->SetName("re");
  v->SetTypeName("Double");
  v->SetInitialValue("0");
  EXPECT_EQ(d->AttributesCell()->GetText(), "+re = 0") << "data types leave the type out";
}

TEST_F(UmlClass, OperationLinesListTheirParameters) {
  auto* c = Make<TUMLClassBlock>();
  TUMLOperation* add = c->GetOperations()->Add();
  add->SetVisibility(uvPublic);
  add->SetName("Add");
  add->SetReturnType("Boolean");
  TUMLParameter* a = add->GetParameters()->Add();
  a->SetParamKind(pkIn);
  a->SetName("a");
  a->SetParamType("Integer");
  EXPECT_EQ(c->OperationText(add), "+Add(in a : Integer) : Boolean");
  TUMLParameter* x = add->GetParameters()->Add();
  x->SetParamKind(pkInOut);
  x->SetName("x");
  x->SetDefaultValue("5");
  EXPECT_EQ(c->ParameterText(x), "inout x : <unspecified> = 5");
  EXPECT_EQ(c->OperationsCell()->GetText(), "+Add(in a : Integer, inout x : <unspecified> = 5) : Boolean")
      << "a parameter change reaches the compartment through its operation";
  TUMLOperation* foo = c->GetOperations()->Add();
  foo->SetCustomText("foo()");
  EXPECT_EQ(c->OperationText(foo), "foo()");
  TUMLOperation* none = c->GetOperations()->Add();
  none->SetName("run");
  EXPECT_EQ(c->OperationText(none), "-run()");
}

TEST_F(UmlClass, AssignCopiesAnOperationWithItsParameters) {
  auto* c = Make<TUMLClassBlock>();
  TUMLOperation* source = c->GetOperations()->Add();
  source->SetName("Add");
  source->SetReturnType("Integer");
  source->SetVisibility(uvProtected);
  source->GetParameters()->Add()->SetName("a");
  source->GetParameters()->Add()->SetName("b");
  TUMLOperation* copy = c->GetOperations()->Add();
  copy->GetParameters()->Add()->SetName("stale");
  copy->Assign(source);
  ASSERT_EQ(copy->GetParameters()->Count(), 2);
  EXPECT_EQ(copy->GetParameters()->GetItem(1)->GetName(), "b");
  EXPECT_EQ(c->OperationText(copy), "#Add(a, b) : Integer");
  EXPECT_EQ(c->OperationsCell()->GetText(), "#Add(a, b) : Integer\r\n#Add(a, b) : Integer");
  // The copy owns its own parameters.
  source->GetParameters()->GetItem(0)->SetName("z");
  EXPECT_EQ(copy->GetParameters()->GetItem(0)->GetName(), "a");

  auto* other = Make<TUMLInterfaceBlock>();
  other->GetOperations()->Assign(c->GetOperations());
  EXPECT_EQ(other->OperationsCell()->GetText(), "#Add(z, b) : Integer\r\n#Add(a, b) : Integer");
}

TEST_F(UmlClass, TitlesCarryStereotypeAndName) {
  EXPECT_EQ(Make<TUMLClassBlock>()->TitleCell()->GetText(), " Class1");
  EXPECT_EQ(Make<TUMLDataTypeBlock>()->TitleCell()->GetText(), "«datatype» Datatype1");
  EXPECT_EQ(Make<TUMLMetaClassBlock>()->TitleCell()->GetText(), "«metaclass» Metaclass1");
  EXPECT_EQ(Make<TUMLInterfaceBlock>()->TitleCell()->GetText(), "«interface» Interface1");
  EXPECT_EQ(Make<TUMLExceptionBlock>()->TitleCell()->GetText(), "«exception» Exception1");
  auto* c = Make<TUMLClassBlock>();
  c->SetItemName("Order");
  EXPECT_EQ(c->TitleCell()->GetText(), " Order");
  auto* o = Make<TUMLObjectBlock>();
  EXPECT_EQ(o->TitleCell()->GetText(), "Object1");
  EXPECT_TRUE(o->TitleCell()->GetFont()->GetStyle().Contains(fsUnderline));
  o->SetClassName("Order");
  EXPECT_EQ(o->TitleCell()->GetText(), "Object1 : Order");
  o->SetObjectName("first");
  EXPECT_EQ(o->TitleCell()->GetText(), "first : Order");
}

TEST_F(UmlClass, CompartmentsStackAndAnEmptyOneKeepsALineOfHeight) {
  auto* empty = Make<TUMLClassBlock>();
  auto* one = Make<TUMLClassBlock>();
  one->GetAttributes()->Add()->SetName("x");
  EXPECT_EQ(empty->GetHeight(), one->GetHeight());
  const double line = empty->GetHeight() / 3 - 10;
  EXPECT_GT(line, 5);
  one->GetAttributes()->Add()->SetName("y");
  EXPECT_NEAR(one->GetHeight(), empty->GetHeight() + line, 1.5);
  // The compartments are stacked top to bottom, each as wide as the box.
  const TSquare title = one->TitleCell()->GetDiagramRect(), attrs = one->AttributesCell()->GetDiagramRect(),
                ops = one->OperationsCell()->GetDiagramRect();
  EXPECT_NEAR(title.Top, one->GetTop(), 1e-6);
  EXPECT_NEAR(attrs.Top, title.Bottom, 1e-6);
  EXPECT_NEAR(ops.Top, attrs.Bottom, 1e-6);
  EXPECT_NEAR(ops.Bottom, one->GetBottom(), 1e-6);
  EXPECT_NEAR(attrs.Right - attrs.Left, one->GetWidth(), 1e-6);
  // Hiding a compartment shrinks the box.
  const double before = one->GetHeight();
  one->SetShowAttributes(false);
  EXPECT_FALSE(one->GetShowAttributes());
  EXPECT_LT(one->GetHeight(), before);
  // A long line widens it.
  const double narrow = one->GetWidth();
  one->GetOperations()->Add()->SetName("aVeryLongOperationNameThatNeedsRoom");
  EXPECT_GT(one->GetWidth(), narrow + 50);
}

TEST_F(UmlClass, TheTemplateBoxShowsOnlyWithParametersAndTheSwitch) {
  auto* c = Make<TUMLClassBlock>();
  EXPECT_FALSE(c->ParametersCell()->GetVisible()) << "no parameters";
  const double plain = c->GetHeight();
  c->GetParameters()->Add()->SetName("T");
  EXPECT_TRUE(c->ParametersCell()->GetVisible());
  EXPECT_EQ(c->ParametersCell()->GetText(), "T");
  const TSquare box = c->TemplateRect();
  EXPECT_GE(box.Right - box.Left, 100 - 1e-6);
  EXPECT_NEAR(box.Left, c->GetRight() - 50, 1e-6);
  EXPECT_NEAR((box.Top + box.Bottom) / 2, c->GetTop(), 1e-6) << "centred on the top edge";
  EXPECT_GT(c->GetHeight(), plain) << "the title makes room under the box";
  EXPECT_GE(c->ControlRect().Right, box.Right);
  c->SetShowParameters(false);
  EXPECT_FALSE(c->ParametersCell()->GetVisible());
  EXPECT_EQ(c->GetHeight(), plain);

  auto* p = Make<TUMLParamClassBlock>();
  EXPECT_EQ(p->ParametersCell()->GetText(), "Parameter1");
  EXPECT_TRUE(p->ParametersCell()->GetVisible());
  auto* bound = Make<TUMLBoundElementBlock>();
  EXPECT_FALSE(bound->GetShowAttributes());
  EXPECT_FALSE(bound->GetShowOperations());
  EXPECT_FALSE(bound->GetShowParameters());

  auto* s = Make<TUMLSignalBlock>();
  EXPECT_EQ(s->TemplateCell(), nullptr);
  EXPECT_TRUE(s->ParametersCell()->GetVisible()) << "a compartment, shown even while empty";
  s->GetParameters()->Add()->SetName("a");
  s->GetParameters()->Add()->SetName("b");
  EXPECT_EQ(s->ParametersCell()->GetText(), "a\r\nb");
}

TEST_F(UmlClass, ThePenFramesEveryCompartmentAndTheTemplateStaysDashed) {
  auto* c = Make<TUMLClassBlock>();
  c->GetPen()->SetColor(0x00FF00);
  for (int i = 0; i < c->GetTextCells()->Count(); ++i)
    EXPECT_EQ(c->GetTextCells()->GetItems(i)->GetCellFrame()->GetPen()->GetColor(), 0x00FF00);
  EXPECT_EQ(c->TemplateCell()->GetCellFrame()->GetPen()->GetStyle(), psDash);
  EXPECT_EQ(c->TitleCell()->GetCellFrame()->GetPen()->GetStyle(), psSolid);
}

TEST_F(UmlClass, MembersReadFromADocumentKeepTheStoredTextUntilTheNextChange) {
  auto* c = Make<TUMLClassBlock>();
  c->SetName("Block1");
  c->GetAttributes()->Add()->SetName("x");
  // A document whose compartment text was edited by hand.
  c->AttributesCell()->SetText("edited");
  const QString text = SaveText(Diagram);
  TDocumentFixture other;
  LoadText(other.Diagram, text);
  auto* read = dynamic_cast<TUMLClassBlock*>(other.Diagram->GetBlocks(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->AttributesCell()->GetText(), "edited");
  read->GetAttributes()->GetItem(0)->SetName("y");
  EXPECT_EQ(read->AttributesCell()->GetText(), "-y");
}

TEST_F(UmlClass, InsertedByMouseTheBoxTakesItsOwnSize) {
  Diagram->StartInsertingControl("TUMLClassBlock", false);
  DragFromTo(At(100, 60), At(300, 300));
  ASSERT_EQ(Diagram->BlockCount(), 1);
  auto* c = dynamic_cast<TUMLClassBlock*>(Diagram->GetBlocks(0));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->GetDControlID(), "TUMLClassBlock");
  EXPECT_LT(c->GetHeight(), 200) << "sized from the text, not the drag";
}

TEST_F(UmlClass, AnAssociationClassHangsBetweenTwoEnds) {
  auto* a = Make<TUMLAssociationClassBlock>();
  EXPECT_EQ(a->GetLeftHandlePos(), (TPoint{-40, 30}));
  EXPECT_EQ(a->GetRightHandlePos(), (TPoint{40, 30}));
  EXPECT_EQ(a->LeftEnd(), (TDot{a->GetLeft() - 40, a->GetBottom() + 30}));
  EXPECT_EQ(a->GetLinkPointPoint(a->GetLeftLink()), a->LeftEnd());
  EXPECT_EQ(a->GetHandlePoint(a->GetRightHandle()), a->RightEnd());
  // Dragging only the left end leaves the right one where it was.
  THandleMoveInfo info;
  info.AHandle = a->GetLeftHandle();
  info.Delta = TDot{-10.4, 5.6};
  info.Action = haDrawCursor;
  a->UpdateHandleMove(info);
  EXPECT_EQ(a->LeftEnd(), (TDot{a->GetLeft() - 50, a->GetBottom() + 36}));
  info.Action = haMoved;
  a->UpdateHandleMove(info);
  EXPECT_EQ(a->GetLeftHandlePos(), (TPoint{-50, 36}));
  EXPECT_EQ(a->GetRightHandlePos(), (TPoint{40, 30}));
  // An anchored end follows its anchor.
  auto* other = Make<TUMLClassBlock>();
  other->SetLeft(400);
  a->GetRightLink()->SetAnchorLink(other->GetLinkPoints()->GetItems(0));
  const TDot anchor = other->GetLinkPointPoint(other->GetLinkPoints()->GetItems(0));
  EXPECT_EQ(a->RightEnd(), (TDot{std::round(anchor.X), std::round(anchor.Y)}));
  // The offsets and the anchor survive a document.
  a->SetName("Assoc");
  other->SetName("Other");
  const QString text = SaveText(Diagram);
  TDocumentFixture copy;
  LoadText(copy.Diagram, text);
  TUMLAssociationClassBlock* read = nullptr;
  for (int i = 0; i < copy.Diagram->BlockCount(); ++i)
    if (auto* r = dynamic_cast<TUMLAssociationClassBlock*>(copy.Diagram->GetBlocks(i))) read = r;
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetLeftHandlePos(), (TPoint{-50, 36}));
  ASSERT_NE(read->GetRightLink()->GetAnchorLink(), nullptr);
  EXPECT_EQ(SaveText(copy.Diagram), text);
}

}  // namespace
