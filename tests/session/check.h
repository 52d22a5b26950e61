#pragma once
// What the session's test groups share: a failure count and a check that names what failed.

#include <cstdio>
#include <string>

namespace sessiontest {

inline int failures = 0;

inline void Check(bool ok, const std::string& what) {
    if (ok) return;
    ++failures;
    std::printf("FAIL: %s\n", what.c_str());
}

// run_test.cpp
void RunStates();
void IntervalAndExit();

// plot_test.cpp
void MeterReadings();
void ReleaseRestoresTheReadout();
void ZoomButtons();
void TraceBoxesAndEnvelope();
void UnusableElementsIgnored();

// setup_test.cpp
void SetUpRows();
void EveryEntryCommand();
void ChangesReachTheNextTick();
void ExitWithAQuestionWaiting();
void TabStops();
void HelpAndAbout();

// link_test.cpp
void LinkRoundTrip();
void LinkRefusals();

}  // namespace sessiontest
