#pragma once
// The pictures live in a module of their own (QtGui, giflib and the plot's painters) that
// corvane-trace loads only when --png, --gif or --lattice asks for one: a run that prints CSV
// alone then starts with QtCore only, in about half the time.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "sim/model.h"
#include "trace_options.h"

namespace trace {

// The pictures of one run, as the tool drives them (see Pictures for what each step does).
class PictureRun {
  public:
    virtual ~PictureRun() = default;
    virtual std::string Open() = 0;
    virtual void Tick(sim::Model& m) = 0;
    virtual void Record(std::int64_t tick, const sim::Model& m) = 0;
    virtual std::string Finish(const sim::Model& m) = 0;
};

// The module's one entry point, found by this name: the pictures of `run` (`m` after the run
// start), together with the GUI application they paint with.
using StartPicturesFunction = PictureRun* (*)(const TraceRun& run, const sim::Model& m);
inline constexpr char kStartPicturesName[] = "CorvaneTraceStartPictures";

// Loads the module from where it is installed beside the tool and starts the pictures; or the
// line to print when it cannot be loaded.
std::variant<std::unique_ptr<PictureRun>, std::string> StartPictures(const TraceRun& run,
                                                                     const sim::Model& m);

}  // namespace trace
