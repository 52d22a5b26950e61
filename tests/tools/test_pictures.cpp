// corvane-trace's pictures from the outside: the plot against the window's own Picture1 after
// the same ticks, the animation read back with giflib, the lattice diagram against the engine,
// and files that cannot be written.

#include <gif_lib.h>

#include <QTemporaryDir>

#include "../app/form_fixture.h"
#include "../sim/circuit.h"
#include "app/plot_area.h"
#include "display/plot_marks.h"
#include "lattice.h"
#include "paint/qt_geometry.h"
#include "run_tool.h"

using namespace apptest;

namespace {

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The picture the GIF shows after its last frame: every frame's rectangle laid over the ones
// before, as a viewer does, in colours.
QImage LastGifFrame(GifFileType* gif) {
    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    const ColorMapObject* map = gif->SColorMap;
    for (int f = 0; f < gif->ImageCount; ++f) {
        const SavedImage& image = gif->SavedImages[f];
        const GifImageDesc& d = image.ImageDesc;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const GifColorType c = map->Colors[image.RasterBits[y * d.Width + x]];
                canvas.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
    }
    return canvas;
}

// The value a lattice pixel stands for, as a fraction of the colour scale's range.
std::optional<double> FractionOf(QRgb pixel) {
    for (int k = -trace::kColourSteps; k <= trace::kColourSteps; ++k)
        if (trace::LatticeColour(double(k) / trace::kColourSteps) == (pixel | 0xff000000u))
            return double(k) / trace::kColourSteps;
    return std::nullopt;
}

QRgb LatticePixel(const QImage& lattice, int point, int tick) {
    return lattice.pixel(trace::kLatticeLeft + point, trace::kLatticeTop + tick);
}

}  // namespace

class TracePictures : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString File(const char* name) const { return dir_.filePath(name); }

  private slots:
    // The tool's plot and the window's, after the same ticks of the same circuit set up by the
    // user's clicks, pixel for pixel: both traces on an open end, the envelope of a pulse train
    // on a cascade into a capacitor, and the current alone zoomed in.
    void plotIsPicture1() {
        const struct {
            const char *arguments, *before, *after;  // the clicks before Simulate and after it
            int ticks;
        } rows[] = {
            {"--load-resistance 99999999 --show both", "mnuInfiniteOhmsR2|chkCurrent", "", 250},
            {"--source \"Pulse Train\" --cascade --zo2 100 --load Capacitor --envelope",
             "mnuPulseTrain|mnuCascadedLine|cmdZo2|optCapacitor|chkEnvelope", "", 300},
            {"--source Sine --show current --zoom 2", "mnuSine|chkVoltage|chkCurrent", "cmdZoomIn",
             120},
        };
        for (const auto& r : rows) {
            const QString png = File("plot.png");
            const QString options = QString("%1 --ticks %2").arg(r.arguments).arg(r.ticks);
            QCOMPARE(Trace(QProcess::splitCommand(options) << "--png" << png).exitCode, 0);
            Window w;
            w.dialogs->answers = {"100"};
            Activate(*w, r.before);
            FreeRun(*w, 0);
            Activate(*w, r.after);
            for (int t = 0; t < r.ticks; ++t) w->Timer1_Timer();
            const QImage window = Rgb(w->Picture1->Composed()), tool = Rgb(QImage(png));
            QCOMPARE(window.size(), paint::ToQSize(display::DesignedPlotSize()));
            QVERIFY2(tool.height() > window.height() + 20, r.before);  // the caption under it
            QVERIFY2(tool.copy(QRect(QPoint(0, 0), window.size())) == window, r.before);
        }
    }

    // Frame count, size, delay and looping, and the last frame's plot equal to the PNG's.
    void gifReadsBack() {
        const struct {
            QStringList arguments;
            int frames, delay;
        } rows[] = {
            {{"--ticks", "400"}, 200, 4},  // every 2nd tick, 200 / 5 ms
            {{"--ticks", "50", "--every", "7", "--speed", "3"}, 8, 7},
            {{"--ticks", "0", "--speed", "10"}, 1, 2},
        };
        for (const auto& r : rows) {
            const QString gifName = File("run.gif"), pngName = File("run.png");
            QCOMPARE(
                Trace(r.arguments + QStringList{"--source", "Pulse", "--show", "both", "--scale",
                                                "2", "--gif", gifName, "--png", pngName})
                    .exitCode,
                0);
            int error = 0;
            GifFileType* gif = DGifOpenFileName(gifName.toLocal8Bit().constData(), &error);
            QVERIFY(gif);
            QCOMPARE(DGifSlurp(gif), GIF_OK);
            const QImage png = Rgb(QImage(pngName));
            QCOMPARE(gif->ImageCount, r.frames);
            QCOMPARE(gif->SWidth, 2 * display::DesignedPlotSize().width);
            QCOMPARE(gif->SWidth, png.width());
            QFile file(gifName);  // the application block that makes viewers loop for ever
            QVERIFY(
                file.open(QIODevice::ReadOnly) &&
                file.readAll().contains(QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\0\0\0", 19)));
            for (int f = 0; f < gif->ImageCount; ++f) {
                GraphicsControlBlock control;
                QCOMPARE(DGifSavedExtensionToGCB(gif, f, &control), GIF_OK);
                QCOMPARE(control.DelayTime, r.delay);
            }
            const QRect plot(QPoint(0, 0), paint::ToQSize(display::DesignedPlotSize()) * 2);
            QVERIFY(LastGifFrame(gif).copy(plot) == png.copy(plot));
            DGifCloseFile(gif, &error);
        }
    }

    // A DC step into an open end: the front is the boundary between colour and white, one point
    // a tick, and the doubled step comes back from the load the same way. Colours read back to
    // the engine's voltage within one colour step.
    void latticeShowsTheFronts() {
        const QString name = File("lattice.png");
        QCOMPARE(Trace({"--ticks", "400", "--load-resistance", "1e10", "--lattice", name}).exitCode,
                 0);
        const QImage open = Rgb(QImage(name));
        for (int tick = 1; tick < 200; ++tick) {
            int boundary = 0;
            while (boundary <= 200 && LatticePixel(open, boundary, tick) != qRgb(255, 255, 255))
                ++boundary;
            QVERIFY2(std::abs(boundary - tick) <= 1, qPrintable(QString::number(tick)));
        }
        sim::Model m = Started({.r2 = 1e10});
        std::vector<std::array<double, sim::kPoints>> volts{{}};
        double range = 0;
        for (int t = 1; t <= 400; ++t) {
            sim::Tick(m);
            volts.push_back(m.LineVoltage[0]);
            for (double v : m.LineVoltage[0]) range = std::max(range, std::abs(v));
        }
        for (int tick = 210; tick <= 390; tick += 15) {
            // Left of the returning front 0.5 V, right of it 1 V.
            int front = 200;
            while (front > 0 && *FractionOf(LatticePixel(open, front - 1, tick)) > 0.75) --front;
            QVERIFY2(std::abs(front - (400 - tick)) <= 1, qPrintable(QString::number(tick)));
            for (int point : {0, 37, 100, 163, 200}) {
                const auto fraction = FractionOf(LatticePixel(open, point, tick));
                QVERIFY(fraction);
                QVERIFY(std::abs(*fraction * range - volts[tick][point]) <=
                        range / trace::kColourSteps);
            }
        }
    }

    // A file that cannot be written: one line naming the option, status 2, no CSV, and nothing
    // left behind, neither the file nor a temporary one.
    void unwritableFiles() {
        const QString missing = File("no/such/folder/plot.png");
        const struct {
            QStringList arguments;
            const char* message;
        } rows[] = {
            {{"--png", missing}, "corvane-trace: --png: cannot write "},
            {{"--lattice", File("lattice-ok.png"), "--gif", missing},
             "corvane-trace: --gif: cannot write "},
            {{"--lattice", dir_.path()}, "corvane-trace: --lattice: cannot write "},
        };
        for (const auto& r : rows) {
            const QStringList before =
                QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
            const auto [status, out, err] = Trace(r.arguments + QStringList{"--probe", "0"});
            QVERIFY2(status == 2 && out.isEmpty(), err.constData());
            QVERIFY2(err.startsWith(r.message), err.constData());
            QCOMPARE(err.count('\n'), 1);
            QCOMPARE(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
        }
    }
};

QTEST_MAIN(TracePictures)
#include "test_pictures.moc"
