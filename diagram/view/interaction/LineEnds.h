#pragma once
// The end link points of a line, for the tools that anchor them: a line class names its
// own; any other line control has its source first and its target last.
namespace tarnwick {

class TDiagramControl;
class TLinkPoint;

TLinkPoint* SourceLinkPointOf(TDiagramControl* ALine);
TLinkPoint* TargetLinkPointOf(TDiagramControl* ALine);
// What an end is anchored to, counting an anchor on a selected control as none: the
// selection moves together, so such an anchor is no constraint on the move.
TLinkPoint* UnselectedAnchorLink(TLinkPoint* AEnd);

}  // namespace tarnwick
