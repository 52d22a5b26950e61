#pragma once
// How far the engine's load may lie from an exact solution of the same circuit.
//
// Every reactive load is a first-order circuit driven through the line's impedance Z by the
// open-circuit voltage E = 2 x the wave arriving at the load: a capacitor charges through Z
// (in parallel with R2), an inductor's current builds through Z + R2. Its time constant T is
// C (Z || R2) or L / (Z + R2). The engine integrates it with the trapezoidal rule over a tick
// h, seeing E only at the ticks. For one change of E, that rule's error has a closed form,
// and a linear circuit's errors from successive changes add up.

#include <vector>

namespace validation {

// The error, in units of the change of E, m ticks after the first tick that sees a change
// (m >= 0), for x = h / (2 T). The change is a step half-way between two ticks (a stepped
// source) or a ramp from one tick to the next (a sinusoid); both the engine's response
// (1 - rho^m / (1 + x), rho = (1 - x) / (1 + x)) and the exact one are written out.
double StepError(double x, int m);
double RampError(double x, int m);

// The largest error over a run, summed over every change of E: the sum over k of
// |E_k - E_(k-1)| x max(|StepError|, |RampError|)(n - k), maximised over n. `drive` holds E at
// ticks 1, 2, ... (E is 0 at rest), `ticksPerTimeConstant` is T / h.
double TrapezoidalLoadBound(const std::vector<double>& drive, double ticksPerTimeConstant);

}  // namespace validation
