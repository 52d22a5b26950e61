#pragma once
// A picture in memory that the plot is drawn into without a toolkit, for the browser's canvas.
//
// Pixels are 0xAARRGGBB (display::Rgb), one 32-bit word each, rows top to bottom: the layout of
// the desktop's 32-bit images and of the colours the plot already names, so the two compare
// word for word and a view that shows it wraps the words without converting them. The page
// turns them into the canvas's R, G, B, A bytes as it copies them out.

#include <cstdint>
#include <vector>

#include "display/geometry.h"

namespace raster {

class Image {
  public:
    Image(int width, int height, display::Rgb colour)
        : width_(width), height_(height), pixels_(std::size_t(width) * height, colour) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    display::Rgb Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    const std::vector<display::Rgb>& Pixels() const { return pixels_; }

    // Clear, or a new back colour: everything drawn is gone.
    void Fill(display::Rgb colour) { pixels_.assign(pixels_.size(), colour); }

    // A pixel off the image is not there to be written; drawing may wander off it.
    void Plot(int x, int y, display::Rgb colour) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = colour;
    }

  private:
    std::size_t Index(int x, int y) const { return std::size_t(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<display::Rgb> pixels_;
};

}  // namespace raster
