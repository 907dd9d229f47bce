#pragma once
// Device-independent bitmaps as metafiles embed them: an info header (with its colour
// table) and the pixel rows, kept apart in the records that carry them.
#include <QByteArray>
#include <QImage>

#include "platform/gui/MetafileFormat.h"

namespace tarnwick::metafile {

// Decodes a bitmap from its info header (with colour table) and its bits. A null image when
// the header is unusable, the rows are not all present, the format is one we do not read
// (compressed rows) or the size is above the image cap. With AKeepAlpha a 32-bit bitmap's
// fourth byte is taken as premultiplied alpha; without it the pixels are opaque.
QImage DecodeDib(const TByteView& AInfo, const TByteView& ABits, bool AKeepAlpha);

// A bottom-up bitmap: the 40-byte info header and the rows. With APremultiplied (32 bits
// only) the fourth byte holds premultiplied alpha (as alpha blending expects); otherwise
// the image is flattened onto white first. ABitCount is 32 or 24.
struct TDibParts {
  QByteArray Info;
  QByteArray Bits;
};
TDibParts EncodeDib(const QImage& AImage, bool APremultiplied, int ABitCount = 32);

}  // namespace tarnwick::metafile
