// The source electromotive force of one tick, from the source keyword and the source clock.

#include <cmath>

#include "maths/maths.h"
#include "sim/engine.h"

namespace sim {

namespace {
double SinusoidPhase(Model& m) {
    m.SourceCycles = (m.LineLength / m.Vp) * m.Frequency;
    return m.StepTime * (static_cast<double>(m.SourceTicks) * (m.SourceCycles * kTwoPi));
}
}  // namespace

void SourceValue(Model& m, const std::string& source) {
    const double k = static_cast<double>(m.SourceTicks);
    if (source == "DC") {
        m.SourceVoltage = m.PeakVoltage;
        m.SourceTicks = 0;
    } else if (source == "Sine") {
        m.SourceVoltage = maths::Sin(SinusoidPhase(m)) * m.PeakVoltage;
    } else if (source == "Cosine") {
        m.SourceVoltage = maths::Cos(SinusoidPhase(m)) * m.PeakVoltage;
    } else if (source == "Pulse") {
        // Silent for one pulse width, then one pulse width high, then silent for good.
        if (k < m.PulseWidth) {
            m.SourceVoltage = 0;
        } else if (k < 2 * m.PulseWidth) {
            m.SourceVoltage = m.PeakVoltage;
        } else {
            m.SourceVoltage = 0;
        }
    } else if (source == "Pulse Train") {
        if (k < m.PulseWidth) {
            m.SourceVoltage = 0;
        } else {
            m.SourceVoltage = m.PeakVoltage;
            // The clock restarts during the last high tick; the end of the tick makes it 1, so
            // later periods are one tick shorter at the low end than the first.
            if (k >= m.PulseWidth + m.PulseSeparation - 1) m.SourceTicks = 0;
        }
    } else if (source == "Off") {
        m.SourceVoltage = 0;
        m.SourceTicks = 0;
    }
    // Any other keyword keeps the previous tick's voltage.
}

}  // namespace sim
