#pragma once
// The meter: what a point pressed on the plot stands for. It inverts the plot's mapping, so it
// measures the pointer's position on the scale, not the line itself.

#include <optional>

#include "display/status_inputs.h"

namespace display {

struct MeterReading {
    double Distance = 0;  // m from the source end
    double Voltage = 0;   // V
    double Current = 0;   // mA
};

// The reading at pixel (x, y) of the plot's inner area. Before the first run the plot has no
// scale (and the line nothing on it to read), so there is no reading: nothing.
std::optional<MeterReading> ReadMeter(const StatusInputs& in, float x, float y);

}  // namespace display
