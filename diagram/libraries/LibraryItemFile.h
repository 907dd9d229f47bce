#pragma once
// The bytes of a .dgo file: a resource header wrapped around the binary object stream of
// one library item. Written with the 16-bit resource header:
//
//   FF | 0A 00 (raw data) | "TDGRLIBRARYITEM" 00 | 30 10 (flags) | length (32 bits, LE)
//
// followed by exactly `length` bytes of object stream. Read in that form and in the 32-bit
// resource file form, whose first entry is a 32-byte empty one.
#include <QByteArray>
#include <QString>

namespace tarnwick {

class TDgrLibraryItem;

// Item files beyond this size are refused rather than read into memory.
inline constexpr qsizetype MaxLibraryItemFileSize = 64 * 1024 * 1024;

QByteArray LibraryItemToBytes(TDgrLibraryItem* AItem);

// Reads the item's properties from .dgo bytes into AItem (its item name included, when
// the file stores one). Raises EReadError: "Invalid stream format" when the bytes start
// with neither header, or a message saying what is damaged. Nothing of AItem is changed
// unless the whole item reads.
void LibraryItemFromBytes(const QByteArray& ABytes, TDgrLibraryItem* AItem);

}  // namespace tarnwick
