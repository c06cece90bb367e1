#include "uHalvaneXMLDAO.h"

#include "uHalvaneCharacterSheetXMLInterface.h"
#include "uHalvaneFiles.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>
#include <unordered_set>

namespace halvane {
namespace {

// ------------------------------------------------------------------- writing

// Checks that keep Save from writing a file that Load would refuse or that
// would make a reader index past a table.
void CheckSavable(const THalvaneCharacter& c, const std::string& subject) {
    const auto refuse = [&subject](const std::string& why) {
        throw ECharacterFileError("Cannot save " + subject + ": " + why + "; nothing was written.");
    };
    if (!c.Concept) refuse("the character has no concept yet");
    if (*c.Concept >= Concepts.size())
        refuse("the character's concept is row " + std::to_string(*c.Concept) +
               ", which is not a concept");
    // Such files would be refused on loading: the character would be lost
    // although the save looked successful.
    if (IsCelestialConcept(*c.Concept) && !c.CelestialKind)
        refuse("a celestial character needs its celestial kind before it can be saved; choose one on the "
               "Concept step");
    if (IsMortalConcept(*c.Concept)) {
        bool hasVessel = false;
        for (const TResource* r : c.Resources) hasVessel = hasVessel || dynamic_cast<const TVessel*>(r) != nullptr;
        if (!hasVessel) refuse("a mortal character needs its vessel, and this one has none");
    }
    if (c.CelestialKind && *c.CelestialKind >= CelestialKinds.size())
        refuse("the character's celestial kind is row " + std::to_string(*c.CelestialKind) +
               ", which is not a celestial kind");
    for (const TResource* r : c.Resources) {
        if (const auto* servant = dynamic_cast<const TServant*>(r);
            servant != nullptr && servant->ServantClass >= ServantClasses.size())
            refuse("the servant \"" + servant->Name + "\" has class row " +
                   std::to_string(servant->ServantClass) + ", which is not a servant class");
        if (const auto* artifact = dynamic_cast<const TArtifact*>(r);
            artifact != nullptr && artifact->Realm == 2 && artifact->ReliquaryType > 2)
            refuse("the artifact \"" + artifact->Name + "\" has reliquary type " +
                   std::to_string(artifact->ReliquaryType) + ", which is not 0, 1 or 2");
    }
}

// The realm's name, or empty text for a value outside the table (only a song
// made by hand can carry one; it then matches no catalogue song on loading).
std::string_view RealmName(std::uint8_t realm) {
    return realm < Realms.size() ? Realms[realm] : std::string_view();
}

void WriteResource(const TResource& r, TXMLResourcesType resources) {
    if (const auto* skill = dynamic_cast<const TSkill*>(&r)) {
        TXMLSkillType node = resources.Get_Skills().Add();
        node.Set_Description(skill->Name);
        node.Set_Specification(skill->Specification);
        node.Set_Level(skill->Level);
    } else if (const auto* song = dynamic_cast<const TSong*>(&r)) {
        TXMLSongType node = resources.Get_Songs().Add();
        node.Set_Description(song->Name);
        node.Set_Realm(RealmName(song->Realm));
        node.Set_Level(song->Level);
    } else if (const auto* servant = dynamic_cast<const TServant*>(&r)) {
        TXMLServantType node = resources.Get_Servants().Add();
        node.Set_Description(servant->Name);
        node.Set_ServantClass(servant->ServantClass);
        node.Set_Level(servant->Level);
    } else if (const auto* vessel = dynamic_cast<const TVessel*>(&r)) {
        TXMLVesselType node = resources.Get_Vessels().Add();
        node.Set_Description(vessel->Name);
        const TXMLCharismaType charisma = node.Get_Charisma();
        charisma.Set_Description(vessel->Charisma->Name);
        charisma.Set_Level(vessel->Charisma->Level);
        const TXMLRoleType role = node.Get_Role();
        role.Set_Description(vessel->Role->Name);
        role.Set_Level(vessel->Role->Level);
        role.Set_Status(vessel->Role->Status);
        node.Set_Level(vessel->Level);
    } else if (const auto* artifact = dynamic_cast<const TArtifact*>(&r)) {
        TXMLArtifactType node = resources.Get_Artifacts().Add();
        node.Set_Description(artifact->Name);
        // Any realm other than ethereal or celestial is priced and read back
        // as corporeal, so it is written as one.
        const std::uint8_t realm = artifact->Realm <= 2 ? artifact->Realm : 0;
        node.Set_Realm(Realms[realm]);
        if (realm == 0) {
            node.Get_Binding().Set_Level(artifact->Level);
        } else if (realm == 1) {
            // An artifact whose skill matched no catalogue entry keeps an
            // empty reference; it is written with an empty name.
            const TXMLSkillType bound = node.Get_Skill();
            bound.Set_Description(artifact->Skill != nullptr ? artifact->Skill->Name : "");
            bound.Set_Specification(artifact->Skill != nullptr ? artifact->Skill->Specification : "");
            bound.Set_Level(artifact->Level);
        } else {
            const TXMLSongType held = node.Get_Song();
            held.Set_Description(artifact->Song != nullptr ? artifact->Song->Name : "");
            held.Set_Realm(artifact->Song != nullptr ? RealmName(artifact->Song->Realm) : "");
            held.Set_Level(artifact->Level);
            node.Set_ReliquaryType(artifact->ReliquaryType);
        }
    } else if (const auto* attunement = dynamic_cast<const TAttunement*>(&r)) {
        TXMLAttunementType node = resources.Get_Attunements().Add();
        node.Set_Description(attunement->Name);
        node.Set_Superior(attunement->Superior != nullptr ? attunement->Superior->Name : "");
    } else if (const auto* discord = dynamic_cast<const TDiscord*>(&r)) {
        TXMLDiscordType node = resources.Get_Discords().Add();
        node.Set_Description(discord->Name);
        node.Set_Specification(discord->Specification);
        node.Set_Level(discord->Level);
    }
    // Anything else (a lone charisma or role) has no place in the file.
}

constexpr std::array<std::array<const char*, 2>, 3> CharacteristicNames = {{
    {"strength", "agility"}, {"intelligence", "precision"}, {"will", "perception"}}};

void BuildDocument(const THalvaneCharacter& c, pugi::xml_document& document) {
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");

    const TXMLCharacterType root = GetCharacter(document);
    root.Set_Name(c.Name);
    root.Set_Concept(*c.Concept);
    if (c.CelestialKind) root.Set_CelestialKind(*c.CelestialKind);
    root.Set_Word(c.Word);

    const TXMLForcesType forces = root.Get_Forces();
    const std::array<TXMLForcesGroupType, 3> groups = {
        forces.Get_CorporealForces(), forces.Get_EtherealForces(), forces.Get_CelestialForces()};
    for (std::int32_t g = 0; g < 3; ++g) groups[static_cast<std::size_t>(g)].Set_Value(c.GetForces(g).Forces);
    for (std::int32_t g = 0; g < 3; ++g) {
        const auto index = static_cast<std::size_t>(g);
        const TXMLAttributeType first = groups[index].Add();
        first.Set_Name(CharacteristicNames[index][0]);
        first.Set_Value(c.GetForces(g).Characteristic1);
        const TXMLAttributeType second = groups[index].Add();
        second.Set_Name(CharacteristicNames[index][1]);
        second.Set_Value(c.GetForces(g).Characteristic2);
    }

    if (const TSuperior* superior = c.Superior()) {
        const TXMLSuperiorType node = root.Get_Superior();
        node.Set_Name(superior->Name);
        node.Set_Word(superior->Word);
    }

    if (c.Distinctions.Count() > 0) {
        const TXMLDistinctionsType distinctions = root.Get_Distinctions();
        for (const TDistinction* d : c.Distinctions) distinctions.Add().Set_Name(d->Name);
    }

    const TXMLResourcesType resources = root.Get_Resources();
    resources.Set_Value(c.ResourcePoints);
    for (const TResource* r : c.Resources) WriteResource(*r, resources);
}

class TStringWriter : public pugi::xml_writer {
public:
    std::string Text;
    void write(const void* data, std::size_t size) override {
        Text.append(static_cast<const char*>(data), size);
    }
};

// ------------------------------------------------------------------- reading

[[noreturn]] void NotWellFormed(const std::string& what, pugi::xml_node at) {
    throw EXMLNodeError("the file is not well-formed XML: " + what, at.offset_debug());
}

// Top-level nodes and attributes that pugixml lets through but XML forbids.
void CheckWellFormed(const pugi::xml_document& document) {
    bool sawElement = false;
    bool first = true;
    for (pugi::xml_node n = document.first_child(); n; n = n.next_sibling(), first = false) {
        switch (n.type()) {
        case pugi::node_element:
            if (sawElement)
                NotWellFormed(std::string("a second element <") + n.name() + "> follows the root element", n);
            sawElement = true;
            break;
        case pugi::node_pcdata:
        case pugi::node_cdata: NotWellFormed("text stands outside the root element", n);
        case pugi::node_declaration:
            if (!first) NotWellFormed("the XML declaration is not at the start", n);
            break;
        default: break;
        }
    }
    if (!sawElement) throw EXMLNodeError("the file holds no XML element", -1);

    // Walk the tree without recursion: a file may nest elements very deep.
    std::unordered_set<std::string_view> names;
    pugi::xml_node n = document.document_element();
    while (n) {
        if (n.type() == pugi::node_element && n.first_attribute()) {
            names.clear();
            for (pugi::xml_attribute a : n.attributes())
                if (!names.insert(a.name()).second)
                    NotWellFormed(std::string("element <") + n.name() + "> has the attribute \"" + a.name() +
                             "\" twice",
                         n);
        }
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling()) {
            n = n.parent();
            if (n.type() == pugi::node_document) n = pugi::xml_node();
        }
        if (n) n = n.next_sibling();
    }
}

// Row numbers keep their lowest eight bits; a row past the end of its table
// would make every later user index past it, so it fails the load.
std::uint8_t ReadRow(const TXMLNode& node, std::int32_t value, const char* attribute,
                     std::size_t rows, const char* table) {
    const auto row = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
    if (row >= rows) {
        std::string found = std::to_string(value);
        if (row != value) found += ", whose lowest eight bits give " + std::to_string(row);
        node.Fail(std::string("attribute \"") + attribute + "\" holds " + found + ", which is not " +
                  table + " (rows 0 to " + std::to_string(rows - 1) + ")");
    }
    return row;
}

std::optional<std::uint8_t> RealmRow(std::string_view text) {
    for (std::size_t i = 0; i < Realms.size(); ++i)
        if (Realms[i] == text) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

const TSkill* FindSkill(std::string_view name) {
    for (const TSkill* skill : Skills())
        if (skill->Name == name) return skill;
    return nullptr;
}

const TSong* FindSong(std::string_view name, std::string_view realm) {
    const std::optional<std::uint8_t> row = RealmRow(realm);
    if (!row) return nullptr;
    for (const TSong* song : Songs())
        if (song->Name == name && song->Realm == *row) return song;
    return nullptr;
}

const TDiscord* FindDiscord(std::string_view name) {
    for (const TDiscord* discord : Discords())
        if (discord->Name == name) return discord;
    return nullptr;
}

class TCharacterReader {
public:
    explicit TCharacterReader(THalvaneCharacter& c) : c_(c) {}

    void Read(const TXMLCharacterType& root) {
        c_.Name = root.Get_Name();
        c_.Word = root.Get_Word();
        c_.Concept = ReadRow(root, root.Get_Concept(), "concept", Concepts.size(), "a concept");
        celestial_ = IsCelestialConcept(*c_.Concept);
        if (celestial_)
            c_.CelestialKind = ReadRow(root, root.Get_CelestialKind(), "celestialKind",
                                       CelestialKinds.size(), "a celestial kind");

        ReadForces(root.Get_Forces());
        ReadSuperior(root.Get_Superior());
        for (const TXMLDistinctionType item : root.Get_Distinctions()) {
            auto distinction = std::make_unique<TDistinction>();
            distinction->Name = item.Get_Name();
            c_.Distinctions.Add(std::move(distinction));
        }

        const TXMLResourcesType resources = root.Get_Resources();
        c_.ResourcePoints = resources.Get_Value();
        ReadResourceGroups(resources);
    }

private:
    void ReadForces(const TXMLForcesType& forces) {
        const std::array<TXMLForcesGroupType, 3> groups = {
            forces.Get_CorporealForces(), forces.Get_EtherealForces(), forces.Get_CelestialForces()};
        for (std::int32_t g = 0; g < 3; ++g) {
            const TXMLForcesGroupType& group = groups[static_cast<std::size_t>(g)];
            TForces& target = c_.GetForces(g);
            target.Forces = group.Get_Value();
            // By position: the names of the items are not looked at.
            auto item = group.begin();
            if (item == group.end() || std::next(item) == group.end())
                group.Fail("it has " + std::to_string(group.Count()) +
                           " <Attribute> items; it needs two");
            target.Characteristic1 = (*item).Get_Value();
            target.Characteristic2 = (*std::next(item)).Get_Value();
        }
    }

    void ReadSuperior(const TXMLSuperiorType& node) {
        const std::string name = node.Get_Name();
        if (!celestial_) {
            auto own = std::make_unique<TSuperior>();
            own->Name = name;
            c_.SetOwnSuperior(std::move(own));
            return;
        }
        if (name.empty()) return;
        for (const TSuperior* superior : Superiors())
            if (superior->Name == name) c_.SetSuperior(superior);
    }

    // The groups are read in the order they stand in the file, each kind in
    // file order. A file this store wrote lists them in the order their kinds
    // first appeared in the saved record, so loading and saving again gives
    // the same document. Only the first element of each group tag counts.
    void ReadResourceGroups(const TXMLResourcesType& resources) {
        std::unordered_set<std::string_view> seen;
        for (pugi::xml_node group = resources.Node().first_child(); group;
             group = group.next_sibling()) {
            if (group.type() != pugi::node_element || !seen.insert(group.name()).second) continue;
            const std::string_view tag = group.name();
            if (tag == TXMLSkillsType::Tag) ReadSkills(TXMLSkillsType(group));
            else if (tag == TXMLSongsType::Tag) ReadSongs(TXMLSongsType(group));
            else if (tag == TXMLServantsType::Tag) ReadServants(TXMLServantsType(group));
            else if (tag == TXMLVesselsType::Tag) ReadVessels(TXMLVesselsType(group));
            else if (tag == TXMLArtifactsType::Tag) ReadArtifacts(TXMLArtifactsType(group));
            else if (tag == TXMLAttunementsType::Tag) {
                if (celestial_) ReadAttunements(TXMLAttunementsType(group));
            } else if (tag == TXMLDiscordsType::Tag) ReadDiscords(TXMLDiscordsType(group));
        }
        if (!celestial_ && !mortalVesselRead_)
            resources.Get_Vessels().Fail("a mortal character needs a <Vessel>, and there is none");
    }

    void ReadSkills(const TXMLSkillsType& skills) {
        for (const TXMLSkillType item : skills) {
            const TSkill* entry = FindSkill(item.Get_Description());
            if (entry == nullptr) continue;
            auto skill = TSkill::CreateCopy(*entry);
            skill->Level = item.Get_Level();
            if (skill->SpecificationRequired) skill->Specification = item.Get_Specification();
            c_.Resources.Add(std::move(skill));
        }
    }

    void ReadSongs(const TXMLSongsType& songs) {
        for (const TXMLSongType item : songs) {
            const TSong* entry = FindSong(item.Get_Description(), item.Get_Realm());
            if (entry == nullptr) continue;
            auto song = TSong::CreateCopy(*entry);
            song->Level = item.Get_Level();
            c_.Resources.Add(std::move(song));
        }
    }

    void ReadServants(const TXMLServantsType& servants) {
        for (const TXMLServantType item : servants) {
            auto servant = std::make_unique<TServant>();
            servant->Name = item.Get_Description();
            servant->ServantClass = ReadRow(item, item.Get_ServantClass(), "servantClass",
                                            ServantClasses.size(), "a servant class");
            servant->Level = item.Get_Level();
            c_.Resources.Add(std::move(servant));
        }
    }

    static std::unique_ptr<TVessel> ReadVessel(const TXMLVesselType& item) {
        auto vessel = std::make_unique<TVessel>();
        vessel->Name = item.Get_Description();
        const TXMLCharismaType charisma = item.Get_Charisma();
        vessel->Charisma->Name = charisma.Get_Description();
        vessel->Charisma->Level = charisma.Get_Level();
        const TXMLRoleType role = item.Get_Role();
        vessel->Role->Name = role.Get_Description();
        vessel->Role->Status = role.Get_Status();
        vessel->Role->Level = role.Get_Level();
        vessel->Level = item.Get_Level();
        return vessel;
    }

    void ReadVessels(const TXMLVesselsType& vessels) {
        if (!celestial_) {
            // A mortal has exactly one vessel, the body that came with the
            // concept; further items are ignored.
            auto first = vessels.begin();
            if (first == vessels.end()) return;
            auto vessel = ReadVessel(*first);
            vessel->Granted = true;
            c_.Resources.Add(std::move(vessel));
            mortalVesselRead_ = true;
            return;
        }
        for (const TXMLVesselType item : vessels) c_.Resources.Add(ReadVessel(item));
    }

    void ReadArtifacts(const TXMLArtifactsType& artifacts) {
        for (const TXMLArtifactType item : artifacts) {
            auto artifact = std::make_unique<TArtifact>();
            artifact->Name = item.Get_Description();
            artifact->Realm = RealmRow(item.Get_Realm()).value_or(0);
            if (artifact->Realm == 0) {
                artifact->Level = item.Get_Binding().Get_Level();
            } else if (artifact->Realm == 1) {
                const TXMLSkillType skill = item.Get_Skill();
                artifact->Skill = FindSkill(skill.Get_Description());
                artifact->Level = skill.Get_Level();
            } else {
                const TXMLSongType song = item.Get_Song();
                artifact->Song = FindSong(song.Get_Description(), song.Get_Realm());
                artifact->Level = song.Get_Level();
                artifact->ReliquaryType = ReadRow(item, item.Get_ReliquaryType(), "reliquaryType", 3,
                                                  "a reliquary type");
            }
            c_.Resources.Add(std::move(artifact));
        }
    }

    // Every attunement is the record's own copy. The choir attunement that
    // comes with the superior for the character's kind is granted again, so
    // the character has the points left that it had when it was saved.
    void ReadAttunements(const TXMLAttunementsType& attunements) {
        const TSuperior* superior = c_.Superior();
        const TResource* grantedEntry = nullptr;
        if (superior != nullptr && c_.CelestialKind) {
            const std::int32_t kind = *c_.CelestialKind;
            const std::int32_t position = kind < 8 ? kind : kind - 8;
            // As when the superior was chosen: a superior of the other side
            // offers no attunement of this kind, and "Grigori" has none.
            if (position < superior->ChoirAttunements.Count()) {
                const auto* entry =
                    dynamic_cast<const TChoirAttunement*>(superior->ChoirAttunements.Items(position));
                if (entry != nullptr && entry->CelestialKind == c_.CelestialKind) grantedEntry = entry;
            }
        }
        const bool angelic = *c_.Concept == 0 || *c_.Concept == 2 ||
                             (*c_.Concept == 4 && IsAngelicKind(*c_.CelestialKind));
        const std::size_t firstSuperior = angelic ? 0 : 13;
        const std::size_t lastSuperior = angelic ? 13 : SuperiorCount;

        for (const TXMLAttunementType item : attunements) {
            const std::string name = item.Get_Description();
            // Without a matched superior there are no choir attunements to
            // find; the servitor attunements are still found by side.
            if (superior != nullptr)
                for (const TResource* entry : superior->ChoirAttunements) {
                    const auto* choir = dynamic_cast<const TChoirAttunement*>(entry);
                    if (choir == nullptr || choir->Name != name) continue;
                    auto copy = TChoirAttunement::CreateCopy(*choir);
                    if (entry == grantedEntry && !grantedGiven_) {
                        copy->Granted = true;
                        grantedGiven_ = true;
                    }
                    c_.Resources.Add(std::move(copy));
                }
            for (std::size_t s = firstSuperior; s < lastSuperior; ++s)
                for (const TResource* entry : Superiors()[s]->ServitorAttunements) {
                    const auto* servitor = dynamic_cast<const TServitorAttunement*>(entry);
                    if (servitor != nullptr && servitor->Name == name)
                        c_.Resources.Add(TServitorAttunement::CreateCopy(*servitor));
                }
        }
    }

    void ReadDiscords(const TXMLDiscordsType& discords) {
        for (const TXMLDiscordType item : discords) {
            const TDiscord* entry = FindDiscord(item.Get_Description());
            if (entry == nullptr) continue;
            auto discord = TDiscord::CreateCopy(*entry);
            discord->Specification = item.Get_Specification();
            discord->Level = item.Get_Level();
            c_.Resources.Add(std::move(discord));
        }
    }

    THalvaneCharacter& c_;
    bool celestial_ = false;
    bool mortalVesselRead_ = false;
    bool grantedGiven_ = false;
};

// 1-based line and column (in characters) of a byte offset in UTF-8 text.
std::string Location(std::string_view text, std::ptrdiff_t offset) {
    if (offset < 0 || static_cast<std::size_t>(offset) > text.size()) return {};
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < static_cast<std::size_t>(offset); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

std::string THalvaneXMLDAO::Subject() const {
    return FileName.empty() ? std::string("character data") : "character file \"" + FileName + "\"";
}

std::string THalvaneXMLDAO::SaveToString(const THalvaneCharacter& character) const {
    CheckSavable(character, Subject());
    pugi::xml_document document;
    BuildDocument(character, document);
    TStringWriter writer;
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(writer.Text);
}

void THalvaneXMLDAO::SaveToStream(const THalvaneCharacter& character, std::ostream& out) const {
    const std::string text = SaveToString(character);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) throw ECharacterFileError("Cannot save " + Subject() + ": the data could not be written.");
}

void THalvaneXMLDAO::Save(const THalvaneCharacter& character) {
    const std::string text = SaveToString(character);
    try {
        ReplaceFileSafely(FileName, text);
    } catch (const std::runtime_error& e) {
        throw ECharacterFileError("Cannot save " + Subject() + ": " + e.what() + ".");
    }
}

std::unique_ptr<THalvaneCharacter> THalvaneXMLDAO::Load() {
    std::string data;
    try {
        data = ReadFileLimited(FileName, MaxFileSize);
    } catch (const std::runtime_error& e) {
        throw ECharacterFileError("Cannot load " + Subject() + ": " + e.what() + ".");
    }
    return LoadFromBuffer(data);
}

std::unique_ptr<THalvaneCharacter> THalvaneXMLDAO::LoadFromStream(std::istream& in) const {
    std::string data;
    std::array<char, 65536> chunk{};
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        data.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (data.size() > MaxFileSize)
            throw ECharacterFileError("Cannot load " + Subject() + ": it is larger than " +
                                      std::to_string(MaxFileSize / (1024 * 1024)) +
                                      " MiB, far beyond any character; it was not read.");
    }
    if (in.bad()) throw ECharacterFileError("Cannot load " + Subject() + ": the data could not be read.");
    return LoadFromBuffer(data);
}

std::unique_ptr<THalvaneCharacter> THalvaneXMLDAO::LoadFromBuffer(std::string_view data) const {
    if (data.size() > MaxFileSize)
        throw ECharacterFileError("Cannot load " + Subject() + ": it is larger than " +
                                  std::to_string(MaxFileSize / (1024 * 1024)) +
                                  " MiB, far beyond any character; it was not parsed.");
    bool utf8 = true;
    try {
        pugi::xml_document document;
        const pugi::xml_parse_result parsed = document.load_buffer(
            data.data(), data.size(),
            pugi::parse_default | pugi::parse_declaration | pugi::parse_fragment,
            pugi::encoding_auto);
        utf8 = parsed.encoding == pugi::encoding_utf8;
        if (!parsed)
            throw EXMLNodeError(std::string("the file is not well-formed XML: ") +
                                    parsed.description() + " (pugixml status " +
                                    std::to_string(static_cast<int>(parsed.status)) + ")",
                                parsed.offset);
        // pugixml stops at a NUL byte and may report success on what came
        // before it; XML allows no NUL at all.
        if (utf8)
            if (const void* nul = std::memchr(data.data(), 0, data.size()))
                throw EXMLNodeError("the file is not well-formed XML: it holds a NUL byte",
                                    static_cast<const char*>(nul) - data.data());
        CheckWellFormed(document);

        auto character = std::make_unique<THalvaneCharacter>();
        TCharacterReader(*character).Read(GetCharacter(document));
        return character;
    } catch (const EXMLNodeError& e) {
        const std::string where = utf8 ? Location(data, e.Offset()) : std::string();
        throw ECharacterFileError("Cannot load " + Subject() + (where.empty() ? "" : ", " + where) +
                                  ": " + e.what() + ".");
    }
}

} // namespace halvane
