// One frame of the scene: the screen shown, the overlay open over it, the promotion
// chooser and the sprite pointer, drawn from the scene's state through the canvas.
#pragma once

#include <string>

namespace vellara {

class GfxCanvas;
class GfxImages;
class GfxFonts;

// Draws one complete frame of the scene from the current state, changing nothing.
void DeviceRender(GfxCanvas& canvas, GfxImages& images, GfxFonts& fonts);

// "hh : mm : ss", each number with a leading "0" below 10.
std::string ClockText(int seconds);

}  // namespace vellara
