#pragma once
// The one-line description of a circuit under corvane-trace's pictures: the source, R1, the
// line or the cascade, the load.

#include <string>

#include "sim/model.h"

namespace trace {

// From the parameters as given, before the run start makes Zo the reference impedance.
std::string CircuitText(const sim::Model& m, bool cascaded);

// A readout of the status line on one line: its line breaks and runs of blanks become one blank.
std::string OneLine(const std::string& statusText);

}  // namespace trace
