// The fingerprint of the engine and the number rules: one line per circuit, with a hash of every
// voltage and current after every tick, then one line per awkward typed text with the parser's
// verdict and the formatter's texts. The native build and the browser build print it; the two
// must be equal line for line, so that the browser shows the desktop's numbers to the bit.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "display/status_text.h"
#include "entry/format_value.h"
#include "entry/number.h"
#include "sim/engine.h"

namespace {

struct Hash {
    std::uint64_t value = 14695981039346656037ull;  // FNV-1a, 64 bits
    void Add(double x) {
        std::uint64_t bits;  // no std::bit_cast in the browser build's C++ library
        std::memcpy(&bits, &x, sizeof bits);
        for (int byte = 0; byte < 8; ++byte, bits >>= 8) {
            value = (value ^ (bits & 0xff)) * 1099511628211ull;
        }
    }
};

const char* const kSources[] = {"DC", "Sine", "Cosine", "Pulse", "Pulse Train", "Off"};
const char* const kLoads[] = {"Resistor",   "Capacitor", "Inductor",
                              "ParallelRC", "SeriesRL",  "Impedance"};
constexpr std::int64_t kTicks = 3000;

void PrintCircuits() {
    for (const char* source : kSources)
        for (const char* load : kLoads)
            for (const bool cascaded : {false, true})
                for (const double attenuation : {0.0, 30.0}) {
                    sim::Model m = sim::StartValues();
                    m.SourceType = source;
                    m.LoadType = load;
                    m.Attenuation = attenuation;
                    m.LoadResistance = 100;
                    m.SourceResistance = 25;
                    m.Zo2 = 75;
                    m.Frequency = 137;  // not a whole number of cycles on the line
                    m.PulseWidth = 7;
                    sim::PrepareRun(m, cascaded);
                    sim::ResetLine(m);
                    Hash hash;
                    sim::RunTicks(m, kTicks, [&](const sim::Points& V, const sim::Points& I) {
                        for (double v : V) hash.Add(v);
                        for (double i : I) hash.Add(i);
                    });
                    const double load_end = m.LineVoltage[0][sim::kLastPoint];
                    std::printf("%s %s %s %g%%: %016llx %.17g %s\n", source, load,
                                cascaded ? "cascade" : "single", attenuation,
                                static_cast<unsigned long long>(hash.value), load_end,
                                display::ScientificText(load_end).c_str());
                }
}

// Limits, underflow, overflow, long mantissas, blanks, signs, exponents, and texts that are no
// numbers at all.
const char* const kTexts[] = {"0",      "-0",       "1",         " 2.5 ",  "\t-1.5e3\t", "+.5",
                              "5.",     ".",        "",          " ",      "e5",         "1e",
                              "1e+",    "1e-5",     "1E5",       "2,5",    "1.2.3",      "--5",
                              "+-5",    "0x10",     "inf",       "nan",    "Infinity",   "1e-400",
                              "1e-310", "4.9e-324", "2e-324",    "1e309",  "0e999999",   "9.6",
                              "050",    "0.005",    "999.995",   "1000.5", "0.0099999",  "0.01",
                              "1e10",   "99.9999",  "12345.678", "-0.125", "1 2",        "5 e3"};
const char* const kLongTexts[] = {
    "1.7976931348623157e308",
    "1.7976931348623159e308",
    "1e-99999999999999999999",
    "1e99999999999999999999",
    "0.0000000000000000000000000000000000000000000000000000000000000000000000000001",
    "123456789012345678901234567890123456789012345678901234567890e-40",
    "3.14159265358979323846264338327950288419716939937510582097494459e0"};

void PrintNumbers(const auto& texts) {
    for (const char* text : texts) {
        const auto x = entry::ParseNumber(text);
        std::printf("[%s]: ", text);
        if (!x) {
            std::printf("refused\n");
            continue;
        }
        std::printf("%.17g [%s] [%s] [%s]\n", *x, entry::FormatValue(sim::Value(*x)).c_str(),
                    entry::FormatValue(sim::Value(*x, text)).c_str(),
                    entry::GeneralText(*x).c_str());
    }
}

}  // namespace

int main() {
    PrintCircuits();
    PrintNumbers(kTexts);
    PrintNumbers(kLongTexts);
}
