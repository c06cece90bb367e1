#pragma once
// The character store as its users see it: write a record, build a record.
// It knows nothing of files or formats.

#include "uHalvaneCharacter.h"

#include <memory>

namespace halvane {

class IHalvaneDAO {
public:
    virtual ~IHalvaneDAO() = default;

    // Writes the record; the record is only read.
    virtual void Save(const THalvaneCharacter& character) = 0;
    // A new record, owned by the caller. On failure nothing is returned and
    // nothing of the caller's is changed.
    virtual std::unique_ptr<THalvaneCharacter> Load() = 0;
};

} // namespace halvane
