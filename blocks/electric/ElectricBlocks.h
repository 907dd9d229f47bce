#pragma once
// The electric schematic symbols. A symbol has no outline of its own: it strokes fixed
// figures (and fills a few arrow heads and triangles) in the block's pen, scaled, turned
// and mirrored with the block, and its whole rectangle is what a click hits. Lines attach
// to link points at the terminals, which the class places, so a document stores none.
#include <span>

#include "blocks/electric/SymbolPainter.h"

namespace tarnwick {

class TEnumTypeInfo;

// Where the default text cell of a symbol lies: the band above or the band below it.
enum TBlockTextAlign { taLeftTop, taRightBottom };
const TEnumTypeInfo& BlockTextAlignType();

class TElectricBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TElectricBlock)

 public:
  explicit TElectricBlock(TComponent* AOwner);

  TBlockTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TBlockTextAlign Value);
  // The engine path kept for painting (null before the first engine paint and after a
  // legacy one), and the engine that made it.
  TDgrGraphicsPath* CachedPath() const { return FPath.Path(); }
  TDgrGraphicLib CachedPathLib() const { return FPath.Lib(); }

  // No outline: the whole rectangle is the block for hit tests and selection.
  void BuildOutline(TOutlineSink&) override {}
  void DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) override;

 protected:
  // Sets the class's source rectangle, size and terminals. The default text cell keeps the
  // bounds the base gave it until TextAlign changes.
  void Layout(const TSymbolLayout& ALayout);
  virtual void AddFigures(TSymbolSink& S) const;
  // Symbols that show the block's pictures, pattern and gradient on the integer canvas.
  virtual bool PaintsBodyOnCanvas() const { return false; }

 private:
  TBlockTextAlign FTextAlign = taRightBottom;
  TSymbolPathCache FPath;
};

// The lamp: a circle with a cross, not an electric block of the common kind (no text
// placement of its own).
class TLampBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TLampBlock)

 public:
  explicit TLampBlock(TComponent* AOwner);
  void BuildOutline(TOutlineSink&) override {}
  void DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) override;
};

#define TARNWICK_ELECTRIC_SYMBOL(Class)             \
  class Class : public TElectricBlock {             \
    TARNWICK_CLASS(Class)                           \
                                                    \
   public:                                          \
    explicit Class(TComponent* AOwner);             \
                                                    \
   protected:                                       \
    void AddFigures(TSymbolSink& S) const override; \
    bool PaintsBodyOnCanvas() const override;       \
  };

TARNWICK_ELECTRIC_SYMBOL(TResistorBlock)
TARNWICK_ELECTRIC_SYMBOL(TCapacitorBlock)
TARNWICK_ELECTRIC_SYMBOL(TDiodeBlock)
TARNWICK_ELECTRIC_SYMBOL(TZenerDiodeBlock)
TARNWICK_ELECTRIC_SYMBOL(TComparatorBlock)
TARNWICK_ELECTRIC_SYMBOL(TInductorBlock)
TARNWICK_ELECTRIC_SYMBOL(TNonLinearInductorBlock)
TARNWICK_ELECTRIC_SYMBOL(TGroundBlock)
TARNWICK_ELECTRIC_SYMBOL(TNPNTransistorBlock)
TARNWICK_ELECTRIC_SYMBOL(TPNPTransistorBlock)
TARNWICK_ELECTRIC_SYMBOL(TPTIGBTBlock)
TARNWICK_ELECTRIC_SYMBOL(TNPTIGBTBlock)
TARNWICK_ELECTRIC_SYMBOL(TPinBlock)
TARNWICK_ELECTRIC_SYMBOL(TThyristorBlock)
TARNWICK_ELECTRIC_SYMBOL(TMosfetBlock)
TARNWICK_ELECTRIC_SYMBOL(TSwitchBlock)
TARNWICK_ELECTRIC_SYMBOL(TDuoCoilXFormBlock)
TARNWICK_ELECTRIC_SYMBOL(TTriCoilXFormBlock)
TARNWICK_ELECTRIC_SYMBOL(TDCVoltageSourceBlock)
TARNWICK_ELECTRIC_SYMBOL(TDCCurrentSourceBlock)

#undef TARNWICK_ELECTRIC_SYMBOL

// Register the two electric sets in the control registry, category "Electric": the first
// (resistor, capacitor, diode, lamp) and the second (the rest).
void RegisterElectricBlocks();
void RegisterElectricBlocks2();

}  // namespace tarnwick
