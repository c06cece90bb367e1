#include "uHalvaneSkills.h"

namespace halvane {
namespace {

struct SkillRow {
    std::uint8_t Attributes;
    std::int32_t Default;
    bool SpecificationRequired;
};

// Attribute bits: 1 Str, 2 Int, 4 Will, 8 Agi, 16 Prec, 32 Perc.
constexpr std::array<SkillRow, SkillCount> Rows = {{
    {8, -3, false},   // Acrobatics
    {32, -2, false},  // Artistry
    {2, -5, false},   // Chemistry
    {8, -2, false},   // Climbing
    {2, -4, false},   // Computer Operation
    {32, -2, false},  // Detect Lies
    {8, -1, false},   // Dodge
    {32, -2, true},   // Driving
    {18, -5, false},  // Eletronics
    {32, -1, false},  // Emote
    {16, -4, false},  // Engineering
    {24, -3, false},  // Escape
    {4, -1, false},   // Fast-Talk
    {5, -1, true},    // Fighting
    {2, -4, true},    // Knowledge
    {2, -4, true},    // Languages
    {1, -3, true},    // Large Weapon
    {16, -3, false},  // Lockpicking
    {34, -2, false},  // Lying
    {16, -4, false},  // Medicine
    {8, -1, false},   // Move Silently
    {16, -2, true},   // Ranged Weapon
    {9, -1, false},   // Running
    {18, -4, false},  // Savoir-Faire
    {4, -1, false},   // Seduction
    {32, -2, false},  // Singing
    {16, -2, true},   // Small Weapon
    {36, -4, true},   // Survival
    {8, -2, false},   // Swimming
    {2, -2, false},   // Tactics
    {24, -3, false},  // Throwing
    {32, -2, false},  // Tracking
}};

} // namespace

void BuildSkills(std::array<std::unique_ptr<TSkill>, SkillCount>& skills) {
    for (auto& skill : skills) skill = std::make_unique<TSkill>();
    for (std::size_t i = 0; i < SkillCount; ++i) {
        skills[i]->Name = std::string(SkillNames[i]);
        skills[i]->Attributes = Rows[i].Attributes;
        skills[i]->Default = Rows[i].Default;
        skills[i]->SpecificationRequired = Rows[i].SpecificationRequired;
    }
}

} // namespace halvane
