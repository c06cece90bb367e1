#pragma once
#include "uHalvaneSystem.h"

namespace halvane {
void BuildSkills(std::array<std::unique_ptr<TSkill>, SkillCount>& skills);
} // namespace halvane
