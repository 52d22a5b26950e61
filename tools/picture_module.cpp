// The entry point of the picture module: a GUI application on the offscreen platform (fonts
// for the captions, no window system needed) and the pictures of the run.

#include "picture_module.h"

#include <QGuiApplication>
#include <cstdio>

#include "pictures.h"

namespace trace {

namespace {

std::unique_ptr<QGuiApplication> ScreenlessApplication(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's notes about a session it does not need (no runtime folder as root, no
    // screen) are no business of the user's; real failures are still reported.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "corvane-trace: %s\n", qPrintable(text));
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

class PicturesWithApplication final : public PictureRun {
  public:
    PicturesWithApplication(const TraceRun& run, const sim::Model& m)
        : app_(ScreenlessApplication(argc_, argv_)), pictures_(run, m) {}

    std::string Open() override { return pictures_.Open(); }
    void Tick(sim::Model& m) override { pictures_.Tick(m); }
    void Record(std::int64_t tick, const sim::Model& m) override { pictures_.Record(tick, m); }
    std::string Finish(const sim::Model& m) override { return pictures_.Finish(m); }

  private:
    // The application keeps references to these for its whole life, and outlives the pictures.
    char name_[14] = "corvane-trace";
    int argc_ = 1;
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
    Pictures pictures_;
};

}  // namespace

}  // namespace trace

extern "C" Q_DECL_EXPORT trace::PictureRun* CorvaneTraceStartPictures(const trace::TraceRun& run,
                                                                      const sim::Model& m) {
    return new trace::PicturesWithApplication(run, m);
}
