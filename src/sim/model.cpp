#include "sim/model.h"

namespace sim {

Model StartValues() {
    Model m;
    // TransitTime before StepTime, Vp before PointDuration.
    m.TransitTime = m.LineLength / m.LineLength;
    m.StepTime = m.TransitTime / 200;
    m.dt = m.StepTime;
    m.Vp = 300 * m.PhaseVelocity / 100;
    m.PointDuration = m.LineLength / (200 * m.Vp);
    m.PointLength = m.LineLength / 200;
    return m;
}

}  // namespace sim
