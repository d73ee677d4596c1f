// What a run reports: one line per frame when tracing, and one line at the
// end of each level and at each end screen.
#pragma once

#include <cstdio>

// Call after every frame, with the number of calls of AppFrame so far.
// Prints the trace line when trace is set and the summary lines as they fall.
void ReportFrame(std::FILE* out, unsigned frame, bool trace);
// Deaths seen so far in this run.
int ReportedDeaths();
