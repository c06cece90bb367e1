#pragma once
// The character store over "*.hcs" files: an XML document with the root
// Character, read and written through the typed nodes. Names in the file are
// matched against the catalogues; what the catalogues hold decides what a
// loaded character gets.
//
// Every failure raises ECharacterFileError, whose text names the file and says
// what is wrong and where. Save never leaves a half-written file behind.

#include "uHalvaneDAO.h"

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvane {

class ECharacterFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class THalvaneXMLDAO : public IHalvaneDAO {
public:
    // Larger files are refused before they are parsed: no character comes
    // near this size, and parsing takes several times the file's size.
    static constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

    // Full path of the character file; also names the data in messages when
    // the stream doors are used.
    std::string FileName;

    // The file doors.
    void Save(const THalvaneCharacter& character) override;
    std::unique_ptr<THalvaneCharacter> Load() override;

    // The in-memory doors: the same document, without touching a file.
    std::string SaveToString(const THalvaneCharacter& character) const;
    void SaveToStream(const THalvaneCharacter& character, std::ostream& out) const;
    std::unique_ptr<THalvaneCharacter> LoadFromBuffer(std::string_view data) const;
    std::unique_ptr<THalvaneCharacter> LoadFromStream(std::istream& in) const;

private:
    std::string Subject() const;
};

} // namespace halvane
