#pragma once
// Encoding and decoding of image file bytes through Qt's image readers, with the checks
// that keep damaged or hostile files from crashing the program or exhausting memory: the
// declared size is read from the header and refused above a fixed cap before any pixel is
// decoded, and every failure becomes an EInvalidGraphic naming the format.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

namespace tarnwick::imagecodec {

inline constexpr int MaxImageSide = 16384;
inline constexpr int64_t MaxImageBytes = int64_t{256} * 1024 * 1024;

// The format the bytes start like: "bmp", "png", "jpeg", "gif", "tiff", "emf", "wmf", or
// empty when none of these.
QByteArray SniffFormat(const QByteArray& Bytes);

// The cap on a decoded image's bytes for this process: MaxImageBytes unless lowered. A
// fuzzer lowers it so that the many headers declaring huge pictures are refused before
// hundreds of megabytes are allocated and cleared for each; the decoders and the checks
// stay the same. SetImageByteCap answers the previous cap.
int64_t ImageByteCap();
int64_t SetImageByteCap(int64_t Bytes);

// Whether an image of this size stays within the cap (at four bytes per pixel).
bool SizeAllowed(int64_t Width, int64_t Height);
// Raises EOutOfResources when SizeAllowed is false.
void CheckSize(int64_t Width, int64_t Height);

// Decodes Bytes (the format is taken from the content). FormatName goes into messages
// ("PNG", "Bitmap"...). Raises EInvalidGraphic for unreadable, damaged or oversized images.
QImage Decode(const QByteArray& Bytes, const QString& FormatName);

// Encodes Image in the Qt format named ("png", "jpeg", "bmp", "tiff"); raises
// EInvalidGraphic when Qt has no writer for it or writing fails.
QByteArray Encode(const QImage& Image, const char* QtFormat, const QString& FormatName);

}  // namespace tarnwick::imagecodec
