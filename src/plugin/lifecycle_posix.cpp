#include "plugin/lifecycle.h"

// dlclose of the library; at process exit no companion thread exists natively.
__attribute__((destructor)) static void UnloadStats() { OnLibraryUnload(false); }
