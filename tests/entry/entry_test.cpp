// Setting parameters: the label format, the checked entry and its refusals, the entry commands,
// the frequency / cycles / length coupling and the presets. (The load types are the window
// tests'.)

#include <QtTest>
#include <clocale>

#include "entry/entry_commands.h"
#include "entry/format_value.h"
#include "entry/limits.h"
#include "entry/number.h"
#include "entry/presets.h"

namespace {

// Plays the user: answers each input box from the script (Cancel, "", once it runs out) and
// keeps the default text of every box and "title|text|style" of every message.
struct ScriptedDialogs : entry::Dialogs {
    explicit ScriptedDialogs(std::vector<std::string> script = {}) : answers(std::move(script)) {}
    void Ask(const entry::Question& q) override {
        if (q.kind == entry::Question::Kind::Message) {
            messages.push_back(q.title + "|" + q.prompt + "|" + std::to_string(q.style));
            return Answer("");
        }
        defaults.push_back(q.defaultText);
        Answer(defaults.size() <= answers.size() ? answers[defaults.size() - 1] : "");
    }
    std::vector<std::string> answers, defaults, messages;
};

// Runs an entry whose every question is answered at once, to its end.
template <typename T>
T Now(entry::Task<T> task) {
    task.Start();
    if (!task.Done()) qFatal("an entry answered at once did not finish");
    if constexpr (!std::is_void_v<T>) return task.Result();
}

QString Captions(const std::vector<entry::LabelText>& labels) {
    QStringList list;
    for (const auto& l : labels) list << QString::fromStdString(l.label + "=" + l.text);
    return list.join("; ");
}
// Set-up with one of frequency (0), cycles (1) or length (2) held.
entry::CouplingState Held(int held) { return {entry::ButtonsWithHeld(held), held, false}; }

}  // namespace

class EntryTest : public QObject {
    Q_OBJECT
  private slots:
    // The last three rows were typed: a whole number shows as typed, anything else formatted.
    void formatValue() {
        const std::pair<sim::Value, const char*> rows[] = {
            {-0.0, "0"},           {1000.0, "1000"},         {-0.25, "-.25"},
            {123.456, "123.46"},   {9.999, "10."},           {0.01, ".01"},
            {0.005, "5.0E-3"},     {1000.6, "1.001E3"},      {123456.0, "1.235E5"},
            {-5000.0, "-5.0E3"},   {INFINITY, "∞"},          {{50, "050"}, "050"},
            {{0.5, "0.50"}, ".5"}, {{1500, "1500"}, "1.5E3"}};
        for (const auto& [value, text] : rows)
            QCOMPARE(entry::FormatValue(value), std::string(text));
        // The general conversion of the presets and start-up labels: 15 digits, a leading zero.
        QCOMPARE(entry::GeneralText(0.19999999999999998), std::string("0.2"));
        QCOMPARE(entry::GeneralText(0.5), std::string("0.5"));
        QCOMPARE(entry::GeneralText(NAN), std::string("0"));
    }

    // Every outcome of the checked entry: accepted (stored as typed), cancelled (silently
    // nothing) or refused with one of four messages, the sign checked before the range, both
    // limits inclusive in single precision. The limits that the trace tool checks agree.
    void enterParameter() {
        const std::string kHugeWithSmallExponent = "1" + std::string(400, '0') + "e-10";
        const struct {
            bool nonNegative;
            float min, max;
            const char* typed;
            std::string title;  // of the refusal; "" when accepted or cancelled
        } rows[] = {
            {true, 1, 1e10, "", ""},
            {true, 1, 1e10, "1", ""},
            {true, 1, 1e10, "1e10", ""},
            {true, 1, 1e10, "  +1.5e3\t", ""},
            {true, 1, 1e10, "0.5", "Below Minimum "},
            {true, 1, 1e10, "1e-400", "Below Minimum "},  // too small to hold: 0
            {true, 1, 1e10, "2e10", "Above Maximum "},
            {true, 1, 1e10, "-5", "Negative Entry"},
            {true, 0, 100, "-0", ""},
            {false, -20, 20, "-20.001", "Below Minimum "},
            {true, 0.01f, 20, "0.0099999998", ""},  // above the float nearest 0.01
            {true, 0.01f, 20, "0.0099999", "Below Minimum "},
            {true, 1, 1e10, " 1 2", "Invalid Entry"},
            {true, 1, 1e10, "inf", "Invalid Entry"},
            {true, 1, 1e10, "nan", "Invalid Entry"},
            {true, 1, 1e10, "0x10", "Invalid Entry"},
            {true, 1, 1e10, "2,5", "Invalid Entry"},
            {true, 1, 1e10, "1e400", "Invalid Entry"},
            // Out of range, decided by the size the whole text denotes (found by fuzzing).
            {true, 1, 1e10, kHugeWithSmallExponent.c_str(), "Invalid Entry"},
            {true, 0, 1e10, "0.000001e-400", ""},
            {true, 1, 1e10, "0.0000000001e330", "Invalid Entry"},
            {true, 1, 1e10, "1e-99999999999999999999999", "Below Minimum "},
            {true, 1, 1e10, "1e+99999999999999999999999", "Invalid Entry"},
        };
        const std::string crlf = "\r\n", typedAs = "  was entered.";
        for (const auto& r : rows) {
            const std::map<std::string, std::string> texts = {
                {"Invalid Entry",
                 "Please Enter a Valid Numerical Expression" + crlf + r.typed + typedAs},
                {"Negative Entry", "This Parameter Cannot be Negative" + crlf + r.typed + typedAs},
                {"Below Minimum ", "This Number Entered is Below the Minimum for this Parameter" +
                                       crlf + "Please Enter a Larger Value"},
                {"Above Maximum ", "This Number Entered is Above the Maximum for this Parameter" +
                                       crlf + "Please Enter a Smaller Value" + crlf + "NOTE"}};
            ScriptedDialogs dialogs({r.typed});
            sim::Value target(7, "07");
            Now(entry::EnterParameter(dialogs, target,
                                      {"Prompt", "Title", r.nonNegative, r.max, r.min, "NOTE"}));
            QCOMPARE(dialogs.defaults, std::vector<std::string>{"07"});
            const bool accepted = r.title.empty() && *r.typed;
            QCOMPARE(target.typed, std::string(accepted ? r.typed : "07"));
            QCOMPARE(dialogs.messages,
                     r.title.empty() ? std::vector<std::string>{}
                                     : std::vector{r.title + "|" + texts.at(r.title) + "|32"});
            if (const auto x = entry::ParseNumber(r.typed))
                QCOMPARE(entry::CheckLimits(*x, {r.min, r.max, r.nonNegative}) ==
                             entry::LimitCheck::Within,
                         accepted);
        }
    }

    // The entry's outcome decides the value; the rounding (half to even for the pulse timing),
    // the labels and the frequency / cycles / length coupling follow whatever it was. Start:
    // 100 MHz, 4 cycles, 9.6 m at 240 m/µs; at most 20 cycles, so at most 500 MHz and 48 m.
    void entryCommands() {
        const struct {
            int held;  // frequency (0), cycles (1) or length (2)
            const char *command, *typed;
            QString labels;
            std::string note;  // the last line of the refusal, "" when accepted
        } rows[] = {
            {1, "cmdPW", "2.5", "lblPW=2 points, 1pt = 0.2 ns", ""},
            {1, "cmdPS", "3.5", "lblPS=4 points, 1pt = 0.2 ns", ""},
            {1, "cmdPS", "0.5", "lblPS=10 points, 1pt = 0.2 ns", "Please Enter a Larger Value"},
            {1, "cmdCu", "999999995904", "lblC=1.0E12 pF", ""},  // the float nearest 1e12
            {1, "cmdF", "200", "lblF=200 MHz; lblLength=4.8 m", ""},
            {0, "cmdCycles_Len", "8", "lblCycles_Len=8 Cycles/LineLength; lblLength=19.2 m", ""},
            {1, "cmdF", "500", "lblF=500 MHz; lblLength=1.92 m", ""},
            {1, "cmdF", "501", "lblF=100 MHz; lblLength=9.6 m",
             "NOTE: Maxium Frequency varies with present Length"},
            {1, "cmdLength", "48.5", "lblLength=9.6 m; lblF=100 MHz",
             "NOTE: Maxium Length varies with present Frequency"},
        };
        for (const auto& r : rows) {
            sim::Model m = sim::StartValues();
            ScriptedDialogs dialogs({r.typed});
            const auto effects = Now(entry::RunEntryCommand(r.command, m, dialogs, Held(r.held)));
            QCOMPARE(Captions(effects->labels), r.labels);
            QCOMPARE(dialogs.messages.size(), size_t(!r.note.empty()));
            if (!r.note.empty()) QVERIFY(dialogs.messages[0].ends_with("\r\n" + r.note + "|32"));
        }
        // A refused pulse width is rounded all the same.
        sim::Model m = sim::StartValues();
        m.PulseWidth = 6.5;
        ScriptedDialogs dialogs({"abc"});
        const auto effects = Now(entry::RunEntryCommand("cmdPW", m, dialogs, Held(1)));
        QCOMPARE(Captions(effects->labels), "lblPW=6 points, 1pt = 0.2 ns");
    }

    // A source preset checks its item and starts its waveform anew; a cycles preset shows its
    // note first, then, with the frequency held, the length follows. The two "Infinite" values
    // differ, both shown as ∞; 50 % loses half per transit; a separator is no preset. (Their
    // labels and check marks in the window are the window tests'.)
    void presets() {
        sim::Model m = sim::StartValues();
        m.SourceTicks = 17;
        ScriptedDialogs dialogs;
        QCOMPARE(Now(entry::ApplyPreset("mnuSinglePulse", m, dialogs, Held(0)))->checkItem,
                 "mnuSinglePulse");
        QCOMPARE(m.SourceTicks, 0);
        QCOMPARE(Captions(Now(entry::ApplyPreset("mnuHalfCycle", m, dialogs, Held(0)))->labels),
                 "lblCycles_Len=.5 Cycles/LineLength; lblLength=1.2 m");
        QCOMPARE(dialogs.messages, std::vector<std::string>{"Cycles/Length |Note: This will change "
                                                            "either the Frequency\n\r or the "
                                                            "Length of the Line|32"});
        Now(entry::ApplyPreset("mnuInfiniteOhmsR1", m, dialogs, Held(0)));
        QCOMPARE(Captions(Now(entry::ApplyPreset("mnuInfiniteOhmsR2", m, dialogs, Held(0)))->labels),
                 "lblR2= ∞ Ω");
        QCOMPARE(m.SourceResistance.number, 9999999.0);
        QCOMPARE(m.NormLoadResistance, 99999999.0 / 50);
        Now(entry::ApplyPreset("mnu50attn", m, dialogs, Held(0)));
        QCOMPARE(m.AttenuationConstant, std::log(2.0));
        QVERIFY(!Now(entry::ApplyPreset("mnuHyp2", m, dialogs, Held(0))));
    }
};

// The numbers must not follow the user's locale, which the window adopts at start-up: the suite
// runs these tests a second time under a decimal-comma one (tests/CMakeLists.txt).
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    EntryTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "entry_test.moc"
