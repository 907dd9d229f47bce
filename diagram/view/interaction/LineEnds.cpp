#include "diagram/view/interaction/LineEnds.h"

#include "diagram/lines/CustomLine.h"
#include "diagram/model/LinkPoints.h"

namespace tarnwick {

TLinkPoint* SourceLinkPointOf(TDiagramControl* ALine) {
  if (!ALine) return nullptr;
  if (auto* l = dynamic_cast<TCustomDiagramLine*>(ALine)) return l->GetSourceLinkPoint();
  TLinkPoints* lps = ALine->GetLinkPoints();
  return lps && lps->Count() > 0 ? lps->GetItems(0) : nullptr;
}

TLinkPoint* TargetLinkPointOf(TDiagramControl* ALine) {
  if (!ALine) return nullptr;
  if (auto* l = dynamic_cast<TCustomDiagramLine*>(ALine)) return l->GetTargetLinkPoint();
  TLinkPoints* lps = ALine->GetLinkPoints();
  return lps && lps->Count() > 1 ? lps->GetItems(lps->Count() - 1) : nullptr;
}

TLinkPoint* UnselectedAnchorLink(TLinkPoint* AEnd) {
  TLinkPoint* a = AEnd ? AEnd->GetAnchorLink() : nullptr;
  return a && a->GetDControl() && a->GetDControl()->GetSelected() ? nullptr : a;
}

}  // namespace tarnwick
