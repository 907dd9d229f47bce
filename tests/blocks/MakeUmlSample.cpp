// Writes samples/uml.dgr: a use case diagram of a small web shop drawn with the UML
// blocks, its actors and use cases joined by UML lines anchored to their link points,
// with a note and a constraint.
//   tarnwick-make-uml-sample OUT.dgr

#include "SampleMaker.h"
#include "blocks/uml/UmlBlocks.h"
#include "blocks/uml/UmlLines.h"
#include "diagram/model/TextCells.h"
#include "diagram/view/Diagram.h"

using namespace tarnwick;

namespace {

// The block's link point facing that way; the first of them, or the AOrdinal-th.
TLinkPoint* Facing(TCustomDiagramBlock* B, TAnchorOrientation AWay, int AOrdinal = 0) {
  for (int i = 0; i < B->GetLinkPoints()->Count(); ++i)
    if (B->GetLinkPoints()->GetItems(i)->GetOrientation() == AWay && AOrdinal-- == 0)
      return B->GetLinkPoints()->GetItems(i);
  return nullptr;
}

template <class T>
T* Shape(TdvDiagram* D, const char* AName, const TSquare& R, const QString& AText, TColor AColor = clWhite) {
  auto* b = Create<T>(D->GetOwner());
  b->SetName(AName);
  b->SetBoundsRect(R);
  b->SetColor(AColor);
  if (!AText.isEmpty()) b->DefaultTextCell()->SetText(AText);
  b->SetDiagram(D);
  return b;
}

// A line of the palette entry AId, so that it takes that entry's look.
void Join(TdvDiagram* D, const char* AName, const char* AId, TLinkPoint* AFrom, TLinkPoint* ATo) {
  auto* l = Create<TUMLGenericLine>(D->GetOwner());
  l->SetName(AName);
  l->SetDControlID(QString::fromLatin1(AId));
  l->GetSourceLinkPoint()->SetAnchorLink(AFrom);
  l->GetTargetLinkPoint()->SetAnchorLink(ATo);
  l->SetDiagram(D);
}

}  // namespace

int main(int argc, char** argv) {
  return test::MakeSample(argc, argv, [](TdvDiagram* d) {
    const TColor useCase = 0xFFF0D8, note = 0xC0FFFF;

    auto* customer = Shape<TUMLActorBlock>(d, "Customer", {100, 120, 132, 208}, "Customer");
    auto* clerk = Shape<TUMLActorBlock>(d, "Clerk", {660, 250, 692, 338}, "Clerk");
    auto* browse = Shape<TUMLUseCaseBlock>(d, "Browse", {250, 80, 410, 140}, "Browse catalogue", useCase);
    auto* order = Shape<TUMLUseCaseBlock>(d, "PlaceOrder", {250, 190, 410, 250}, "Place order", useCase);
    auto* pay = Shape<TUMLUseCaseBlock>(d, "Pay", {250, 320, 410, 380}, "Pay", useCase);
    auto* voucher = Shape<TUMLUseCaseBlock>(d, "Voucher", {430, 360, 510, 400}, "Use voucher", useCase);
    auto* ship = Shape<TUMLUseCaseBlock>(d, "Ship", {470, 190, 570, 250}, "Ship", useCase);
    Shape<TUMLNoteBlock>(d, "Note", {560, 60, 700, 130}, "Orders over 50 ship free", note);
    Shape<TUMLConstraintBlock>(d, "Rule", {250, 420, 410, 460}, "{ paid before shipped }");

    Join(d, "Comm1", "TUMLGenericLine_comm", Facing(customer, aoRight), Facing(browse, aoLeft));
    Join(d, "Comm2", "TUMLGenericLine_comm", Facing(customer, aoRight), Facing(order, aoLeft));
    Join(d, "Comm3", "TUMLGenericLine_comm", Facing(clerk, aoLeft), Facing(ship, aoRight));
    Join(d, "Uses1", "TUMLGenericLine_uses", Facing(pay, aoUp, 1), Facing(order, aoDown, 1));
    // The extension points at the case it extends: the head stands at the line's source.
    Join(d, "Extends1", "TUMLGenericLine_extends", Facing(pay, aoRight), Facing(voucher, aoUp, 1));
    Join(d, "Uses2", "TUMLGenericLine_uses", Facing(ship, aoLeft), Facing(order, aoRight));
  });
}
