// Writes samples/electric.dgr: a lamp circuit drawn with the electric symbols (a battery,
// a resistor, a switch, a lamp with a capacitor across it, and ground), its wires side lines
// anchored to the symbols' terminals.
//   tarnwick-make-electric-sample OUT.dgr

#include "SampleMaker.h"
#include "blocks/electric/ElectricBlocks.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/view/Diagram.h"

using namespace tarnwick;

namespace {

template <class T>
T* Symbol(TdvDiagram* D, const char* AName, const TSquare& R, const QString& AText, double AAngle = 0) {
  auto* b = Create<T>(D->GetOwner());
  b->SetName(AName);
  b->SetBoundsRect(R);
  b->SetAngle(AAngle);
  b->DefaultTextCell()->SetText(AText);
  b->SetDiagram(D);
  return b;
}

// A wire from terminal AFrom of one symbol to terminal ATo of another: a side line where
// it turns a corner, a straight line between terminals in line.
template <class TLine = TDiagramSideLine>
void Wire(TdvDiagram* D, const char* AName, TCustomDiagramBlock* A, int AFrom, TCustomDiagramBlock* B, int ATo) {
  auto* l = Create<TLine>(D->GetOwner());
  l->SetName(AName);
  l->GetSourceLinkPoint()->SetAnchorLink(A->GetLinkPoints()->GetItems(AFrom));
  l->GetTargetLinkPoint()->SetAnchorLink(B->GetLinkPoints()->GetItems(ATo));
  l->SetDiagram(D);
}

}  // namespace

int main(int argc, char** argv) {
  return test::MakeSample(argc, argv, [](TdvDiagram* d) {
    // Terminals: the source's are down (0) and up (1); two-ended symbols list left, right.
    auto* battery = Symbol<TDCVoltageSourceBlock>(d, "Battery", {60, 140, 100, 200}, "9 V");
    auto* resistor = Symbol<TResistorBlock>(d, "R1", {170, 60, 230, 80}, "R1 470");
    auto* button = Symbol<TSwitchBlock>(d, "S1", {300, 50, 340, 90}, "S1");
    auto* lamp = Symbol<TLampBlock>(d, "L1", {430, 35, 460, 65}, "");
    auto* capacitor = Symbol<TCapacitorBlock>(d, "C1", {360, 140, 420, 160}, "C1 10u", 90);
    auto* ground = Symbol<TGroundBlock>(d, "Ground", {70, 250, 90, 290}, "");
    auto* lampGround = Symbol<TGroundBlock>(d, "Ground2", {540, 100, 560, 140}, "");
    auto* capacitorGround = Symbol<TGroundBlock>(d, "Ground3", {380, 230, 400, 270}, "");
    dynamic_cast<TElectricBlock*>(battery)->SetTextAlign(taLeftTop);

    Wire(d, "Wire1", battery, 1, resistor, 0);
    Wire(d, "Wire2", resistor, 1, button, 0);
    Wire<TDiagramLine>(d, "Wire3", button, 3, lamp, 0);
    Wire(d, "Wire4", button, 3, capacitor, 0);
    Wire(d, "Wire5", lamp, 1, lampGround, 0);
    Wire<TDiagramLine>(d, "Wire6", capacitor, 1, capacitorGround, 0);
    Wire<TDiagramLine>(d, "Wire7", battery, 0, ground, 0);
  });
}
