#include "load_error_bound.h"

#include <algorithm>
#include <cmath>

namespace validation {

namespace {
double EngineResponse(double x, int m) {
    const double rho = (1 - x) / (1 + x);
    return std::pow(rho, m) / (1 + x);  // what is still missing of the final value
}
}  // namespace

// A step at t = -h/2 before the first tick that sees it: exact response 1 - exp(-(m + 1/2) h / T).
double StepError(double x, int m) { return std::exp(-(2.0 * m + 1) * x) - EngineResponse(x, m); }

// A ramp over the tick before: the mean of the step responses for a step anywhere in it.
double RampError(double x, int m) {
    return std::exp(-2.0 * m * x) * (-std::expm1(-2 * x)) / (2 * x) - EngineResponse(x, m);
}

double TrapezoidalLoadBound(const std::vector<double>& drive, double ticksPerTimeConstant) {
    const double x = 1 / (2 * ticksPerTimeConstant);
    const int n = static_cast<int>(drive.size());
    std::vector<double> kernel(n);
    for (int m = 0; m < n; ++m)
        kernel[m] = std::max(std::fabs(StepError(x, m)), std::fabs(RampError(x, m)));
    double worst = 0, previous = 0;
    std::vector<double> change(n);
    for (int k = 0; k < n; ++k) {
        change[k] = std::fabs(drive[k] - previous);
        previous = drive[k];
    }
    for (int t = 0; t < n; ++t) {
        double sum = 0;
        for (int k = 0; k <= t; ++k) sum += change[k] * kernel[t - k];
        worst = std::max(worst, sum);
    }
    return worst;
}

}  // namespace validation
