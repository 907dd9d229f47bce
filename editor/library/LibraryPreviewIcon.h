#pragma once
// The icons of library items: the preview drawn from an item's stored object, and the
// default icon for an item that has neither a glyph nor a drawable object.
#include <QImage>

namespace tarnwick {

class TBitmap;
class TDgrLibraryItem;

// The last block of the item's object, without its texts, fitted into a 24 x 24 square
// and painted into a 25 x 25 bitmap. False (AIcon untouched) when the item holds no data
// or no block.
bool MakePreviewIcon(const TDgrLibraryItem& AItem, TBitmap& AIcon);

// A plain 26 x 26 picture of a framed shape.
QImage DefaultLibraryIcon();

}  // namespace tarnwick
