// Run start: every normalised quantity the tick needs, derived once from the parameters.

#include <cmath>
#include <limits>

#include "maths/maths.h"
#include "sim/engine.h"

namespace sim {

double AttenuationConstantOf(double attenuationPercent, double stepTime) {
    // 100 % (or more, which the entry refuses) is total loss: the logarithm of 0 is -inf, so the
    // constant is +inf and the per-step factor exp(-inf) is exactly 0. Writing it out keeps a
    // value above 100 from turning into the logarithm of a negative number (nan).
    if (!(attenuationPercent < 100)) return std::numeric_limits<double>::infinity();
    // + 0 makes the -0 of a lossless line (-ln 1) a plain 0.
    return -maths::Log(1 - attenuationPercent / 100) / (stepTime * 200) + 0.0;
}

double StepFactor(const Model& m) {
    // An infinite constant times the step is +inf, and exp(-inf) is 0: total loss stays a
    // number. A nan constant (never produced by the run start) is also read as total loss.
    const double loss = m.AttenuationConstant * m.StepTime;
    if (!(loss < std::numeric_limits<double>::infinity())) return 0;
    // exp(-0) is exactly 1; a lossless line, the common case, skips the call at every tick.
    if (loss == 0) return 1;
    return maths::Exp(-loss);
}

void PrepareRun(Model& m, bool cascaded) {
    m.Vp = 300 * m.PhaseVelocity / 100;
    m.SourceCycles = (m.LineLength / m.Vp) * m.Frequency;
    m.TransitTime = m.LineLength / m.LineLength;
    if (cascaded) {
        m.NormZ1 = m.Zo1 / m.Zo1;
        m.NormZ2 = m.Zo2 / m.Zo1;
        m.Zo = m.Zo1.number;  // from here on Zo is the reference impedance
    } else {
        m.NormZ1 = m.Zo / m.Zo;
        m.NormZ2 = m.Zo / m.Zo;
    }
    m.NormSourceResistance = m.SourceResistance / m.Zo;
    m.NormLoadResistance = m.LoadResistance / m.Zo;
    m.NormLoadInductance = m.Vp / (m.LineLength * m.Zo) * m.LoadInductance;
    m.NormLoadCapacitance = 1e-6 * m.LoadCapacitance * (m.Zo * m.Vp / m.LineLength);
    m.StepTime = m.TransitTime / 200;
    m.dt = m.StepTime;
    m.PointLength = m.LineLength / 200;
    m.PointDuration = m.LineLength / (200 * m.Vp);
    m.AttenuationConstant = AttenuationConstantOf(m.Attenuation, m.StepTime);
    m.PlotAmplitude = std::fabs(m.PeakVoltage.number);
    m.SourceTicks = 0;
    m.ElapsedTicks = 0;
    m.StepMode = false;
}

void ResetLine(Model& m) {
    for (int i = 0; i <= kLastPoint; ++i) {
        m.LineVoltage[0][i] = 0;
        m.LineCurrent[0][i] = 0;
    }
}

}  // namespace sim
