#pragma once
// The host's operator, for the plug-in's modal windows on Windows: a thread of
// the test program confirms the Cabrillo header form unchanged (as the native
// build does by itself) and closes every "Output" box, keeping its text.
// Only windows of this process are touched. Natively nothing is shown, and
// there are no reports to take.
#include <string>
#include <vector>

// The texts of the "Output" boxes closed since the last call.
std::vector<std::string> TakeOutputReports();
