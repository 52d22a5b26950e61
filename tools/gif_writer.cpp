#include "gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>

#include "display/plot_colours.h"

namespace trace {

namespace {

// The colours a plot frame can hold, then greys from black to white for the caption's
// smoothed type; 16 entries, four bits a pixel.
constexpr std::array<QRgb, 5> kPlotColours = {display::kPlotBackColour, qRgb(0, 0, 0),
                                              display::kVoltageColour, display::kCurrentColour,
                                              display::kEnvelopeBackColour};
constexpr int kGreys = 11;
constexpr int kPaletteSize = 16;

int WriteToDevice(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<QIODevice*>(gif->UserData);
    return int(out->write(reinterpret_cast<const char*>(data), length));
}

}  // namespace

QRgb GifPaletteColour(unsigned char index) {
    if (index < kPlotColours.size()) return kPlotColours[index];
    const int level = (index - int(kPlotColours.size())) * 255 / (kGreys - 1);
    return qRgb(level, level, level);
}

unsigned char GifPaletteIndex(QRgb colour) {
    colour |= 0xff000000u;
    for (std::size_t i = 0; i < kPlotColours.size(); ++i)
        if ((kPlotColours[i] | 0xff000000u) == colour) return static_cast<unsigned char>(i);
    const int grey = qGray(colour);
    return static_cast<unsigned char>(kPlotColours.size() + (grey * (kGreys - 1) + 127) / 255);
}

GifWriter::GifWriter(QIODevice& out) : out_(out) {}

GifWriter::~GifWriter() {
    if (gif_) EGifCloseFile(gif_, nullptr);
}

bool GifWriter::Fail(const char* what, int code) {
    if (error_.empty()) error_ = std::string(what) + ": " + GifErrorString(code);
    return false;
}

bool GifWriter::Start(QSize size) {
    int code = 0;
    gif_ = EGifOpen(&out_, WriteToDevice, &code);
    if (!gif_) return Fail("opening the GIF", code);
    std::array<GifColorType, kPaletteSize> colours{};
    for (int i = 0; i < kPaletteSize; ++i) {
        const QRgb c = GifPaletteColour(static_cast<unsigned char>(i));
        colours[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    ColorMapObject* map = GifMakeMapObject(kPaletteSize, colours.data());
    EGifSetGifVersion(gif_, true);
    const bool described =
        EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    if (!described) return Fail("writing the GIF's screen", gif_->Error);
    // The application block that makes viewers loop: NETSCAPE2.0, sub-block 1, 0 = for ever.
    const GifByteType loop[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0") != GIF_OK ||
        EGifPutExtensionBlock(gif_, 3, loop) != GIF_OK || EGifPutExtensionTrailer(gif_) != GIF_OK)
        return Fail("writing the GIF's loop", gif_->Error);
    size_ = size;
    return true;
}

bool GifWriter::AddFrame(const QImage& frame, int delayCentiseconds) {
    if (!error_.empty()) return false;
    if (!gif_ && !Start(frame.size())) return false;
    if (frame.size() != size_) {
        error_ = "a GIF frame of another size";
        return false;
    }
    const int w = size_.width(), h = size_.height();
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    std::vector<unsigned char> indices(std::size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) indices[std::size_t(y) * w + x] = GifPaletteIndex(line[x]);
    }
    // Only what changed: the bounding box of the pixels that differ from the frame before,
    // left in place (no disposal), so the viewer builds the same picture from far less data.
    int left = 0, top = 0, right = w - 1, bottom = h - 1;
    if (!previous_.empty()) {
        left = w, top = h, right = -1, bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (indices[std::size_t(y) * w + x] != previous_[std::size_t(y) * w + x]) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        if (right < 0) left = top = right = bottom = 0;  // nothing changed: one pixel
    }
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, delayCentiseconds, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK)
        return Fail("writing a GIF frame's delay", gif_->Error);
    const int fw = right - left + 1, fh = bottom - top + 1;
    if (EGifPutImageDesc(gif_, left, top, fw, fh, false, nullptr) != GIF_OK)
        return Fail("writing a GIF frame", gif_->Error);
    for (int y = top; y <= bottom; ++y)
        if (EGifPutLine(gif_, &indices[std::size_t(y) * w + left], fw) != GIF_OK)
            return Fail("writing a GIF frame", gif_->Error);
    previous_ = std::move(indices);
    return true;
}

bool GifWriter::Finish() {
    if (!gif_) {
        if (error_.empty()) error_ = "no frames";
        return false;
    }
    int code = 0;
    const int closed = EGifCloseFile(gif_, &code);
    gif_ = nullptr;
    if (closed != GIF_OK) return Fail("finishing the GIF", code);
    return error_.empty();
}

}  // namespace trace
