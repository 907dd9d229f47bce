#pragma once
// Fixed message texts of the drawing layer, in one place so every raise site says the same.
namespace tarnwick::msg {

inline constexpr const char* UnknownExtension = "Unknown picture file extension (.%s)";
inline constexpr const char* UnknownPictureFormat = "Unknown picture format";
inline constexpr const char* InvalidImage = "Invalid %s image: %s";
inline constexpr const char* ImageTooLarge = "Image of %d x %d pixels is too large to load";
inline constexpr const char* InvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* InvalidMetafile = "Metafile is not valid";
inline constexpr const char* ChangeImageSize = "Cannot change the size of a %s image";
inline constexpr const char* CannotEncode = "Cannot save an image as %s";
inline constexpr const char* MetafileUnsupported = "Metafile pictures cannot be displayed on this platform";
inline constexpr const char* NoImageData = "no image data";

}  // namespace tarnwick::msg
