// The options of corvane-trace as one table, and their checks. Every number is read and
// checked as the window's entry reads and checks it, with the limits of the matching entry
// button, so the tool accepts exactly what a user could type.

#include "trace_options.h"

#include <QCommandLineParser>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "display/zoom.h"
#include "entry/circuit_options.h"
#include "entry/limits.h"
#include "entry/number.h"

namespace trace {

namespace {

using sim::Model;

using entry::ChoiceOption;
using entry::NumberOption;

constexpr double kMostTicks = 1e9;  // a run of about five minutes

std::string Shortest(double x) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, std::end(buffer), x).ptr);
}

std::string Prefix(const char* option, const QString& typed) {
    return std::string("corvane-trace: --") + option + ": " + typed.trimmed().toStdString();
}

// Reads a number as the entry does; refusals name the option, the value and the limit.
using Checked = entry::CheckedNumber;
Checked CheckNumber(const char* option, const QString& typed, float min, float max,
                    bool nonNegativeOnly) {
    Checked c = entry::CheckNumber(typed.toStdString(), {min, max, nonNegativeOnly});
    if (!c.value) c.refusal = std::string("corvane-trace: --") + option + ": " + c.refusal;
    return c;
}

Checked CheckWhole(const char* option, const QString& typed, double min, double max) {
    Checked c = CheckNumber(option, typed, float(min), float(max), false);
    if (c.value && *c.value != std::floor(*c.value))
        return {{}, Prefix(option, typed) + " is not a whole number"};
    return c;
}

std::string CheckCycles(const QCommandLineParser& parser, const sim::Model& m) {
    const bool frequency = parser.isSet("frequency"), length = parser.isSet("length");
    const char* blamed = frequency ? "frequency" : length ? "length" : "phase-velocity";
    const auto refused =
        entry::CheckCycles(m, frequency, length, parser.value(blamed).toStdString());
    return refused ? std::string("corvane-trace: --") + refused->option + ": " + refused->refusal
                   : std::string();
}

// The picture options. A choice among words, or a whole number in a range.
std::string ReadPictureOptions(const QCommandLineParser& parser, PictureRequest& p) {
    const struct {
        const char* name;
        std::string PictureRequest::*file;
    } files[] = {{"png", &PictureRequest::png},
                 {"gif", &PictureRequest::gif},
                 {"lattice", &PictureRequest::lattice}};
    for (const auto& f : files) {
        if (!parser.isSet(f.name)) continue;
        p.*f.file = parser.value(f.name).toStdString();
        if ((p.*f.file).empty())
            return std::string("corvane-trace: --") + f.name + ": no file name";
        for (const auto& other : files)
            if (&other != &f && p.*other.file == p.*f.file)
                return Prefix(f.name, parser.value(f.name)) + " is also the file of --" +
                       other.name;
    }
    if (parser.isSet("show")) {
        const QString show = parser.value("show");
        if (show != "voltage" && show != "current" && show != "both")
            return Prefix("show", show) + " is not one of voltage, current, both";
        p.voltage = show != "current";
        p.current = show != "voltage";
    }
    if (parser.isSet("quantity")) {
        const QString quantity = parser.value("quantity");
        if (quantity != "voltage" && quantity != "current")
            return Prefix("quantity", quantity) + " is not one of voltage, current";
        p.latticeCurrent = quantity == "current";
    }
    if (parser.isSet("zoom")) {
        // As the zoom buttons leave it: a power of two, written as a number or as 1/N.
        const QString typed = parser.value("zoom").trimmed();
        const bool reciprocal = typed.startsWith("1/");
        const auto x = entry::ParseNumber(typed.mid(reciprocal ? 2 : 0).toStdString());
        int exponent = 0;
        if (x && std::frexp(*x, &exponent) == 0.5) p.zoom = reciprocal ? 1 / *x : *x;
        if (!x || std::frexp(*x, &exponent) != 0.5 || p.zoom < display::kZoomOutLimit ||
            p.zoom > display::kZoomInLimit)
            return Prefix("zoom", parser.value("zoom")) + " is not a power of two from 1/32 to 32";
    }
    const struct {
        const char* name;
        double min, max;
        std::int64_t* wide;
        int* narrow;
    } wholes[] = {{"scale", 1, 8, nullptr, &p.scale},
                  {"every", 1, kMostTicks, &p.every, nullptr},
                  {"speed", 1, 10, nullptr, &p.speed}};
    for (const auto& w : wholes) {
        if (!parser.isSet(w.name)) continue;
        const Checked c = CheckWhole(w.name, parser.value(w.name), w.min, w.max);
        if (!c.value) return c.refusal;
        if (w.wide) *w.wide = static_cast<std::int64_t>(*c.value);
        if (w.narrow) *w.narrow = static_cast<int>(*c.value);
    }
    p.envelope = parser.isSet("envelope");
    // An option for a picture that is not made would silently do nothing.
    const struct {
        const char* name;
        bool applies;
        const char* to;
    } uses[] = {{"show", p.Plot(), "--png and --gif"},
                {"zoom", p.Plot(), "--png and --gif"},
                {"envelope", p.Plot(), "--png and --gif"},
                {"every", !p.gif.empty(), "--gif"},
                {"speed", !p.gif.empty(), "--gif"},
                {"quantity", !p.lattice.empty(), "--lattice"},
                {"scale", p.Any(), "--png, --gif and --lattice"}};
    for (const auto& u : uses)
        if (parser.isSet(u.name) && !u.applies)
            return std::string("corvane-trace: --") + u.name + " applies only with " + u.to;
    return {};
}

QString HelpLine(const char* help, const char* unit, double start) {
    return QString("%1 (%2, default %3)").arg(help, unit, QString::fromStdString(Shortest(start)));
}

void AddOptions(QCommandLineParser& parser) {
    const Model start = sim::StartValues();
    parser.setApplicationDescription(
        "Runs the transmission-line engine without a window and prints CSV: the whole line "
        "after the last tick, or with --probe the chosen points after every tick; with --report "
        "the circuit's coefficients, final values and standing-wave numbers instead.");
    for (const ChoiceOption& c : entry::ChoiceOptions()) {
        QString help = QString("%1: ").arg(c.help);
        for (const char* k : c.keywords) help += QString("\"%1\" ").arg(k);
        help += QString("(default %1)").arg(QString::fromStdString(start.*c.field));
        parser.addOption({c.name, help, "keyword"});
    }
    for (const NumberOption& o : entry::NumberOptions())
        parser.addOption({o.name, HelpLine(o.help, o.unit, start.*o.field), "number"});
    parser.addOption({"cascade", "two lines in cascade (Zo1, then Zo2 from point 100)"});
    parser.addOption({"ticks", "number of ticks to run (default 200)", "N"});
    parser.addOption({"probe", "print point P (0..200) after every tick; repeatable", "P"});
    parser.addOption({"netlist", "print the circuit as an ngspice netlist instead of CSV"});
    parser.addOption({"report",
                      "print the circuit's numbers instead of a run: coefficients, final values, "
                      "VSWR, input impedance (quantity,value,unit)"});
    parser.addOption({"png", "also paint the plot after the last tick into FILE (PNG)", "FILE"});
    parser.addOption({"gif", "also paint the run as an animated GIF into FILE", "FILE"});
    parser.addOption({"lattice",
                      "also paint the space-time (lattice) diagram of the run into FILE (PNG)",
                      "FILE"});
    parser.addOption(
        {"show", "traces of --png and --gif: voltage, current, both (default voltage)", "TRACES"});
    parser.addOption(
        {"zoom", "vertical zoom of --png and --gif, a power of two 1/32..32 (default 1)", "Z"});
    parser.addOption({"envelope", "--png and --gif on green, swept area in white (the envelope)"});
    parser.addOption(
        {"scale", "size of the pictures, 1..8 times the designed size (default 1)", "S"});
    parser.addOption(
        {"every", "a GIF frame every N ticks (default: the run in at most 200 frames)", "N"});
    parser.addOption({"speed", "GIF speed 1..10, a frame lasts 200/speed ms (default 5)", "1..10"});
    parser.addOption(
        {"quantity", "colour of --lattice: voltage (V) or current (mA) (default voltage)", "Q"});
    parser.addHelpOption();
    parser.addVersionOption();
}

Request ParseUnescaped(const QStringList& arguments) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments))
        return Refusal{"corvane-trace: " + parser.errorText().toStdString()};
    // The parser runs before any application exists, so it cannot know the program's name.
    if (parser.isSet("help"))
        return ShowText{
            parser.helpText().replace("<executable_name>", "corvane-trace").toStdString()};
    if (parser.isSet("version")) return ShowText{"corvane-trace " CORVANE_VERSION "\n"};

    TraceRun run;
    run.model = sim::StartValues();
    for (const ChoiceOption& c : entry::ChoiceOptions()) {
        if (!parser.isSet(c.name)) continue;
        const std::string typed = parser.value(c.name).toStdString();
        bool known = false;
        std::string list;
        for (const char* k : c.keywords) {
            known = known || typed == k;
            list += std::string(list.empty() ? "" : ", ") + k;
        }
        if (!known) return Refusal{Prefix(c.name, parser.value(c.name)) + " is not one of " + list};
        run.model.*c.field = typed;
    }
    for (const NumberOption& o : entry::NumberOptions()) {
        if (!parser.isSet(o.name)) continue;
        const entry::Limits limits = *entry::LimitsOf(o.parameter);
        const Checked c = CheckNumber(o.name, parser.value(o.name), limits.min, limits.max,
                                      limits.nonNegativeOnly);
        if (!c.value) return Refusal{c.refusal};
        run.model.*o.field = *c.value;
    }
    // Pulse timing is whole points, halves to the even neighbour, as after a typed entry.
    run.model.PulseWidth = std::nearbyint(run.model.PulseWidth.number);
    run.model.PulseSeparation = std::nearbyint(run.model.PulseSeparation.number);
    if (std::string refusal = CheckCycles(parser, run.model); !refusal.empty())
        return Refusal{refusal};
    run.model.Vp = 300 * run.model.PhaseVelocity / 100;
    run.model.CyclesPerLength = run.model.LineLength * run.model.Frequency / run.model.Vp;

    run.cascaded = parser.isSet("cascade");
    run.netlist = parser.isSet("netlist");
    if (parser.isSet("ticks")) {
        const Checked c = CheckWhole("ticks", parser.value("ticks"), 0, kMostTicks);
        if (!c.value) return Refusal{c.refusal};
        run.ticks = static_cast<std::int64_t>(*c.value);
    }
    if (std::string refusal = ReadPictureOptions(parser, run.pictures); !refusal.empty())
        return Refusal{refusal};
    if (run.netlist && run.pictures.Any())
        return Refusal{
            "corvane-trace: --netlist prints no pictures; leave out --png, --gif and "
            "--lattice"};
    // The report is worked out from the circuit alone: an option of a run would do nothing.
    run.report = parser.isSet("report");
    const char* runOption = nullptr;
    if (parser.isSet("ticks")) runOption = "--ticks";
    if (run.pictures.Any()) runOption = "--png, --gif and --lattice";
    if (run.netlist) runOption = "--netlist";
    if (parser.isSet("probe")) runOption = "--probe";
    if (run.report && runOption)
        return Refusal{std::string("corvane-trace: --report prints the circuit's numbers, not a "
                                   "run; leave out ") +
                       runOption};
    for (const QString& typed : parser.values("probe")) {
        const Checked c = CheckWhole("probe", typed, 0, sim::kLastPoint);
        if (!c.value) return Refusal{c.refusal};
        run.probes.push_back(static_cast<int>(*c.value));
    }
    // Checked last: an option that lacks its value takes the next option as its value, and
    // that refusal says more than the stray argument left behind.
    if (!parser.positionalArguments().isEmpty())
        return Refusal{"corvane-trace: unexpected argument " +
                       parser.positionalArguments().first().toStdString()};
    return run;
}

}  // namespace

// A refusal repeats what was typed; a control character in it (a line feed in an argument)
// would break the one line of the refusal, so it is shown escaped, as \n or \x1b.
Request ParseArguments(const QStringList& arguments) {
    Request request = ParseUnescaped(arguments);
    if (auto* refusal = std::get_if<Refusal>(&request)) {
        std::string shown;
        for (const char c : refusal->message) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '\n') {
                shown += "\\n";
            } else if (c == '\t') {
                shown += "\\t";
            } else if (byte < 0x20 || byte == 0x7f) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
                shown += escaped;
            } else {
                shown += c;
            }
        }
        refusal->message = shown;
    }
    return request;
}

}  // namespace trace
