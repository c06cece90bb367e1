#pragma once
// The one record of the character being created. It stores and adds up; it
// checks no creation rule. It owns everything it holds: its force groups, its
// lists and every element in them, and a mortal's own superior. Catalogue
// entries are only ever referred to (a celestial superior, an attunement's
// superior, an artifact's skill or song), never held.

#include "uHalvaneSystem.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace halvane {

class THalvaneCharacter {
public:
    THalvaneCharacter() = default;
    THalvaneCharacter(const THalvaneCharacter&) = delete;
    THalvaneCharacter& operator=(const THalvaneCharacter&) = delete;
    virtual ~THalvaneCharacter() = default;

    TCorporealForces CorporealForces;
    TEtherealForces EtherealForces;
    TCelestialForces CelestialForces;

    std::string Name;
    std::optional<std::uint8_t> Concept;
    std::optional<std::uint8_t> CelestialKind;
    TDistinctions Distinctions;
    TResources Resources;
    std::string Word;
    std::int32_t ResourcePoints = 0;

    // 0 corporeal, 1 ethereal, 2 celestial; the same object on every call.
    // Any other index throws std::out_of_range.
    TForces& GetForces(std::int32_t index);
    const TForces& GetForces(std::int32_t index) const;

    // The sum of the three groups' forces, in 64 bits so that no sum overflows.
    std::int64_t TotalForces() const noexcept;

    // The superior: a catalogue entry for a celestial character, the record's
    // own name-only superior for a mortal, or none.
    const TSuperior* Superior() const noexcept { return superior_; }
    // Refers to a catalogue superior (or none); releases an own superior.
    void SetSuperior(const TSuperior* catalogueSuperior) noexcept;
    // Takes a superior made for this character; releases the previous own one.
    TSuperior& SetOwnSuperior(std::unique_ptr<TSuperior> own);
    // The record's own superior, if it holds one.
    TSuperior* OwnSuperior() noexcept { return ownSuperior_.get(); }

    // The sum of GetCost over every resource; the points left are
    // ResourcePoints less this.
    std::int64_t TotalResourceCost() const noexcept;

private:
    std::unique_ptr<TSuperior> ownSuperior_;
    const TSuperior* superior_ = nullptr;
};

} // namespace halvane
