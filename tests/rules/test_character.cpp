#include "uHalvaneCharacter.h"
#include "uHalvaneSystem.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

using namespace halvane;

namespace {

// A resource that reports its own destruction, to see who releases what.
class TWatchedSkill : public TSkill {
public:
    explicit TWatchedSkill(int& destroyed) : destroyed_(destroyed) {}
    ~TWatchedSkill() override { ++destroyed_; }
private:
    int& destroyed_;
};

TEST(Character, NewRecordIsBlank) {
    THalvaneCharacter c;
    EXPECT_EQ(c.TotalForces(), 0);
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(c.GetForces(g).Forces, 0);
        EXPECT_EQ(c.GetForces(g).Characteristic1, 0);
        EXPECT_EQ(c.GetForces(g).Characteristic2, 0);
    }
    EXPECT_FALSE(c.Concept.has_value());
    EXPECT_FALSE(c.CelestialKind.has_value());
    EXPECT_EQ(c.Superior(), nullptr);
    EXPECT_EQ(c.Resources.Count(), 0);
    EXPECT_EQ(c.Distinctions.Count(), 0);
    EXPECT_TRUE(c.Name.empty());
    EXPECT_TRUE(c.Word.empty());
    EXPECT_EQ(c.ResourcePoints, 0);
    EXPECT_EQ(c.TotalResourceCost(), 0);

    c.Concept = 0;  // "Angel" is a choice, not the absence of one
    EXPECT_TRUE(c.Concept.has_value());
}

TEST(Character, GetForcesHandsOutTheSameGroups) {
    THalvaneCharacter c;
    EXPECT_EQ(&c.GetForces(0), &c.CorporealForces);
    EXPECT_EQ(&c.GetForces(1), &c.EtherealForces);
    EXPECT_EQ(&c.GetForces(2), &c.CelestialForces);
    EXPECT_NE(dynamic_cast<TEtherealForces*>(&c.GetForces(1)), nullptr);
    c.GetForces(1).Forces = 3;
    EXPECT_EQ(c.TotalForces(), 3);
    EXPECT_EQ(c.GetForces(1).Forces, 3);
    c.GetForces(1).Characteristic(2) = 7;
    EXPECT_EQ(c.EtherealForces.Characteristic2, 7);
    EXPECT_THROW(c.GetForces(3), std::out_of_range);
    EXPECT_THROW(c.GetForces(-1), std::out_of_range);
    EXPECT_THROW(c.GetForces(1).Characteristic(0), std::out_of_range);
}

TEST(Character, TotalForcesDoesNotOverflow) {
    THalvaneCharacter c;
    for (int g = 0; g < 3; ++g) c.GetForces(g).Forces = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(c.TotalForces(), 3 * std::int64_t{std::numeric_limits<std::int32_t>::max()});
}

TEST(Character, ListsRaiseOnAnIndexOutsideThem) {
    THalvaneCharacter c;
    EXPECT_THROW(c.Resources.Items(0), EListError);
    c.Resources.Add(std::make_unique<TSong>());
    EXPECT_NO_THROW(c.Resources.Items(0));
    EXPECT_THROW(c.Resources.Items(1), EListError);
    EXPECT_THROW(c.Resources.Items(-1), EListError);
    EXPECT_THROW(c.Distinctions.Items(0), EListError);
    EXPECT_THROW(c.Resources.Add(nullptr), std::invalid_argument);
}

TEST(Character, ListsKeepOrderAndReleaseWhatTheyDrop) {
    int destroyed = 0;
    {
        THalvaneCharacter c;
        TWatchedSkill* first = &c.Resources.Append(std::make_unique<TWatchedSkill>(destroyed));
        TWatchedSkill* second = &c.Resources.Append(std::make_unique<TWatchedSkill>(destroyed));
        c.Resources.Append(std::make_unique<TWatchedSkill>(destroyed));
        c.Resources.Append(std::make_unique<TWatchedSkill>(destroyed));
        EXPECT_EQ(c.Resources.Items(1), second);

        EXPECT_TRUE(c.Resources.Remove(first));
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(c.Resources.Items(0), second);
        EXPECT_FALSE(c.Resources.Remove(first)) << "a second removal finds nothing";

        auto taken = c.Resources.Extract(second);
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(c.Resources.Count(), 2);
        taken.reset();
        EXPECT_EQ(destroyed, 2);

        c.Resources.Clear();
        EXPECT_EQ(destroyed, 4);
        c.Resources.Append(std::make_unique<TWatchedSkill>(destroyed));
    }
    EXPECT_EQ(destroyed, 5) << "destroying the record releases what it still holds";
}

TEST(Character, CataloguePartsStayIntactWhateverTheRecordDoes) {
    const TSuperior& blandine = *Superiors()[0];
    const auto& catalogueChoir =
        dynamic_cast<const TChoirAttunement&>(*blandine.ChoirAttunements.Items(0));
    {
        THalvaneCharacter c;
        c.SetSuperior(&blandine);
        auto granted = TChoirAttunement::CreateCopy(catalogueChoir);
        granted->Granted = true;
        const TResource* held = &c.Resources.Append(std::move(granted));

        auto artifact = std::make_unique<TArtifact>();
        artifact->Realm = 1;
        artifact->Skill = Skills()[14];
        c.Resources.Append(std::move(artifact));
        c.Resources.Append(TSong::CreateCopy(*Songs()[8]));

        EXPECT_EQ(c.TotalResourceCost(), 0);  // granted attunement, level-0 artifact and song
        EXPECT_TRUE(c.Resources.Remove(held));
        c.Resources.Clear();
        c.Resources.Append(TChoirAttunement::CreateCopy(catalogueChoir));
        EXPECT_EQ(c.TotalResourceCost(), 5);
    }
    EXPECT_FALSE(catalogueChoir.Granted);
    EXPECT_EQ(catalogueChoir.GetCost(), 5);
    EXPECT_EQ(catalogueChoir.Name, "Seraphim of Dreams");
    EXPECT_EQ(blandine.ChoirAttunements.Count(), 7);
    EXPECT_EQ(Skills()[14]->Name, "Knowledge");
    EXPECT_EQ(Songs()[8]->Name, "Dreams");
}

TEST(Character, OwnSuperiorIsReleasedWhenReplaced) {
    THalvaneCharacter c;
    auto own = std::make_unique<TSuperior>();
    own->Name = "Father Brown";
    TSuperior& held = c.SetOwnSuperior(std::move(own));
    EXPECT_EQ(c.Superior(), &held);
    EXPECT_EQ(c.OwnSuperior(), &held);

    auto other = std::make_unique<TSuperior>();
    other->Name = "Sister Ann";
    c.SetOwnSuperior(std::move(other));  // the first one is released here (checked by LeakSanitizer)
    EXPECT_EQ(c.Superior()->Name, "Sister Ann");

    c.SetSuperior(c.Superior());  // setting the same one again keeps it alive
    ASSERT_NE(c.OwnSuperior(), nullptr);
    EXPECT_EQ(c.Superior()->Name, "Sister Ann");

    c.SetSuperior(Superiors()[5]);
    EXPECT_EQ(c.OwnSuperior(), nullptr);
    EXPECT_EQ(c.Superior(), Superiors()[5]);
    c.SetSuperior(nullptr);
    EXPECT_EQ(c.Superior(), nullptr);
    EXPECT_THROW(c.SetOwnSuperior(nullptr), std::invalid_argument);
}

TEST(Character, PointsLeftSumAllCostsIn64Bits) {
    THalvaneCharacter c;
    c.ResourcePoints = 36;
    auto discord = TDiscord::CreateCopy(*Discords()[0]);
    discord->Level = 2;
    c.Resources.Append(std::move(discord));
    auto skill = TSkill::CreateCopy(*Skills()[14]);
    skill->Level = 4;
    c.Resources.Append(std::move(skill));
    EXPECT_EQ(c.ResourcePoints - c.TotalResourceCost(), 36 + 6 - 4);

    for (int i = 0; i < 3; ++i) {
        auto a = std::make_unique<TArtifact>();
        a->Realm = 2;
        a->ReliquaryType = 2;
        a->Level = std::numeric_limits<std::int32_t>::max();
        c.Resources.Append(std::move(a));
    }
    EXPECT_EQ(c.TotalResourceCost(), -6 + 4 + 18 * std::int64_t{std::numeric_limits<std::int32_t>::max()});
}

} // namespace
