#pragma once
// The creation rules of the wizard, apart from any window: the rules object
// holds the current character and carries every rule of the eight steps as an
// operation. A refusal is returned as the message to show; the window only
// moves text between its controls and these operations.

#include "uHalvaneCharacter.h"
#include "uHalvaneSystem.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

// Hits multiply up to three 32-bit numbers; 128 bits hold every product.
__extension__ typedef __int128 THitsValue;
std::string HitsText(THitsValue value);

// A typed number: a whole decimal number (an optional sign, then digits, and
// nothing else) that fits 32 bits; any other text, the empty text too, is 0.
std::int32_t ReadWholeNumber(std::string_view text) noexcept;

// Leading and trailing blanks and control characters removed.
std::string TrimText(std::string_view text);

// ------------------------------------------------------------------- steps

enum TStepIndex : std::int32_t {
    StepConcept = 0,
    StepForces = 1,
    StepAttunements = 2,
    StepSongs = 3,
    StepSkills = 4,
    StepVesselsAndServants = 5,
    StepArtifacts = 6,
    StepDiscords = 7,
};

struct TStepInfo {
    std::string_view Page;
    std::string_view Caption;
    std::string_view NextButton;  // empty for the last step
};

inline constexpr std::array<TStepInfo, 8> Steps = {{
    {"tsConcept", "Concept", "btNext1"},
    {"tsForcesAndCharacteristics", "Forces and Characteristics", "btNext2"},
    {"tsAttunements", "Attunements", "btNext3"},
    {"tsSongs", "Songs", "btNext4"},
    {"tsSkills", "Skills", "btNext5"},
    {"tbVesselAndServant", "Vessels and Servants", "btNext6"},
    {"tsArtifacts", "Artifacts", "btNext7"},
    {"tsDiscords", "Discords", ""},
}};

// Asks the user a yes-or-no question; true means Yes.
using TAskUser = std::function<bool(const std::string& question)>;

struct TLeaveResult {
    bool Allowed = true;
    std::string Error;  // empty when allowed, or when the user answered No
};

// What the concept page shows for the record's concept. With no concept the
// page keeps its designed layout and every tab is visible.
struct TConceptLayout {
    bool Designed = true;
    bool KindShown = true;
    bool WordShown = true;
    bool SuperiorShown = true;
    bool MortalSuperiorShown = false;
    bool AttunementsTab = true;
    bool SongsTab = true;
    bool ArtifactsTab = true;

    // Whether the tab of a step is visible under this layout.
    bool TabVisible(std::int32_t step) const noexcept;
};

// One line of a list of held resources and the resource it shows.
template <class R>
struct TOwnedLine {
    std::string Text;
    R* Resource = nullptr;
};

// The outcome of the attunement operations: some have no effect at all when
// a precondition is missing, which is neither a success nor a refusal.
struct TRuleResult {
    enum TOutcome { Done, Refused, Nothing };
    TOutcome Outcome = Nothing;
    std::string Message;

    static TRuleResult MakeDone() { return {Done, {}}; }
    static TRuleResult MakeNothing() { return {Nothing, {}}; }
    static TRuleResult MakeRefused(std::string message) { return {Refused, std::move(message)}; }
};

// ------------------------------------------------ what the inputs must show

struct TSkillDetails {
    bool SpecificationRequired = false;
    std::string AttributeText;
    std::string DefaultText;
};

struct TSongInputs {
    std::uint8_t Realm = 0;
    std::optional<std::int32_t> SongPosition;  // none: the name is not a known song
    std::string Level;
};

struct TSkillInputs {
    std::optional<std::int32_t> SkillPosition;  // none: selection and details stay as they were
    std::optional<TSkillDetails> Details;       // set with SkillPosition
    std::optional<std::string> Specification;   // only for skills that need one
    std::string Level;
};

struct TVesselInputs {
    std::string Description, Level, Charisma, RoleLevel, Status;
};

struct TServantInputs {
    std::string Description, Level;
    std::int32_t ClassPosition = 0;
};

// The editor of the vessels and servants page for one mode.
enum class TVesselMode { Vessel = 0, Servant = 1 };

struct TVesselEditorLayout {
    bool DescriptionEditable = true;
    std::string Description;  // the text the description box takes on the switch
    bool LevelShown = true;
    bool CharismaShown = true;
    bool RoleLevelShown = true;
    bool StatusShown = true;
    bool ClassShown = false;
    std::string BuyCaption;
    bool RemoveShown = true;
    std::string RemoveCaption;
};

struct TArtifactPurchase {
    std::uint8_t Realm = 0;
    std::string Description;
    std::string Level;
    std::optional<std::int32_t> SkillPosition;  // ethereal
    std::optional<std::int32_t> SongPosition;   // celestial
    bool IsReliquary = false;                   // celestial
    bool EssenceCanBeDrawn = false;             // celestial
};

struct TArtifactInputs {
    std::uint8_t Realm = 0;  // the realm page to make active
    std::string Description;
    std::string Level;
    std::optional<std::int32_t> SkillPosition;  // none: the selector stays as it was
    std::optional<std::int32_t> SongPosition;   // none: the selector stays as it was
    bool IsReliquary = false;
    bool EssenceCanBeDrawn = false;
};

struct TDiscordInputs {
    std::uint8_t Realm = 0;
    std::optional<std::int32_t> DiscordPosition;  // none: nothing selected or changed
    bool SpecificationRequired = false;           // of the selected catalogue discord
    std::string Specification;
    std::string Level;
};

// ------------------------------------------------------------ rules object

class TCreationRules {
public:
    TCreationRules();
    TCreationRules(const TCreationRules&) = delete;
    TCreationRules& operator=(const TCreationRules&) = delete;

    THalvaneCharacter& Character() noexcept { return *character_; }
    const THalvaneCharacter& Character() const noexcept { return *character_; }

    // Makes a loaded record current and releases the previous one.
    void ReplaceCharacter(std::unique_ptr<THalvaneCharacter> record);

    // Leaving a step; only the step being left matters.
    TLeaveResult CanLeaveStep(std::int32_t step, const TAskUser& ask);

    // Resource points.
    void FixResourcePoints() noexcept;
    std::int64_t RemainingResourcePoints() const noexcept;
    bool RemoveResource(const TResource* resource);

    // Concept.
    std::vector<std::uint8_t> KindChoices() const;
    std::vector<std::uint8_t> SuperiorChoices() const;
    // Position of the record's superior among SuperiorChoices(), if offered.
    std::optional<std::int32_t> SuperiorChoicePosition() const;
    bool IsAngelicSide() const noexcept;
    void SelectConcept(std::int32_t row);
    void SelectKind(std::int32_t position);
    void SelectSuperior(std::int32_t position);
    void GrantChoirAttunement();
    void SetCharacterName(const std::string& text);
    void SetCharacterWord(const std::string& text);
    void SetMortalSuperior(const std::string& text);
    TVessel& AddMortalVessel();
    TVessel* FindMortalVessel() const noexcept;
    TConceptLayout ConceptLayout() const noexcept;

    // Forces and characteristics; group is 0, 1 or 2, which is 1 or 2.
    std::int64_t RemainingForces() const;
    std::int64_t CharacteristicPoints(std::int32_t group) const;
    std::int64_t RemainingCharacteristicPoints(std::int32_t group) const;
    void SetForces(std::int32_t group, std::int32_t value);
    void SetCharacteristic(std::int32_t group, std::int32_t which, std::int32_t value);
    std::optional<THitsValue> BodyHits() const;
    THitsValue MindHits() const noexcept;
    THitsValue SoulHits() const noexcept;

    // Attunements.
    std::vector<const TChoirAttunement*> ChoirAttunementChoices() const;
    std::vector<const TServitorAttunement*> ServitorAttunementChoices(std::int32_t superiorRow) const;
    const TServitorAttunement* FindServitorAttunement(const std::string& name) const;
    bool HasAttunement(const std::string& name) const;
    TRuleResult BuyChoirAttunement(std::optional<std::int32_t> position);
    TRuleResult BuyServitorAttunement(const std::string& name);
    TRuleResult RemoveAttunement(const TAttunement* attunement);
    std::vector<TOwnedLine<TAttunement>> OwnedAttunements() const;

    // Songs.
    std::vector<std::uint8_t> SongRealmChoices() const;
    std::vector<std::string> SongChoices(std::uint8_t realm) const;
    std::string BuySong(std::int32_t position, std::uint8_t realm, const std::string& levelText);
    TSong* FindSong(const std::string& name, std::uint8_t realm) const;
    std::vector<TOwnedLine<TSong>> OwnedSongs() const;
    TSongInputs SongInputsFor(const TSong& song) const;

    // Skills.
    std::vector<std::string> SkillChoices() const;
    TSkillDetails SkillDetails(std::int32_t position) const;
    static std::string AttributeText(const TSkill& skill);
    std::string BuySkill(std::int32_t position, const std::string& levelText,
                         const std::string& specificationText);
    TSkill* FindSkill(const std::string& name, const std::string& specification) const;
    std::vector<TOwnedLine<TSkill>> OwnedSkills() const;
    TSkillInputs SkillInputsFor(const TSkill& skill) const;

    // Vessels and servants.
    std::string BuyVessel(const std::string& description, const std::string& levelText,
                          const std::string& charismaText, const std::string& roleLevelText,
                          const std::string& statusText);
    std::string AlterMortalVessel(const std::string& charismaText, const std::string& statusText);
    std::string BuyServant(std::optional<std::int32_t> classRow, const std::string& description,
                           const std::string& levelText);
    TVessel* FindVessel(const std::string& description) const;
    TServant* FindServant(const std::string& description, std::uint8_t classRow) const;
    std::vector<TOwnedLine<TVessel>> OwnedVessels() const;
    std::vector<TOwnedLine<TServant>> OwnedServants() const;
    // None while the record has no concept: the mode switch then does nothing.
    std::optional<TVesselEditorLayout> VesselEditorLayout(TVesselMode mode) const;
    static TVesselInputs VesselInputsFor(const TVessel& vessel);
    static TServantInputs ServantInputsFor(const TServant& servant);

    // Artifacts.
    std::vector<std::string> ArtifactSongChoices() const;
    std::string BuyArtifact(const TArtifactPurchase& purchase);
    TArtifact* FindArtifact(const std::string& description) const;
    std::vector<TOwnedLine<TArtifact>> OwnedArtifacts() const;
    TArtifactInputs ArtifactInputsFor(const TArtifact& artifact) const;

    // Discords.
    static std::int32_t DiscordRowOffset(std::uint8_t realm);
    std::vector<std::string> DiscordChoices(std::uint8_t realm) const;
    bool DiscordSpecificationNeeded(std::uint8_t realm, std::int32_t position) const;
    std::string BuyDiscord(std::uint8_t realm, std::int32_t position, const std::string& levelText,
                           const std::string& specificationText);
    TDiscord* FindDiscord(const std::string& name, const std::string& specification) const;
    std::vector<TOwnedLine<TDiscord>> OwnedDiscords() const;
    TDiscordInputs DiscordInputsFor(const TDiscord& discord) const;

private:
    template <class R>
    std::vector<R*> ResourcesOf() const;

    std::unique_ptr<THalvaneCharacter> character_;
};

} // namespace halvane
