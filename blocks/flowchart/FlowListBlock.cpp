#include "blocks/flowchart/FlowchartBlocks.h"
#include "diagram/model/Shadow.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrBrush.h"
#include "graphics/DgrCanvas.h"
#include "graphics/DgrPath.h"
#include "graphics/DgrPen.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor White = 0xFFFFFF;
// The caption band and the body in the original rectangle (0, 0, 100, 200).
constexpr TSquare Band{0, 0, 100, 20};
constexpr TSquare ListRect{0, 0, 100, 200};
}  // namespace

const TClassInfo& TFlowListBlock::StaticClassInfo() {
  using L = TFlowListBlock;
  using B = TCustomDiagramBlock;
  static const TClassInfo info(
      "TFlowListBlock", &TCustomDiagramBlock::StaticClassInfo(),
      {ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                  static_cast<TLinkPoints* (B::*)() const>(&TDiagramControl::GetLinkPoints), &B::SetLinkPoints)
           .NotStored(),
       ColorProp("CaptionColor", &L::GetCaptionColor, &L::SetCaptionColor),
       // Both live in the caption cell, which the text cells carry.
       StringProp("Caption", &L::GetCaption, &L::SetCaption).NotStored(),
       ObjectProp("CaptionFont", TFont::StaticClassInfo(), &L::GetCaptionFont, &L::SetCaptionFont).NotStored()},
      [](TComponent* owner) { return Create<TFlowListBlock>(owner); });
  return info;
}

TFlowListBlock::TFlowListBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  SetOriginalRect(ListRect);
  SetWidth(100);
  SetHeight(200);
  UpdateBlockHandles();
  SetColor(Yellow);
  SetSelColor(Yellow);
  GetShadow()->SetVisible(true);
  SetShape(bsRectangle);
  SetAlignment(taCenter);
  SetVertAlign(vaCenter);
  SetShapeCursor(true);
  DefaultTextCell()->SetBounds(0, 20, 100, 180);
  // The caption cell is made here, a copy of the body cell over the band.
  GetCaptionFont()->SetColor(White);
}

void TFlowListBlock::MakeMissingCells() {
  TTextCells* cells = GetTextCells();
  if (cells->Count() >= 2) return;
  if (cells->Count() == 0) {
    TTextCell* body = DefaultTextCell();
    body->SetBounds(0, 20, 100, 180);
    body->SetAlignment(taCenter);
    body->SetVertAlign(vaCenter);
  }
  // Laid out as on a new list: the body's layout over the band, no text, white letters.
  TTextCell* caption = CaptionCell();
  caption->SetText(QString());
  caption->GetFont()->SetColor(White);
}

TTextCell* TFlowListBlock::CaptionCell() {
  TTextCells* cells = GetTextCells();
  if (cells->Count() < 2) {
    TTextCell* body = DefaultTextCell();
    TTextCell* caption = cells->Add();
    caption->Assign(body);
    caption->SetBounds(Band.Left, Band.Top, Band.Right - Band.Left, Band.Bottom - Band.Top);
  }
  return cells->GetItems(1);
}

QString TFlowListBlock::GetCaption() { return CaptionCell()->GetText(); }

void TFlowListBlock::SetCaption(const QString& Value) { CaptionCell()->SetText(Value); }

TFont* TFlowListBlock::GetCaptionFont() { return CaptionCell()->GetFont(); }

void TFlowListBlock::SetCaptionFont(TFont* Value) { CaptionCell()->SetFont(Value); }

void TFlowListBlock::SetCaptionColor(TColor Value) {
  if (FCaptionColor == Value) return;
  FCaptionColor = Value;
  Redraw();
}

void TFlowListBlock::Loaded() {
  TCustomDiagramBlock::Loaded();
  // A document may hold fewer cells than a list needs (written by hand, or by a program
  // that left the caption out): the cells are made now, not on the first read of the
  // caption, which may come from painting or from writing the document.
  MakeMissingCells();
}

void TFlowListBlock::DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  TCustomDiagramBlock::DrawBlock(AInfo, ABlockInfo);
  if (TDgrBlockDrawer* engine = AInfo.DgrDrawer) {
    TDgrGraphicsPath* path = GetTempPath();
    if (!path) return;
    TDgrCanvas* canvas = engine->GetCanvas();
    canvas->GetPen()->Assign(GetPen());
    if (GetPen()->GetStyle() != psClear) canvas->GetPen()->SetTransparency(GetTransparency());
    canvas->GetBrush()->SetBrushMode(bmSolid);
    canvas->GetBrush()->SetColor(FCaptionColor);
    canvas->GetBrush()->SetTransparency(GetTransparency());
    path->Reset();
    TPathOutline band(*path, *engine);
    band.Rectangle(Band);
    band.Finish();
    canvas->Path(path);
    return;
  }
  // The legacy canvas leaves a transparent list without its band.
  TBlockDrawer* d = AInfo.Drawer;
  if (!d || !d->GetCanvas() || GetTransparent()) return;
  TCanvas* canvas = d->GetCanvas();
  auto pen = MakeOwned<TPen>();
  auto brush = MakeOwned<TBrush>();
  pen->Assign(canvas->GetPen());
  brush->Assign(canvas->GetBrush());
  canvas->SetPen(GetPen());
  canvas->GetBrush()->SetColor(FCaptionColor);
  canvas->GetBrush()->SetStyle(bsSolid);
  TCanvasOutline band(*d, ListRect, 1, 1, GetHorizontalFlip(), GetVerticalFlip());
  band.Rectangle(Band);
  canvas->SetPen(pen.get());
  canvas->SetBrush(brush.get());
}

}  // namespace tarnwick
