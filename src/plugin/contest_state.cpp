#include "plugin/contest_state.h"

namespace {
// Constructed when the library loads, destroyed when it unloads.
ContestState gState;
}  // namespace

ContestState& State() { return gState; }
