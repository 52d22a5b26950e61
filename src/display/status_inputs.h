#pragma once
// Everything the status line reads, gathered from the model and the window at the moment the
// status line is written.

#include <cstdint>

#include "display/trace_points.h"
#include "sim/model.h"

namespace display {

struct StatusInputs {
    double PlotAmplitude = 0;       // V, |PeakVoltage| at run start
    double ZoomFactor = 1;          // vertical magnification
    double Zo = 50;                 // ohm, the reference impedance of the run
    double PointDuration = 0;       // µs per time step
    double PointLength = 0;         // m between adjacent points
    std::int64_t ElapsedTicks = 0;  // time steps since the run started
    float PlotHalfWidth = 0;        // pixels; 0 until the first run takes the plot's size
    float PlotHalfHeight = 0;
    bool Voltage = true;   // chkVoltage
    bool Current = false;  // chkCurrent
};

// The plot's half sizes are 0 until the first run has taken them; before that the tick readout
// uses the present peak voltage, which is exactly what the first run's readout will show.
StatusInputs StatusInputsOf(const sim::Model& m, const PlotScale& scale, bool voltageChecked,
                            bool currentChecked);

// True once a run has given the plot a scale to read a point against.
bool HasPlotScale(const StatusInputs& in);

}  // namespace display
