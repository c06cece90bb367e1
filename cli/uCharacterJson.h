#pragma once
// A character record as one JSON object, for scripts and for checking files
// from outside. Keys keep the order in which they are listed.

#include "uHalvaneCharacter.h"

#include <nlohmann/json.hpp>

namespace halvane {

nlohmann::ordered_json CharacterToJson(const THalvaneCharacter& character);

} // namespace halvane
