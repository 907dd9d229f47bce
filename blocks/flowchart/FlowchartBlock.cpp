// The flowchart base and the kinds whose outline is a polygon: decision, action, data and
// input. What differs between them is data (outline and link points); the registration of
// the whole set is here too.
#include <array>

#include "blocks/flowchart/FlowchartBlocks.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/Properties.h"

namespace tarnwick {

namespace {

constexpr TSquare PercentRect{0, 0, 100, 100};

constexpr std::array<TFlowLinkPoint, 4> SideMiddles{
    {{aoUp, {50, 0}}, {aoDown, {50, 100}}, {aoLeft, {0, 50}}, {aoRight, {100, 50}}}};

constexpr std::array<TDot, 4> DecisionOutline{{{50, 0}, {100, 50}, {50, 100}, {0, 50}}};
constexpr std::array<TDot, 4> ActionOutline{{{0, 0}, {100, 0}, {100, 100}, {0, 100}}};

// A parallelogram leaning right; each link point is the middle of a side.
constexpr std::array<TDot, 4> DataOutline{{{0, 100}, {16, 0}, {100, 0}, {84, 100}}};
constexpr std::array<TFlowLinkPoint, 4> DataLinkPoints{
    {{aoUp, {58, 0}}, {aoLeft, {8, 50}}, {aoRight, {92, 50}}, {aoDown, {42, 100}}}};

// A keyboard: the top edge slopes up to the right.
constexpr std::array<TDot, 4> InputOutline{{{0, 100}, {0, 30}, {100, 0}, {100, 100}}};
constexpr std::array<TFlowLinkPoint, 4> InputLinkPoints{
    {{aoUp, {50, 15}}, {aoLeft, {0, 65}}, {aoRight, {100, 50}}, {aoDown, {50, 100}}}};

const TFlowchartKind DecisionKind{DecisionOutline, SideMiddles};
const TFlowchartKind ActionKind{ActionOutline, SideMiddles};
const TFlowchartKind DataKind{DataOutline, DataLinkPoints};
const TFlowchartKind InputKind{InputOutline, InputLinkPoints};

template <class T>
TClassInfo FlowClassInfo(const char* AName, const TClassInfo& AParent) {
  return TClassInfo(AName, &AParent, {}, [](TComponent* owner) { return Create<T>(owner); });
}

}  // namespace

const TFlowchartKind StandardFlowchartKind{{}, SideMiddles};

const TClassInfo& TFlowchartBlock::StaticClassInfo() {
  using B = TCustomDiagramBlock;
  // The class places the link points, so a document keeps none of them.
  static const TClassInfo info(
      "TFlowchartBlock", &TCustomDiagramBlock::StaticClassInfo(),
      {ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                  static_cast<TLinkPoints* (B::*)() const>(&TDiagramControl::GetLinkPoints), &B::SetLinkPoints)
           .NotStored()});
  return info;
}

TFlowchartBlock::TFlowchartBlock(TComponent* AOwner, const TFlowchartKind& AKind)
    : TCustomDiagramBlock(AOwner), FKind(AKind) {
  SetOriginalRect(PercentRect);
  SetWidth(100);
  SetHeight(50);
  SetDefaultLinkPoints();
  SetShape(bsNoShape);
  SetAlignment(taCenter);
  SetVertAlign(vaCenter);
  SetShapeCursor(true);
}

void TFlowchartBlock::SetDefaultLinkPoints() {
  TLinkPoints* points = GetLinkPoints();
  points->BeginUpdate();
  points->Clear();
  for (const TFlowLinkPoint& p : FKind.LinkPoints) points->Add(p.At.X, p.At.Y, p.Orientation);
  points->EndUpdate();
}

void TFlowchartBlock::BuildOutline(TOutlineSink& AOutline) {
  if (!FKind.Outline.empty()) AOutline.Polygon(FKind.Outline);
}

#define TARNWICK_FLOW_CLASS(Class, Kind)                                                             \
  const TClassInfo& Class::StaticClassInfo() {                                                       \
    static const TClassInfo info = FlowClassInfo<Class>(#Class, TFlowchartBlock::StaticClassInfo()); \
    return info;                                                                                     \
  }                                                                                                  \
  Class::Class(TComponent* AOwner) : TFlowchartBlock(AOwner, Kind) {}

TARNWICK_FLOW_CLASS(TFlowDecisionBlock, DecisionKind)
TARNWICK_FLOW_CLASS(TFlowActionBlock, ActionKind)
TARNWICK_FLOW_CLASS(TFlowInputBlock, InputKind)

#undef TARNWICK_FLOW_CLASS

const TClassInfo& TFlowDataBlock::StaticClassInfo() {
  static const TClassInfo info = FlowClassInfo<TFlowDataBlock>("TFlowDataBlock", TFlowchartBlock::StaticClassInfo());
  return info;
}

TFlowDataBlock::TFlowDataBlock(TComponent* AOwner) : TFlowchartBlock(AOwner, DataKind) {
  // The text stays between the slanted sides.
  DefaultTextCell()->SetBounds(16, 0, 68, 100);
}

void RegisterFlowchartBlocks() {
  const QString category = QStringLiteral("Flowchart");
  RegisterDControl<TFlowDecisionBlock>(QString(), QStringLiteral("Decision"), category);
  RegisterDControl<TFlowActionBlock>(QString(), QStringLiteral("Action"), category);
  RegisterDControl<TFlowTerminalBlock>(QString(), QStringLiteral("Terminal"), category);
  RegisterDControl<TFlowDataBlock>(QString(), QStringLiteral("Data"), category);
  RegisterDControl<TFlowDocumentBlock>(QString(), QStringLiteral("Document"), category);
  RegisterDControl<TFlowInputBlock>(QString(), QStringLiteral("Input"), category);
  RegisterDControl<TFlowCommentBlock>(QString(), QStringLiteral("Comment"), category);
  RegisterDControl<TFlowListBlock>(QString(), QStringLiteral("List"), category);
  RegisterDControl<TDatabaseBlock>(QString(), QStringLiteral("Database"), category);
}

}  // namespace tarnwick
