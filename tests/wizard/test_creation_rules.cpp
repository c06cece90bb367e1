#include "uCreationRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace halvane;

namespace {

constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();

// Answers questions from a script and keeps what was asked.
struct ScriptedUser {
    std::vector<bool> answers;
    std::vector<std::string> asked;
    TAskUser Ask() {
        return [this](const std::string& q) {
            asked.push_back(q);
            if (asked.size() > answers.size()) ADD_FAILURE() << "unexpected question: " << q;
            return asked.size() <= answers.size() && answers[asked.size() - 1];
        };
    }
};

const TAskUser NoQuestions = [](const std::string& q) {
    ADD_FAILURE() << "unexpected question: " << q;
    return false;
};

const std::string ForcesQuestion = "You didn't spend all your force points. Do you want to proceed anyway?";
const std::string CharacteristicsQuestion =
    "You didn't spend all your characteristics points. Do you want to proceed anyway?";

// An angel of the Seraphim serving Blandine, as the concept page leaves it.
void MakeSeraphOfBlandine(TCreationRules& rules) {
    rules.SelectConcept(0);
    rules.SelectKind(0);
    rules.SelectSuperior(0);
}

void SpendForces(TCreationRules& rules, std::int32_t corporeal, std::int32_t ethereal, std::int32_t celestial) {
    const std::int32_t forces[3] = {corporeal, ethereal, celestial};
    for (std::int32_t g = 0; g < 3; ++g) {
        rules.SetForces(g, forces[g]);
        rules.SetCharacteristic(g, 1, 2 * forces[g]);
        rules.SetCharacteristic(g, 2, 2 * forces[g]);
    }
}

std::vector<std::string> Texts(const auto& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) out.push_back(line.Text);
    return out;
}

// ------------------------------------------------------------ typed numbers

TEST(TypedText, WholeNumbersAndEverythingElseAsZero) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    for (const Case& c : {Case{"12", 12}, Case{"-3", -3}, Case{"+4", 4}, Case{"0", 0}, Case{"007", 7},
                          Case{"2147483647", Max32}, Case{"-2147483648", Min32}, Case{"2147483648", 0},
                          Case{"", 0}, Case{"abc", 0}, Case{"3a", 0}, Case{" 3", 0}, Case{"3 ", 0},
                          Case{"1.5", 0}, Case{"0x10", 0}, Case{"-", 0}, Case{"+-1", 0}, Case{"++1", 0}})
        EXPECT_EQ(ReadWholeNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(TrimText(" \t History\n "), "History");
    EXPECT_EQ(TrimText("   "), "");
    EXPECT_EQ(HitsText(THitsValue{Max32} * Max32 * Max32), "9903520300447984150353281023");
    EXPECT_EQ(HitsText(THitsValue{Min32} * Min32 * Min32), "-9903520314283042199192993792");
    EXPECT_EQ(HitsText(0), "0");
}

// ---------------------------------------------------------- leaving a step

struct ConceptLeaveCase {
    const char* what;
    std::function<void(TCreationRules&)> setup;
    bool allowed;
    const char* error;
};
void PrintTo(const ConceptLeaveCase& c, std::ostream* os) { *os << c.what; }

class LeavingConcept : public ::testing::TestWithParam<ConceptLeaveCase> {};

TEST_P(LeavingConcept, ChecksInOrder) {
    const ConceptLeaveCase& c = GetParam();
    TCreationRules rules;
    c.setup(rules);
    const TLeaveResult result = rules.CanLeaveStep(StepConcept, NoQuestions);
    EXPECT_EQ(result.Allowed, c.allowed);
    EXPECT_EQ(result.Error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeavingConcept,
    ::testing::Values(
        ConceptLeaveCase{"new record", [](TCreationRules&) {}, false, "You must choose a character concept!"},
        ConceptLeaveCase{"angel without kind", [](TCreationRules& r) { r.SelectConcept(0); }, false,
                         "You must choose a character celestial kind!"},
        ConceptLeaveCase{"angel with superior but no kind",
                         [](TCreationRules& r) { r.SelectConcept(0); r.SelectSuperior(0); }, false,
                         "You must choose a character celestial kind!"},
        ConceptLeaveCase{"angel without superior",
                         [](TCreationRules& r) { r.SelectConcept(0); r.SelectKind(0); }, false,
                         "You must choose a superior!"},
        ConceptLeaveCase{"angel complete", MakeSeraphOfBlandine, true, ""},
        ConceptLeaveCase{"mundane with nothing else", [](TCreationRules& r) { r.SelectConcept(8); }, true, ""},
        ConceptLeaveCase{"soldier of god", [](TCreationRules& r) { r.SelectConcept(5); }, true, ""},
        ConceptLeaveCase{"remnant switched to a band keeps its archangel",
                         [](TCreationRules& r) {
                             r.SelectConcept(4);
                             r.SelectKind(1);
                             r.SelectSuperior(0);
                             r.SelectKind(9);
                         },
                         true, ""}));

TEST(LeavingForces, QuestionsAnswersAndTheBudget) {
    struct Case {
        const char* what;
        std::int32_t corporeal, ethereal, celestial;
        std::vector<bool> answers;
        std::vector<std::string> expectedQuestions;
        bool allowed;
    };
    const std::vector<Case> cases = {
        {"all spent", 2, 3, 4, {}, {}, true},
        {"forces left, yes, nothing else left", 2, 3, 3, {true}, {ForcesQuestion}, true},
        {"forces left, no", 2, 3, 3, {false}, {ForcesQuestion}, false},
        {"overspent forces are not questioned", 4, 4, 4, {}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TCreationRules rules;
        MakeSeraphOfBlandine(rules);
        SpendForces(rules, c.corporeal, c.ethereal, c.celestial);
        ScriptedUser user{c.answers, {}};
        const TLeaveResult result = rules.CanLeaveStep(StepForces, user.Ask());
        EXPECT_EQ(result.Allowed, c.allowed);
        EXPECT_TRUE(result.Error.empty());
        EXPECT_EQ(user.asked, c.expectedQuestions);
        EXPECT_EQ(rules.Character().ResourcePoints, c.allowed ? 4 * (c.corporeal + c.ethereal + c.celestial) : 0);
    }
}

TEST(LeavingForces, YesToForcesStillAsksAboutCharacteristics) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    rules.SetForces(0, 3);  // 12 characteristic points, none spent
    ScriptedUser yesThenNo{{true, false}, {}};
    EXPECT_FALSE(rules.CanLeaveStep(StepForces, yesThenNo.Ask()).Allowed);
    EXPECT_EQ(yesThenNo.asked, (std::vector<std::string>{ForcesQuestion, CharacteristicsQuestion}));
    EXPECT_EQ(rules.Character().ResourcePoints, 0);

    ScriptedUser yesYes{{true, true}, {}};
    EXPECT_TRUE(rules.CanLeaveStep(StepForces, yesYes.Ask()).Allowed);
    EXPECT_EQ(rules.Character().ResourcePoints, 12);

    // Overspent characteristics are not questioned either.
    rules.SetCharacteristic(0, 1, 20);
    ScriptedUser onlyForces{{true}, {}};
    EXPECT_TRUE(rules.CanLeaveStep(StepForces, onlyForces.Ask()).Allowed);
    EXPECT_EQ(onlyForces.asked, std::vector<std::string>{ForcesQuestion});
}

TEST(LeavingForces, BudgetFollowsForcesOfThatMomentAndKeepsPurchases) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    EXPECT_EQ(rules.RemainingResourcePoints(), 0) << "a skipped forces step leaves the budget at 0";
    EXPECT_TRUE(rules.CanLeaveStep(StepSkills, NoQuestions).Allowed);
    EXPECT_EQ(rules.Character().ResourcePoints, 0);

    SpendForces(rules, 2, 3, 4);
    EXPECT_TRUE(rules.CanLeaveStep(StepForces, NoQuestions).Allowed);
    EXPECT_EQ(rules.Character().ResourcePoints, 36);
    EXPECT_EQ(rules.RemainingResourcePoints(), 36) << "the granted attunement costs nothing";
    EXPECT_EQ(rules.BuySkill(6, "4", ""), "");
    EXPECT_EQ(rules.RemainingResourcePoints(), 32);

    SpendForces(rules, 3, 3, 4);
    EXPECT_EQ(rules.Character().ResourcePoints, 36) << "only leaving the step fixes the budget";
    EXPECT_TRUE(rules.CanLeaveStep(StepForces, NoQuestions).Allowed);
    EXPECT_EQ(rules.Character().ResourcePoints, 40);
    EXPECT_EQ(rules.RemainingResourcePoints(), 36);
    for (std::int32_t step = StepAttunements; step <= StepDiscords; ++step)
        EXPECT_TRUE(rules.CanLeaveStep(step, NoQuestions).Allowed);
    EXPECT_THROW(rules.CanLeaveStep(8, NoQuestions), std::out_of_range);
}

TEST(LeavingForces, BudgetSaturatesInsteadOfWrapping) {
    TCreationRules rules;
    rules.SelectConcept(8);
    for (std::int32_t g = 0; g < 3; ++g) {
        rules.SetForces(g, Max32);
        rules.SetCharacteristic(g, 1, Max32);
        rules.SetCharacteristic(g, 2, Max32);
    }
    rules.FixResourcePoints();
    EXPECT_EQ(rules.Character().ResourcePoints, Max32);
    EXPECT_EQ(rules.RemainingForces(), 5 - 3 * std::int64_t{Max32});
    EXPECT_EQ(rules.RemainingCharacteristicPoints(0), 4 * std::int64_t{Max32} - 2 * std::int64_t{Max32});
}

// ---------------------------------------------------------------- concept

TEST(Concept, ChoicesBySideAndKind) {
    TCreationRules rules;
    EXPECT_TRUE(rules.KindChoices().empty());
    EXPECT_TRUE(rules.SuperiorChoices().empty());
    EXPECT_FALSE(rules.IsAngelicSide());

    struct Case {
        std::int32_t concept_;
        std::size_t kinds;
        std::uint8_t firstKind;
        std::size_t superiors;
        std::uint8_t firstSuperior;
        bool angelic;
    };
    for (const Case& c : {Case{0, 8, 0, 13, 0, true}, Case{1, 7, 8, 14, 13, false}, Case{2, 8, 0, 13, 0, true},
                          Case{3, 7, 8, 14, 13, false}, Case{4, 15, 0, 0, 0, false},
                          Case{5, 0, 0, 0, 0, false}, Case{8, 0, 0, 0, 0, false}}) {
        SCOPED_TRACE(c.concept_);
        rules.SelectConcept(c.concept_);
        EXPECT_EQ(rules.KindChoices().size(), c.kinds);
        if (c.kinds > 0) {
            EXPECT_EQ(rules.KindChoices().front(), c.firstKind);
        }
        EXPECT_EQ(rules.SuperiorChoices().size(), c.superiors);
        if (c.superiors > 0) {
            EXPECT_EQ(rules.SuperiorChoices().front(), c.firstSuperior);
        }
        EXPECT_EQ(rules.IsAngelicSide(), c.angelic);
    }
    rules.SelectConcept(1);
    rules.SelectKind(0);
    EXPECT_EQ(rules.Character().CelestialKind, 8) << "a demon's first band is row 8";
    EXPECT_THROW(rules.SelectKind(7), EListError);
    EXPECT_THROW(rules.SelectConcept(9), std::out_of_range);
}

TEST(Concept, RemnantSideFollowsItsKind) {
    TCreationRules rules;
    rules.SelectConcept(4);
    rules.SelectKind(1);  // Cherubim
    EXPECT_TRUE(rules.IsAngelicSide());
    EXPECT_EQ(rules.SuperiorChoices().size(), 13u);
    rules.SelectSuperior(0);
    EXPECT_EQ(rules.SuperiorChoicePosition(), 0);
    ASSERT_EQ(rules.Character().Resources.Count(), 1);
    EXPECT_EQ(rules.Character().Resources.Items(0)->Name, "Cherubim of Dreams");

    rules.SelectKind(12);  // Lilim
    EXPECT_FALSE(rules.IsAngelicSide());
    EXPECT_EQ(rules.SuperiorChoices().size(), 14u);
    EXPECT_EQ(rules.SuperiorChoices().front(), 13);
    EXPECT_EQ(rules.Character().Superior(), Superiors()[0]) << "the archangel stays although not offered";
    EXPECT_FALSE(rules.SuperiorChoicePosition().has_value());
    EXPECT_EQ(rules.Character().Resources.Count(), 1) << "a kind change keeps what was granted";
    EXPECT_EQ(rules.ConceptLayout().WordShown, false);
}

TEST(Concept, SelectingASuperiorStartsTheResourcesAfresh) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    const TResource* granted = rules.Character().Resources.Items(0);
    EXPECT_EQ(granted->Name, "Seraphim of Dreams");
    EXPECT_TRUE(granted->Granted);
    EXPECT_EQ(granted->GetCost(), 0);
    EXPECT_EQ(rules.BuySong(2, 2, "2"), "");
    EXPECT_EQ(rules.BuySkill(14, "1", "History"), "");
    rules.SelectKind(1);
    EXPECT_EQ(rules.Character().Resources.Count(), 3) << "choosing a kind removes nothing";
    rules.SelectSuperior(0);  // the same superior again
    ASSERT_EQ(rules.Character().Resources.Count(), 1);
    EXPECT_EQ(rules.Character().Resources.Items(0)->Name, "Cherubim of Dreams");
    const auto& catalogueEntry = *Superiors()[0]->ChoirAttunements.Items(0);
    EXPECT_FALSE(catalogueEntry.Granted) << "the catalogue entry is never marked";
    EXPECT_EQ(catalogueEntry.GetCost(), 5);
}

TEST(Concept, GrigoriIsGrantedNothing) {
    TCreationRules rules;
    rules.SelectConcept(0);
    rules.SelectKind(7);
    rules.SelectSuperior(2);
    EXPECT_EQ(rules.Character().Superior(), Superiors()[2]);
    EXPECT_EQ(rules.Character().Resources.Count(), 0);
    EXPECT_TRUE(rules.CanLeaveStep(StepConcept, NoQuestions).Allowed);
}

TEST(Concept, ChangingConceptKeepsForcesAndDropsTheRest) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    rules.SetCharacterName("Nathaniel");
    rules.SetCharacterWord("Lucid Dreams");
    SpendForces(rules, 2, 3, 4);
    rules.FixResourcePoints();
    rules.SelectConcept(5);
    const THalvaneCharacter& c = rules.Character();
    EXPECT_EQ(c.Concept, 5);
    EXPECT_TRUE(c.Name.empty());
    EXPECT_TRUE(c.Word.empty());
    EXPECT_FALSE(c.CelestialKind.has_value());
    EXPECT_EQ(c.Superior(), nullptr);
    ASSERT_EQ(c.Resources.Count(), 1);
    TVessel* body = rules.FindMortalVessel();
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(c.Resources.Items(0), body);
    EXPECT_TRUE(body->Granted);
    EXPECT_EQ(body->Level, 0);
    EXPECT_EQ(body->Role->Level, 1);
    EXPECT_EQ(body->GetCost(), 0);
    EXPECT_EQ(c.TotalForces(), 9);
    EXPECT_EQ(c.ResourcePoints, 36);

    rules.SelectConcept(0);
    EXPECT_EQ(rules.FindMortalVessel(), nullptr);
    rules.SelectKind(0);
    rules.SelectSuperior(0);
    EXPECT_EQ(c.Resources.Items(0)->Name, "Seraphim of Dreams") << "the superior works as the first time";
}

TEST(Concept, MortalSuperiorIsTheRecordsOwn) {
    TCreationRules rules;
    rules.SelectConcept(7);
    rules.SetMortalSuperior("B");
    rules.SetMortalSuperior("Baron Samedi");
    ASSERT_NE(rules.Character().Superior(), nullptr);
    EXPECT_EQ(rules.Character().Superior()->Name, "Baron Samedi");
    EXPECT_TRUE(rules.Character().Superior()->Word.empty());
    EXPECT_EQ(rules.Character().Superior()->ChoirAttunements.Count(), 0);
    rules.SetMortalSuperior("");
    EXPECT_EQ(rules.Character().Superior(), nullptr);
    rules.SetMortalSuperior("Baron Samedi");
    rules.SelectConcept(6);  // released, not leaked (checked by the sanitized run)
    EXPECT_EQ(rules.Character().Superior(), nullptr);
}

TEST(Concept, LayoutByConcept) {
    TCreationRules rules;
    const TConceptLayout designed = rules.ConceptLayout();
    EXPECT_TRUE(designed.Designed);
    EXPECT_TRUE(designed.KindShown && designed.WordShown && designed.SuperiorShown);
    EXPECT_FALSE(designed.MortalSuperiorShown);
    for (std::int32_t s = 0; s < 8; ++s) EXPECT_TRUE(designed.TabVisible(s));

    struct Case {
        std::int32_t row;
        bool kind, word, superior, mortal, attunements, songs, artifacts;
    };
    for (const Case& c : {Case{0, true, true, true, false, true, true, true},
                          Case{3, true, true, true, false, true, true, true},
                          Case{4, true, false, true, false, true, true, true},
                          Case{5, false, false, false, true, false, true, true},
                          Case{7, false, false, false, true, false, true, true},
                          Case{8, false, false, false, true, false, false, false}}) {
        SCOPED_TRACE(c.row);
        rules.SelectConcept(c.row);
        const TConceptLayout l = rules.ConceptLayout();
        EXPECT_FALSE(l.Designed);
        EXPECT_EQ(l.KindShown, c.kind);
        EXPECT_EQ(l.WordShown, c.word);
        EXPECT_EQ(l.SuperiorShown, c.superior);
        EXPECT_EQ(l.MortalSuperiorShown, c.mortal);
        EXPECT_EQ(l.TabVisible(StepAttunements), c.attunements);
        EXPECT_EQ(l.TabVisible(StepSongs), c.songs);
        EXPECT_EQ(l.TabVisible(StepArtifacts), c.artifacts);
        EXPECT_TRUE(l.TabVisible(StepSkills));
    }
}

// ---------------------------------------------------------------- forces

TEST(Forces, RemainingPointsAndMortalBody) {
    TCreationRules rules;
    rules.SetForces(0, 3);
    EXPECT_EQ(rules.Character().CorporealForces.Forces, 0) << "no concept: nothing is stored";
    EXPECT_EQ(rules.RemainingForces(), 0);
    EXPECT_FALSE(rules.BodyHits().has_value());

    rules.SelectConcept(0);
    EXPECT_EQ(rules.RemainingForces(), 9);
    rules.SetForces(0, 3);
    EXPECT_EQ(rules.RemainingForces(), 6);
    EXPECT_EQ(rules.CharacteristicPoints(0), 12);
    rules.SetCharacteristic(0, 1, 6);
    EXPECT_EQ(rules.RemainingCharacteristicPoints(0), 6);
    EXPECT_EQ(*rules.BodyHits(), 18);
    rules.SetForces(1, -2);
    EXPECT_EQ(rules.RemainingForces(), 8) << "negative forces count too";
    rules.SetForces(2, 20);
    EXPECT_EQ(rules.RemainingForces(), -12);
    rules.SetCharacteristic(1, 2, 9);
    EXPECT_EQ(rules.Character().EtherealForces.Characteristic2, 9);
    EXPECT_EQ(rules.Character().EtherealForces.Forces, -2) << "forces do not follow characteristics";
    EXPECT_THROW(rules.SetCharacteristic(1, 3, 1), std::out_of_range);

    rules.SelectConcept(5);
    EXPECT_EQ(rules.RemainingForces(), 6 - 21);
    rules.SetForces(0, 2);
    EXPECT_EQ(rules.FindMortalVessel()->Level, 2);
    rules.SetCharacteristic(0, 1, 4);
    EXPECT_EQ(*rules.BodyHits(), 16);
    rules.SetForces(1, 5);
    EXPECT_EQ(rules.FindMortalVessel()->Level, 2) << "only corporeal forces move the body";

    for (std::int32_t concept_ : {4, 8}) {
        rules.SelectConcept(concept_);
        EXPECT_EQ(rules.RemainingForces(), 5 - rules.Character().TotalForces());
    }
}

TEST(Forces, HitsAreTrueValuesAtTheExtremes) {
    TCreationRules rules;
    rules.SelectConcept(6);
    rules.SetForces(0, Max32);
    rules.SetCharacteristic(0, 1, Max32);
    EXPECT_EQ(*rules.BodyHits(), THitsValue{Max32} * Max32 * Max32);
    rules.SetForces(1, Min32);
    rules.SetCharacteristic(1, 1, Min32);
    EXPECT_EQ(rules.MindHits(), THitsValue{Min32} * Min32);
    rules.SetForces(2, 3);
    rules.SetCharacteristic(2, 1, -7);
    EXPECT_EQ(rules.SoulHits(), -21);
}

TEST(Forces, MortalWithoutItsBodyFromAFile) {
    // Only a hand-edited file gives a mortal a vessel of another name.
    TCreationRules rules;
    auto record = std::make_unique<THalvaneCharacter>();
    record->Concept = 7;
    auto vessel = std::make_unique<TVessel>();
    vessel->Name = "Corpse";
    vessel->Level = 9;
    TVessel& other = record->Resources.Append(std::move(vessel));
    rules.ReplaceCharacter(std::move(record));

    rules.SetForces(0, 3);
    EXPECT_EQ(other.Level, 9) << "other vessels are left alone";
    rules.SetCharacteristic(0, 1, 5);
    EXPECT_EQ(*rules.BodyHits(), 3 * 3 * 5) << "the body's levels are taken as the corporeal forces";
    EXPECT_EQ(rules.AlterMortalVessel("9", "1"), "") << "nothing to alter, nothing refused";
    EXPECT_EQ(other.Charisma->Level, 0);
}

// ----------------------------------------------------------- attunements

TEST(Attunements, BuyingRefusingAndTheProtectedOne) {
    TCreationRules rules;
    EXPECT_TRUE(rules.ChoirAttunementChoices().empty());
    EXPECT_EQ(rules.BuyChoirAttunement(0).Outcome, TRuleResult::Nothing);
    MakeSeraphOfBlandine(rules);
    rules.FixResourcePoints();
    const auto choices = rules.ChoirAttunementChoices();
    ASSERT_EQ(choices.size(), 7u);
    EXPECT_EQ(choices.front()->Name, "Seraphim of Dreams");
    EXPECT_EQ(choices.back()->Name, "Mercurians of Dreams");
    EXPECT_EQ(Texts(rules.OwnedAttunements()), std::vector<std::string>{"Seraphim of Dreams"});

    EXPECT_EQ(rules.BuyChoirAttunement(std::nullopt).Outcome, TRuleResult::Nothing);
    const TRuleResult again = rules.BuyChoirAttunement(0);
    EXPECT_EQ(again.Outcome, TRuleResult::Refused);
    EXPECT_EQ(again.Message, "You already have this choir attunement.");
    EXPECT_EQ(rules.BuyChoirAttunement(1).Outcome, TRuleResult::Done);
    EXPECT_EQ(rules.RemainingResourcePoints(), -5);

    const auto owned = rules.OwnedAttunements();
    ASSERT_EQ(owned.size(), 2u);
    const TRuleResult protectedOne = rules.RemoveAttunement(owned[0].Resource);
    EXPECT_EQ(protectedOne.Outcome, TRuleResult::Refused);
    EXPECT_EQ(protectedOne.Message, "You cannot remove this attunement.");
    EXPECT_EQ(rules.RemoveAttunement(owned[1].Resource).Outcome, TRuleResult::Done);
    EXPECT_EQ(rules.RemainingResourcePoints(), 0);
    EXPECT_EQ(rules.RemoveAttunement(nullptr).Outcome, TRuleResult::Nothing);

    const auto servitors = rules.ServitorAttunementChoices(0);
    ASSERT_EQ(servitors.size(), 2u);
    EXPECT_EQ(servitors[0]->Name, "Dream Walking");
    EXPECT_EQ(servitors[1]->Name, "Healing Dream");
    EXPECT_EQ(rules.BuyServitorAttunement("Dream Walking").Outcome, TRuleResult::Done);
    EXPECT_EQ(rules.RemainingResourcePoints(), -10);
    const TRuleResult servitorAgain = rules.BuyServitorAttunement("Dream Walking");
    EXPECT_EQ(servitorAgain.Outcome, TRuleResult::Refused);
    EXPECT_EQ(servitorAgain.Message, "You already have this servitor attunement.");
    EXPECT_EQ(rules.BuyServitorAttunement("").Outcome, TRuleResult::Nothing);
    EXPECT_EQ(rules.RemoveAttunement(rules.OwnedAttunements()[1].Resource).Outcome, TRuleResult::Done);
    EXPECT_THROW(rules.ServitorAttunementChoices(27), EListError);
}

TEST(Attunements, ServitorsAreRecordedUnderTheFirstSuperiorOfTheirName) {
    TCreationRules rules;
    rules.SelectConcept(1);
    rules.SelectKind(1);                                      // Djinn
    rules.SelectSuperior(3);                                  // Beleth, row 16
    EXPECT_EQ(rules.Character().Superior(), Superiors()[16]);
    EXPECT_EQ(rules.ServitorAttunementChoices(rules.SuperiorChoices()[3])[0]->Name, "Dream Walking");
    ASSERT_EQ(rules.BuyServitorAttunement("Dream Walking").Outcome, TRuleResult::Done);
    ASSERT_EQ(rules.BuyServitorAttunement("Swipe").Outcome, TRuleResult::Done);
    const auto owned = rules.OwnedAttunements();
    ASSERT_EQ(owned.size(), 3u);
    EXPECT_EQ(owned[1].Resource->Superior, Superiors()[0]) << "Dream Walking is Blandine's first";
    EXPECT_EQ(owned[2].Resource->Superior, Superiors()[5]) << "Swipe is Janus's first";
    EXPECT_EQ(owned[0].Resource->Name, "Djinn of Nightmares");
}

TEST(Attunements, KindChangedWithoutANewSuperior) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    rules.SelectKind(1);  // now Cherubim; the Seraphim grant stays
    ASSERT_EQ(rules.BuyChoirAttunement(1).Outcome, TRuleResult::Done);
    const auto owned = rules.OwnedAttunements();
    EXPECT_EQ(rules.RemoveAttunement(owned[1].Resource).Outcome, TRuleResult::Refused);
    EXPECT_EQ(rules.RemoveAttunement(owned[0].Resource).Outcome, TRuleResult::Done);
    EXPECT_EQ(rules.BuyServitorAttunement("Healing Dream").Outcome, TRuleResult::Done);

    TCreationRules noKind;
    noKind.SelectConcept(0);
    noKind.SelectSuperior(0);
    EXPECT_EQ(noKind.BuyChoirAttunement(0).Outcome, TRuleResult::Nothing);
    EXPECT_EQ(noKind.BuyServitorAttunement("Dream Walking").Outcome, TRuleResult::Nothing);
}

// ------------------------------------------------------ refusal messages

struct RefusalCase {
    const char* what;
    std::function<std::string(TCreationRules&)> buy;
    const char* message;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.what; }

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, FirstFailingCheckDecidesAndNothingChanges) {
    const RefusalCase& c = GetParam();
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    const std::int32_t before = rules.Character().Resources.Count();
    EXPECT_EQ(c.buy(rules), c.message);
    EXPECT_EQ(rules.Character().Resources.Count(), before);
}

const char* const SongLevel = "The song level must be greater than 0.";
const char* const SkillLevel = "The skill level must be greater than 0.";
const char* const SkillSpec = "You must detail a specification for this skill.";
const char* const VesselLevel = "You must take at least 1 level on each vessel.";
const char* const Charisma = "You cannot take more than 3 and less than -2 points on charisma.";
const char* const RoleLevel = "You cannot take a role level lesser than 0.";
const char* const Status = "You cannot take a status greater than your role level.";
const char* const ServantClass = "You must choose a servant class!";
const char* const ServantLevel = "You must take at least 1 level on each servant.";
const char* const ArtifactLevel = "You must take at least 1 level on an artifact.";
const char* const ArtifactSkill = "You must choose a skill.";
const char* const ArtifactSong = "You must choose a song.";
const char* const DiscordLevel = "The discord level must be greater than 0 and lesser than 6 (included).";
const char* const DiscordSpec = "You must detail a specification for this discord.";

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    ::testing::Values(
        RefusalCase{"song level 0", [](TCreationRules& r) { return r.BuySong(1, 1, "0"); }, SongLevel},
        RefusalCase{"song level -1", [](TCreationRules& r) { return r.BuySong(1, 1, "-1"); }, SongLevel},
        RefusalCase{"song level letters", [](TCreationRules& r) { return r.BuySong(1, 1, "two"); }, SongLevel},
        RefusalCase{"song level empty", [](TCreationRules& r) { return r.BuySong(1, 1, ""); }, SongLevel},
        RefusalCase{"skill level before specification",
                    [](TCreationRules& r) { return r.BuySkill(14, "0", ""); }, SkillLevel},
        RefusalCase{"skill without specification", [](TCreationRules& r) { return r.BuySkill(14, "1", ""); },
                    SkillSpec},
        RefusalCase{"skill with blank specification",
                    [](TCreationRules& r) { return r.BuySkill(14, "1", " \t "); }, SkillSpec},
        RefusalCase{"vessel level before charisma",
                    [](TCreationRules& r) { return r.BuyVessel("Car Thief", "0", "9", "-1", "5"); }, VesselLevel},
        RefusalCase{"vessel charisma 4", [](TCreationRules& r) { return r.BuyVessel("A", "1", "4", "1", "0"); },
                    Charisma},
        RefusalCase{"vessel charisma -3", [](TCreationRules& r) { return r.BuyVessel("A", "1", "-3", "1", "0"); },
                    Charisma},
        RefusalCase{"vessel role level -1 before status",
                    [](TCreationRules& r) { return r.BuyVessel("A", "1", "0", "-1", "5"); }, RoleLevel},
        RefusalCase{"vessel status above role", [](TCreationRules& r) { return r.BuyVessel("A", "1", "0", "2", "3"); },
                    Status},
        RefusalCase{"servant class before level",
                    [](TCreationRules& r) { return r.BuyServant(std::nullopt, "Imp", "0"); }, ServantClass},
        RefusalCase{"servant level 0", [](TCreationRules& r) { return r.BuyServant(1, "Imp", "0"); }, ServantLevel},
        RefusalCase{"artifact level before skill",
                    [](TCreationRules& r) { return r.BuyArtifact({1, "Pen", "0", std::nullopt, std::nullopt}); },
                    ArtifactLevel},
        RefusalCase{"ethereal artifact without skill",
                    [](TCreationRules& r) { return r.BuyArtifact({1, "Pen", "1", std::nullopt, std::nullopt}); },
                    ArtifactSkill},
        RefusalCase{"celestial artifact without song",
                    [](TCreationRules& r) { return r.BuyArtifact({2, "Relic", "1", 3, std::nullopt, true, true}); },
                    ArtifactSong},
        RefusalCase{"corporeal artifact level empty",
                    [](TCreationRules& r) { return r.BuyArtifact({0, "Sword", "", std::nullopt, std::nullopt}); },
                    ArtifactLevel},
        RefusalCase{"discord level 0", [](TCreationRules& r) { return r.BuyDiscord(0, 0, "0", ""); }, DiscordLevel},
        RefusalCase{"discord level 7 before specification",
                    [](TCreationRules& r) { return r.BuyDiscord(0, 1, "7", ""); }, DiscordLevel},
        RefusalCase{"discord without specification", [](TCreationRules& r) { return r.BuyDiscord(0, 1, "2", ""); },
                    DiscordSpec}));

TEST(Refusals, MortalVesselCharismaKeepsTheBodyAsItWas) {
    TCreationRules rules;
    rules.SelectConcept(5);
    EXPECT_EQ(rules.AlterMortalVessel("2", "1"), "");
    TVessel* body = rules.FindMortalVessel();
    EXPECT_EQ(body->GetCost(), 6);
    EXPECT_EQ(rules.AlterMortalVessel("5", "3"), Charisma);
    EXPECT_EQ(body->Charisma->Level, 2);
    EXPECT_EQ(body->Role->Status, 1);
    EXPECT_EQ(rules.AlterMortalVessel("-2", "7"), "") << "a mortal's status has no limit";
    EXPECT_EQ(body->Role->Status, 7);
    EXPECT_EQ(body->Role->Level, 1);
    EXPECT_EQ(body->GetCost(), -4 + 14);
}

// ---------------------------------------------- the same resource, changed

TEST(SameResource, SongsByNameAndRealm) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    EXPECT_EQ(rules.BuySong(1, 1, "2"), "");  // Ethereal Song of Charm
    EXPECT_EQ(rules.BuySong(1, 1, "5"), "");
    EXPECT_EQ(rules.BuySong(1, 0, "1"), "");
    EXPECT_EQ(rules.BuySong(1, 2, "1"), "");
    EXPECT_EQ(rules.BuySong(14, 0, "3"), "");
    EXPECT_EQ(Texts(rules.OwnedSongs()),
              (std::vector<std::string>{"Ethereal Song of Charm - Lvl: 5", "Corporeal Song of Charm - Lvl: 1",
                                        "Celestial Song of Charm - Lvl: 1",
                                        "Corporeal Song of Numinous Corpus (Acid) - Lvl: 3"}));
    EXPECT_EQ(rules.RemainingResourcePoints(), -10);
    EXPECT_EQ(rules.FindSong("Charm", 1)->Level, 5);
    EXPECT_THROW(rules.BuySong(14, 1, "1"), EListError) << "no ethereal Numinous Corpus";
    TSong* held = rules.OwnedSongs()[0].Resource;
    EXPECT_TRUE(rules.RemoveResource(held));
    EXPECT_EQ(rules.RemainingResourcePoints(), -5);
}

TEST(SameResource, SkillsByNameAndTrimmedSpecification) {
    TCreationRules rules;
    rules.SelectConcept(8);
    EXPECT_EQ(rules.BuySkill(14, "2", "History"), "");
    EXPECT_EQ(rules.BuySkill(14, "3", "Art"), "");
    EXPECT_EQ(rules.BuySkill(14, "4", "  History "), "");
    EXPECT_EQ(rules.BuySkill(14, "1", "history"), "");
    EXPECT_EQ(rules.BuySkill(6, "1", ""), "");
    EXPECT_EQ(rules.BuySkill(6, "3", ""), "");
    EXPECT_EQ(rules.BuySkill(22, "1", "typed anyway"), "");
    EXPECT_EQ(Texts(rules.OwnedSkills()),
              (std::vector<std::string>{"Knowledge (History) - Lvl: 4", "Knowledge (Art) - Lvl: 3",
                                        "Knowledge (history) - Lvl: 1", "Dodge - Lvl: 3", "Running - Lvl: 1"}));
    EXPECT_EQ(rules.FindSkill("Running", "typed anyway")->Level, 1) << "stored even when not needed";
    EXPECT_EQ(rules.RemainingResourcePoints(), -12);
}

TEST(SameResource, VesselsByDescriptionServantsByDescriptionAndClass) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    EXPECT_EQ(rules.BuyVessel("Car Thief", "2", "1", "3", "1"), "");
    EXPECT_EQ(rules.RemainingResourcePoints(), -10);
    EXPECT_EQ(rules.BuyVessel("", "1", "-2", "0", "0"), "") << "an empty description is a description";
    EXPECT_EQ(rules.BuyVessel("Car Thief", "1", "3", "2", "-1"), "");
    EXPECT_EQ(Texts(rules.OwnedVessels()),
              (std::vector<std::string>{"Car Thief - Lvl: 1 / Cha: 3 / Role: 2 / Status: -1",
                                        " - Lvl: 1 / Cha: -2 / Role: 0 / Status: 0"}));

    EXPECT_EQ(rules.BuyServant(2, "Igor", "3"), "");
    EXPECT_EQ(rules.BuyServant(0, "Igor", "1"), "");
    EXPECT_EQ(rules.BuyServant(2, "Igor", "4"), "");
    EXPECT_EQ(Texts(rules.OwnedServants()),
              (std::vector<std::string>{"Igor - Lvl: 4 / Cls: 3", "Igor - Lvl: 1 / Cls: 1"}));
    EXPECT_EQ(rules.FindServant("Igor", 2)->GetCost(), 6);
    EXPECT_THROW(rules.BuyServant(6, "Igor", "1"), EListError);
    const TCost before = rules.RemainingResourcePoints();
    EXPECT_TRUE(rules.RemoveResource(rules.FindServant("Igor", 2)));
    EXPECT_EQ(rules.RemainingResourcePoints(), before + 6);
}

TEST(SameResource, ArtifactsByDescriptionWhateverTheRealm) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    EXPECT_EQ(rules.BuyArtifact({0, "Sword", "2", std::nullopt, std::nullopt}), "");
    EXPECT_EQ(rules.RemainingResourcePoints(), -2);
    EXPECT_EQ(rules.BuyArtifact({1, "Pen", "1", 14, std::nullopt}), "");
    EXPECT_EQ(rules.FindArtifact("Pen")->Skill, Skills()[14]);
    // Celestial Song of Healing is catalogue position 20.
    EXPECT_EQ(rules.BuyArtifact({2, "Sword", "2", std::nullopt, 20, true, false}), "");
    TArtifact* sword = rules.FindArtifact("Sword");
    EXPECT_EQ(sword->Realm, 2);
    EXPECT_EQ(sword->Song, Songs()[20]);
    EXPECT_EQ(sword->GetCost(), 10);
    EXPECT_EQ(rules.BuyArtifact({2, "Sword", "2", std::nullopt, 20, true, true}), "");
    EXPECT_EQ(sword->GetCost(), 12);
    EXPECT_EQ(rules.BuyArtifact({2, "Sword", "2", std::nullopt, 20, false, true}), "");
    EXPECT_EQ(sword->ReliquaryType, 0) << "essence without a reliquary means nothing";
    EXPECT_EQ(rules.BuyArtifact({0, "Pen", "3", std::nullopt, std::nullopt}), "");
    TArtifact* pen = rules.FindArtifact("Pen");
    EXPECT_EQ(pen->Skill, nullptr) << "a corporeal purchase clears the skill";
    EXPECT_EQ(pen->Realm, 0);
    EXPECT_EQ(Texts(rules.OwnedArtifacts()),
              (std::vector<std::string>{"Sword (Celestial Artifact) - Lvl: 2", "Pen (Corporeal Artifact) - Lvl: 3"}));
    EXPECT_EQ(Songs()[20]->Name, "Healing");
}

TEST(SameResource, DiscordsByNameAndSpecificationAsTyped) {
    TCreationRules rules;
    rules.SelectConcept(8);
    rules.SetForces(0, 5);
    rules.FixResourcePoints();
    EXPECT_EQ(rules.RemainingResourcePoints(), 20);
    EXPECT_EQ(rules.BuyDiscord(1, 5, "2", "Heights"), "");  // Fear
    EXPECT_EQ(rules.RemainingResourcePoints(), 26);
    EXPECT_EQ(rules.BuyDiscord(1, 5, "1", " "), "") << "a blank is a specification for a discord";
    EXPECT_EQ(rules.BuyDiscord(1, 5, "6", "Heights"), "");
    EXPECT_EQ(rules.BuyDiscord(0, 0, "1", ""), "");
    EXPECT_EQ(Texts(rules.OwnedDiscords()),
              (std::vector<std::string>{"Fear (Heights) - Lvl: 6", "Fear ( ) - Lvl: 1", "Damaged Sense - Lvl: 1"}));
    EXPECT_EQ(rules.RemainingResourcePoints(), 20 + 18 + 3 + 3);
    EXPECT_EQ(rules.FindDiscord("Fear", "Heights")->Realm, 1);
    EXPECT_TRUE(rules.RemoveResource(rules.FindDiscord("Fear", "Heights")));
    EXPECT_EQ(rules.RemainingResourcePoints(), 26);
}

// ------------------------------------------------------ choices and lists

TEST(Choices, SongsSkillsArtifactsAndDiscords) {
    TCreationRules rules;
    rules.SelectConcept(5);
    EXPECT_EQ(rules.SongRealmChoices(), std::vector<std::uint8_t>{0});
    rules.SelectConcept(0);
    EXPECT_EQ(rules.SongRealmChoices(), (std::vector<std::uint8_t>{0, 1, 2}));

    const auto corporeal = rules.SongChoices(0);
    ASSERT_EQ(corporeal.size(), 22u);
    EXPECT_EQ(corporeal[0], "Corporeal Song of Attraction");
    EXPECT_EQ(corporeal[13], "Corporeal Song of Tongues");
    EXPECT_EQ(corporeal[14], "Numinous Corpus (Acid)");
    EXPECT_EQ(corporeal[21], "Numinous Corpus (Wings)");
    EXPECT_EQ(rules.SongChoices(1).size(), 14u);
    EXPECT_EQ(rules.SongChoices(2)[7], "Celestial Song of Light");

    const auto skills = rules.SkillChoices();
    ASSERT_EQ(skills.size(), 32u);
    EXPECT_EQ(skills[8], "Eletronics");

    const auto artifactSongs = rules.ArtifactSongChoices();
    ASSERT_EQ(artifactSongs.size(), 50u);
    EXPECT_EQ(artifactSongs[1], "Ethereal Song of Attraction");
    EXPECT_EQ(artifactSongs[3], "Corporeal Song of Charm");
    EXPECT_EQ(artifactSongs[49], "Numinous Corpus (Wings)");

    EXPECT_EQ(rules.DiscordChoices(0).size(), 10u);
    EXPECT_EQ(rules.DiscordChoices(0).back(), "Vulnerable");
    EXPECT_EQ(rules.DiscordChoices(1).front(), "Angry");
    EXPECT_EQ(rules.DiscordChoices(1).back(), "Paranoia");
    EXPECT_EQ(rules.DiscordChoices(2).front(), "Celestial Blindness");
    EXPECT_EQ(rules.DiscordChoices(2).size(), 8u);
    EXPECT_EQ(TCreationRules::DiscordRowOffset(2), 18);
    EXPECT_TRUE(rules.DiscordSpecificationNeeded(2, 6));  // Need
    EXPECT_FALSE(rules.DiscordSpecificationNeeded(0, 0));
    EXPECT_THROW(rules.DiscordChoices(3), std::out_of_range);
}

TEST(Choices, SkillDetails) {
    struct Case {
        std::int32_t position;
        bool specification;
        const char* attributes;
        const char* defaultText;
    };
    TCreationRules rules;
    for (const Case& c : {Case{0, false, "Agility", "-3"}, Case{14, true, "Intelligence", "-4"},
                          Case{18, false, "Intelligence or Perception", "-2"},
                          Case{22, false, "Strength or Agility", "-1"}, Case{11, false, "Agility or Precision", "-3"},
                          Case{13, true, "Strength or Will", "-1"}}) {
        const TSkillDetails d = rules.SkillDetails(c.position);
        EXPECT_EQ(d.SpecificationRequired, c.specification) << c.position;
        EXPECT_EQ(d.AttributeText, c.attributes) << c.position;
        EXPECT_EQ(d.DefaultText, c.defaultText) << c.position;
    }
    TSkill bare;
    EXPECT_EQ(TCreationRules::AttributeText(bare), "");
    EXPECT_THROW(rules.SkillDetails(32), EListError);
}

TEST(Choices, VesselEditorLayoutByModeAndConcept) {
    TCreationRules rules;
    EXPECT_FALSE(rules.VesselEditorLayout(TVesselMode::Vessel).has_value());
    rules.SelectConcept(1);
    const TVesselEditorLayout celestial = *rules.VesselEditorLayout(TVesselMode::Vessel);
    EXPECT_EQ(celestial.BuyCaption, "Buy Vessel");
    EXPECT_EQ(celestial.RemoveCaption, "Remove Vessel");
    EXPECT_TRUE(celestial.DescriptionEditable && celestial.LevelShown && celestial.RoleLevelShown);
    EXPECT_FALSE(celestial.ClassShown);
    const TVesselEditorLayout servant = *rules.VesselEditorLayout(TVesselMode::Servant);
    EXPECT_EQ(servant.BuyCaption, "Buy Servant");
    EXPECT_EQ(servant.RemoveCaption, "Remove Servant");
    EXPECT_TRUE(servant.ClassShown && servant.LevelShown && servant.RemoveShown);
    EXPECT_FALSE(servant.CharismaShown || servant.RoleLevelShown || servant.StatusShown);
    rules.SelectConcept(5);
    const TVesselEditorLayout mortal = *rules.VesselEditorLayout(TVesselMode::Vessel);
    EXPECT_EQ(mortal.BuyCaption, "Alter Vessel");
    EXPECT_EQ(mortal.Description, "Mortal Vessel");
    EXPECT_FALSE(mortal.DescriptionEditable || mortal.LevelShown || mortal.RoleLevelShown || mortal.RemoveShown);
    EXPECT_TRUE(mortal.CharismaShown && mortal.StatusShown);
    EXPECT_EQ(rules.VesselEditorLayout(TVesselMode::Servant)->BuyCaption, "Buy Servant");
}

// ------------------------------------------------ loading back into inputs

TEST(InputsFor, HeldResourcesComeBackAsTheyWereBought) {
    TCreationRules rules;
    MakeSeraphOfBlandine(rules);
    ASSERT_EQ(rules.BuySong(7, 2, "3"), "");
    const TSongInputs song = rules.SongInputsFor(*rules.FindSong("Light", 2));
    EXPECT_EQ(song.Realm, 2);
    EXPECT_EQ(song.SongPosition, 7);
    EXPECT_EQ(song.Level, "3");
    ASSERT_EQ(rules.BuySong(*song.SongPosition, song.Realm, song.Level), "");
    EXPECT_EQ(rules.Character().Resources.Count(), 2) << "buying the same inputs changes nothing";
    TSong unknown;
    unknown.Name = "Silence";
    EXPECT_FALSE(rules.SongInputsFor(unknown).SongPosition.has_value());

    ASSERT_EQ(rules.BuySkill(14, "2", "History"), "");
    ASSERT_EQ(rules.BuySkill(6, "1", ""), "");
    const TSkillInputs knowledge = rules.SkillInputsFor(*rules.FindSkill("Knowledge", "History"));
    EXPECT_EQ(knowledge.SkillPosition, 14);
    EXPECT_TRUE(knowledge.Details->SpecificationRequired);
    EXPECT_EQ(knowledge.Specification, "History");
    EXPECT_EQ(knowledge.Level, "2");
    const TSkillInputs dodge = rules.SkillInputsFor(*rules.FindSkill("Dodge", ""));
    EXPECT_EQ(dodge.SkillPosition, 6);
    EXPECT_FALSE(dodge.Specification.has_value());

    ASSERT_EQ(rules.BuyVessel("Car Thief", "2", "1", "3", "1"), "");
    const TVesselInputs vessel = TCreationRules::VesselInputsFor(*rules.FindVessel("Car Thief"));
    EXPECT_EQ(vessel.Description, "Car Thief");
    EXPECT_EQ(vessel.Level, "2");
    EXPECT_EQ(vessel.Charisma, "1");
    EXPECT_EQ(vessel.RoleLevel, "3");
    EXPECT_EQ(vessel.Status, "1");
    ASSERT_EQ(rules.BuyServant(4, "Bob", "2"), "");
    const TServantInputs servant = TCreationRules::ServantInputsFor(*rules.FindServant("Bob", 4));
    EXPECT_EQ(servant.ClassPosition, 4);
    EXPECT_EQ(servant.Level, "2");

    // Ethereal Song of Charm is catalogue position 4, not Corporeal Song of Charm at 3.
    ASSERT_EQ(rules.BuyArtifact({2, "Relic", "2", std::nullopt, 4, true, true}), "");
    const TArtifactInputs relic = rules.ArtifactInputsFor(*rules.FindArtifact("Relic"));
    EXPECT_EQ(relic.Realm, 2);
    EXPECT_EQ(relic.SongPosition, 4);
    EXPECT_TRUE(relic.IsReliquary);
    EXPECT_TRUE(relic.EssenceCanBeDrawn);
    EXPECT_EQ(relic.Level, "2");
    ASSERT_EQ(rules.BuyArtifact({1, "Pen", "1", 21, std::nullopt}), "");
    EXPECT_EQ(rules.ArtifactInputsFor(*rules.FindArtifact("Pen")).SkillPosition, 21);
    TArtifact loose;  // an ethereal artifact without its skill, as a file may give
    loose.Realm = 1;
    EXPECT_FALSE(rules.ArtifactInputsFor(loose).SkillPosition.has_value());

    ASSERT_EQ(rules.BuyDiscord(1, 6, "3", "Never lie"), "");  // Geas
    const TDiscordInputs geas = rules.DiscordInputsFor(*rules.FindDiscord("Geas", "Never lie"));
    EXPECT_EQ(geas.Realm, 1);
    EXPECT_EQ(geas.DiscordPosition, 6);
    EXPECT_TRUE(geas.SpecificationRequired);
    EXPECT_EQ(geas.Specification, "Never lie");
    EXPECT_EQ(geas.Level, "3");
}

// ------------------------------------------------------- the whole road

TEST(Road, AnAngelFromConceptToDiscords) {
    TCreationRules rules;
    ScriptedUser user{{}, {}};
    EXPECT_FALSE(rules.CanLeaveStep(StepConcept, user.Ask()).Allowed);
    rules.SelectConcept(0);
    rules.SetCharacterName("Nathaniel");
    rules.SetCharacterWord("Lucid Dreams");
    rules.SelectKind(0);
    rules.SelectSuperior(0);
    ASSERT_TRUE(rules.CanLeaveStep(StepConcept, user.Ask()).Allowed);

    rules.SetForces(0, 2);
    rules.SetForces(1, 3);
    rules.SetForces(2, 4);
    rules.SetCharacteristic(0, 1, 4);
    rules.SetCharacteristic(0, 2, 4);
    rules.SetCharacteristic(1, 1, 6);
    rules.SetCharacteristic(1, 2, 6);
    rules.SetCharacteristic(2, 1, 8);
    rules.SetCharacteristic(2, 2, 8);
    EXPECT_EQ(rules.RemainingForces(), 0);
    EXPECT_EQ(*rules.BodyHits(), 8);
    EXPECT_EQ(rules.MindHits(), 18);
    EXPECT_EQ(rules.SoulHits(), 32);
    ASSERT_TRUE(rules.CanLeaveStep(StepForces, user.Ask()).Allowed);
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(rules.RemainingResourcePoints(), 36);

    ASSERT_EQ(rules.BuySong(2, 2, "2"), "");
    ASSERT_EQ(rules.BuySkill(14, "2", "Dream lore"), "");
    ASSERT_EQ(rules.BuySkill(14, "1", "History"), "");
    ASSERT_EQ(rules.BuyVessel("Human", "1", "0", "0", "0"), "");
    EXPECT_EQ(rules.RemainingResourcePoints(), 36 - 2 - 2 - 1 - 3);
    ASSERT_EQ(rules.BuyDiscord(2, 1, "1", ""), "");  // Gluttonous
    EXPECT_EQ(rules.RemainingResourcePoints(), 31);

    const THalvaneCharacter& c = rules.Character();
    std::vector<std::string> names;
    for (const TResource* r : c.Resources) names.push_back(r->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Seraphim of Dreams", "Dreams", "Knowledge", "Knowledge", "Human",
                                               "Gluttonous"}));
    EXPECT_EQ(c.Name, "Nathaniel");
    EXPECT_EQ(c.Word, "Lucid Dreams");
    EXPECT_EQ(c.Superior()->Word, "Dreams");

    auto loaded = std::make_unique<THalvaneCharacter>();
    loaded->Concept = 8;
    rules.ReplaceCharacter(std::move(loaded));
    EXPECT_EQ(rules.Character().Concept, 8);
    EXPECT_EQ(rules.RemainingResourcePoints(), 0);
    EXPECT_THROW(rules.ReplaceCharacter(nullptr), std::invalid_argument);
}

} // namespace
