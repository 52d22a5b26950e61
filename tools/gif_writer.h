#pragma once
// An animated GIF, frame by frame, with giflib: one small palette for the whole animation
// (the plot's colours and a few greys for the caption's type), looping for ever. Each frame
// after the first holds only the rectangle that changed, over the frame before it.

#include <QIODevice>
#include <QImage>
#include <string>
#include <vector>

struct GifFileType;

namespace trace {

class GifWriter {
  public:
    // Writes into `out`, which stays open until Finish.
    explicit GifWriter(QIODevice& out);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // Every frame has the first frame's size; the delay is in hundredths of a second.
    bool AddFrame(const QImage& frame, int delayCentiseconds);
    // Writes the trailer. False if anything failed on the way; error() says what.
    bool Finish();
    const std::string& error() const { return error_; }

  private:
    bool Start(QSize size);
    bool Fail(const char* what, int code);

    QIODevice& out_;
    GifFileType* gif_ = nullptr;
    QSize size_;
    std::vector<unsigned char> previous_;  // palette indices of the frame before
    std::string error_;
};

// The palette index of a colour: the plot's colours exactly, anything else as the nearest grey.
unsigned char GifPaletteIndex(QRgb colour);
// The colour a palette index stands for.
QRgb GifPaletteColour(unsigned char index);

}  // namespace trace
