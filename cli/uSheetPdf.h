#pragma once
#include "uHalvaneCharacter.h"

#include <string>

namespace halvane {
// Paints the character sheet of the record into a one-page PDF file, with no
// display needed. Throws on failure.
void WriteSheetPdf(const THalvaneCharacter& character, const std::string& fileName);
} // namespace halvane
