#pragma once
#include "uHalvaneSystem.h"

namespace halvane {
// Fourteen songs in each of the three realms, then the eight corporeal forms
// of Numinous Corpus.
void BuildSongs(std::array<std::unique_ptr<TSong>, SongCount>& songs);
} // namespace halvane
