// The page's way into the program: one session with its web view, driven by element name.
// After each call the page takes the session's reports (corvane_reports) and shows them; it
// decides nothing itself. Texts returned stay valid until the next call of the same function.

#include <emscripten/emscripten.h>

#include <string>

#include "session/session.h"
#include "web/dialog_tables.h"
#include "web/tables.h"
#include "web/web_view.h"

namespace {

web::WebView view;
session::Session program{view};
std::string text;  // the last text handed to the page

const char* Hand(std::string s) {
    text = std::move(s);
    return text.c_str();
}

session::MouseButton ButtonOf(int button) {
    // The page's numbering: 0 the main button, 1 the middle one, 2 the secondary one.
    switch (button) {
        case 1:
            return session::MouseButton::Middle;
        case 2:
            return session::MouseButton::Right;
        default:
            return session::MouseButton::Left;
    }
}

}  // namespace

extern "C" {

// The window's tables, for the page to build its elements from.
EMSCRIPTEN_KEEPALIVE const char* corvane_tables() { return Hand(web::WindowTables()); }

// Every element's flags and caption as the session holds them now.
EMSCRIPTEN_KEEPALIVE const char* corvane_state() {
    return Hand(web::WindowState(program, view.StatusText()));
}

// The reports since the last call, as a JSON array.
EMSCRIPTEN_KEEPALIVE const char* corvane_reports() { return Hand(view.TakeReports()); }

// Once, after the page shows the window built from the tables and the state.
EMSCRIPTEN_KEEPALIVE void corvane_startup() {
    program.Store().SetListener([](std::string_view name, session::Flag flag, bool on) {
        view.FlagChanged(name, flag, on);
    });
    program.Startup();
}

EMSCRIPTEN_KEEPALIVE void corvane_click(const char* name) { program.Click(name); }

EMSCRIPTEN_KEEPALIVE void corvane_toggle(const char* name, int checked) {
    program.Toggle(name, checked != 0);
}

EMSCRIPTEN_KEEPALIVE void corvane_change(const char* name, int value) {
    program.Change(name, value);
}

EMSCRIPTEN_KEEPALIVE void corvane_press(int button, int x, int y) {
    program.PlotPress(ButtonOf(button), x, y);
}

EMSCRIPTEN_KEEPALIVE void corvane_release(int button, int x, int y) {
    program.PlotRelease(ButtonOf(button), x, y);
}

// One firing of Timer1. The page delivers events between ticks, never inside one.
EMSCRIPTEN_KEEPALIVE void corvane_tick() { program.Timer1_Timer(); }

// The answer to the input box or message box on show: the typed text, "" for Cancel or OK.
EMSCRIPTEN_KEEPALIVE void corvane_answer(const char* answer) { program.Answer(answer); }

// The set-up a link's fragment names ("#source=Pulse&zo=75"), applied after start-up; each
// refused value is explained in a message box of its own.
EMSCRIPTEN_KEEPALIVE void corvane_open_link(const char* fragment) { program.OpenLink(fragment); }

// The present set-up as a link's fragment, and as the corvane-trace command of the same circuit.
EMSCRIPTEN_KEEPALIVE const char* corvane_setup_link() { return Hand(program.SetupLink()); }
EMSCRIPTEN_KEEPALIVE const char* corvane_trace_command() { return Hand(program.TraceCommand()); }

// The help window and the about box: what they are built from, the text of a topic, and their
// buttons, Escape and close buttons.
EMSCRIPTEN_KEEPALIVE const char* corvane_dialog_tables() { return Hand(web::DialogTables()); }
EMSCRIPTEN_KEEPALIVE const char* corvane_topic_text(const char* title) {
    return Hand(web::TopicText(title));
}
EMSCRIPTEN_KEEPALIVE void corvane_help_node(const char* title) {
    program.tvwHelpTree_NodeClick(title);
}
EMSCRIPTEN_KEEPALIVE void corvane_help_quit() { program.cmdQuit_Click(); }
EMSCRIPTEN_KEEPALIVE void corvane_help_closed() { program.HelpClosed(); }
EMSCRIPTEN_KEEPALIVE void corvane_about_ok() { program.cmdOK_Click(); }
EMSCRIPTEN_KEEPALIVE void corvane_about_closed() { program.AboutClosed(); }

// The plot's device pixels to a plot pixel (1 at the designed size): enlarged, it is drawn
// again sharp at the finer resolution.
EMSCRIPTEN_KEEPALIVE void corvane_set_plot_ratio(int ratio) { view.SetPlotRatio(ratio); }

// The plot's pixels as R, G, B, A bytes, rows top to bottom.
EMSCRIPTEN_KEEPALIVE const unsigned char* corvane_plot_rgba() { return view.PlotRgba().data(); }
EMSCRIPTEN_KEEPALIVE int corvane_plot_width() { return view.PlotWidth(); }
EMSCRIPTEN_KEEPALIVE int corvane_plot_height() { return view.PlotHeight(); }

}  // extern "C"
