// The generic UML line: one class whose look is chosen by its line type, and whose type a
// placed line learns from the palette entry it was inserted from.
#include <array>

#include "blocks/uml/UmlLines.h"
#include "diagram/model/TextCells.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Properties.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

// What a line type sets, as data. A size of 0 keeps the arrow's default size.
struct TUMLLineLook {
  TArrowShape SourceShape;
  bool SourceHollow;  // a solid white head, the generalisation triangle
  int SourceWidth, SourceHeight;
  TArrowShape TargetShape;
  int TargetWidth, TargetHeight;
  bool Dashed;
  bool SelDashed;
  bool SingleText;  // text cells mode tmSingle; else unchanged
  bool SideLine;    // line style lsSideLine; else unchanged
  const char16_t* Text;
};

// Indexed by TUMLLineType.
constexpr std::array<TUMLLineLook, 15> Looks{{
    {asSolidArrow, true, 15, 11, asNone, 0, 0, false, false, true, false, u"\u00ABextends\u00BB"},  // ultExtends
    {asSolidArrow, true, 15, 11, asNone, 0, 0, false, false, true, false, u"\u00ABuses\u00BB"},     // ultUses
    {asNone, false, 0, 0, asNone, 0, 0, false, false, false, false, u""},                           // ultCommunicates
    {asNone, false, 0, 0, asLineArrow, 15, 11, false, false, true, false, u""},                     // ultControlFlow
    {asNone, false, 0, 0, asLineArrow, 15, 11, true, true, true, false, u""},                       // ultObjectFlow
    {asNone, false, 0, 0, asLineArrow, 0, 0, false, false, true, false, u""},                       // ultMessage
    {asNone, false, 0, 0, asSolidArrow, 0, 0, false, false, true, false, u""},                      // ultMessageCall
    {asNone, false, 0, 0, asLineArrow, 0, 0, true, true, true, false, u""},                         // ultMessageReturn
    {asNone, false, 0, 0, asHalfLine, 0, 0, false, false, true, false, u""},                        // ultMessageAsync
    {asSolidArrow, true, 15, 11, asNone, 0, 0, false, false, true, false, u""},                     // ultGeneralize
    {asNone, false, 0, 0, asLineArrow, 15, 11, true, false, true, true, u""},                       // ultDependency
    {asNone, false, 0, 0, asLineArrow, 15, 11, true, false, true, true, u"\u00ABbind\u00BB"},       // ultBinding
    {asNone, false, 0, 0, asLineArrow, 15, 11, true, false, true, true, u"\u00ABtraces\u00BB"},     // ultTrace
    {asNone, false, 0, 0, asLineArrow, 15, 11, true, false, true, true, u"\u00ABrefines\u00BB"},    // ultRefinement
    {asNone, false, 0, 0, asLineArrow, 15, 11, true, false, true, true, u"\u00ABuses\u00BB"},       // ultUsage
}};

struct TUMLLineId {
  const char* Id;
  TUMLLineType Type;
};

// The identifiers the palette registers the line under. Only these name a type: a library
// item or a program's own entry whose name happens to contain one keeps the line as made.
constexpr std::array<TUMLLineId, 16> LineIds{{{"TUMLGenericLine_extends", ultExtends},
                                              {"TUMLGenericLine_uses", ultUses},
                                              {"TUMLGenericLine_comm", ultCommunicates},
                                              {"TUMLGenericLine_object", ultObjectFlow},
                                              {"TUMLGenericLine_control", ultControlFlow},
                                              {"TUMLGenericLine_msg", ultMessage},
                                              {"TUMLGenericLine_msgcall", ultMessageCall},
                                              {"TUMLGenericLine_msgreturn", ultMessageReturn},
                                              {"TUMLGenericLine_msgasync", ultMessageAsync},
                                              {"TUMLGenericLine_generalize", ultGeneralize},
                                              {"TUMLGenericLine_dependency", ultDependency},
                                              {"TUMLGenericLine_binding", ultBinding},
                                              {"TUMLGenericLine_trace", ultTrace},
                                              {"TUMLGenericLine_refinement", ultRefinement},
                                              {"TUMLGenericLine_usage", ultUsage},
                                              {"TUMLGenericLine_dependencycomp", ultDependency}}};

// Identifiers compare as the control registry compares them: ASCII letters ignore case.
bool SameId(const QString& A, const char* B) {
  const QString b = QString::fromLatin1(B);
  if (A.size() != b.size()) return false;
  for (qsizetype i = 0; i < A.size(); ++i) {
    char16_t x = A[i].unicode(), y = b[i].unicode();
    if (x >= 'A' && x <= 'Z') x = char16_t(x + 32);
    if (y >= 'A' && y <= 'Z') y = char16_t(y + 32);
    if (x != y) return false;
  }
  return true;
}

void StyleArrow(TLineArrow* AArrow, TArrowShape AShape, int AWidth, int AHeight, bool AHollow) {
  AArrow->RestoreDefaults();
  if (AShape == asNone) return;
  AArrow->SetShape(AShape);
  if (AWidth > 0) AArrow->SetWidth(AWidth);
  if (AHeight > 0) AArrow->SetHeight(AHeight);
  if (AHollow) {
    AArrow->GetBrush()->SetColor(clWhite);
    AArrow->GetBrush()->SetStyle(bsSolid);
  }
}

bool Loading(const TComponent* AComponent) {
  return AComponent->GetComponentState().Contains(csLoading) || AComponent->GetComponentState().Contains(csReading);
}

}  // namespace

const TEnumTypeInfo& UMLLineTypeType() {
  static const TEnumTypeInfo t(
      "TUMLLineType", {"ultExtends", "ultUses", "ultCommunicates", "ultControlFlow", "ultObjectFlow", "ultMessage",
                       "ultMessageCall", "ultMessageReturn", "ultMessageAsync", "ultGeneralize", "ultDependency",
                       "ultBinding", "ultTrace", "ultRefinement", "ultUsage"});
  return t;
}

bool UMLLineTypeFromId(const QString& AId, TUMLLineType& AType) {
  for (const TUMLLineId& id : LineIds)
    if (SameId(AId, id.Id)) {
      AType = id.Type;
      return true;
    }
  return false;
}

const TClassInfo& TUMLLine::StaticClassInfo() {
  static const TClassInfo info("TUMLLine", &TDiagramLine::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TUMLGenericLine::StaticClassInfo() {
  using G = TUMLGenericLine;
  // The arrows, pens and texts a type sets are stored as the line's own; the type itself
  // comes back from the line's identifier.
  static const TClassInfo info("TUMLGenericLine", &TUMLLine::StaticClassInfo(),
                               {EnumProp("LineType", UMLLineTypeType(), &G::GetLineType, &G::SetLineType).NotStored()},
                               [](TComponent* owner) { return Create<TUMLGenericLine>(owner); });
  return info;
}

TUMLGenericLine::TUMLGenericLine(TComponent* AOwner) : TUMLLine(AOwner) { ApplyLineType(); }

void TUMLGenericLine::SetLineType(TUMLLineType Value) {
  if (Value == FLineType) return;
  FLineType = Value;
  ApplyLineType();
}

void TUMLGenericLine::ApplyLineType() {
  TdvDiagram* diagram = GetDiagram();
  if (diagram) diagram->BeginUpdate();
  const TScopeExit endUpdate([diagram] {
    if (diagram) diagram->EndUpdate();
  });
  const TUMLLineLook& look = Looks[static_cast<size_t>(FLineType)];
  StyleArrow(GetSourceArrow(), look.SourceShape, look.SourceWidth, look.SourceHeight, look.SourceHollow);
  StyleArrow(GetTargetArrow(), look.TargetShape, look.TargetWidth, look.TargetHeight, false);
  GetPen()->SetStyle(look.Dashed ? psDash : psSolid);
  GetSelPen()->SetStyle(look.SelDashed ? psDash : psSolid);
  if (look.SingleText) SetTextCellsMode(tmSingle);
  if (look.SideLine) SetLineStyle(lsSideLine);
  if (GetTextCells()->Count() > 0) GetTextCells()->GetItems(0)->SetText(QString::fromUtf16(look.Text));
}

void TUMLGenericLine::DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) {
  TUMLLine::DiagramChanged(AOld, ANew);
  // A line read from a document or a snapshot keeps the look stored for it.
  if (!ANew || Loading(this) || Loading(ANew)) return;
  TUMLLineType type;
  if (UMLLineTypeFromId(GetDControlID(), type)) SetLineType(type);
}

void TUMLGenericLine::Loaded() {
  TUMLLine::Loaded();
  // The type is not stored; the identifier tells it. The stored arrows, pens and texts
  // stay as they are: the user may have changed them.
  TUMLLineType type;
  if (UMLLineTypeFromId(GetDControlID(), type)) FLineType = type;
}

}  // namespace tarnwick
