// The tick of the line: the method of characteristics on 201 points, one grid step per time
// step. The forward invariant V + z·I moves one point toward the load per tick, the backward
// one V − z·I one point toward the source, each multiplied by the attenuation factor e.
//
// Every sum and product keeps the grouping it has always had, so a run is reproducible to the
// last bit (the build forbids fused multiply-add for the same reason).

#include "sim/engine.h"

namespace sim {

namespace {

void SourceEnd(Model& m, double e) {
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    const double r1 = m.NormSourceResistance;
    V[1][0] = (m.SourceVoltage + e * (r1 * (V[0][1] - I[0][1]))) * (1 / (r1 + 1));
    I[1][0] = (m.SourceVoltage + e * (I[0][1] - V[0][1])) * (1 / (r1 + 1));
}

void LineOnePoint(Model& m, int i, double h) {
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    V[1][i] = (((V[0][i - 1] + V[0][i + 1]) + I[0][i - 1]) - I[0][i + 1]) * h;
    I[1][i] = (((I[0][i - 1] + I[0][i + 1]) + V[0][i - 1]) - V[0][i + 1]) * h;
}

void Junction(Model& m, double e) {
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    const double z1 = m.NormZ1, z2 = m.NormZ2;
    const double S = z1 + z2;
    V[1][100] = e * ((z1 * z2 / S) * (((V[0][99] / z1 + I[0][99]) - I[0][101]) + V[0][101] / z2));
    I[1][100] = e * ((((V[0][99] + z1 * I[0][99]) + z2 * I[0][101]) - V[0][101]) * (1 / S));
}

void LineTwoPoint(Model& m, int i, double h) {
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    const double z2 = m.NormZ2;
    V[1][i] = ((V[0][i - 1] + V[0][i + 1]) + z2 * (I[0][i - 1] - I[0][i + 1])) * h;
    I[1][i] = ((I[0][i - 1] + I[0][i + 1]) + (V[0][i - 1] - V[0][i + 1]) / z2) * h;
}

void LoadEnd(Model& m, double e) {
    LoadBoundary(m);
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    const double z2 = m.NormZ2;
    const LoadCoefficients& c = m.Load;
    const double K = e * (I[0][199] + V[0][199] / z2);
    m.LoadIncoming = K;
    V[1][200] = ((c.A * V[0][200] + c.B * I[0][200]) + c.P * K) * (1 / c.D);
    I[1][200] = (c.Q * K + ((V[0][200] * (-c.A)) / z2 - (c.B * I[0][200]) / z2)) * (1 / c.D);
}

// The points in increasing order, `after` run after each one. The loop counter is our own:
// a handler run from `after` may rewrite PointIndex (or restart the run) without sending the
// loop out of the arrays. Every point reads the parameters afresh, so a change made by a
// handler applies from the next point on; e alone is fixed for the whole tick.
template <class After>
void UpdatePoints(Model& m, double e, After after) {
    const double h = (1.0 / 2) * e;
    m.PointIndex = 0;
    SourceEnd(m, e);
    after();
    for (int i = 1; i < kJunction; ++i) {
        m.PointIndex = i;
        LineOnePoint(m, i, h);
        after();
    }
    m.PointIndex = kJunction;
    Junction(m, e);
    after();
    for (int i = kJunction + 1; i < kLastPoint; ++i) {
        m.PointIndex = i;
        LineTwoPoint(m, i, h);
        after();
    }
    m.PointIndex = kLastPoint;
    LoadEnd(m, e);
    after();
}

}  // namespace

void AdvanceLine(Model& m, const PointHook& afterEachPoint) {
    SourceValue(m, m.SourceType);
    const double e = StepFactor(m);
    if (afterEachPoint) {
        UpdatePoints(m, e, [&afterEachPoint] { afterEachPoint(); });
    } else {
        UpdatePoints(m, e, [] {});  // no hook: nothing but the arithmetic
    }
}

void CountTick(Model& m) {
    m.ElapsedTicks = m.ElapsedTicks + 1;
    m.SourceTicks = m.SourceTicks + 1;
}

void Tick(Model& m, const PointHook& afterEachPoint) {
    AdvanceLine(m, afterEachPoint);
    ShiftLine(m, [](int, double, double) {});
    CountTick(m);
}

}  // namespace sim
