// corvane-trace's command line through the tool's own parser: arguments are the input split at
// NUL bytes (an empty input is no argument at all). No crash; a run it accepts has finite
// parameters and sensible counts, and a refusal is one line naming the tool.

#include <QStringList>
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "trace_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList arguments{QStringLiteral("corvane-trace")};
    std::string word;
    for (std::size_t i = 0; size > 0 && i <= size; ++i) {
        if (i == size || data[i] == 0) {
            arguments << QString::fromUtf8(word.data(), qsizetype(word.size()));
            word.clear();
        } else {
            word += char(data[i]);
        }
    }
    const trace::Request request = trace::ParseArguments(arguments);
    if (const auto* refusal = std::get_if<trace::Refusal>(&request)) {
        fuzz::Require(refusal->message.rfind("corvane-trace: ", 0) == 0,
                      "a refusal names the tool");
        fuzz::Require(refusal->message.find('\n') == std::string::npos, "a refusal is one line");
    } else if (const auto* run = std::get_if<trace::TraceRun>(&request)) {
        const sim::Model& m = run->model;
        for (double x : {double(m.Zo), double(m.Zo1), double(m.Zo2), double(m.SourceResistance),
                         double(m.LoadResistance), double(m.LineLength), double(m.Frequency),
                         double(m.PeakVoltage), double(m.Attenuation)})
            fuzz::Require(std::isfinite(x), "every parameter of an accepted run is finite");
        fuzz::Require(run->ticks >= 0, "a run has a number of ticks");
        for (int p : run->probes) fuzz::Require(p >= 0 && p <= 200, "probes lie on the line");
        const auto& pictures = run->pictures;
        fuzz::Require(pictures.scale >= 1 && pictures.scale <= 8, "the scale is 1 to 8");
        fuzz::Require(pictures.speed >= 1 && pictures.speed <= 10, "the speed is 1 to 10");
        fuzz::Require(pictures.zoom >= 1.0 / 32 && pictures.zoom <= 32, "the zoom is in range");
    }
    return 0;
}
