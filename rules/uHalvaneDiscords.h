#pragma once
#include "uHalvaneSystem.h"

namespace halvane {
void BuildDiscords(std::array<std::unique_ptr<TDiscord>, DiscordCount>& discords);
} // namespace halvane
