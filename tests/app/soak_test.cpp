// Ten thousand random events on the real window: clicks on every element and menu item, the
// slider, presses and releases on the plot, input boxes answered with random texts, ticks, and
// events that arrive in the middle of a tick. After every event the window must agree with
// itself, and every widget must show the flags the window holds. Seeded: CORVANE_SOAK_SEED repeats
// a run; the seed is printed with every failure.

#include <random>

#include "entry/load_types.h"
#include "entry/number.h"
#include "form_fixture.h"

using app::Flag;
using namespace apptest;

namespace {

constexpr int kEvents = 10000;

// Numbers at and beyond the limits, garbage, and empty (Cancel).
const char* const kTyped[] = {"",     "0",     "1",      "50",    "75",   "-5",     "1e10",
                              "2e10", "0.005", "0.01",   "20",    "20.5", "1e-400", "1e400",
                              "abc",  "1,5",   "--5",    "0x10",  ".",    "  100 ", "99.99",
                              "500",  "501",   "1e-6",   "48",    "9.6",  "100",    "0.5",
                              "3",    "10000", "100001", "-1e-9", "1e",   "1e5"};

QString Named(std::string_view name, const char* flag) {
    return QString::fromLatin1(name.data(), qsizetype(name.size())) + flag;
}

class Soak {
  public:
    explicit Soak(unsigned seed) : seed_(seed), random_(seed) {
        // Exit would end the program, and with it the test.
        for (const auto& row : session::ElementTable())
            if (QString(row.name) != "cmdCancel" &&
                qobject_cast<QAbstractButton*>(w->Element(row.name)))
                buttons_ << row.name;
        QString menu;
        for (const auto& row : session::MenuTable()) {
            if (row.topLevel) menu = row.name;
            if (!row.topLevel && *row.caption != '-' && QString(row.name) != "mnuExit") {
                items_ << row.name;
                menuOf_[row.name] = menu;
            }
        }
    }

    // One random event; a message says which, for the failure report.
    QString Event() {
        w.dialogs->answers.clear();
        for (int i = 0; i < 3; ++i) w.dialogs->answers.push_back(kTyped[Pick(std::size(kTyped))]);
        const size_t kind = Pick(10);
        const QString button = buttons_[Pick(buttons_.size())], item = items_[Pick(items_.size())];
        if (kind < 3) {
            Click(w->Element(button));
            return "click " + button;
        }
        if (kind < 5) {
            // Only what a user can reach: a shown menu, a usable item.
            const QString menu = menuOf_[item];
            if (!w->FlagOf(menu, Flag::Visible) || !w->FlagOf(menu, Flag::Enabled) ||
                !w->FlagOf(item, Flag::Enabled))
                return "unreachable " + item;
            w->MenuItem(item)->trigger();
            return "choose " + item;
        }
        if (kind == 5) {
            w->sldSpeedControl->setValue(1 + int(Pick(10)));
            return QString("slider %1").arg(w->sldSpeedControl->value());
        }
        if (kind == 6) {
            const QPoint at(int(Pick(w->Picture1->width())), int(Pick(w->Picture1->height())));
            const Qt::MouseButton mouse = Pick(4) ? Qt::LeftButton : Qt::RightButton;
            QTest::mousePress(w->Picture1, mouse, {}, at);
            QTest::mouseRelease(w->Picture1, mouse, {}, at);
            return QString("plot %1,%2").arg(at.x()).arg(at.y());
        }
        if (kind == 7) {
            // A click that the tick's own event processing delivers, half-way through it.
            QWidget* target = w->Element(button);
            QTimer::singleShot(0, target, [target] { Click(target); });
        }
        w->Timer1_Timer();
        return kind == 7 ? "tick with " + button : "tick";
    }

    // Everything that must hold after every event; empty when it does.
    QString Broken() {
        app::Form1& f = *w;
        if (const QString flag = ViewDisagrees(f); !flag.isEmpty()) return flag + " not shown";
        // Every caption, the slider and the plot's pointer as the session holds them.
        for (const auto& element : session::ElementTable()) {
            const QWidget* widget = f.Element(element.name);
            const QVariant shown = widget ? widget->property("text") : QVariant();
            if (shown.isValid() && shown.toString().toStdString() != f.Session().Caption(element.name))
                return QString(element.name) + " shows " + shown.toString();
        }
        if (f.sldSpeedControl->value() != f.Session().SliderValue()) return "the slider";
        if ((f.Picture1->cursor().shape() == Qt::CrossCursor) !=
            (f.Session().PlotPointer() == session::Pointer::Cross))
            return "the plot's pointer";
        const Snapshot on = Flags(f);
        const auto row =
            std::ranges::find(entry::LoadTypes(), f.Model().LoadType, &entry::LoadTypeRow::keyword);
        if (row == entry::LoadTypes().end()) return "unknown load type";
        const bool advanced = f.mnuAdvanced->isChecked(), cascade = f.mnuCascadedLine->isChecked();
        const bool running = on.contains("cmdStep:enabled");
        // The flags that follow from the load type, the mode, the line type and the run.
        QList<std::pair<QString, bool>> expected = {
            {"mnuNormal:checked", !advanced},      {"mnuSingleLine:checked", !cascade},
            {"cmdZo:visible", !cascade},           {"cmdZo1:visible", cascade},
            {"mnuAttn:visible", advanced},         {"frameAdvPar:enabled", advanced},
            {"cmdContinue:enabled", running},      {"cmdZoomIn:enabled", running},
            {"lblDisplay:enabled", running},       {"optResistor:enabled", !running},
            {"mnuLineType:enabled", !running},     {"mnuAdvanced:enabled", !running},
            {Named(row->option, ":checked"), true}};
        for (std::string_view menu : entry::kLoadMenus)
            expected.append({Named(menu, ":visible"), menu == row->menu});
        for (std::string_view value : {"cmdLu", "cmdCu", "cmdR2", "cmdX2"})
            expected.append(
                {Named(value, ":enabled"), std::ranges::count(row->enabled, value) > 0});
        const char* coupled[] = {"cmdF", "cmdCycles_Len", "cmdLength"};
        for (int i = 0; i < 3; ++i)
            expected.append(
                {QString(coupled[i]) + ":enabled", !running && advanced && i != f.HeldIndex()});
        for (const auto& [flag, want] : expected)
            if (on.contains(flag) != want) return flag + (want ? " is off" : " is on");

        // Run states: set-up (timer off, or on once more after Stop with the step mode set),
        // free (on, no step mode), last step pending (on, step mode), halted (off).
        if (f.Timer1->isActive() != running && !f.Model().StepMode)
            return "the timer against the run";
        if (f.Session().TickRunning()) return "a tick still running after the event";
        if (f.Timer1->isActive() != f.Session().TimerRunning() ||
            f.Timer1->interval() != f.Session().TimerInterval())
            return "Timer1 not as the session holds it";

        // A meter reading lies on the line of the run it reads (a length entered since then
        // counts from the next run).
        if (const QString status = f.lblDisplay->text(); status.contains("Distance = ")) {
            const auto d = entry::ParseNumber(
                status.section("Distance = ", 1).section(' ', 0, 0).toStdString());
            if (!d || *d < 0 || *d > 200 * f.Model().PointLength + 0.005)
                return "a reading off the line: " + status;
        }
        QStringList texts = std::exchange(w.dialogs->messages, {});
        for (QLabel* label : f.findChildren<QLabel*>()) texts << label->text();
        for (const QString& text : texts)
            if (text.contains("nan", Qt::CaseInsensitive) ||
                text.contains("inf", Qt::CaseInsensitive))
                return "reads " + text;

        const sim::Model& m = f.Model();
        for (double x : {double(m.LoadCapacitance), double(m.LoadInductance)})
            if (!std::isfinite(x) || x < 0) return "a load component is not a number";
        for (double x : {double(m.Frequency), double(m.LineLength), double(m.CyclesPerLength)})
            if (!std::isfinite(x) || x <= 0) return "a coupled value is not a positive number";
        return {};
    }

    unsigned seed_;
    Window w;

  private:
    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

    std::mt19937 random_;
    QStringList buttons_, items_;
    QHash<QString, QString> menuOf_;
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
  private slots:
    void randomEvents() {
        bool given = false;
        const unsigned seed = qEnvironmentVariableIntValue("CORVANE_SOAK_SEED", &given);
        Soak soak(given ? seed : 20261206u);
        soak.w->Model().SourceType = "Sine";  // a wave that moves from the first tick
        QStringList recent;
        for (int i = 0; i < kEvents; ++i) {
            recent << soak.Event();
            if (recent.size() > 8) recent.removeFirst();
            const QString broken = soak.Broken();
            QVERIFY2(
                broken.isEmpty(),
                qPrintable(QString("seed %1 (CORVANE_SOAK_SEED=%1), event %2: %3; last events: %4")
                               .arg(soak.seed_)
                               .arg(i)
                               .arg(broken, recent.join(" / "))));
        }
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
