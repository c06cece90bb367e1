#pragma once
// Builds the 27 catalogue superiors with their attunements and distinctions.

#include "uHalvaneSystem.h"

#include <array>
#include <memory>
#include <string_view>

namespace halvane {

// A new superior for catalogue position index, or none above 26.
std::unique_ptr<TSuperior> CreateSuperior(std::uint8_t index);

void AddServitorAttunement(TSuperior& superior, std::string_view name);
void AddDistinctions(TSuperior& superior, const std::array<std::string_view, 3>& names);

void BuildSuperiors(std::array<std::unique_ptr<TSuperior>, SuperiorCount>& superiors);

} // namespace halvane
