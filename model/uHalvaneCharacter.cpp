#include "uHalvaneCharacter.h"

#include <stdexcept>
#include <string>

namespace halvane {

TForces& THalvaneCharacter::GetForces(std::int32_t index) {
    switch (index) {
    case 0: return CorporealForces;
    case 1: return EtherealForces;
    case 2: return CelestialForces;
    default: throw std::out_of_range("force group index " + std::to_string(index) + " is not 0, 1 or 2");
    }
}

const TForces& THalvaneCharacter::GetForces(std::int32_t index) const {
    return const_cast<THalvaneCharacter*>(this)->GetForces(index);
}

std::int64_t THalvaneCharacter::TotalForces() const noexcept {
    return std::int64_t{CorporealForces.Forces} + EtherealForces.Forces + CelestialForces.Forces;
}

void THalvaneCharacter::SetSuperior(const TSuperior* catalogueSuperior) noexcept {
    if (catalogueSuperior != nullptr && catalogueSuperior == ownSuperior_.get()) return;
    superior_ = catalogueSuperior;
    ownSuperior_.reset();
}

TSuperior& THalvaneCharacter::SetOwnSuperior(std::unique_ptr<TSuperior> own) {
    if (!own) throw std::invalid_argument("a mortal's superior must exist");
    ownSuperior_ = std::move(own);
    superior_ = ownSuperior_.get();
    return *ownSuperior_;
}

std::int64_t THalvaneCharacter::TotalResourceCost() const noexcept {
    std::int64_t sum = 0;
    for (const TResource* resource : Resources) sum += resource->GetCost();
    return sum;
}

} // namespace halvane
