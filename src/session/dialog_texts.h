#pragma once
// The texts and typefaces of the help window and the about box, which a view builds them with.

#include <array>

#include "help/help_places.h"

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

// The about box's client area and where its band, lines and OK stand, in twips.
inline constexpr int kAboutWidthTwips = 6555;
inline constexpr int kAboutHeightTwips = 4605;
inline constexpr help::TwipRect kAboutBandPlace{360, 360, 1215, 3975};  // Picture1, dark red
inline constexpr unsigned kAboutBandColour = 0x800000;                  // 0xRRGGBB
inline constexpr help::TwipRect kAboutOkPlace{5280, 3960, 855, 375};

struct AboutLine {
    const char* name;
    // "%1" stands for the program's version and "%2" for what it was built with, which the
    // view knows ("the Qt 6.4.2 toolkit" on the desktop).
    const char* text;
    double points;
    bool bold;
    help::TwipRect place;
};

inline constexpr std::array<AboutLine, 4> kAboutLines{{
    {"lblTitle", "Corvane 1.0", 18, true, {1800, 360, 2895, 375}},
    {"Label1", "Transmission Line Simulator", 14.25, false, {1800, 840, 3495, 375}},
    {"Label2", "Corvane, version %1\nBuilt with %2", 9.75, false, {1800, 1320, 4335, 615}},
    {"Label3",
     "Transient waves on a transmission line,\nstep by step, for the classroom.\n\n"
     "Corvane is free software under the MIT licence.",
     9.75,
     false,
     {1800, 2160, 4215, 1575}},
}};

}  // namespace session
