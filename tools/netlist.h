#pragma once
// The configured circuit as an ngspice netlist: the same source, line and load that the engine
// simulates, so that a teacher can run it in a general-purpose simulator and compare.

#include <cstdint>
#include <string>

#include "sim/model.h"

namespace netlist {

// Netlist text for `ticks` ticks of the circuit set up in `parameters` (start values, or what
// the options gave), a cascade when `cascaded`. `options` is named in the comment header so
// the text says where it came from. The nodes are `source_end` (point 0), `junction` (point
// 100, a cascade only) and `load_end` (point 200); `.print tran` lists their voltages. There
// is no `.control` block, so `ngspice -b` runs it as it is and a larger deck can include it.
std::string SpiceNetlist(const sim::Model& parameters, bool cascaded, std::int64_t ticks,
                         const std::string& options);

}  // namespace netlist
