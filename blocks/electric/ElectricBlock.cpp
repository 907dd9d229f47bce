// The common part of the electric symbols: the text placement, the terminals, the kept
// engine path and painting; the lamp; and the registration of both sets.
#include "blocks/electric/ElectricBlocks.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/Properties.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

namespace {
constexpr TSquare BaseSource{0, 0, 80, 40};
constexpr TSquare LampSource{0, 0, 40, 40};

// The symbols place their terminals themselves; a document keeps none of them.
TPropInfo ClassLinkPoints() {
  using B = TCustomDiagramBlock;
  return ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                    static_cast<TLinkPoints* (B::*)() const>(&TDiagramControl::GetLinkPoints), &B::SetLinkPoints)
      .NotStored();
}

void PutLinkPoints(TCustomDiagramBlock& B, std::span<const TSymbolLinkPoint> APoints) {
  TLinkPoints* points = B.GetLinkPoints();
  points->BeginUpdate();
  points->Clear();
  for (const TSymbolLinkPoint& p : APoints) points->Add(p.At.X, p.At.Y, p.Orientation);
  points->EndUpdate();
}
}  // namespace

const TEnumTypeInfo& BlockTextAlignType() {
  static const TEnumTypeInfo t("TBlockTextAlign", {"taLeftTop", "taRightBottom"});
  return t;
}

// ---- TElectricBlock ----

const TClassInfo& TElectricBlock::StaticClassInfo() {
  using E = TElectricBlock;
  // TextAlign has no default: it is always written.
  static const TClassInfo info(
      "TElectricBlock", &TCustomDiagramBlock::StaticClassInfo(),
      {ClassLinkPoints(), EnumProp("TextAlign", BlockTextAlignType(), &E::GetTextAlign, &E::SetTextAlign)});
  return info;
}

TElectricBlock::TElectricBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  SetShape(bsNoShape);
  SetOriginalRect(BaseSource);
  DefaultTextCell()->SetBounds(0, 40, 80, 40);
  UpdateBlockHandles();
  static constexpr std::array<TSymbolLinkPoint, 2> ends{{{aoLeft, {0, 20}}, {aoRight, {80, 20}}}};
  PutLinkPoints(*this, ends);
  SetMinWidth(20);
  SetMinHeight(20);
  SetWidth(60);
  SetHeight(20);
  SetRotateFont(false);
  SetClipText(false);
}

void TElectricBlock::Layout(const TSymbolLayout& ALayout) {
  SetOriginalRect(ALayout.Source);
  UpdateBlockHandles();
  SetWidth(ALayout.Width);
  SetHeight(ALayout.Height);
  PutLinkPoints(*this, ALayout.LinkPoints);
}

void TElectricBlock::SetTextAlign(TBlockTextAlign Value) {
  if (FTextAlign == Value) return;
  FTextAlign = Value;
  // A document holds the text cells before the alignment: the cell read from it may have
  // been moved since the alignment was set, and is kept as it was written.
  if (GetComponentState().Contains(csLoading)) return;
  const TSquare s = GetOriginalRect();
  const double w = s.Right - s.Left, h = s.Bottom - s.Top;
  DefaultTextCell()->SetBounds(0, Value == taLeftTop ? -h : h, w, h);
  Redraw();
}

void TElectricBlock::AddFigures(TSymbolSink&) const {}

void TElectricBlock::DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  auto figures = [this](TSymbolSink& S) { AddFigures(S); };
  if (TDgrBlockDrawer* engine = AInfo.DgrDrawer) {
    PaintSymbol(*this, AInfo, FPath.For(*engine, EffectiveGraphicLib()), figures);
    return;
  }
  FPath.Drop();
  // The block's pictures, pattern and gradient go under the strokes, so a gradient does
  // not hide the symbol.
  if (PaintsBodyOnCanvas()) TCustomDiagramBlock::DrawBlock(AInfo, ABlockInfo);
  PaintSymbol(*this, AInfo, nullptr, figures);
}

// ---- TLampBlock ----

const TClassInfo& TLampBlock::StaticClassInfo() {
  static const TClassInfo info("TLampBlock", &TCustomDiagramBlock::StaticClassInfo(), {ClassLinkPoints()},
                               [](TComponent* owner) { return Create<TLampBlock>(owner); });
  return info;
}

TLampBlock::TLampBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  SetShape(bsNoShape);
  SetOriginalRect(LampSource);
  UpdateBlockHandles();
  static constexpr std::array<TSymbolLinkPoint, 2> ends{{{aoLeft, {0, 20}}, {aoRight, {40, 20}}}};
  PutLinkPoints(*this, ends);
  SetMinWidth(20);
  SetMinHeight(20);
  SetWidth(30);
  SetHeight(30);
}

void TLampBlock::DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo&) {
  PaintSymbol(*this, AInfo, GetTempPath(), [](TSymbolSink& S) {
    S.Figure({{0, 20}, {5, 20}});
    if (S.Legacy()) {
      S.Circle(TSquare{5, 5, 35, 35});
      S.Figure({{9, 9}, {31, 31}});
      S.Figure({{31, 9}, {9, 31}});
    } else {
      // One figure of three arcs: the chords joining them are the two strokes of the cross.
      S.NewFigure();
      const TSquare box{5, 5, 35, 35};
      S.Arc(box, 180, 315);
      S.Arc(box, 315, -270);
      S.Arc(box, 225, 135);
    }
    S.Figure({{35, 20}, {40, 20}});
  });
}

// ---- Registration ----

void RegisterElectricBlocks() {
  const QString category = QStringLiteral("Electric");
  RegisterDControl<TResistorBlock>(QString(), QStringLiteral("Resistor"), category);
  RegisterDControl<TCapacitorBlock>(QString(), QStringLiteral("Capacitor"), category);
  RegisterDControl<TDiodeBlock>(QString(), QStringLiteral("Diode"), category);
  RegisterDControl<TLampBlock>(QString(), QStringLiteral("Lamp"), category);
}

void RegisterElectricBlocks2() {
  const QString category = QStringLiteral("Electric");
  RegisterDControl<TZenerDiodeBlock>(QString(), QStringLiteral("Zener Diode"), category);
  RegisterDControl<TComparatorBlock>(QString(), QStringLiteral("Comparator"), category);
  RegisterDControl<TInductorBlock>(QString(), QStringLiteral("Inductor"), category);
  RegisterDControl<TNonLinearInductorBlock>(QString(), QStringLiteral("Non-linear Inductor"), category);
  RegisterDControl<TGroundBlock>(QString(), QStringLiteral("Ground"), category);
  RegisterDControl<TNPNTransistorBlock>(QString(), QStringLiteral("NPN Transistor"), category);
  RegisterDControl<TPNPTransistorBlock>(QString(), QStringLiteral("PNP Transistor"), category);
  RegisterDControl<TPTIGBTBlock>(QString(), QStringLiteral("PTIGBT"), category);
  RegisterDControl<TNPTIGBTBlock>(QString(), QStringLiteral("NPTIGBT"), category);
  RegisterDControl<TPinBlock>(QString(), QStringLiteral("PIN"), category);
  RegisterDControl<TThyristorBlock>(QString(), QStringLiteral("Thyristor"), category);
  RegisterDControl<TMosfetBlock>(QString(), QStringLiteral("Mosfet"), category);
  RegisterDControl<TSwitchBlock>(QString(), QStringLiteral("Switch"), category);
  RegisterDControl<TDuoCoilXFormBlock>(QString(), QStringLiteral("DuoCoilXForm"), category);
  RegisterDControl<TTriCoilXFormBlock>(QString(), QStringLiteral("TriCoilXForm"), category);
  RegisterDControl<TDCVoltageSourceBlock>(QString(), QStringLiteral("DC Voltage Source"), category);
  RegisterDControl<TDCCurrentSourceBlock>(QString(), QStringLiteral("DC Current Source"), category);
}

}  // namespace tarnwick
