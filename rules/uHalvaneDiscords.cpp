#include "uHalvaneDiscords.h"

namespace halvane {

void BuildDiscords(std::array<std::unique_ptr<TDiscord>, DiscordCount>& discords) {
    for (std::size_t i = 0; i < DiscordCount; ++i) {
        auto discord = std::make_unique<TDiscord>();
        discord->Name = std::string(DiscordNames[i]);
        discord->SpecificationRequired = DiscordSpecificationRequired[i];
        discord->Realm = i < 10 ? 0 : i < 18 ? 1 : 2;
        discords[i] = std::move(discord);
    }
}

} // namespace halvane
