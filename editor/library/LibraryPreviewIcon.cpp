#include "editor/library/LibraryPreviewIcon.h"

#include <QPainter>

#include "diagram/libraries/LibraryItem.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "platform/gui/Bitmap.h"

namespace tarnwick {

namespace {

constexpr double IconSide = 24;

void DropTexts(TDiagramControl* AControl) {
  AControl->GetTextCells()->Clear();
  for (int i = 0; i < AControl->GetMemberCount(); ++i) DropTexts(AControl->GetMember(i));
}

}  // namespace

bool MakePreviewIcon(const TDgrLibraryItem& AItem, TBitmap& AIcon) {
  if (AItem.GetData().isEmpty()) return false;
  // A scratch diagram of its own, freed in every case with its owner.
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  auto* diagram = Create<TdvDiagram>(owner.get());
  diagram->SetBounds(0, 0, int(IconSide), int(IconSide));
  diagram->LoadDiagramText(AItem.GetData());
  TCustomDiagramBlock* block = nullptr;
  for (int i = diagram->DControlCount() - 1; i >= 0 && !block; --i)
    block = dynamic_cast<TCustomDiagramBlock*>(diagram->GetDControls(i));
  if (!block) return false;
  DropTexts(block);
  const TSquare r = block->GetBoundsRect();
  const double w = r.Right - r.Left, h = r.Bottom - r.Top;
  if (w > 0 && h > 0) {
    const double fw = w >= h ? IconSide : w * IconSide / h;
    const double fh = w >= h ? h * IconSide / w : IconSide;
    const double c = IconSide / 2;
    block->SetBoundsRect(TSquare{c - fw / 2, c - fh / 2, c + fw / 2, c + fh / 2});
  }
  TBitmap bitmap;
  diagram->PaintToBitmap(&bitmap, esStandard);
  bitmap.SetSize(int(IconSide) + 1, int(IconSide) + 1);
  AIcon.Assign(&bitmap);
  return true;
}

QImage DefaultLibraryIcon() {
  QImage image(26, 26, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(QColor(0x40, 0x40, 0x40));
  painter.setBrush(QColor(0xFF, 0xFF, 0xE0));
  painter.drawRect(3, 6, 19, 13);
  painter.drawLine(7, 12, 18, 12);
  return image;
}

}  // namespace tarnwick
