// Mouse tools: the window's input reaches the tool serving the mouse state, after the
// application's own handlers; the browse tool serves every state no other tool claims.
#include <gtest/gtest.h>

#include "TestControls.h"
#include "diagram/view/interaction/DiagramTool.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TToolLog {
  std::vector<std::string> Entries;
};

class TRecordingTool : public TDiagramTool {
 public:
  TRecordingTool(TdvDiagram& ADiagram, TMouseState AState, TToolLog& ALog)
      : TDiagramTool(ADiagram), FState(AState), FLog(ALog) {}
  bool Serves(TMouseState AState) const override { return AState == FState; }
  void MouseDown(TMouseButton, TShiftState, TPoint APos) override { Add("down", APos); }
  void MouseMove(TShiftState, TPoint APos) override { Add("move", APos); }
  void MouseUp(TMouseButton, TShiftState, TPoint APos) override { Add("up", APos); }
  bool MouseWheel(TShiftState, int, TPoint) override {
    FLog.Entries.push_back("wheel");
    return true;
  }
  bool KeyDown(uint16_t& Key, TShiftState) override {
    FLog.Entries.push_back("key " + std::to_string(Key));
    return true;
  }

 private:
  void Add(const char* AWhat, TPoint APos) {
    FLog.Entries.push_back(std::string(AWhat) + " " + std::to_string(APos.X) + "," + std::to_string(APos.Y));
  }
  TMouseState FState;
  TToolLog& FLog;
};

}  // namespace

TEST(Tools, InputGoesToTheToolOfTheMouseStateAfterTheApplicationsHandlers) {
  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  TToolLog log;
  d.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { log.Entries.push_back("app down"); };
  d.RegisterTool(std::make_unique<TRecordingTool>(d, msToInsert, log));

  // Browsing: the browse tool takes the input and does nothing with clicks.
  d.DispatchMouseDown(mbLeft, TShiftState{}, 5, 6, false);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"app down"}));

  log.Entries.clear();
  d.SetMouseState(msToInsert);
  TDiagramTool* active = &d.GetActiveTool();
  d.DispatchMouseDown(mbLeft, TShiftState{}, 5, 6, false);
  d.DispatchMouseMove(TShiftState{}, 7, 8);
  d.DispatchMouseUp(mbLeft, TShiftState{}, 9, 10);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"app down", "down 5,6", "move 7,8", "up 9,10"}));
  EXPECT_TRUE(d.DispatchMouseWheel(TShiftState{}, 120, TPoint{}));
  EXPECT_TRUE(d.DispatchKeyDown(27, TShiftState{}, QString())) << "a key the tool used counts as handled";
  EXPECT_EQ(log.Entries.back(), "key 27");

  // A key the application's handler consumed never reaches the tool.
  log.Entries.clear();
  d.OnKeyDown = [](TObject*, uint16_t& Key, TShiftState) { Key = 0; };
  d.DispatchKeyDown(27, TShiftState{}, QString());
  EXPECT_TRUE(log.Entries.empty());

  // A state no registered tool serves falls back to the browse tool.
  d.SetMouseState(msResizing);
  EXPECT_NE(&d.GetActiveTool(), active);
  log.Entries.clear();
  d.DispatchMouseDown(mbLeft, TShiftState{}, 1, 1, false);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"app down"}));
}

TEST(Tools, TheBrowseToolScrollsAndZoomsWithTheWheelAsTheDiagramSays) {
  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  d.SetWheelZoom(true);
  d.SetWheelZoomIncrement(10);
  EXPECT_TRUE(d.DispatchMouseWheel(TShiftState{ssCtrl}, 120, TPoint{}));
  EXPECT_EQ(d.GetZoom(), 110);
  d.SetWheelZoom(false);
  EXPECT_FALSE(d.DispatchMouseWheel(TShiftState{ssCtrl}, 120, TPoint{}));
  EXPECT_EQ(d.GetZoom(), 110);
}
