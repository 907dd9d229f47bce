#pragma once
// Every class of the block sets as test data, and a diagram with the sets registered.
#include <QString>
#include <cmath>
#include <vector>

#include "../diagram/interaction/MouseFixture.h"
#include "blocks/BlockSets.h"
#include "blocks/arrows/ArrowBlocks.h"
#include "blocks/dataflow/DataFlowBlocks.h"
#include "blocks/electric/ElectricBlocks.h"
#include "blocks/flowchart/FlowchartBlocks.h"
#include "diagram/model/RegDControls.h"

namespace tarnwick::test {

struct TBlockSetClass {
  const char* Id;
  const char* Caption;
  const char* Category;
  // A point inside the outline and, where the outline leaves part of the bounds empty,
  // one outside it; percent of the original rectangle.
  TDot Inside;
  TDot Outside;
  // The block shows its fill colour; a stroked symbol shows only its pen.
  bool Filled = true;
};

inline bool HasOutside(const TBlockSetClass& C) { return !std::isnan(C.Outside.X); }

inline const std::vector<TBlockSetClass>& BlockSetClasses() {
  const double none = std::nan("");
  static const std::vector<TBlockSetClass> classes{
      {"TFlowDecisionBlock", "Decision", "Flowchart", {50, 50}, {5, 5}},
      {"TFlowActionBlock", "Action", "Flowchart", {50, 50}, {none, none}},
      {"TFlowTerminalBlock", "Terminal", "Flowchart", {50, 50}, {1, 2}},
      {"TFlowDataBlock", "Data", "Flowchart", {50, 50}, {1, 2}},
      {"TFlowDocumentBlock", "Document", "Flowchart", {50, 50}, {2, 99}},
      {"TFlowInputBlock", "Input", "Flowchart", {50, 50}, {2, 2}},
      {"TFlowCommentBlock", "Comment", "Flowchart", {50, 50}, {99, 2}},
      {"TFlowListBlock", "List", "Flowchart", {50, 50}, {none, none}},
      {"TDatabaseBlock", "Database", "Flowchart", {50, 50}, {1, 1}},
      {"TResistorBlock", "Resistor", "Electric", {50, 50}, {none, none}, false},
      {"TCapacitorBlock", "Capacitor", "Electric", {50, 50}, {none, none}, false},
      {"TDiodeBlock", "Diode", "Electric", {50, 50}, {none, none}, false},
      {"TLampBlock", "Lamp", "Electric", {50, 50}, {none, none}, false},
      {"TStandardArrowBlock", "Standard Arrow", "Arrows", {50, 50}, {2, 2}},
      {"TDoubleArrowBlock", "Double Arrow", "Arrows", {50, 50}, {2, 2}},
      {"TQuadArrowBlock", "Quad Arrow", "Arrows", {50, 50}, {2, 2}},
      {"TTripleArrowBlock", "Triple Arrow", "Arrows", {50, 50}, {2, 2}},
      {"TChevronArrowBlock", "Chevron Arrow", "Arrows", {50, 50}, {3, 50}},
      {"TBlockSingleArrowBlock", "BlockSingle Arrow", "Arrows", {50, 50}, {98, 2}},
      {"TBlockDoubleArrowBlock", "BlockDouble Arrow", "Arrows", {50, 50}, {2, 2}},
      {"TCornerSingleArrowBlock", "CornerSingle Arrow", "Arrows", {20, 80}, {98, 98}},
      {"TCornerDoubleArrowBlock", "CornerDouble Arrow", "Arrows", {20, 45}, {98, 98}},
      {"TZenerDiodeBlock", "Zener Diode", "Electric", {50, 50}, {none, none}, false},
      {"TComparatorBlock", "Comparator", "Electric", {50, 50}, {none, none}, false},
      {"TInductorBlock", "Inductor", "Electric", {50, 50}, {none, none}, false},
      {"TNonLinearInductorBlock", "Non-linear Inductor", "Electric", {50, 50}, {none, none}, false},
      {"TGroundBlock", "Ground", "Electric", {50, 50}, {none, none}, false},
      {"TNPNTransistorBlock", "NPN Transistor", "Electric", {50, 50}, {none, none}, false},
      {"TPNPTransistorBlock", "PNP Transistor", "Electric", {50, 50}, {none, none}, false},
      {"TPTIGBTBlock", "PTIGBT", "Electric", {50, 50}, {none, none}, false},
      {"TNPTIGBTBlock", "NPTIGBT", "Electric", {50, 50}, {none, none}, false},
      {"TPinBlock", "PIN", "Electric", {50, 50}, {none, none}, false},
      {"TThyristorBlock", "Thyristor", "Electric", {50, 50}, {none, none}, false},
      {"TMosfetBlock", "Mosfet", "Electric", {50, 50}, {none, none}, false},
      {"TSwitchBlock", "Switch", "Electric", {50, 50}, {none, none}, false},
      {"TDuoCoilXFormBlock", "DuoCoilXForm", "Electric", {50, 50}, {none, none}, false},
      {"TTriCoilXFormBlock", "TriCoilXForm", "Electric", {50, 50}, {none, none}, false},
      {"TDCVoltageSourceBlock", "DC Voltage Source", "Electric", {50, 50}, {none, none}, false},
      {"TDCCurrentSourceBlock", "DC Current Source", "Electric", {50, 50}, {none, none}, false},
      // The rounded corners of a process are outside it; a data store's open side is not.
      {"TDFDProcessBlock", "Process", "Data Flow", {50, 50}, {1, 1}},
      {"TDFDInterfaceBlock", "Interface", "Data Flow", {50, 50}, {none, none}},
      {"TDFDDataStoreBlock", "Data Store", "Data Flow", {50, 50}, {none, none}, false},
  };
  return classes;
}

// A diagram that is never shown, for documents: a shown diagram sizes its rulers, which a
// document records.
struct TDocumentFixture : TBlockFixture {
  TDocumentFixture() { RegisterBlockSets(); }
};

// A shown diagram driven by mouse.
struct TBlockSetFixture : TMouseFixture {
  TBlockSetFixture() { RegisterBlockSets(); }

  // A block of the class registered as AId, owned by the form and on the diagram.
  TCustomDiagramBlock* NewById(const QString& AId, const TSquare& ABounds, double AAngle = 0) {
    const TRegDControl* entry = RegisteredDControls().FindByID(AId);
    if (!entry) return nullptr;
    auto* b = dynamic_cast<TCustomDiagramBlock*>(entry->GetDControlClass()->CreateInstance(Form));
    if (!b) return nullptr;
    b->SetBoundsRect(ABounds);
    b->SetAngle(AAngle);
    b->SetDiagram(Diagram);
    return b;
  }

  // An original-rectangle point of B in diagram units, turned with the block.
  static TDot OnBlock(TCustomDiagramBlock* B, TDot P) {
    TBlockDrawer d;
    d.SetOriginalRect(B->GetOriginalRect());
    d.SetCurRect(B->GetBoundsRect());
    d.SetAngle(B->GetAngle());
    d.SetRotationType(rtCurRectCenter);
    return d.RotX(d.PP(P));
  }
};

// The original rectangle's point at percent (PX, PY) of its width and height.
inline TDot Percent(TCustomDiagramBlock* B, TDot P) {
  const TSquare o = B->GetOriginalRect();
  return TDot{o.Left + (o.Right - o.Left) * P.X / 100, o.Top + (o.Bottom - o.Top) * P.Y / 100};
}

}  // namespace tarnwick::test
