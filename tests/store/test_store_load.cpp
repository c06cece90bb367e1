#include "StoreTestSupport.h"
#include "uHalvaneXMLDAO.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace halvane;
using halvane::test::DataPath;
using halvane::test::ReadFile;

namespace {

std::unique_ptr<THalvaneCharacter> LoadFixture(const std::string& relative) {
    THalvaneXMLDAO store;
    store.FileName = DataPath(relative);
    return store.Load();
}

template <class T>
const T& As(const THalvaneCharacter& c, std::int32_t index) {
    const auto* typed = dynamic_cast<const T*>(c.Resources.Items(index));
    if (typed == nullptr) throw std::runtime_error("resource " + std::to_string(index) + " has another class");
    return *typed;
}

const TSuperior& CatalogueSuperior(std::string_view name) {
    for (const TSuperior* s : Superiors())
        if (s->Name == name) return *s;
    throw std::runtime_error("no superior " + std::string(name));
}

// ------------------------------------------------------------ the example

class StoreExample : public ::testing::TestWithParam<const char*> {};

TEST_P(StoreExample, LoadsAndSavesBackToTheSameDocument) {
    const auto c = LoadFixture(GetParam());
    EXPECT_EQ(c->Name, "Nathaniel");
    EXPECT_EQ(c->Word, "Lucid Dreams");
    EXPECT_EQ(c->Concept, 0);
    EXPECT_EQ(c->CelestialKind, 0);
    EXPECT_EQ(c->Superior(), &CatalogueSuperior("Blandine"));
    const std::int32_t expected[3][3] = {{2, 4, 4}, {3, 6, 6}, {4, 8, 8}};
    for (std::int32_t g = 0; g < 3; ++g) {
        EXPECT_EQ(c->GetForces(g).Forces, expected[g][0]);
        EXPECT_EQ(c->GetForces(g).Characteristic1, expected[g][1]);
        EXPECT_EQ(c->GetForces(g).Characteristic2, expected[g][2]);
    }
    EXPECT_EQ(c->ResourcePoints, 36);
    EXPECT_EQ(c->Distinctions.Count(), 0);

    ASSERT_EQ(c->Resources.Count(), 5);
    const auto& choir = As<TChoirAttunement>(*c, 0);
    EXPECT_EQ(choir.Name, "Seraphim of Dreams");
    EXPECT_TRUE(choir.Granted);  // it came with the superior: it costs nothing
    EXPECT_NE(&choir, CatalogueSuperior("Blandine").ChoirAttunements.Items(0));
    EXPECT_EQ(As<TSong>(*c, 1).Level, 2);
    EXPECT_EQ(As<TSkill>(*c, 2).Specification, "Dream lore");
    EXPECT_EQ(As<TSkill>(*c, 3).Specification, "History");
    EXPECT_EQ(As<TSkill>(*c, 3).Level, 1);
    EXPECT_EQ(As<TVessel>(*c, 4).Level, 1);
    EXPECT_EQ(c->ResourcePoints - c->TotalResourceCost(), 36 - (0 + 2 + 2 + 1 + 3));

    // The catalogue entry behind the copies is left as it was.
    for (const TSkill* skill : Skills())
        if (skill->Name == "Knowledge") {
            EXPECT_EQ(skill->Level, 0);
            EXPECT_EQ(skill->Specification, "");
        }

    THalvaneXMLDAO store;
    EXPECT_EQ(store.SaveToString(*c), ReadFile(DataPath("example.hcs")));
}

INSTANTIATE_TEST_SUITE_P(Files, StoreExample,
                         ::testing::Values("example.hcs", "example-indented.hcs"));

// ------------------------------------------------------------ reading rules

TEST(StoreLoad, ReadingRulesOfACelestialFile) {
    const auto c = LoadFixture("match/angel-reading-rules.hcs");
    EXPECT_EQ(c->Concept, 0);  // 256 keeps its lowest eight bits
    EXPECT_EQ(c->CorporealForces.Characteristic1, 5);  // by position, whatever the name
    EXPECT_EQ(c->CorporealForces.Characteristic2, 3);
    EXPECT_EQ(c->EtherealForces.Characteristic1, 6);
    ASSERT_EQ(c->Distinctions.Count(), 2);
    EXPECT_EQ(c->Distinctions.Items(0)->Name, "Vassal of Dreams");
    EXPECT_EQ(c->Distinctions.Items(0)->Rank, 0);
    EXPECT_EQ(c->Distinctions.Items(1)->Name, "");

    std::vector<std::string> names;
    for (const TResource* r : c->Resources) names.push_back(r->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Dodge", "Knowledge", "Dreams", "Ring", "Book", "Lamp",
                                               "Chalice", "Urn", "Cherubim of Dreams",
                                               "Seraphim of Dreams", "Dream Walking", "Crippled"}));

    EXPECT_EQ(As<TSkill>(*c, 0).Specification, "");  // Dodge takes no specification
    EXPECT_EQ(As<TSkill>(*c, 0).Level, 2);
    EXPECT_EQ(As<TSkill>(*c, 1).Specification, "Dream lore");
    EXPECT_EQ(As<TSong>(*c, 2).Realm, 1);

    const auto& ring = As<TArtifact>(*c, 3);  // "Mundane" reads as corporeal
    EXPECT_EQ(ring.Realm, 0);
    EXPECT_EQ(ring.Level, 2);
    const auto& book = As<TArtifact>(*c, 4);  // kept without the skill it names
    EXPECT_EQ(book.Realm, 1);
    EXPECT_EQ(book.Skill, nullptr);
    EXPECT_EQ(book.Level, 1);
    const auto& lamp = As<TArtifact>(*c, 5);
    ASSERT_NE(lamp.Skill, nullptr);
    EXPECT_EQ(lamp.Skill->Name, "Knowledge");
    EXPECT_EQ(lamp.Skill, Skills()[14]);  // the catalogue entry itself
    const auto& chalice = As<TArtifact>(*c, 6);
    ASSERT_NE(chalice.Song, nullptr);
    EXPECT_EQ(chalice.Song->Realm, 2);
    EXPECT_EQ(chalice.ReliquaryType, 1);  // 257
    EXPECT_EQ(As<TArtifact>(*c, 7).Song, nullptr);
    EXPECT_EQ(As<TArtifact>(*c, 7).ReliquaryType, 2);

    const auto& cherubim = As<TChoirAttunement>(*c, 8);
    EXPECT_FALSE(cherubim.Granted);
    EXPECT_EQ(cherubim.GetCost(), 5);
    EXPECT_EQ(cherubim.CelestialKind, 1);
    EXPECT_TRUE(As<TChoirAttunement>(*c, 9).Granted);  // the one of the character's own kind
    const auto& walking = As<TServitorAttunement>(*c, 10);
    EXPECT_EQ(walking.Superior, &CatalogueSuperior("Blandine"));  // the file says Beleth

    const auto& crippled = As<TDiscord>(*c, 11);
    EXPECT_EQ(crippled.Specification, "left leg");
    EXPECT_EQ(crippled.Level, 2);
    EXPECT_TRUE(crippled.SpecificationRequired);
}

TEST(StoreLoad, UnmatchedSuperiorSkipsChoirAttunementsButFindsServitorsBySide) {
    const auto c = LoadFixture("match/angel-unknown-superior.hcs");
    EXPECT_EQ(c->Superior(), nullptr);  // names match exactly, case included
    ASSERT_EQ(c->Resources.Count(), 1);
    EXPECT_EQ(As<TServitorAttunement>(*c, 0).Name, "Dream Walking");
}

TEST(StoreLoad, MortalFile) {
    const auto c = LoadFixture("match/mortal-two-vessels.hcs");
    EXPECT_EQ(c->Concept, 5);
    EXPECT_FALSE(c->CelestialKind.has_value());
    ASSERT_NE(c->Superior(), nullptr);  // its own, with an empty name
    EXPECT_EQ(c->Superior()->Name, "");
    EXPECT_EQ(c->Superior(), c->OwnSuperior());
    ASSERT_EQ(c->Resources.Count(), 1);  // attunements are not read, one vessel only
    const auto& body = As<TVessel>(*c, 0);
    EXPECT_TRUE(body.Granted);
    EXPECT_EQ(body.Charisma->Name, "Plain");
    EXPECT_EQ(body.Charisma->Level, -2);
    EXPECT_EQ(body.Role->Name, "Priest");
    EXPECT_EQ(body.Role->Level, 3);
    EXPECT_EQ(body.Role->Status, 2);
    EXPECT_EQ(body.GetCost(), -4 + 4);
}

// The servitor attunements searched follow the character's side.
struct TSideCase {
    int Concept;
    int Kind;
    const char* Superior;  // of the found "Dream Walking"
};

class StoreSide : public ::testing::TestWithParam<TSideCase> {};

TEST_P(StoreSide, DreamWalkingIsFoundOnTheCharactersSide) {
    const TSideCase& s = GetParam();
    const std::string forces =
        "<Forces><CorporealForces value='1'><Attribute value='1'/><Attribute value='1'/></CorporealForces>"
        "<EtherealForces value='1'><Attribute value='1'/><Attribute value='1'/></EtherealForces>"
        "<CelestialForces value='1'><Attribute value='1'/><Attribute value='1'/></CelestialForces></Forces>";
    const std::string text = "<Character concept='" + std::to_string(s.Concept) + "' celestialKind='" +
                             std::to_string(s.Kind) + "'>" + forces +
                             "<Resources value='0'><Attunements><Attunement description='Dream Walking' "
                             "superior='Nobody'/></Attunements></Resources></Character>";
    const auto c = THalvaneXMLDAO().LoadFromBuffer(text);
    ASSERT_EQ(c->Resources.Count(), 1);
    EXPECT_EQ(As<TServitorAttunement>(*c, 0).Superior, &CatalogueSuperior(s.Superior));
}

INSTANTIATE_TEST_SUITE_P(Sides, StoreSide,
                         ::testing::Values(TSideCase{0, 0, "Blandine"}, TSideCase{2, 8, "Blandine"},
                                           TSideCase{1, 8, "Beleth"}, TSideCase{3, 0, "Beleth"},
                                           TSideCase{4, 0, "Blandine"}, TSideCase{4, 7, "Blandine"},
                                           TSideCase{4, 8, "Beleth"}));

TEST(StoreLoad, OnlyTheChoirAttunementOfTheCharactersOwnKindComesBackGranted) {
    const std::string forces =
        "<Forces><CorporealForces value='1'><Attribute value='1'/><Attribute value='1'/></CorporealForces>"
        "<EtherealForces value='1'><Attribute value='1'/><Attribute value='1'/></EtherealForces>"
        "<CelestialForces value='1'><Attribute value='1'/><Attribute value='1'/></CelestialForces></Forces>";
    struct TCase {
        int Concept, Kind;
        bool Granted;
    };
    // Seraphim (0) is granted once; Grigori (7) has no choir attunement of a
    // superior; a band (8) with an angelic superior got nothing granted.
    for (const TCase k : {TCase{0, 0, true}, TCase{0, 7, false}, TCase{3, 8, false}}) {
        const std::string text =
            "<Character concept='" + std::to_string(k.Concept) + "' celestialKind='" + std::to_string(k.Kind) +
            "'>" + forces + "<Superior name='Blandine'/><Resources value='0'><Attunements>"
            "<Attunement description='Seraphim of Dreams'/><Attunement description='Seraphim of Dreams'/>"
            "</Attunements></Resources></Character>";
        const auto c = THalvaneXMLDAO().LoadFromBuffer(text);
        ASSERT_EQ(c->Resources.Count(), 2);
        EXPECT_EQ(c->Resources.Items(0)->Granted, k.Granted) << k.Kind;
        EXPECT_FALSE(c->Resources.Items(1)->Granted) << "a second one is bought";
    }
}

// ------------------------------------------------------------ failures

struct TFailureCase {
    const char* File;
    std::vector<std::string> Message;  // parts the text must hold, besides the file name
};

class StoreLoadFailure : public ::testing::TestWithParam<TFailureCase> {};

TEST_P(StoreLoadFailure, NamesTheFileAndWhatIsWrongAndReturnsNothing) {
    const TFailureCase& f = GetParam();
    auto current = std::make_unique<THalvaneCharacter>();
    current->Name = "Current";
    THalvaneXMLDAO store;
    store.FileName = DataPath(f.File);
    try {
        current = store.Load();
        FAIL() << "loaded " << f.File;
    } catch (const ECharacterFileError& e) {
        const std::string text = e.what();
        EXPECT_EQ(text.rfind("Cannot load character file \"" + store.FileName + "\"", 0), 0u) << text;
        for (const std::string& part : f.Message) EXPECT_NE(text.find(part), std::string::npos) << text;
    }
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->Name, "Current");
}

INSTANTIATE_TEST_SUITE_P(
    Files, StoreLoadFailure,
    ::testing::Values(
        TFailureCase{"bad/tags-mismatch.hcs", {"line 1, column ", "not well-formed XML: Start-end tags mismatch (pugixml status"}},
        TFailureCase{"bad/second-root.hcs", {"a second element <Character> follows the root element"}},
        TFailureCase{"bad/text-after-root.hcs", {"text stands outside the root element"}},
        TFailureCase{"bad/duplicate-attribute.hcs", {"element <Resources> has the attribute \"value\" twice"}},
        TFailureCase{"bad/empty.hcs", {"the file holds no XML element"}},
        TFailureCase{"bad/wrong-root.hcs", {"line 1, column 23: the root element is <Charakter>, not <Character>"}},
        TFailureCase{"bad/concept-x.hcs", {"element Character: attribute \"concept\" holds \"x\", which is not a decimal integer"}},
        TFailureCase{"bad/concept-missing.hcs", {"attribute \"concept\" is missing"}},
        TFailureCase{"bad/concept-empty.hcs", {"attribute \"concept\" is empty"}},
        TFailureCase{"bad/concept-plus.hcs", {"holds \"+1\", which is not a decimal integer"}},
        TFailureCase{"bad/concept-265.hcs", {"attribute \"concept\" holds 265, whose lowest eight bits give 9, which is not a concept (rows 0 to 8)"}},
        TFailureCase{"bad/kind-15.hcs", {"attribute \"celestialKind\" holds 15, which is not a celestial kind (rows 0 to 14)"}},
        TFailureCase{"bad/celestial-without-kind.hcs", {"attribute \"celestialKind\" is missing"}},
        TFailureCase{"bad/points-overflow.hcs", {"element Character/Resources: attribute \"value\" holds \"2147483648\", which is outside the 32-bit range"}},
        TFailureCase{"bad/skill-level-two.hcs", {"line 2, column 2: element Character/Resources/Skills/Skill[2]: attribute \"level\" holds \"two\""}},
        TFailureCase{"bad/servant-class-6.hcs", {"Servants/Servant: attribute \"servantClass\" holds 6, which is not a servant class (rows 0 to 5)"}},
        TFailureCase{"bad/reliquary-3.hcs", {"attribute \"reliquaryType\" holds 3, which is not a reliquary type (rows 0 to 2)"}},
        TFailureCase{"bad/artifact-without-binding.hcs", {"element Character/Resources/Artifacts/Artifact/Binding (absent): attribute \"level\" is missing"}},
        TFailureCase{"bad/one-attribute.hcs", {"element Character/Forces/CorporealForces: it has 1 <Attribute> items; it needs two"}},
        TFailureCase{"bad/no-forces.hcs", {"element Character/Forces/CorporealForces (absent): attribute \"value\" is missing"}},
        TFailureCase{"bad/mortal-without-vessel.hcs", {"Character/Resources/Vessels (absent): a mortal character needs a <Vessel>, and there is none"}},
        TFailureCase{"bad/mortal-empty-vessels.hcs", {"a mortal character needs a <Vessel>"}},
        TFailureCase{"bad/mortal-role-without-status.hcs", {"Vessel/Role: attribute \"status\" is missing"}},
        TFailureCase{"bad/no-such-file.hcs", {"cannot open the file: No such file or directory"}},
        TFailureCase{"bad", {"it is not a regular file"}}));

TEST(StoreLoad, RefusesHugeFilesBeforeReadingThem) {
    test::TScratchFolder folder;
    const std::string path = folder.File("huge.hcs");
    test::WriteFile(path, "");
    std::filesystem::resize_file(path, THalvaneXMLDAO::MaxFileSize + 1);
    THalvaneXMLDAO store;
    store.FileName = path;
    try {
        store.Load();
        FAIL();
    } catch (const ECharacterFileError& e) {
        EXPECT_NE(std::string(e.what()).find("larger than 16 MiB"), std::string::npos) << e.what();
    }
    std::istringstream stream(std::string(THalvaneXMLDAO::MaxFileSize + 1, ' '));
    EXPECT_THROW(store.LoadFromStream(stream), ECharacterFileError);
}

TEST(StoreLoad, RefusesANulByteThatWouldHideTheRest) {
    std::string text = ReadFile(DataPath("example.hcs"));
    const std::size_t end = text.size();
    text += std::string("\0<junk", 6);
    THalvaneXMLDAO store;
    try {
        store.LoadFromBuffer(text);
        FAIL();
    } catch (const ECharacterFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot load character data, line 1, column " +
                                             std::to_string(end + 1) +
                                             ": the file is not well-formed XML: it holds a NUL byte.");
    }
}

} // namespace
