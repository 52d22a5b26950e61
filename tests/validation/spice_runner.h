#pragma once
// Runs a netlist through ngspice in batch mode and reads back every vector of its raw file.

#include <QString>
#include <map>
#include <string>
#include <vector>

namespace validation {

struct SpiceResult {
    QString failure;  // empty when ngspice ran and its raw file could be read
    // Each vector by ngspice's name for it ("time", "v(load_end)"), one value per row.
    std::map<std::string, std::vector<double>> vectors;
};

// The text is run as it is, `ngspice -b`, with the raw file written in ASCII: its values
// carry 16 significant digits where the printed table has 7.
SpiceResult RunNgspice(const QByteArray& netlist);

}  // namespace validation
