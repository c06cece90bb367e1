#pragma once
// Reading a whole file with a size limit, and replacing a file so that a
// failure never leaves it half written. Both raise std::runtime_error with the
// system's reason; the caller adds which file and what it was doing.

#include <cstddef>
#include <string>
#include <string_view>

namespace halvane {

// The file's bytes. Refuses what is not a regular file and anything larger
// than limit bytes, before reading it.
std::string ReadFileLimited(const std::string& fileName, std::size_t limit);

// Writes contents to a new file in the target's folder, flushes it to disk and
// renames it over fileName, then flushes the folder. On failure the previous
// file is untouched and the temporary file is gone. An existing target keeps
// its permission bits.
void ReplaceFileSafely(const std::string& fileName, std::string_view contents);

} // namespace halvane
