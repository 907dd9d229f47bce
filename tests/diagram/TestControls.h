#pragma once
// Small concrete controls for exercising the diagram: a rectangle block with four link
// points and two handles, a straight line with a source and a target point, and a group.
// A diagram subclass counts window invalidations and can pretend another screen density.
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "diagram/view/Diagram.h"

namespace tarnwick::test {

class TTestBlock : public TDiagramControl {
  TARNWICK_CLASS(TTestBlock)

 public:
  explicit TTestBlock(TComponent* AOwner);

  TSquare Bounds{0, 0, 100, 100};
  // How far outside its rectangle PointInControl still accepts a point.
  int HitSlack = 0;
  std::vector<std::string> Log;

  void SetBounds(double L, double T, double R, double B) { Bounds = TSquare{L, T, R, B}; }
  void SetLeftTop(double L, double T);

  bool PointInControl(TPoint Pos) override;
  void MoveBy(double ADeltaX, double ADeltaY) override;
  TSquare ControlRect() override { return Bounds; }
  TDot GetHandlePoint(TStretchHandle* AHandle) override { return Map(AHandle->GetOrPoint()); }
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override { return Map(ALinkPoint->GetOrPoint()); }
  void DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) override;
  void SnapToGrid(double ASizeX, double ASizeY) override;

 protected:
  // The original rectangle (0, 0, 100, 100) mapped onto Bounds.
  TDot Map(TDot P) const;
};

class TTestLine : public TDiagramControl {
  TARNWICK_CLASS(TTestLine)

 public:
  explicit TTestLine(TComponent* AOwner);

  TDot P1{0, 0};
  TDot P2{100, 0};
  std::vector<std::string> Log;

  bool IsLine() const override { return true; }
  TLinkPoint* Source() const { return GetLinkPoints()->GetItems(0); }
  TLinkPoint* Target() const { return GetLinkPoints()->GetItems(1); }

  void AnchorLinkChanged(TLinkPoint*) override { Log.push_back("anchorlink"); }
  void LinkedAnchorChanged(TLinkPoint*, TAnchorChange AChange) override {
    Log.push_back(AChange == acPosition ? "position" : "removal");
  }
  bool PointInControl(TPoint Pos) override;
  void MoveBy(double ADeltaX, double ADeltaY) override;
  TSquare ControlRect() override;
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override;
  void DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) override;
};

class TTestGroup : public TTestBlock {
  TARNWICK_CLASS(TTestGroup)

 public:
  using TTestBlock::TTestBlock;
  void BeforeDestruction() override;

  bool IsGroup() const override { return true; }
  int GetMemberCount() const override { return static_cast<int>(FMembers.size()); }
  TDiagramControl* GetMember(int Index) const override { return FMembers.at(static_cast<size_t>(Index)); }
  void RemoveMember(TDiagramControl* AControl) override;
  void MoveMember(TDiagramControl* AMember, int ANewIndex) override;
  void AddMember(TDiagramControl* AControl);

 private:
  std::vector<TDiagramControl*> FMembers;
};

class TTestDiagram : public TdvDiagram {
 public:
  using TdvDiagram::TdvDiagram;
  int Invalidations = 0;
  int PPI = 96;
  // Pretends the window shows scroll bars of this thickness.
  int BarThickness = 0;

 protected:
  void InvalidateWindow() override { ++Invalidations; }
  int PlatformScreenPPI() const override { return PPI; }
  int ScrollBarThickness() const override { return BarThickness; }
};

// A diagram on an owner (the "form") with a parent window, and helpers to make controls
// owned like interactively inserted ones.
struct TDiagramFixture {
  TDiagramFixture();
  ~TDiagramFixture();
  TDiagramFixture(const TDiagramFixture&) = delete;
  TDiagramFixture& operator=(const TDiagramFixture&) = delete;

  // Gives the diagram a parent window: only then are scroll ranges maintained.
  void ShowInWindow();
  TTestBlock* AddBlock(double L, double T, double R, double B);
  TTestLine* AddLine(TDot P1, TDot P2);
  TTestGroup* AddGroup(std::initializer_list<TDiagramControl*> Members);

  TComponent* Form = nullptr;
  TTestDiagram* Diagram = nullptr;
  std::unique_ptr<QWidget> Window;
};

}  // namespace tarnwick::test
