#pragma once
// Replacing a file by another in one step: the new content is written to a
// temporary file first and then renamed over the old name, so a crash or a
// full disk while writing leaves the old file whole.
#include <string>

namespace platform {

// Renames `from` to `to`, replacing `to` if it exists. False when it failed
// (then both files are as they were).
bool RenameOver(const std::string& from, const std::string& to);

// Removes a file; false when it could not be removed (or did not exist).
bool RemoveFile(const std::string& name);

}  // namespace platform
