#pragma once
// The space-time (lattice, bounce) diagram of a run: the position along the line across, time
// downward, the voltage (or current) of every point at every tick as a colour on a scale that
// is symmetric about zero, zero being white. One pixel column per point and one pixel row per
// tick (long runs are sampled to at most kMostRows rows), so a front that moves one point a
// tick is a 45° diagonal.

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/model.h"

namespace trace {

// Where the data lie in the picture, in its own pixels (times the scale in the file).
inline constexpr int kLatticeLeft = 58;
inline constexpr int kLatticeTop = 40;
inline constexpr int kMostRows = 1000;
// Colour steps on each side of zero.
inline constexpr int kColourSteps = 32;

// The colour of a value as a fraction of the scale's range, -1 to 1 (clamped); the fraction is
// rounded to a whole step first.
QRgb LatticeColour(double fraction);

class Lattice {
  public:
    // `ticks` is the length of the run; `current` shows mA instead of V.
    Lattice(std::int64_t ticks, bool current, bool cascaded);

    // Called with the line at rest (tick 0) and after every tick; keeps the rows it shows.
    void Record(std::int64_t tick, const sim::Model& m);

    // The diagram with its axes, colour bar and `caption` under it.
    QImage Paint(const sim::Model& m, const std::string& caption, int scale) const;

    // The largest magnitude recorded, the end of the colour scale (1 when all is 0).
    double Range() const;
    int Rows() const { return rows_; }

  private:
    std::int64_t TickOfRow(int row) const;

    std::int64_t ticks_;
    bool current_, cascaded_;
    int rows_;
    int nextRow_ = 0;
    std::vector<float> values_;  // rows_ × kPoints, row by row
    double largest_ = 0;
};

}  // namespace trace
