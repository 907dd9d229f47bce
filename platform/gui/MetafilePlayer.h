#pragma once
// Plays metafiles (enhanced and older) through a QPainter. Playback never throws and never
// trusts the bytes: a record that does not fit what is left ends the play, counts and
// offsets inside a record are checked against the record, objects are looked up with their
// handles checked, and embedded bitmaps are bounded by the bytes that carry them.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include "platform/gui/MetafileFormat.h"

namespace tarnwick::metafile {

// Draws the whole picture scaled into ATarget (the painter's current coordinates). False
// when the bytes are not a metafile; what a damaged file draws before the damage stays.
bool Play(QPainter& APainter, const QByteArray& ABytes, const QRectF& ATarget);

// The picture drawn into a transparent image of ASize; a null image when the bytes are not
// a metafile or the size is empty or above the image cap.
QImage Render(const QByteArray& ABytes, const QSize& ASize);

// The size the picture has on a screen of 96 pixels per inch: an enhanced metafile's frame,
// an older one's placeable box; 0 x 0 when the header does not say.
QSize NominalSize(const TMetafileInfo& AInfo);

namespace detail {
bool PlayEmf(QPainter& APainter, const TByteView& ABytes, const TMetafileInfo& AInfo, const QRectF& ATarget);
bool PlayWmf(QPainter& APainter, const TByteView& ABytes, const TMetafileInfo& AInfo, const QRectF& ATarget);
// A bitmap stored as one block (header, colour table, rows) split into header and rows.
std::pair<TByteView, TByteView> SplitPackedDib(const TByteView& ADib);
}  // namespace detail

}  // namespace tarnwick::metafile
