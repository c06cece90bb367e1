#include "uCreationRules.h"
#include "uSheetContent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace halvane;

namespace {

using Lines = std::vector<std::string>;

TEST(SheetContent, FieldsOfAnAngel) {
    TCreationRules rules;
    rules.SelectConcept(0);
    rules.SetCharacterName("Nathaniel");
    rules.SetCharacterWord("Lucid Dreams");
    rules.SelectKind(0);
    rules.SelectSuperior(0);
    rules.SetForces(0, 3);
    rules.SetForces(1, 4);
    rules.SetForces(2, 2);
    rules.SetCharacteristic(0, 1, 2);
    rules.SetCharacteristic(0, 2, 3);
    rules.SetCharacteristic(1, 1, 4);
    rules.SetCharacteristic(2, 2, -1);
    const TSheetContent s = SheetContent(rules.Character());
    EXPECT_EQ(s.NameField, "Nathaniel");
    EXPECT_EQ(s.WordField, "Lucid Dreams");
    EXPECT_EQ(s.CelestialKindField, "Seraphim");
    EXPECT_EQ(s.SuperiorField, "Blandine");
    EXPECT_EQ(s.EssencePointsField, "9");
    EXPECT_EQ(s.StrengthField, "2");
    EXPECT_EQ(s.AgilityField, "3");
    EXPECT_EQ(s.IntelligenceField, "4");
    EXPECT_EQ(s.PrecisionField, "0");
    EXPECT_EQ(s.WillField, "0");
    EXPECT_EQ(s.PerceptionField, "-1");
    EXPECT_EQ(s.CorporealForcesCircle, TSheetPicture::Circle3);
    EXPECT_EQ(s.EtherealForcesCircle, TSheetPicture::Circle4);
    EXPECT_EQ(s.CelestialForcesCircle, TSheetPicture::Circle2);
    EXPECT_EQ(s.CelestialTypeImage, TSheetPicture::Angel);
    EXPECT_EQ(s.AttunementsAndDistinctions, Lines{"Seraphim of Dreams"});
}

TEST(SheetContent, EmptyFieldsOfABareRecord) {
    THalvaneCharacter c;
    c.Concept = 4;  // a remnant without a kind yet
    const TSheetContent s = SheetContent(c);
    EXPECT_EQ(s.CelestialKindField, "");
    EXPECT_EQ(s.SuperiorField, "");
    EXPECT_EQ(s.EssencePointsField, "0");
    EXPECT_EQ(s.StrengthField, "0");
    EXPECT_EQ(s.CelestialTypeImage, TSheetPicture::None);
    EXPECT_EQ(s.CorporealForcesCircle, TSheetPicture::None);
}

TEST(SheetContent, FigureByConceptAndRemnantKind) {
    struct Case {
        std::uint8_t concept_;
        std::optional<std::uint8_t> kind;
        TSheetPicture figure;
    };
    for (const Case& c : {Case{0, 0, TSheetPicture::Angel}, Case{1, 8, TSheetPicture::Demon},
                          Case{2, 3, TSheetPicture::Angel}, Case{3, 9, TSheetPicture::Demon},
                          Case{4, 1, TSheetPicture::Angel}, Case{4, 7, TSheetPicture::Angel},
                          Case{4, 12, TSheetPicture::Demon}, Case{5, std::nullopt, TSheetPicture::Angel},
                          Case{6, std::nullopt, TSheetPicture::Demon}, Case{7, std::nullopt, TSheetPicture::Demon},
                          Case{8, std::nullopt, TSheetPicture::None}}) {
        THalvaneCharacter record;
        record.Concept = c.concept_;
        record.CelestialKind = c.kind;
        EXPECT_EQ(SheetContent(record).CelestialTypeImage, c.figure) << int(c.concept_);
    }
}

TEST(SheetContent, CirclesOnlyForOneToSixForces) {
    const std::vector<std::pair<std::int32_t, TSheetPicture>> cases = {
        {-1, TSheetPicture::None},   {0, TSheetPicture::None},    {1, TSheetPicture::Circle1},
        {2, TSheetPicture::Circle2}, {5, TSheetPicture::Circle5}, {6, TSheetPicture::Circle6},
        {7, TSheetPicture::None}};
    for (const auto& [forces, circle] : cases) {
        THalvaneCharacter record;
        record.Concept = 0;
        record.EtherealForces.Forces = forces;
        EXPECT_EQ(SheetContent(record).EtherealForcesCircle, circle) << forces;
    }
}

TEST(SheetContent, MemoLinesByKindAndRealmInListOrder) {
    TCreationRules rules;
    rules.SelectConcept(0);
    rules.SelectKind(0);
    rules.SelectSuperior(0);
    ASSERT_EQ(rules.BuySkill(14, "2", "History"), "");  // Knowledge: Int
    ASSERT_EQ(rules.BuySkill(13, "1", "Sword"), "");    // Fighting: Str/Will
    ASSERT_EQ(rules.BuySkill(27, "3", "Desert"), "");   // Survival: Will/Perc
    ASSERT_EQ(rules.BuySkill(18, "1", ""), "");         // Lying: Int/Perc
    ASSERT_EQ(rules.BuySong(7, 1, "3"), "");            // Ethereal Song of Light
    ASSERT_EQ(rules.BuySong(15, 0, "1"), "");           // Numinous Corpus (Claws)
    ASSERT_EQ(rules.BuySong(6, 2, "2"), "");            // Celestial Song of Healing
    ASSERT_EQ(rules.BuyArtifact({0, "Sword", "2", std::nullopt, std::nullopt}), "");
    ASSERT_EQ(rules.BuyArtifact({1, "Lucky Coin", "1", 6, std::nullopt}), "");
    ASSERT_EQ(rules.BuyArtifact({2, "Feather", "2", std::nullopt, 20, true, false}), "");
    ASSERT_EQ(rules.BuyVessel("Car Thief", "2", "1", "3", "1"), "");
    ASSERT_EQ(rules.BuyServant(2, "Igor", "3"), "");
    ASSERT_EQ(rules.BuyServitorAttunement("Dream Walking").Outcome, TRuleResult::Done);
    ASSERT_EQ(rules.BuyDiscord(1, 5, "2", "Heights"), "");
    ASSERT_EQ(rules.BuyDiscord(0, 0, "1", ""), "");
    auto distinction = std::make_unique<TDistinction>();
    distinction->Name = "Vassal of Dreams";
    rules.Character().Distinctions.Add(std::move(distinction));

    const TSheetContent s = SheetContent(rules.Character());
    EXPECT_EQ(s.CorporealTraits, (Lines{"Fighting (Str/Will), lvl 1", "Corporeal Song of Numinous Corpus (Claws), lvl 1",
                                        "Artifact: Sword, lvl 2", "Vessel: Car Thief, lvl 2, cha 1, role 3, status 1"}));
    EXPECT_EQ(s.EtherealTraits, (Lines{"Knowledge (Int), lvl 2", "Lying (Int/Perc), lvl 1",
                                       "Ethereal Song of Light, lvl 3", "Talisman: Lucky Coin (Dodge), lvl 1"}));
    EXPECT_EQ(s.CelestialTraits, (Lines{"Survival (Will/Perc), lvl 3", "Celestial Song of Healing, lvl 2",
                                        "Relic: Feather (Celestial Song of Healing), lvl 2"}));
    EXPECT_EQ(s.AttunementsAndDistinctions, (Lines{"Seraphim of Dreams", "Dream Walking"}))
        << "distinctions print nowhere";
    EXPECT_EQ(s.Discords, (Lines{"Fear, lvl 2", "Damaged Sense, lvl 1"})) << "no specification, no servant";
}

TEST(SheetContent, MortalVesselAndArtifactsWithoutTheirReference) {
    TCreationRules rules;
    rules.SelectConcept(5);
    rules.SetForces(0, 2);
    ASSERT_EQ(rules.AlterMortalVessel("1", "1"), "");
    auto talisman = std::make_unique<TArtifact>();
    talisman->Name = "Pen";
    talisman->Realm = 1;
    talisman->Level = 1;
    rules.Character().Resources.Add(std::move(talisman));
    auto relic = std::make_unique<TArtifact>();
    relic->Name = "Bone";
    relic->Realm = 2;
    relic->Level = 2;
    rules.Character().Resources.Add(std::move(relic));
    auto plain = std::make_unique<TSkill>();  // a skill no characteristic governs
    plain->Name = "Nothing";
    rules.Character().Resources.Add(std::move(plain));

    const TSheetContent s = SheetContent(rules.Character());
    EXPECT_EQ(s.CorporealTraits, Lines{"Vessel: Mortal Vessel, lvl 2, cha 1, role 1, status 1"});
    EXPECT_EQ(s.EtherealTraits, Lines{"Talisman: Pen (), lvl 1"});
    EXPECT_EQ(s.CelestialTraits, Lines{"Relic: Bone ( Song of ), lvl 2"});
    EXPECT_EQ(s.CelestialTypeImage, TSheetPicture::Angel);
}

TEST(SheetContent, AttributeAbbreviations) {
    struct Case {
        std::size_t skill;
        const char* text;
    };
    for (const Case& c : {Case{6, "Agi"}, Case{8, "Int/Prec"}, Case{13, "Str/Will"}, Case{18, "Int/Perc"},
                          Case{27, "Will/Perc"}})
        EXPECT_EQ(AttributeAbbreviations(*Skills()[c.skill]), c.text) << c.skill;
    TSkill bare;
    EXPECT_EQ(AttributeAbbreviations(bare), "");
}

} // namespace
