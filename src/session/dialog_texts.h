#pragma once
// The texts and typefaces of the help window and the about box, which a view builds them with.

#include <array>

namespace session {

// Both windows use one serif typeface throughout.
inline constexpr const char* kDialogTypeface = "Times New Roman";

inline constexpr const char* kHelpCaption = "Corvane Help";
inline constexpr const char* kHelpSelectTopic = "Help File:";  // bold, above the tree
inline constexpr const char* kHelpQuit = "Quit Help";
inline constexpr double kHelpElementPoints = 12;  // the label, the tree and the text pane
inline constexpr double kHelpTitlePoints = 18;    // a topic's title in the text pane
inline constexpr double kHelpTextPoints = 12;     // the rest of the topic's text

inline constexpr const char* kAboutCaption = "About Corvane";
inline constexpr const char* kAboutOk = "OK";

struct AboutLine {
    const char* name;
    // "%1" stands for the program's version and "%2" for the toolkit's, which the view knows.
    const char* text;
    double points;
    bool bold;
};

inline constexpr std::array<AboutLine, 4> kAboutLines{{
    {"lblTitle", "Corvane 1.0", 18, true},
    {"Label1", "Transmission Line Simulator", 14.25, false},
    {"Label2", "Corvane, version %1\nBuilt with the Qt %2 toolkit", 9.75, false},
    {"Label3",
     "Transient waves on a transmission line,\nstep by step, for the classroom.\n\n"
     "Corvane is free software under the MIT licence.",
     9.75, false},
}};

}  // namespace session
