// Writes samples/flowchart.dgr: an order-handling flowchart drawn with the flowchart
// symbols, its steps joined by side lines anchored to the symbols' link points.
//   tarnwick-make-flowchart-sample OUT.dgr

#include "SampleMaker.h"
#include "blocks/flowchart/FlowchartBlocks.h"
#include "diagram/lines/LineArrow.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/view/Diagram.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;

namespace {

// The symbol's link point facing that way (the symbols list theirs in different orders).
TLinkPoint* Facing(TCustomDiagramBlock* B, TAnchorOrientation AWay) {
  for (int i = 0; i < B->GetLinkPoints()->Count(); ++i)
    if (B->GetLinkPoints()->GetItems(i)->GetOrientation() == AWay) return B->GetLinkPoints()->GetItems(i);
  return nullptr;
}

template <class T>
T* Symbol(TdvDiagram* D, const char* AName, const TSquare& R, const QString& AText, TColor AColor) {
  auto* b = Create<T>(D->GetOwner());
  b->SetName(AName);
  b->SetBoundsRect(R);
  b->SetColor(AColor);
  b->DefaultTextCell()->SetText(AText);
  b->SetDiagram(D);
  return b;
}

TDiagramSideLine* Join(TdvDiagram* D, const char* AName, TCustomDiagramBlock* AFrom, TAnchorOrientation AFromPoint,
                       TCustomDiagramBlock* ATo, TAnchorOrientation AToPoint, const QString& AText = QString()) {
  auto* l = Create<TDiagramSideLine>(D->GetOwner());
  l->SetName(AName);
  l->GetSourceLinkPoint()->SetAnchorLink(Facing(AFrom, AFromPoint));
  l->GetTargetLinkPoint()->SetAnchorLink(Facing(ATo, AToPoint));
  l->GetTargetArrow()->SetShape(asSolidArrow);
  l->GetTargetArrow()->GetBrush()->SetColor(clBlack);
  if (!AText.isEmpty()) l->DefaultTextCell()->SetText(AText);
  l->SetDiagram(D);
  return l;
}

}  // namespace

int main(int argc, char** argv) {
  return test::MakeSample(argc, argv, [](TdvDiagram* d) {
    const TColor start = 0xC0FFC0, step = 0xFFF0D8, question = 0xC0E8FF, paper = 0xFFFFFF;

    auto* begin = Symbol<TFlowTerminalBlock>(d, "Start", {160, 20, 280, 60}, "Order received", start);
    auto* read = Symbol<TFlowInputBlock>(d, "ReadOrder", {150, 100, 290, 150}, "Enter order", step);
    auto* check = Symbol<TFlowDecisionBlock>(d, "InStock", {140, 190, 300, 270}, "In stock?", question);
    auto* stock = Symbol<TDatabaseBlock>(d, "Stock", {30, 195, 90, 265}, "Stock", paper);
    auto* ship = Symbol<TFlowActionBlock>(d, "Ship", {150, 320, 290, 370}, "Pack and ship", step);
    auto* invoice = Symbol<TFlowDocumentBlock>(d, "Invoice", {150, 410, 290, 470}, "Print invoice", paper);
    auto* notify = Symbol<TFlowDataBlock>(d, "Notify", {360, 205, 520, 255}, "Tell the customer", step);
    auto* done = Symbol<TFlowTerminalBlock>(d, "Done", {160, 520, 280, 560}, "Done", start);
    auto* note =
        Symbol<TFlowCommentBlock>(d, "Note", {360, 20, 520, 80}, "Orders come in by mail and by phone", 0x00FFFF);
    auto* carriers = Create<TFlowListBlock>(d->GetOwner());
    carriers->SetName("Carriers");
    carriers->SetBoundsRect({20, 320, 120, 440});
    carriers->SetCaption("Carriers");
    carriers->DefaultTextCell()->SetText("Post\nCourier\nFreight");
    carriers->SetDiagram(d);
    (void)note;

    Join(d, "Line1", begin, aoDown, read, aoUp);
    Join(d, "Line2", read, aoDown, check, aoUp);
    Join(d, "Line3", stock, aoRight, check, aoLeft);
    Join(d, "Line4", check, aoDown, ship, aoUp, "yes");
    Join(d, "Line5", check, aoRight, notify, aoLeft, "no");
    Join(d, "Line6", ship, aoDown, invoice, aoUp);
    Join(d, "Line7", invoice, aoDown, done, aoUp);
    Join(d, "Line8", notify, aoDown, done, aoRight);
  });
}
