#pragma once
// Who the program is to the desktop: its name, version, the desktop entry that describes it
// (so that the task bar finds its icon and groups its windows) and the icon of every window.

namespace app {

// The reverse-DNS id (set by the build): the name of the desktop entry, the metainfo and the
// icon files.
inline constexpr char kApplicationId[] = CORVANE_APP_ID;

// Call once the application object exists, before the first window is shown.
void SetApplicationIdentity();

}  // namespace app
