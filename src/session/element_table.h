#pragma once
// The elements of the main window as data: kind, caption, place in twips, container and the
// state they are created in. Form1 builds its widgets from this table and nothing else.

#include <array>
#include <span>

namespace session {

enum class ElementKind {
    Button,       // a push button
    Label,        // a fixed caption
    ValueLabel,   // a label that shows a parameter's value and unit
    StatusLabel,  // a label of several lines (the status line)
    CheckBox,     // a check box
    Option,       // an option button; the buttons of one container exclude each other
    Frame,        // a container with a caption
    Slider,       // a horizontal slider
    Plot,         // the plot area
    Timer,        // a timer: not drawn, no place
};

// What an element is at the moment it is created; start-up changes some of it afterwards.
enum StartFlag : unsigned {
    kPlain = 0,
    kGreyed = 1u << 0,
    kHidden = 1u << 1,
    kChecked = 1u << 2,  // check box checked, option button selected
};

struct ElementRow {
    const char* name;
    ElementKind kind;
    const char* caption;
    const char* container;         // "" for the client area, else the frame's name
    int left, top, width, height;  // twips, relative to the container
    unsigned start = kPlain;
    unsigned textColor = 0;        // 0xRRGGBB; 0 leaves the style's colour
    const char* family = nullptr;  // nullptr: the default typeface of the window
    double points = 0;             // 0: the default size
    bool bold = false;
};

// Every element in creation order: containers before their contents.
std::span<const ElementRow> ElementTable();

// The window's client area below the menu bar, in twips.
inline constexpr int kClientWidthTwips = 11655;
inline constexpr int kClientHeightTwips = 8085;

// The resistance labels are set a little larger at start-up, before their first text, so that
// the ohm sign reads well; every view of the window does the same.
inline constexpr std::array<const char*, 3> kLargerLabels{"lblR1", "lblR2", "lblX2"};
inline constexpr double kLargerPoints = 10;

// The default typeface of captions and labels.
inline constexpr const char* kDefaultFamily = "MS Sans Serif";
inline constexpr double kDefaultPoints = 8.25;

}  // namespace session
