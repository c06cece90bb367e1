// Feeds arbitrary bytes to the store's loader. A file either fails with the
// store's own error or gives a record; such a record must save, and its file
// must load and save again to the very same bytes.

#include "uHalvaneXMLDAO.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const halvane::THalvaneXMLDAO store;
    std::unique_ptr<halvane::THalvaneCharacter> character;
    try {
        character = store.LoadFromBuffer(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const halvane::ECharacterFileError&) {
        return 0;
    }
    const std::string first = store.SaveToString(*character);
    const auto again = store.LoadFromBuffer(first);
    if (store.SaveToString(*again) != first) std::abort();
    return 0;
}
