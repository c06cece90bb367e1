#pragma once
// The game's fixed vocabulary, the domain classes of the character model
// (force groups, resources, attunements, superiors, distinctions) and the
// read-only catalogues built from the vocabulary at start-up.
//
// Small game choices are stored as row numbers of the tables below, so the
// rows keep their order for ever: character files store those numbers.

#include "uHalvaneLists.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace halvane {

// ---------------------------------------------------------------- vocabulary

inline constexpr std::array<std::string_view, 9> Concepts = {
    "Angel", "Demon", "Outcast", "Renegade", "Remnant",
    "Soldier of God", "Soldier of Hell", "Undead", "Mundane"};

inline constexpr std::string_view SoldierDescription =
    "Soldiers in the war are supernaturally-enhanced humans. They may look and act like ordinary "
    "mortals, but they've been deeply touched by the Symphony and are aware of realities beyond "
    "the world they knew before.";

inline constexpr std::array<std::string_view, 9> ConceptDescriptions = {
    "Angels are the celestial beings that work on the side of good.",
    "Demons are the celestial beings that work on the side of evil.",
    "Outcasts are angels who have lost the favor of their Archangel after too many failed "
    "missions. They are not truly Fallen; they have not become demons. But their light no longer "
    "shines as brightly as once it did.",
    "A renegades are demons that have rebelled themselves against their Superiors. They all go to "
    "earth as fugitives of the hellish hordes, staying there doing whatever their sick minds "
    "pleases.",
    "Remnants are what survives of angels and demons whose Celestial Forces are lost in battle. A "
    "being who had a physical vessel will manifest on Earth to live out the rest of his mundane "
    "life, cut off from the brillance of Heaven or the comforting darkness of Hell.",
    SoldierDescription,
    SoldierDescription,
    "Undeads are humans that sold their souls to evil, the illusion of immortality ranks high on "
    "the list of things they want in return. Many Soldiers Of Hell, sooner or later ask to become "
    "unaging, powerful undead. The demons are happy to comply. There's a catch, of course.",
    "Mundane is the term used by celestials and their servants when refering to the unenlightened "
    "mass of humanity - good, evil or confused."};

inline constexpr std::array<std::int32_t, 9> StartingForces = {9, 9, 9, 9, 5, 6, 6, 6, 5};

inline constexpr std::array<std::string_view, 15> CelestialKinds = {
    "Seraphim", "Cherubim", "Ofanim", "Elohim", "Malakim", "Kyriotates", "Mercurians", "Grigori",
    "Balseraphs", "Djinn", "Calabim", "Habbalah", "Lilim", "Shedim", "Impudites"};

inline constexpr std::array<std::string_view, 27> SuperiorNames = {
    "Blandine", "David", "Dominic", "Eli", "Gabriel", "Janus", "Jean", "Jordi", "Laurence",
    "Marc", "Michael", "Novalis", "Yves", "Andrealphus", "Asmodeus", "Baal", "Beleth", "Belial",
    "Haagenti", "Kobal", "Kronos", "Malphas", "Nybbas", "Saminga", "Valefor", "Vapula", "Lilith"};

inline constexpr std::array<std::string_view, 6> AttributeNames = {
    "Strength", "Intelligence", "Will", "Agility", "Precision", "Perception"};

inline constexpr std::array<std::string_view, 6> AttributeShortNames = {
    "Str", "Int", "Will", "Agi", "Prec", "Perc"};

inline constexpr std::array<std::string_view, 6> ServantClasses = {
    "Zombi, Ordinary Animal - 4 Forces",
    "Reliever, Imp, Gremlin - 4 Forces",
    "Above but as familiar, Human - 4 Forces",
    "Human, Vampire - 5 forces",
    "Soldier, Undead - 6 forces, Human w/ extra points - 5 Forces",
    "Experienced Soldier or Undead - 7 Forces"};

inline constexpr std::array<std::string_view, 3> Realms = {"Corporeal", "Ethereal", "Celestial"};

inline constexpr std::array<std::string_view, 22> SongNames = {
    "Attraction", "Charm", "Dreams", "Entropy", "Form", "Harmony", "Healing", "Light",
    "Motion", "Possession", "Projection", "Shield", "Thunder", "Tongues",
    "Numinous Corpus (Acid)", "Numinous Corpus (Claws)", "Numinous Corpus (Fangs)",
    "Numinous Corpus (Feet)", "Numinous Corpus (Horns)", "Numinous Corpus (Tail)",
    "Numinous Corpus (Tongue)", "Numinous Corpus (Wings)"};

inline constexpr std::array<std::string_view, 32> SkillNames = {
    "Acrobatics", "Artistry", "Chemistry", "Climbing", "Computer Operation", "Detect Lies",
    "Dodge", "Driving", "Eletronics", "Emote", "Engineering", "Escape", "Fast-Talk", "Fighting",
    "Knowledge", "Languages", "Large Weapon", "Lockpicking", "Lying", "Medicine",
    "Move Silently", "Ranged Weapon", "Running", "Savoir-Faire", "Seduction", "Singing",
    "Small Weapon", "Survival", "Swimming", "Tactics", "Throwing", "Tracking"};

inline constexpr std::array<std::string_view, 26> DiscordNames = {
    "Damaged Sense", "Crippled", "Discolored", "Obese", "Pallid", "Stigmata", "Twitchy", "Ugly",
    "Vestigium", "Vulnerable", "Angry", "Aura", "Berserk", "Bound", "Cowardly", "Fear", "Geas",
    "Paranoia", "Celestial Blindness", "Gluttonous", "Greedy", "Lustful", "Merciful",
    "Murderous", "Need", "Slothful"};

inline constexpr std::array<bool, 26> DiscordSpecificationRequired = {
    false, true,  false, false, false, false, false, true,  true,  true,  // 0-9
    false, false, false, true,  false, true,  true,  false,               // 10-17
    false, false, false, false, false, false, true,  false};              // 18-25

// Concept rows 0 to 4 are celestial; any other value (mortal rows included) is not.
bool IsCelestialConcept(std::int64_t conceptRow) noexcept;
bool IsMortalConcept(std::int64_t conceptRow) noexcept;
// Choirs (rows below 8, "Grigori" included) are angelic; the bands are not.
bool IsAngelicKind(std::int64_t kindRow) noexcept;

// The names (from names, a table of characteristic rows) of the rows whose
// bits are set in attributes, in ascending row order, joined by separator.
std::string JoinAttributeNames(std::uint8_t attributes, const std::array<std::string_view, 6>& names,
                               std::string_view separator);

// -------------------------------------------------------------- force groups

// One of the three groups of forces with its pair of characteristics.
class TForces {
public:
    virtual ~TForces() = default;
    std::int32_t Forces = 0;
    std::int32_t Characteristic1 = 0;
    std::int32_t Characteristic2 = 0;

    // The characteristics as a pair indexed 1 and 2; any other index throws.
    std::int32_t& Characteristic(std::int32_t number);
    std::int32_t Characteristic(std::int32_t number) const;
};
class TCorporealForces : public TForces {};
class TEtherealForces : public TForces {};
class TCelestialForces : public TForces {};

// ----------------------------------------------------------------- resources

// Costs are computed in 64 bits: levels are arbitrary 32-bit numbers and the
// products of the cost rules must come out as their true values.
using TCost = std::int64_t;

// Anything a character spends resource points on.
class TResource {
public:
    TResource() = default;
    TResource(const TResource&) = delete;
    TResource& operator=(const TResource&) = delete;
    virtual ~TResource() = default;

    std::string Name;
    std::int32_t Level = 0;
    bool Granted = false;

    virtual TCost GetCost() const = 0;
};

class IResourceWithSpecification {
public:
    virtual ~IResourceWithSpecification() = default;
    virtual std::string GetSpecification() const = 0;
    virtual void SetSpecification(const std::string& value) = 0;
    virtual bool GetSpecificationRequired() const = 0;
    virtual void SetSpecificationRequired(bool value) = 0;
};

class IResourceWithRealm {
public:
    virtual ~IResourceWithRealm() = default;
    virtual std::uint8_t GetRealm() const = 0;
    virtual void SetRealm(std::uint8_t value) = 0;
};

class TResourceWithSpecification : public TResource, public IResourceWithSpecification {
public:
    std::string Specification;
    bool SpecificationRequired = false;

    std::string GetSpecification() const override { return Specification; }
    void SetSpecification(const std::string& value) override { Specification = value; }
    bool GetSpecificationRequired() const override { return SpecificationRequired; }
    void SetSpecificationRequired(bool value) override { SpecificationRequired = value; }
};

class TResourceWithRealm : public TResource, public IResourceWithRealm {
public:
    std::uint8_t Realm = 0;

    std::uint8_t GetRealm() const override { return Realm; }
    void SetRealm(std::uint8_t value) override { Realm = value; }
};

class TResourceWithSpecificationAndRealm : public TResource,
                                           public IResourceWithRealm,
                                           public IResourceWithSpecification {
public:
    std::string Specification;
    bool SpecificationRequired = false;
    std::uint8_t Realm = 0;

    std::uint8_t GetRealm() const override { return Realm; }
    void SetRealm(std::uint8_t value) override { Realm = value; }
    std::string GetSpecification() const override { return Specification; }
    void SetSpecification(const std::string& value) override { Specification = value; }
    bool GetSpecificationRequired() const override { return SpecificationRequired; }
    void SetSpecificationRequired(bool value) override { SpecificationRequired = value; }
};

class TSkill : public TResourceWithSpecification {
public:
    // Bit i set: row i of AttributeNames governs the skill.
    std::uint8_t Attributes = 0;
    std::int32_t Default = 0;

    TCost GetCost() const override;
    // A fresh skill for a character: no specification, not granted.
    static std::unique_ptr<TSkill> CreateCopy(const TSkill& source);
};

class TSong : public TResourceWithRealm {
public:
    TCost GetCost() const override;
    static std::unique_ptr<TSong> CreateCopy(const TSong& source);
};

class TServant : public TResource {
public:
    std::uint8_t ServantClass = 0;
    TCost GetCost() const override;
};

class TVessel;

class TCharisma : public TResource {
public:
    TVessel* Vessel = nullptr;  // the owning vessel
    TCost GetCost() const override;
};

class TRole : public TResource {
public:
    TVessel* Vessel = nullptr;  // the owning vessel
    std::int32_t Status = 0;
    TCost GetCost() const override;
};

// A vessel owns its charisma and its role; both point back to it.
class TVessel : public TResource {
public:
    TVessel();
    ~TVessel() override;

    // Declared in this order so that the role is released before the charisma.
    std::unique_ptr<TCharisma> Charisma;
    std::unique_ptr<TRole> Role;

    TCost GetCost() const override;
};

class TArtifact : public TResourceWithRealm {
public:
    const TSkill* Skill = nullptr;  // ethereal artifacts: the catalogue skill bound
    const TSong* Song = nullptr;    // celestial artifacts: the catalogue song held
    std::uint8_t ReliquaryType = 0;

    TCost GetCost() const override;
};

class TDiscord : public TResourceWithSpecificationAndRealm {
public:
    TCost GetCost() const override;
    static std::unique_ptr<TDiscord> CreateCopy(const TDiscord& source);
};

// --------------------------------------------- attunements, superiors, ranks

class TSuperior;

class TAttunement : public TResource {
public:
    const TSuperior* Superior = nullptr;  // the offering superior, never owned
};

class TChoirAttunement : public TAttunement {
public:
    std::optional<std::uint8_t> CelestialKind;
    TCost GetCost() const override;
    static std::unique_ptr<TChoirAttunement> CreateCopy(const TChoirAttunement& source);
};

class TServitorAttunement : public TAttunement {
public:
    TCost GetCost() const override;
    static std::unique_ptr<TServitorAttunement> CreateCopy(const TServitorAttunement& source);
};

class TDistinction {
public:
    std::string Name;
    std::int32_t Rank = 0;
};

class TResources : public TObjectList<TResource> {};
class TDistinctions : public TObjectList<TDistinction> {};

class TSuperior {
public:
    TSuperior() = default;
    explicit TSuperior(std::string word) : Word(std::move(word)) {}
    TSuperior(const TSuperior&) = delete;
    TSuperior& operator=(const TSuperior&) = delete;

    std::string Word;
    std::string Name;
    std::optional<std::uint8_t> CelestialKind;
    TResources ChoirAttunements;
    TResources ServitorAttunements;
    std::unique_ptr<TDistinctions> Distinctions;  // none when the superior has none

    bool IsAngelic() const;
};

// ---------------------------------------------------------------- catalogues

inline constexpr std::size_t SuperiorCount = 27;
inline constexpr std::size_t SongCount = 50;
inline constexpr std::size_t SkillCount = 32;
inline constexpr std::size_t DiscordCount = 26;

using TSuperiorCatalogue = std::array<const TSuperior*, SuperiorCount>;
using TSongCatalogue = std::array<const TSong*, SongCount>;
using TSkillCatalogue = std::array<const TSkill*, SkillCount>;
using TDiscordCatalogue = std::array<const TDiscord*, DiscordCount>;

// The start-up step: builds the superiors, then the songs, the skills and the
// discords, once. Later calls do nothing. The accessors below call it too, so
// that no caller can see a catalogue half built.
void BuildCatalogues();

const TSuperiorCatalogue& Superiors();
const TSongCatalogue& Songs();
const TSkillCatalogue& Skills();
const TDiscordCatalogue& Discords();

} // namespace halvane
