#pragma once
// The transcendental functions the engine calls, the same bits in every build (see
// CMakeLists.txt beside this file). Nothing else may call std::sin, std::cos, std::exp or
// std::log on a value that ends up in the line.

extern "C" {
double corvane_sin(double);
double corvane_cos(double);
double corvane_exp(double);
double corvane_log(double);
}

namespace maths {

inline double Sin(double x) { return corvane_sin(x); }
inline double Cos(double x) { return corvane_cos(x); }
inline double Exp(double x) { return corvane_exp(x); }
inline double Log(double x) { return corvane_log(x); }

}  // namespace maths
