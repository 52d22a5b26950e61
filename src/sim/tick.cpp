// The tick of the line: the method of characteristics on 201 points, one grid step per time
// step. The forward invariant V + z·I moves one point toward the load per tick, the backward
// one V − z·I one point toward the source, each multiplied by the attenuation factor e.
//
// Every sum and product keeps the grouping it has always had, so a run is reproducible to the
// last bit (the build forbids fused multiply-add for the same reason).

#include "sim/engine.h"

namespace sim {

namespace {

// Each rule reads the present line from level Now and writes the next one into level Next. The
// levels are constants, so the compiler knows the two never overlap and can keep values in
// registers across the points.
template <int Now, int Next = 1 - Now>
void SourceEnd(Model& m, double e) {
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    const double r1 = m.NormSourceResistance;
    V[Next][0] = (m.SourceVoltage + e * (r1 * (V[Now][1] - I[Now][1]))) * (1 / (r1 + 1));
    I[Next][0] = (m.SourceVoltage + e * (I[Now][1] - V[Now][1])) * (1 / (r1 + 1));
}

template <int Now, int Next = 1 - Now>
void LineOnePoint(Model& m, int i, double h) {
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    V[Next][i] = (((V[Now][i - 1] + V[Now][i + 1]) + I[Now][i - 1]) - I[Now][i + 1]) * h;
    I[Next][i] = (((I[Now][i - 1] + I[Now][i + 1]) + V[Now][i - 1]) - V[Now][i + 1]) * h;
}

template <int Now, int Next = 1 - Now>
void Junction(Model& m, double e) {
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    const double z1 = m.NormZ1, z2 = m.NormZ2;
    const double S = z1 + z2;
    V[Next][100] =
        e * ((z1 * z2 / S) * (((V[Now][99] / z1 + I[Now][99]) - I[Now][101]) + V[Now][101] / z2));
    I[Next][100] =
        e * ((((V[Now][99] + z1 * I[Now][99]) + z2 * I[Now][101]) - V[Now][101]) * (1 / S));
}

template <int Now, int Next = 1 - Now>
void LineTwoPoint(Model& m, int i, double h) {
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    const double z2 = m.NormZ2;
    V[Next][i] = ((V[Now][i - 1] + V[Now][i + 1]) + z2 * (I[Now][i - 1] - I[Now][i + 1])) * h;
    I[Next][i] = ((I[Now][i - 1] + I[Now][i + 1]) + (V[Now][i - 1] - V[Now][i + 1]) / z2) * h;
}

template <int Now, int Next = 1 - Now>
void LoadEnd(Model& m, double e) {
    LoadBoundary(m);
    auto& V = m.LineVoltage;
    auto& I = m.LineCurrent;
    const double z2 = m.NormZ2;
    const LoadCoefficients& c = m.Load;
    const double K = e * (I[Now][199] + V[Now][199] / z2);
    m.LoadIncoming = K;
    V[Next][200] = ((c.A * V[Now][200] + c.B * I[Now][200]) + c.P * K) * (1 / c.D);
    I[Next][200] = (c.Q * K + ((V[Now][200] * (-c.A)) / z2 - (c.B * I[Now][200]) / z2)) * (1 / c.D);
}

// The points in increasing order, `after` run after each one. The loop counter is our own:
// a handler run from `after` may rewrite PointIndex (or restart the run) without sending the
// loop out of the arrays. Every point reads the parameters afresh, so a change made by a
// handler applies from the next point on; e alone is fixed for the whole tick.
template <int Now, class After>
void UpdatePoints(Model& m, double e, After after) {
    const double h = (1.0 / 2) * e;
    m.PointIndex = 0;
    SourceEnd<Now>(m, e);
    after();
    for (int i = 1; i < kJunction; ++i) {
        m.PointIndex = i;
        LineOnePoint<Now>(m, i, h);
        after();
    }
    m.PointIndex = kJunction;
    Junction<Now>(m, e);
    after();
    for (int i = kJunction + 1; i < kLastPoint; ++i) {
        m.PointIndex = i;
        LineTwoPoint<Now>(m, i, h);
        after();
    }
    m.PointIndex = kLastPoint;
    LoadEnd<Now>(m, e);
    after();
}

}  // namespace

void AdvanceLine(Model& m, const PointHook& afterEachPoint) {
    if (!afterEachPoint) {
        AdvanceFrom(m, 0);  // no hook: nothing but the arithmetic
        return;
    }
    SourceValue(m, m.SourceType);
    UpdatePoints<0>(m, StepFactor(m), [&afterEachPoint] { afterEachPoint(); });
}

int AdvanceFrom(Model& m, int present) {
    SourceValue(m, m.SourceType);
    const double e = StepFactor(m);
    if (present == 0) {
        UpdatePoints<0>(m, e, [] {});
        return 1;
    }
    UpdatePoints<1>(m, e, [] {});
    return 0;
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
