// The UML set's own rules: palette order, link point places, line types from identifiers
// (also after reloading), the node's depth, the lifeline's length and pen, the activation
// bar, the final state's ring and the associations' end texts.
#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <climits>
#include <cmath>

#include "../diagram/DocumentText.h"
#include "../diagram/PassImage.h"
#include "UmlFixture.h"
#include "diagram/model/StretchHandles.h"
#include "diagram/model/TextCells.h"
#include "platform/core/ClassRegistry.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

int IndexOf(const QString& AId) {
  TRegDControls& r = RegisteredDControls();
  for (int i = 0; i < r.Count(); ++i)
    if (r.GetItem(i)->GetDControlID() == AId) return i;
  return -1;
}

void ExpectNear(TDot A, TDot B, const char* AWhat) {
  EXPECT_NEAR(A.X, B.X, 1e-6) << AWhat;
  EXPECT_NEAR(A.Y, B.Y, 1e-6) << AWhat;
}

class Uml : public ::testing::Test, public TBlockSetFixture {
 protected:
  template <class T>
  T* Make(const TSquare& R, double AAngle = 0) {
    auto* b = Create<T>(Form);
    b->SetBoundsRect(R);
    b->SetAngle(AAngle);
    b->SetDiagram(Diagram);
    return b;
  }
  TUMLGenericLine* GenericLine(const QString& AId, TdvDiagram* ADiagram = nullptr) {
    auto* l = static_cast<TUMLGenericLine*>(CreateById(ADiagram ? ADiagram->GetOwner() : Form, AId));
    PlaceLine(l, ADiagram ? ADiagram : Diagram, TDot{100, 100}, TDot{300, 200});
    return l;
  }
  static TDot LinkAt(TDiagramControl* C, int I) { return C->GetLinkPointPoint(C->GetLinkPoints()->GetItems(I)); }
};

// ---- Registry ----

TEST_F(Uml, EveryEntryIsRegisteredInPaletteOrderAfterTheArrows) {
  int last = IndexOf("TCornerDoubleArrowBlock");
  ASSERT_GE(last, 0);
  for (const TUmlEntry& e : UmlEntries()) {
    const int i = IndexOf(e.Id);
    ASSERT_GT(i, last) << e.Id;
    last = i;
    const TRegDControl* entry = RegisteredDControls().GetItem(i);
    EXPECT_EQ(entry->GetCaption(), e.Caption) << e.Id;
    EXPECT_EQ(entry->GetCategory(), e.Category) << e.Id;
    EXPECT_EQ(entry->GetDControlClass()->ClassName(), e.ClassName) << e.Id;
    EXPECT_EQ(GetClass(e.ClassName), entry->GetDControlClass()) << "readable from documents";
  }
  EXPECT_EQ(UmlEntries().size(), 49u);
  for (const char* base : {"TUMLBlock", "TUMLShapeBlock", "TUMLLine", "TUMLBaseAssociation", "TUMLTransitionBarBlock"})
    EXPECT_EQ(IndexOf(base), -1) << base;
}

// ---- Link points ----

TEST_F(Uml, LinkPointsFollowTheBlockStraightAndTurned) {
  // A use case at 2x its own size: (15, 5) of 80 x 40 is (30, 10) from the corner.
  auto* useCase = Make<TUMLUseCaseBlock>(TSquare{100, 100, 260, 180});
  ASSERT_EQ(useCase->GetLinkPoints()->Count(), 8);
  ExpectNear(LinkAt(useCase, 0), {130, 110}, "up left");
  ExpectNear(LinkAt(useCase, 7), {260, 140}, "right");
  // Turned a quarter about the centre (180, 140): right becomes down.
  useCase->SetAngle(90);
  ExpectNear(LinkAt(useCase, 7), {180, 220}, "right, turned");
  ExpectNear(LinkAt(useCase, 1), {220, 140}, "top middle, turned");

  auto* package = Make<TUMLPackageBlock>(TSquare{0, 0, 75, 70});
  ASSERT_EQ(package->GetLinkPoints()->Count(), 11);
  ExpectNear(LinkAt(package, 0), {38, 15}, "up on the body, not the tab");
  EXPECT_EQ(package->GetLinkPoints()->GetItems(10)->GetOrientation(), aoLeft);

  auto* fork = Make<TUMLTransitionForkBlock>(TSquare{0, 0, 100, 25});
  ExpectNear(LinkAt(fork, 0), {50, 5}, "fork's one input on the bar");
  EXPECT_EQ(fork->GetLinkPoints()->GetItems(3)->GetOrientation(), aoDown);
  auto* join = Make<TUMLTransitionJoinBlock>(TSquare{0, 0, 100, 25});
  EXPECT_EQ(join->GetLinkPoints()->GetItems(2)->GetOrientation(), aoUp);
  int shown = 0;
  for (int i = 0; i < fork->GetHandles()->Count(); ++i)
    if (fork->GetHandles()->GetItems(i)->GetStyle() == hsSize && fork->GetHandles()->GetItems(i)->GetVisibleFlag())
      ++shown;
  EXPECT_EQ(shown, 2) << "only the bar's ends resize it";

  // The receipt's right point sits in the notch, half the height deep whatever the width.
  auto* receipt = Make<TUMLSignalReceiptBlock>(TSquare{0, 0, 200, 40});
  ExpectNear(LinkAt(receipt, 1), {180, 20}, "in the notch");
  receipt->SetAngle(90);
  ExpectNear(LinkAt(receipt, 1), {100, 100}, "in the notch, turned");
}

// ---- Generic line types ----

TEST(UmlLineTypes, BuiltInIdentifiersOnlyNameATypeAndTheLongestNameWins) {
  const std::pair<const char*, TUMLLineType> known[] = {
      {"TUMLGenericLine_extends", ultExtends},       {"TUMLGenericLine_uses", ultUses},
      {"TUMLGenericLine_comm", ultCommunicates},     {"TUMLGenericLine_object", ultObjectFlow},
      {"TUMLGenericLine_control", ultControlFlow},   {"TUMLGenericLine_msg", ultMessage},
      {"TUMLGenericLine_msgcall", ultMessageCall},   {"TUMLGenericLine_msgreturn", ultMessageReturn},
      {"TUMLGenericLine_msgasync", ultMessageAsync}, {"TUMLGenericLine_generalize", ultGeneralize},
      {"TUMLGenericLine_dependency", ultDependency}, {"TUMLGenericLine_binding", ultBinding},
      {"TUMLGenericLine_trace", ultTrace},           {"TUMLGenericLine_refinement", ultRefinement},
      {"TUMLGenericLine_usage", ultUsage},           {"TUMLGenericLine_dependencycomp", ultDependency},
      {"tumlgenericline_MSGCALL", ultMessageCall}};
  for (const auto& [id, type] : known) {
    TUMLLineType t = ultUsage;
    EXPECT_TRUE(UMLLineTypeFromId(id, t)) << id;
    EXPECT_EQ(t, type) << id;
  }
  for (const char* id : {"", "TUMLGenericLine", "LIB_TUMLGenericLine_trace", "MyTUMLGenericLine_uses",
                         "TUMLGenericLine_usesX", "TUMLGenericLine_\u0131"}) {
    TUMLLineType t = ultUsage;
    EXPECT_FALSE(UMLLineTypeFromId(QString::fromUtf8(id), t)) << id;
    EXPECT_EQ(t, ultUsage);
  }
}

TEST_F(Uml, ALineInsertedFromAnEntryTakesItsTypesLook) {
  auto* trace = GenericLine("TUMLGenericLine_trace");
  EXPECT_EQ(trace->GetLineType(), ultTrace);
  EXPECT_EQ(trace->GetTargetArrow()->GetShape(), asLineArrow);
  EXPECT_EQ(trace->GetTargetArrow()->GetWidth(), 15);
  EXPECT_EQ(trace->GetTargetArrow()->GetHeight(), 11);
  EXPECT_EQ(trace->GetSourceArrow()->GetShape(), asNone);
  EXPECT_EQ(trace->GetPen()->GetStyle(), psDash);
  EXPECT_EQ(trace->GetLineStyle(), lsSideLine);
  EXPECT_EQ(trace->GetTextCells()->GetItems(0)->GetText(), QString::fromUtf8("\u00ABtraces\u00BB"));

  auto* extends = GenericLine("TUMLGenericLine_extends");
  EXPECT_EQ(extends->GetSourceArrow()->GetShape(), asSolidArrow);
  EXPECT_EQ(extends->GetSourceArrow()->GetBrush()->GetColor(), clWhite);
  EXPECT_EQ(extends->GetPen()->GetStyle(), psSolid);
  EXPECT_EQ(extends->GetTextCells()->GetItems(0)->GetText(), QString::fromUtf8("\u00ABextends\u00BB"));

  auto* ret = GenericLine("TUMLGenericLine_msgreturn");
  EXPECT_EQ(ret->GetPen()->GetStyle(), psDash);
  EXPECT_EQ(ret->GetSelPen()->GetStyle(), psDash);
  EXPECT_EQ(ret->GetLineStyle(), lsLine);

  // Changing the type starts from a clean look: no arrow or text of the old type stays.
  extends->SetLineType(ultMessageAsync);
  EXPECT_EQ(extends->GetSourceArrow()->GetShape(), asNone);
  EXPECT_EQ(extends->GetTargetArrow()->GetShape(), asHalfLine);
  EXPECT_EQ(extends->GetTextCells()->GetItems(0)->GetText(), QString());

  auto* dependency = GenericLine("TUMLGenericLine_dependencycomp");
  EXPECT_EQ(dependency->GetLineType(), ultDependency);
}

TEST_F(Uml, AReloadedLineKnowsItsTypeAndKeepsTheUsersLook) {
  TDocumentFixture one;
  auto* trace = GenericLine("TUMLGenericLine_trace", one.Diagram);
  trace->SetName("Trace1");
  trace->GetPen()->SetStyle(psSolid);
  trace->GetPen()->SetColor(0x0000FF);
  trace->GetTextCells()->GetItems(0)->SetText("mine");
  const QString text = SaveText(one.Diagram);
  EXPECT_FALSE(text.contains("LineType")) << "the type is not stored";
  TDocumentFixture other;
  LoadText(other.Diagram, text);
  auto* read = dynamic_cast<TUMLGenericLine*>(other.Diagram->GetLinks(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetLineType(), ultTrace);
  EXPECT_EQ(read->GetPen()->GetStyle(), psSolid) << "not restyled";
  EXPECT_EQ(read->GetPen()->GetColor(), 0x0000FFu);
  EXPECT_EQ(read->GetTextCells()->GetItems(0)->GetText(), "mine");
}

// ---- Node ----

TEST_F(Uml, TheNodesDepthMovesItsFacesPointsAndHandle) {
  auto* node = Make<TUMLNodeBlock>(TSquare{100, 100, 180, 180});
  EXPECT_EQ(node->GetDepth(), 40);
  EXPECT_EQ(node->ControlRect(), (TSquare{100, 60, 220, 180}));
  ExpectNear(node->GetHandlePoint(node->GetDepthHandle()), {220, 140}, "depth handle");
  ExpectNear(LinkAt(node, 0), {160, 80}, "top point on the top face");
  ExpectNear(LinkAt(node, 1), {200, 120}, "right point on the side face");
  ExpectNear(LinkAt(node, 2), {140, 180}, "bottom point stays");
  // Flipped, the box still stands out up and to the right.
  node->SetHorizontalFlip(true);
  ExpectNear(LinkAt(node, 1), {100, 140}, "right point, now on the left, not shifted");
  node->SetHorizontalFlip(false);
  node->SetDepth(2);
  EXPECT_EQ(node->GetDepth(), 5) << "at least the minimum";

  // Dragging the handle 10 up deepens the box by 10.
  node->SetDepth(40);
  THandleMoveInfo info;
  info.AHandle = node->GetDepthHandle();
  info.Action = haMoved;
  info.Delta = TDot{3, -10};
  node->UpdateHandleMove(info);
  EXPECT_EQ(node->GetDepth(), 50);
  info.Delta = TDot{0, std::nan("")};
  node->UpdateHandleMove(info);
  EXPECT_EQ(node->GetDepth(), 50) << "a drag that is no number changes nothing";
}

// ---- Lifeline ----

TEST_F(Uml, TheLifelinesPointsFollowItsLength) {
  auto* life = Make<TUMLObjectLifelineBlock>(TSquare{100, 50, 180, 90});
  EXPECT_EQ(life->GetLifeLineLength(), 60);
  ASSERT_EQ(life->GetLinkPoints()->Count(), 5);
  life->SetLifeLineLength(5);
  EXPECT_EQ(life->GetLifeLineLength(), 10);
  life->SetLifeLineLength(70);
  ASSERT_EQ(life->GetLinkPoints()->Count(), 6);
  const double expected[] = {20, 40, 60, 70};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(life->LinkOffset(2 + i), expected[i]);
    ExpectNear(LinkAt(life, 2 + i), {140, 90 + expected[i]}, "on the line");
  }
  ExpectNear(life->GetHandlePoint(life->GetLineHandle()), {140, 160}, "handle at the end");
  EXPECT_EQ(life->ControlRect().Bottom, 160) << "the line is repainted with the block";

  // A message holds the point at 60: shortening to 30 drops the free point at 70 and
  // hides the held one at the new end.
  auto* message = GenericLine("TUMLGenericLine_msg");
  message->GetTargetLinkPoint()->SetAnchorLink(life->GetLinkPoints()->GetItems(4));
  life->SetLifeLineLength(30);
  ASSERT_EQ(life->GetLinkPoints()->Count(), 5);
  EXPECT_TRUE(life->GetLinkPoints()->GetItems(3)->GetVisible());
  EXPECT_EQ(life->LinkOffset(3), 30);
  TLinkPoint* held = life->GetLinkPoints()->GetItems(4);
  EXPECT_FALSE(held->GetVisible());
  EXPECT_EQ(life->LinkOffset(4), 30);
  EXPECT_EQ(message->GetTargetLinkPoint()->GetAnchorLink(), held);
}

TEST_F(Uml, AHugeLifelineOrActivationMakesABoundedNumberOfPoints) {
  auto* life = Make<TUMLObjectLifelineBlock>(TSquare{100, 50, 180, 90});
  life->SetLifeLineLength(INT_MAX);
  const int count = life->GetLinkPoints()->Count();
  EXPECT_LE(count, 2 + MaxUMLLinePoints);
  EXPECT_EQ(life->LinkOffset(count - 1), INT_MAX) << "the last point is still at the end";
  TDirect2DOn direct2D;
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    const QImage image = PaintPass(Diagram, 300, 300);
    EXPECT_FALSE(Near(image.pixel(140, 200), 255, 255, 255, 2) && Near(image.pixel(140, 210), 255, 255, 255, 2))
        << "the line is drawn, library " << lib;
  }
  life->SetLifeLineLength(100);
  EXPECT_EQ(life->GetLinkPoints()->Count(), 2 + 5);

  // A drag of a length that is no number leaves the line as it was.
  THandleMoveInfo info;
  info.AHandle = life->GetLineHandle();
  info.Action = haMoved;
  info.Delta = TDot{0, std::nan("")};
  life->UpdateHandleMove(info);
  EXPECT_EQ(life->GetLifeLineLength(), 100);

  std::vector<double> offsets;
  UMLLineOffsets(std::nan(""), 20, offsets);
  EXPECT_TRUE(offsets.empty());
  UMLLineOffsets(INFINITY, 20, offsets);
  EXPECT_TRUE(offsets.empty());
  UMLLineOffsets(1e300, 20, offsets);
  EXPECT_EQ(offsets.size(), size_t(MaxUMLLinePoints));

  auto* bar = static_cast<TUMLActivationLine*>(CreateById(Form, "TUMLActivationLine"));
  PlaceLine(bar, Diagram, TDot{50, 0}, TDot{50, 1e12});
  EXPECT_LE(bar->GetLinkPoints()->Count(), 2 + MaxUMLLinePoints);
  PlaceLine(bar, Diagram, TDot{50, 0}, TDot{50, std::nan("")});
  EXPECT_EQ(bar->GetLinkPoints()->Count(), 2) << "a bar that is no number has its ends only";
}

TEST_F(Uml, ALifelineKeepsTheUsersPenAfterReloading) {
  TDocumentFixture one;
  auto* mine = Create<TUMLObjectLifelineBlock>(one.Form);
  mine->SetName("Mine");
  mine->SetDiagram(one.Diagram);
  EXPECT_FALSE(mine->GetPenChanged());
  mine->GetPen()->SetColor(0x0000FF);
  EXPECT_TRUE(mine->GetPenChanged()) << "a pen the user chose is drawn as it is";
  auto* plain = Create<TUMLObjectLifelineBlock>(one.Form);
  plain->SetName("Plain");
  plain->SetBoundsRect(TSquare{200, 0, 280, 40});
  plain->SetDiagram(one.Diagram);
  const QString text = SaveText(one.Diagram);
  TDocumentFixture other;
  LoadText(other.Diagram, text);
  ASSERT_EQ(other.Diagram->BlockCount(), 2);
  EXPECT_TRUE(static_cast<TUMLObjectLifelineBlock*>(other.Diagram->GetBlocks(0))->GetPenChanged());
  EXPECT_FALSE(static_cast<TUMLObjectLifelineBlock*>(other.Diagram->GetBlocks(1))->GetPenChanged());

  // A document written without the flag: a pen unlike the class's own is the user's.
  QString old = text;
  old.remove(QRegularExpression("\\n\\s*PenChanged = True"));
  ASSERT_NE(old, text);
  TDocumentFixture third;
  LoadText(third.Diagram, old);
  ASSERT_EQ(third.Diagram->BlockCount(), 2);
  EXPECT_TRUE(static_cast<TUMLObjectLifelineBlock*>(third.Diagram->GetBlocks(0))->GetPenChanged());
  EXPECT_FALSE(static_cast<TUMLObjectLifelineBlock*>(third.Diagram->GetBlocks(1))->GetPenChanged());
}

TEST_F(Uml, ALifelineIsDrawnDashedUnlessTheUserChoseAPen) {
  Diagram->SetGraphicLib(dglGDI);
  auto* life = Make<TUMLObjectLifelineBlock>(TSquare{100, 20, 180, 60});
  life->SetLifeLineLength(200);
  auto gaps = [&] {
    const QImage image = PaintPass(Diagram, 300, 300);
    int white = 0;
    for (int y = 70; y < 250; ++y)
      if (Near(image.pixel(140, y), 255, 255, 255, 30)) ++white;
    return white;
  };
  EXPECT_GT(gaps(), 20) << "dashed";
  life->GetPen()->SetColor(clBlack);
  life->SetPenChanged(true);
  EXPECT_EQ(gaps(), 0) << "solid";
}

// ---- Activation ----

TEST_F(Uml, ANewActivationIsUprightAndMovesOnlyAlongItself) {
  auto* bar = static_cast<TUMLActivationLine*>(CreateById(Form, "TUMLActivationLine"));
  ExpectNear(bar->GetSourceHandle()->GetOrPoint(), {0, 0}, "first end");
  ExpectNear(bar->GetTargetHandle()->GetOrPoint(), {0, 200}, "last end");
  ASSERT_EQ(bar->GetLinkPoints()->Count(), 2 + 10);
  ExpectNear(LinkAt(bar, 2), {0, 20}, "first point along");
  ExpectNear(LinkAt(bar, 11), {0, 200}, "last point along");
  EXPECT_EQ(bar->BarRect(), (TSquare{-7, 0, 7, 200}));

  PlaceLine(bar, Diagram, TDot{100, 50}, TDot{160, 250});
  ExpectNear(bar->GetTargetHandle()->GetOrPoint(), {100, 250}, "inserted upright");
  THandleMoveInfo info;
  info.AHandle = bar->GetTargetHandle();
  info.Action = haMoved;
  info.Delta = TDot{30, -100};
  bar->UpdateHandleMove(info);
  ExpectNear(bar->GetTargetHandle()->GetOrPoint(), {100, 150}, "moved along the bar only");
  EXPECT_EQ(bar->GetLinkPoints()->Count(), 2 + 5);
}

// ---- Final state ----

TEST_F(Uml, TheFinalStateIsADiscInsideARingInEveryLibrary) {
  TDirect2DOn direct2D;
  auto* fin = Make<TUMLFinalStateBlock>(TSquare{20, 20, 180, 180});
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus, dglDirect2D}) {
    Diagram->SetGraphicLib(lib);
    const QImage image = PaintPass(Diagram, 200, 200);
    // Centre (100, 100); the disc reaches 64 units out, the ring lies at 80.
    EXPECT_TRUE(Near(image.pixel(100, 100), 0, 0, 0, 40)) << "disc, library " << lib;
    EXPECT_TRUE(Near(image.pixel(100 + 72, 100), 255, 255, 255, 40)) << "gap, library " << lib;
    EXPECT_TRUE(Near(image.pixel(100 + 80, 100), 0, 0, 0, 90)) << "ring, library " << lib;
  }
  EXPECT_EQ(Diagram->DControlAtPos(TDot{172, 100}), fin) << "the ring's inside takes hits";
}

// ---- Associations ----

TEST_F(Uml, AssociationsNameTheirEnds) {
  auto* a = static_cast<TUMLAssociation*>(CreateById(Form, "TUMLAssociation"));
  EXPECT_EQ(a->GetTextCellsMode(), tmSpecific);
  EXPECT_EQ(a->GetLineStyle(), lsSideLine);
  EXPECT_EQ(a->GetSourceEndName(), "End1");
  EXPECT_EQ(a->GetTargetEndName(), "End2");
  EXPECT_EQ(a->GetSourceMultiplicity(), "*");
  EXPECT_EQ(a->GetTargetMultiplicity(), "*");
  a->SetTargetMultiplicity("0..1");
  EXPECT_EQ(a->GetAltTargetTextCell()->GetText(), "0..1");

  auto* c = static_cast<TUMLComposition*>(CreateById(Form, "TUMLComposition"));
  EXPECT_EQ(c->GetSourceArrow()->GetShape(), asAngledDiamond);
  EXPECT_EQ(c->GetSourceArrow()->GetWidth(), 10);
  EXPECT_EQ(c->GetSourceArrow()->GetHeight(), 15);
  EXPECT_EQ(c->GetSourceEndName(), QString());

  auto* link = static_cast<TUMLClassLink*>(CreateById(Form, "TUMLClassLink"));
  EXPECT_EQ(link->GetSourceEndName(), "End1");
  EXPECT_EQ(link->GetTargetMultiplicity(), QString());
}

}  // namespace

TEST_F(Uml, AMessageHeldPastAShortenedLifelineStaysAnchoredAfterReloading) {
  TDocumentFixture one;
  auto* life = Create<TUMLObjectLifelineBlock>(one.Form);
  life->SetName("Life");
  life->SetBoundsRect(TSquare{100, 50, 180, 90});
  life->SetDiagram(one.Diagram);
  auto* message = GenericLine("TUMLGenericLine_msg", one.Diagram);
  message->SetName("Msg");
  message->GetTargetLinkPoint()->SetAnchorLink(life->GetLinkPoints()->GetItems(4));
  life->SetLifeLineLength(30);
  const QString text = SaveText(one.Diagram);
  TDocumentFixture other;
  LoadText(other.Diagram, text);
  auto* read = dynamic_cast<TCustomDiagramLine*>(other.Diagram->GetLinks(0));
  auto* readLife = static_cast<TUMLObjectLifelineBlock*>(other.Diagram->GetBlocks(0));
  ASSERT_EQ(readLife->GetLinkPoints()->Count(), 5);
  EXPECT_EQ(read->GetTargetLinkPoint()->GetAnchorLink(), readLife->GetLinkPoints()->GetItems(4));
  EXPECT_FALSE(readLife->GetLinkPoints()->GetItems(4)->GetVisible());
  EXPECT_EQ(SaveText(other.Diagram), text);
  // Once the message lets go, the point goes with the next change of length.
  read->GetTargetLinkPoint()->SetAnchorLink(nullptr);
  readLife->SetLifeLineLength(40);
  EXPECT_EQ(readLife->GetLinkPoints()->Count(), 4);
}

TEST_F(Uml, APastedOrRestoredLineKeepsTheUsersLook) {
  auto* trace = GenericLine("TUMLGenericLine_trace");
  trace->SetName("Trace1");
  trace->GetPen()->SetStyle(psDot);
  trace->GetTargetArrow()->SetShape(asEllipse);
  Diagram->SelectAll();
  Diagram->CopyToClipboard();
  Diagram->PasteFromClipboard();
  ASSERT_EQ(Diagram->LinkCount(), 2);
  auto* pasted = dynamic_cast<TUMLGenericLine*>(Diagram->GetLinks(1));
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->GetLineType(), ultTrace);
  EXPECT_EQ(pasted->GetPen()->GetStyle(), psDot);
  EXPECT_EQ(pasted->GetTargetArrow()->GetShape(), asEllipse);
  // Undone and redone: the lines come back from a snapshot.
  Diagram->Undo();
  Diagram->Redo();
  ASSERT_EQ(Diagram->LinkCount(), 2);
  auto* restored = dynamic_cast<TUMLGenericLine*>(Diagram->GetLinks(1));
  ASSERT_NE(restored, nullptr);
  EXPECT_EQ(restored->GetPen()->GetStyle(), psDot);
  EXPECT_EQ(restored->GetLineType(), ultTrace);
}
