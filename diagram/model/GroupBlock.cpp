#include "diagram/model/GroupBlock.h"

#include "diagram/model/DiagramHost.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

const TClassInfo& TGroupBlock::StaticClassInfo() {
  static const TClassInfo info("TGroupBlock", &TBaseGroupBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TGroupBlock>(owner); });
  return info;
}

TGroupBlock::TGroupBlock(TComponent* AOwner) : TBaseGroupBlock(AOwner) {}

void TGroupBlock::EndUpdateMembers() {
  if (FUpdatingMembers == 0) return;
  if (--FUpdatingMembers == 0) RecalculateRect();
}

bool TGroupBlock::AcceptsMember(TDiagramControl* AControl) {
  if (!AControl || AControl->GetGroupBlock()) return false;
  // Walking up from this group must not meet the control: it would become its own
  // ancestor, and every climb through the groups would run for ever.
  for (const TDiagramControl* g = this; g; g = g->GetGroupBlock())
    if (g == AControl) return false;
  return true;
}

void TGroupBlock::MemberAdded(TDiagramControl* AControl) {
  AControl->SetGroupBlock(this);
  // A group read from a document or the clipboard keeps the rectangle stored with it:
  // its members join one by one, after the document has finished loading.
  if (!UpdatingMembers() && !GetMembers()->SettingFromStream()) RecalculateRect();
  if (TDiagramHost* host = GetDiagramHost()) host->GroupMembershipChanged(this);
}

void TGroupBlock::MemberRemoved(TDiagramControl* AControl) {
  if (AControl->GetGroupBlock() == this) AControl->SetGroupBlock(nullptr);
  if (!GroupDestroying() && !UpdatingMembers()) RecalculateRect();
}

int TGroupBlock::GetMemberCount() const { return GetMembers() ? GetMembers()->Count() : 0; }

TDiagramControl* TGroupBlock::GetMember(int Index) const {
  if (Index < 0 || Index >= GetMemberCount()) return TBaseGroupBlock::GetMember(Index);
  return GetMembers()->GetItems(Index)->GetDControl();
}

void TGroupBlock::RemoveMember(TDiagramControl* AControl) {
  if (GetMembers()) GetMembers()->Remove(AControl);
}

void TGroupBlock::MoveMember(TDiagramControl* AMember, int ANewIndex) {
  if (!GetMembers()) return;
  if (TDControlListItem* item = GetMembers()->FindItem(AMember)) item->SetIndex(ANewIndex);
}

void TGroupBlock::DrawHandles(const TDiagramDrawInfo& AInfo) {
  TBaseGroupBlock::DrawHandles(AInfo);
  TCanvas* canvas = AInfo.Canvas;
  if (!canvas || GetSelected() || !HasSelection()) return;
  TPen savedPen;
  savedPen.Assign(canvas->GetPen());
  TBrush savedBrush;
  savedBrush.Assign(canvas->GetBrush());
  canvas->GetPen()->SetMode(pmCopy);
  canvas->GetPen()->SetStyle(psDot);
  canvas->GetPen()->SetWidth(1);
  canvas->GetPen()->SetColor(0x808080);
  canvas->GetBrush()->SetStyle(bsClear);
  TBlockDrawer d;
  d.SetCanvas(canvas);
  SetupDrawer(&d);
  const TSquare r = d.GetCurRect();
  d.DrawRotRect(r.Left, r.Top, r.Right, r.Bottom);
  canvas->SetPen(&savedPen);
  canvas->SetBrush(&savedBrush);
}

}  // namespace tarnwick
