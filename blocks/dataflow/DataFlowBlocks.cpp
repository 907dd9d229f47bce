#include "blocks/dataflow/DataFlowBlocks.h"

#include <array>

#include "blocks/electric/SymbolPainter.h"
#include "diagram/lines/LineArrow.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/Properties.h"

namespace tarnwick {

namespace {
template <class T>
TClassInfo DFDClassInfo(const char* AName, const TClassInfo& AParent) {
  return TClassInfo(AName, &AParent, {}, [](TComponent* owner) { return Create<T>(owner); });
}
}  // namespace

// ---- Blocks ----

const TClassInfo& TDFDBlock::StaticClassInfo() {
  using B = TCustomDiagramBlock;
  static const TClassInfo info(
      "TDFDBlock", &TCustomDiagramBlock::StaticClassInfo(),
      {ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                  static_cast<TLinkPoints* (B::*)() const>(&TDiagramControl::GetLinkPoints), &B::SetLinkPoints)
           .NotStored()});
  return info;
}

TDFDBlock::TDFDBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  SetDefaultLinkPoints();
  SetAlignment(taCenter);
  SetVertAlign(vaCenter);
}

void TDFDBlock::SetDefaultLinkPoints() {
  const TSquare s = GetOriginalRect();
  const double mx = (s.Left + s.Right) / 2, my = (s.Top + s.Bottom) / 2;
  TLinkPoints* points = GetLinkPoints();
  points->BeginUpdate();
  points->Clear();
  points->Add(mx, s.Top, aoUp);
  points->Add(mx, s.Bottom, aoDown);
  points->Add(s.Left, my, aoLeft);
  points->Add(s.Right, my, aoRight);
  points->EndUpdate();
}

const TClassInfo& TDFDProcessBlock::StaticClassInfo() {
  static const TClassInfo info = DFDClassInfo<TDFDProcessBlock>("TDFDProcessBlock", TDFDBlock::StaticClassInfo());
  return info;
}

TDFDProcessBlock::TDFDProcessBlock(TComponent* AOwner) : TDFDBlock(AOwner) {
  SetShape(bsSquareRound);
  SetWidth(100);
  SetHeight(50);
}

const TClassInfo& TDFDInterfaceBlock::StaticClassInfo() {
  static const TClassInfo info = DFDClassInfo<TDFDInterfaceBlock>("TDFDInterfaceBlock", TDFDBlock::StaticClassInfo());
  return info;
}

TDFDInterfaceBlock::TDFDInterfaceBlock(TComponent* AOwner) : TDFDBlock(AOwner) {
  SetShape(bsRectangle);
  SetWidth(100);
  SetHeight(100);
}

const TClassInfo& TDFDDataStoreBlock::StaticClassInfo() {
  static const TClassInfo info = DFDClassInfo<TDFDDataStoreBlock>("TDFDDataStoreBlock", TDFDBlock::StaticClassInfo());
  return info;
}

TDFDDataStoreBlock::TDFDDataStoreBlock(TComponent* AOwner) : TDFDBlock(AOwner) {
  SetWidth(100);
  SetHeight(50);
  SetShape(bsNoShape);
}

void TDFDDataStoreBlock::DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo&) {
  const TSquare s = GetOriginalRect();
  PaintSymbol(*this, AInfo, GetTempPath(), [&s](TSymbolSink& S) {
    S.Figure({{s.Right, s.Top}, {s.Left, s.Top}});
    S.Lines({{s.Left, s.Bottom}, {s.Right, s.Bottom}});
  });
}

// ---- Lines ----

const TClassInfo& TDFDLine::StaticClassInfo() {
  static const TClassInfo info("TDFDLine", &TDiagramSideLine::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TDFDDataFlowLine::StaticClassInfo() {
  static const TClassInfo info = DFDClassInfo<TDFDDataFlowLine>("TDFDDataFlowLine", TDFDLine::StaticClassInfo());
  return info;
}

TDFDDataFlowLine::TDFDDataFlowLine(TComponent* AOwner) : TDFDLine(AOwner) { GetTargetArrow()->SetShape(asSolidArrow); }

// ---- Registration ----

void RegisterDataFlowBlocks() {
  const QString category = QStringLiteral("Data Flow");
  RegisterDControl<TDFDProcessBlock>(QString(), QStringLiteral("Process"), category);
  RegisterDControl<TDFDInterfaceBlock>(QString(), QStringLiteral("Interface"), category);
  RegisterDControl<TDFDDataStoreBlock>(QString(), QStringLiteral("Data Store"), category);
  RegisterDControl<TDFDDataFlowLine>(QString(), QStringLiteral("Data Flow"), category);
}

}  // namespace tarnwick
