#include "uHalvaneSystem.h"

#include <gtest/gtest.h>

using namespace halvane;

TEST(Vocabulary, RowsThatFilesAndListsDependOn) {
    EXPECT_EQ(Concepts[0], "Angel");
    EXPECT_EQ(Concepts[4], "Remnant");
    EXPECT_EQ(Concepts[8], "Mundane");
    EXPECT_EQ(CelestialKinds[7], "Grigori");
    EXPECT_EQ(CelestialKinds[8], "Balseraphs");
    EXPECT_EQ(CelestialKinds[14], "Impudites");
    EXPECT_EQ(SuperiorNames[12], "Yves");
    EXPECT_EQ(SuperiorNames[13], "Andrealphus");
    EXPECT_EQ(SuperiorNames[26], "Lilith");
    EXPECT_EQ(Realms[2], "Celestial");
    EXPECT_EQ(SongNames[13], "Tongues");
    EXPECT_EQ(SongNames[14], "Numinous Corpus (Acid)");
    EXPECT_EQ(SkillNames[8], "Eletronics");  // spelled as the game's files spell it
    EXPECT_EQ(DiscordNames[25], "Slothful");
    EXPECT_EQ(ServantClasses[3], "Human, Vampire - 5 forces");
}

TEST(Vocabulary, DescriptionsAndNamesQuirks) {
    EXPECT_EQ(ConceptDescriptions[5], ConceptDescriptions[6]);
    EXPECT_NE(ConceptDescriptions[5], ConceptDescriptions[7]);
    EXPECT_TRUE(ConceptDescriptions[3].starts_with("A renegades are demons"));
    EXPECT_TRUE(ConceptDescriptions[8].ends_with("good, evil or confused."));
    EXPECT_EQ(AttributeNames[2], "Will");
    EXPECT_EQ(AttributeShortNames[2], "Will");
    EXPECT_EQ(AttributeShortNames[4], "Prec");
}

TEST(Vocabulary, StartingForcesByConcept) {
    const std::array<std::int32_t, 9> expected = {9, 9, 9, 9, 5, 6, 6, 6, 5};
    EXPECT_EQ(StartingForces, expected);
    EXPECT_LT(StartingForces[4], StartingForces[5]);
    EXPECT_EQ(StartingForces[4], StartingForces[8]);
}

TEST(Vocabulary, DiscordSpecificationFlags) {
    int required = 0;
    for (bool flag : DiscordSpecificationRequired) required += flag ? 1 : 0;
    EXPECT_EQ(required, 8);
    for (int row : {1, 7, 8, 9, 13, 15, 16, 24}) EXPECT_TRUE(DiscordSpecificationRequired[row]) << row;
}

struct PredicateCase {
    std::int64_t row;
    bool celestialConcept;
    bool angelicKind;
};

class Predicates : public ::testing::TestWithParam<PredicateCase> {};

TEST_P(Predicates, ConceptAndKindRows) {
    const PredicateCase c = GetParam();
    EXPECT_EQ(IsCelestialConcept(c.row), c.celestialConcept);
    EXPECT_EQ(IsMortalConcept(c.row), !c.celestialConcept);
    EXPECT_EQ(IsAngelicKind(c.row), c.angelicKind);
}

INSTANTIATE_TEST_SUITE_P(Rows, Predicates,
                         ::testing::Values(PredicateCase{0, true, true}, PredicateCase{4, true, true},
                                           PredicateCase{5, false, true}, PredicateCase{7, false, true},
                                           PredicateCase{8, false, false}, PredicateCase{14, false, false},
                                           PredicateCase{255, false, false}));
