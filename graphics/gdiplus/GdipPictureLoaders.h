#pragma once
// Makes the engine's graphic class the loader of the image file formats it decodes.
namespace tarnwick {

// Registers TGdipGraphic for jpg, gif, png, tif and tiff in the platform graphic registry.
void RegisterGdipPictureLoaders();

}  // namespace tarnwick
