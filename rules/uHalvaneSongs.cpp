#include "uHalvaneSongs.h"

namespace halvane {

void BuildSongs(std::array<std::unique_ptr<TSong>, SongCount>& songs) {
    std::size_t position = 0;
    auto add = [&](std::size_t nameRow, std::uint8_t realm) {
        auto song = std::make_unique<TSong>();
        song->Name = std::string(SongNames[nameRow]);
        song->Realm = realm;
        songs.at(position++) = std::move(song);
    };
    for (std::size_t j = 0; j <= 13; ++j)
        for (std::uint8_t k = 0; k <= 2; ++k) add(j, k);
    for (std::size_t j = 14; j <= 21; ++j) add(j, 0);
}

} // namespace halvane
