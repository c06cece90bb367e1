#include "uHalvaneSuperiors.h"
#include "uHalvaneSystem.h"

#include <gtest/gtest.h>

#include <string>

using namespace halvane;

namespace {

const TChoirAttunement& Choir(const TSuperior& superior, int position) {
    return dynamic_cast<const TChoirAttunement&>(*superior.ChoirAttunements.Items(position));
}

} // namespace

struct SuperiorFacts {
    int position;
    const char* name;
    const char* word;
    std::optional<std::uint8_t> kind;
    bool angelic;
    int servitors;
    bool distinctions;
    const char* firstChoir;
    std::uint8_t firstChoirKind;
};

class SuperiorCatalogue : public ::testing::TestWithParam<SuperiorFacts> {};

TEST_P(SuperiorCatalogue, EntryShape) {
    const SuperiorFacts f = GetParam();
    const TSuperior& s = *Superiors().at(static_cast<std::size_t>(f.position));
    EXPECT_EQ(s.Name, f.name);
    EXPECT_EQ(s.Word, f.word);
    EXPECT_EQ(s.CelestialKind, f.kind);
    EXPECT_EQ(s.IsAngelic(), f.angelic);
    EXPECT_EQ(s.ServitorAttunements.Count(), f.servitors);
    EXPECT_EQ(s.Distinctions != nullptr, f.distinctions);
    ASSERT_EQ(s.ChoirAttunements.Count(), 7);
    EXPECT_EQ(Choir(s, 0).Name, f.firstChoir);
    EXPECT_EQ(Choir(s, 0).CelestialKind, f.firstChoirKind);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, SuperiorCatalogue,
    ::testing::Values(
        SuperiorFacts{0, "Blandine", "Dreams", 1, true, 2, true, "Seraphim of Dreams", 0},
        SuperiorFacts{3, "Eli", "Creation", 6, true, 2, false, "Seraphim of Creation", 0},
        SuperiorFacts{10, "Michael", "War", 0, true, 2, true, "Seraphim of War", 0},
        SuperiorFacts{12, "Yves", "Destiny", std::nullopt, true, 2, true, "Seraphim of Destiny", 0},
        SuperiorFacts{13, "Andrealphus", "Lust", 14, false, 2, true, "Balseraphs of Lust", 8},
        SuperiorFacts{15, "Baal", "War", 8, false, 2, true, "Balseraphs of War", 8},
        SuperiorFacts{19, "Kobal", "Dark Humor", 14, false, 1, true, "Balseraphs of Dark Humor", 8},
        SuperiorFacts{25, "Vapula", "Technology", 11, false, 1, true, "Balseraphs of Technology", 8},
        SuperiorFacts{26, "Lilith", "Freedom", std::nullopt, false, 0, false,
                      "Balseraphs of Freedom", 8}));

TEST(SuperiorCatalogueWhole, EveryEntryFollowsTheBuildingRules) {
    int withoutDistinctions = 0;
    for (std::size_t i = 0; i < SuperiorCount; ++i) {
        const TSuperior& s = *Superiors()[i];
        SCOPED_TRACE(s.Name);
        EXPECT_EQ(s.Name, SuperiorNames[i]);
        EXPECT_EQ(s.IsAngelic(), i <= 12);
        if (s.Distinctions) {
            ASSERT_EQ(s.Distinctions->Count(), 3);
            for (int r = 0; r < 3; ++r) EXPECT_EQ(s.Distinctions->Items(r)->Rank, r + 1);
        } else {
            ++withoutDistinctions;
        }
        ASSERT_EQ(s.ChoirAttunements.Count(), 7);
        for (int p = 0; p < 7; ++p) {
            const TChoirAttunement& a = Choir(s, p);
            const int kind = s.IsAngelic() ? p : p + 8;
            EXPECT_EQ(a.CelestialKind, kind);
            EXPECT_NE(a.CelestialKind, 7) << "no superior offers a Grigori attunement";
            EXPECT_EQ(a.Name, std::string(CelestialKinds[static_cast<std::size_t>(kind)]) + " of " + s.Word);
            EXPECT_EQ(a.Superior, &s);
            EXPECT_EQ(a.Level, 0);
            EXPECT_FALSE(a.Granted);
        }
        for (const TResource* r : s.ServitorAttunements) {
            ASSERT_NE(dynamic_cast<const TServitorAttunement*>(r), nullptr);
            EXPECT_EQ(dynamic_cast<const TAttunement*>(r)->Superior, &s);
            EXPECT_FALSE(r->Granted);
        }
    }
    EXPECT_EQ(withoutDistinctions, 2);
    EXPECT_EQ(Superiors()[0]->Distinctions->Items(2)->Name, "Master of the Realms of Night");
    EXPECT_EQ(Superiors()[16]->ServitorAttunements.Items(0)->Name, "Dream Walking");
    EXPECT_EQ(Superiors()[24]->ServitorAttunements.Items(1)->Name, "Swipe");
}

TEST(SuperiorCatalogueWhole, CreateSuperiorBeyondTheLastPositionGivesNone) {
    EXPECT_EQ(CreateSuperior(27), nullptr);
    EXPECT_EQ(CreateSuperior(255), nullptr);
    // A fresh build is a separate object, equal in content to the catalogue's.
    auto again = CreateSuperior(26);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again.get(), Superiors()[26]);
    EXPECT_EQ(again->Name, "Lilith");
}

struct SongFacts {
    std::size_t position;
    const char* name;
    std::uint8_t realm;
};

class SongCatalogue : public ::testing::TestWithParam<SongFacts> {};

TEST_P(SongCatalogue, Position) {
    const SongFacts f = GetParam();
    const TSong& song = *Songs().at(f.position);
    EXPECT_EQ(song.Name, f.name);
    EXPECT_EQ(song.Realm, f.realm);
}

INSTANTIATE_TEST_SUITE_P(Positions, SongCatalogue,
                         ::testing::Values(SongFacts{0, "Attraction", 0}, SongFacts{1, "Attraction", 1},
                                           SongFacts{2, "Attraction", 2}, SongFacts{3, "Charm", 0},
                                           SongFacts{41, "Tongues", 2},
                                           SongFacts{42, "Numinous Corpus (Acid)", 0},
                                           SongFacts{49, "Numinous Corpus (Wings)", 0}));

TEST(Catalogues, NuminousCorpusIsCorporealOnly) {
    int forms = 0;
    for (const TSong* song : Songs()) {
        if (song->Name.starts_with("Numinous Corpus")) {
            EXPECT_EQ(song->Realm, 0) << song->Name;
            ++forms;
        }
    }
    EXPECT_EQ(forms, 8);
}

struct SkillFacts {
    std::size_t position;
    const char* name;
    std::uint8_t attributes;
    std::int32_t defaultModifier;
    bool specificationRequired;
};

class SkillCatalogue : public ::testing::TestWithParam<SkillFacts> {};

TEST_P(SkillCatalogue, Position) {
    const SkillFacts f = GetParam();
    const TSkill& skill = *Skills().at(f.position);
    EXPECT_EQ(skill.Name, f.name);
    EXPECT_EQ(skill.Attributes, f.attributes);
    EXPECT_EQ(skill.Default, f.defaultModifier);
    EXPECT_EQ(skill.SpecificationRequired, f.specificationRequired);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, SkillCatalogue,
    ::testing::Values(SkillFacts{0, "Acrobatics", 8, -3, false}, SkillFacts{7, "Driving", 32, -2, true},
                      SkillFacts{8, "Eletronics", 18, -5, false}, SkillFacts{13, "Fighting", 5, -1, true},
                      SkillFacts{18, "Lying", 34, -2, false}, SkillFacts{22, "Running", 9, -1, false},
                      SkillFacts{27, "Survival", 36, -4, true}, SkillFacts{31, "Tracking", 32, -2, false}));

struct DiscordFacts {
    std::size_t position;
    const char* name;
    std::uint8_t realm;
    bool specificationRequired;
};

class DiscordCatalogue : public ::testing::TestWithParam<DiscordFacts> {};

TEST_P(DiscordCatalogue, RealmBorders) {
    const DiscordFacts f = GetParam();
    const TDiscord& discord = *Discords().at(f.position);
    EXPECT_EQ(discord.Name, f.name);
    EXPECT_EQ(discord.Realm, f.realm);
    EXPECT_EQ(discord.SpecificationRequired, f.specificationRequired);
}

INSTANTIATE_TEST_SUITE_P(Positions, DiscordCatalogue,
                         ::testing::Values(DiscordFacts{0, "Damaged Sense", 0, false},
                                           DiscordFacts{9, "Vulnerable", 0, true},
                                           DiscordFacts{10, "Angry", 1, false},
                                           DiscordFacts{17, "Paranoia", 1, false},
                                           DiscordFacts{18, "Celestial Blindness", 2, false},
                                           DiscordFacts{24, "Need", 2, true},
                                           DiscordFacts{25, "Slothful", 2, false}));

TEST(Catalogues, EntriesStartBlankAndEightOfEachNeedASpecification) {
    int skillsRequiring = 0;
    for (std::size_t i = 0; i < SkillCount; ++i) {
        const TSkill* skill = Skills()[i];
        EXPECT_EQ(skill->Name, SkillNames[i]);
        EXPECT_EQ(skill->Level, 0);
        EXPECT_TRUE(skill->Specification.empty());
        EXPECT_EQ(skill->Attributes & 0xC0, 0) << "bits 6 and 7 are never set";
        EXPECT_LT(skill->Default, 0);
        skillsRequiring += skill->SpecificationRequired ? 1 : 0;
    }
    int discordsRequiring = 0;
    for (std::size_t i = 0; i < DiscordCount; ++i) {
        const TDiscord* discord = Discords()[i];
        EXPECT_EQ(discord->Name, DiscordNames[i]);
        EXPECT_EQ(discord->Level, 0);
        EXPECT_TRUE(discord->Specification.empty());
        discordsRequiring += discord->SpecificationRequired ? 1 : 0;
    }
    for (const TSong* song : Songs()) {
        EXPECT_EQ(song->Level, 0);
        EXPECT_FALSE(song->Granted);
    }
    EXPECT_EQ(skillsRequiring, 8);
    EXPECT_EQ(discordsRequiring, 8);
}

TEST(Catalogues, BuiltOnceAndStable) {
    const TSong* first = Songs()[0];
    BuildCatalogues();
    EXPECT_EQ(Songs()[0], first);
    EXPECT_EQ(&Superiors(), &Superiors());
}
