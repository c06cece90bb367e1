#include "StoreTestSupport.h"
#include "uHalvaneXMLDAO.h"

#include <gtest/gtest.h>

#include <csignal>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace halvane;
using halvane::test::DataPath;
using halvane::test::ReadFile;
using halvane::test::TScratchFolder;
using halvane::test::WriteFile;

namespace {

const TSuperior& CatalogueSuperior(std::string_view name) {
    for (const TSuperior* s : Superiors())
        if (s->Name == name) return *s;
    throw std::runtime_error("no superior " + std::string(name));
}

template <class T>
const T* Find(const TResources& list, std::string_view name) {
    for (const TResource* r : list)
        if (const auto* t = dynamic_cast<const T*>(r); t != nullptr && t->Name == name) return t;
    return nullptr;
}

// A demon with one of every kind of resource, bought in a mixed order, the
// granted choir attunement in the middle.
std::unique_ptr<THalvaneCharacter> EveryKind() {
    auto c = std::make_unique<THalvaneCharacter>();
    c->Name = "Malice";
    c->Word = "Hunger";
    c->Concept = 1;
    c->CelestialKind = 10;  // Calabim
    const TSuperior& haagenti = CatalogueSuperior("Haagenti");
    c->SetSuperior(&haagenti);
    for (std::int32_t g = 0; g < 3; ++g) {
        c->GetForces(g).Forces = g + 2;
        c->GetForces(g).Characteristic1 = 10 + g;
        c->GetForces(g).Characteristic2 = 20 + g;
    }
    c->ResourcePoints = 36;
    auto distinction = std::make_unique<TDistinction>();
    distinction->Name = "Knight of Banquets";
    distinction->Rank = 1;
    c->Distinctions.Add(std::move(distinction));

    auto& discord = c->Resources.Append(TDiscord::CreateCopy(*Discords()[1]));  // Crippled
    discord.Specification = "arm";
    discord.Level = 2;
    auto& skill = c->Resources.Append(TSkill::CreateCopy(*Skills()[14]));  // Knowledge
    skill.Specification = "Cooking";
    skill.Level = 3;
    auto& servant = c->Resources.Append(std::make_unique<TServant>());
    servant.Name = "Imp";
    servant.ServantClass = 1;
    servant.Level = 2;
    auto& choir = c->Resources.Append(TChoirAttunement::CreateCopy(
        *dynamic_cast<const TChoirAttunement*>(haagenti.ChoirAttunements.Items(2))));
    choir.Granted = true;
    auto& vessel = c->Resources.Append(std::make_unique<TVessel>());
    vessel.Name = "Chef";
    vessel.Level = 2;
    vessel.Charisma->Name = "Jovial";
    vessel.Charisma->Level = -2;
    vessel.Role->Name = "Cook";
    vessel.Role->Level = 3;
    vessel.Role->Status = 1;
    auto& song = c->Resources.Append(TSong::CreateCopy(*Songs()[11]));  // Entropy, celestial
    song.Level = 4;
    auto& servitor = c->Resources.Append(TServitorAttunement::CreateCopy(
        *dynamic_cast<const TServitorAttunement*>(haagenti.ServitorAttunements.Items(0))));
    (void)servitor;
    for (std::uint8_t realm = 0; realm < 3; ++realm) {
        auto& artifact = c->Resources.Append(std::make_unique<TArtifact>());
        artifact.Name = "Knife " + std::to_string(realm);
        artifact.Realm = realm;
        artifact.Level = realm + 1;
        if (realm == 1) artifact.Skill = Skills()[13];  // Fighting
        if (realm == 2) {
            artifact.Song = Songs()[5];  // Dreams, celestial
            artifact.ReliquaryType = 2;
        }
    }
    auto& second = c->Resources.Append(TSkill::CreateCopy(*Skills()[14]));
    second.Specification = "Poisons";
    second.Level = 1;
    return c;
}

TEST(StoreSave, RoundTripKeepsEveryFieldAndGroupsByKind) {
    const auto original = EveryKind();
    THalvaneXMLDAO store;
    const std::string text = store.SaveToString(*original);
    const auto c = store.LoadFromBuffer(text);

    EXPECT_EQ(c->Name, "Malice");
    EXPECT_EQ(c->Word, "Hunger");
    EXPECT_EQ(c->Concept, 1);
    EXPECT_EQ(c->CelestialKind, 10);
    EXPECT_EQ(c->Superior(), &CatalogueSuperior("Haagenti"));
    for (std::int32_t g = 0; g < 3; ++g) {
        EXPECT_EQ(c->GetForces(g).Forces, g + 2);
        EXPECT_EQ(c->GetForces(g).Characteristic1, 10 + g);
        EXPECT_EQ(c->GetForces(g).Characteristic2, 20 + g);
    }
    EXPECT_EQ(c->ResourcePoints, 36);
    ASSERT_EQ(c->Distinctions.Count(), 1);
    EXPECT_EQ(c->Distinctions.Items(0)->Name, "Knight of Banquets");
    EXPECT_EQ(c->Distinctions.Items(0)->Rank, 0);

    // Grouped by kind, kinds in the order they first appeared, each kind in list order.
    std::string order;
    for (const TResource* r : c->Resources) order += r->Name + "|";
    EXPECT_EQ(order,
              "Crippled|Knowledge|Knowledge|Imp|Calabim of Gluttony|Consume|Chef|Entropy|Knife 0|"
              "Knife 1|Knife 2|");

    const auto* discord = Find<TDiscord>(c->Resources, "Crippled");
    ASSERT_NE(discord, nullptr);
    EXPECT_EQ(discord->Specification, "arm");
    EXPECT_EQ(discord->Level, 2);
    EXPECT_EQ(dynamic_cast<const TSkill*>(c->Resources.Items(1))->Specification, "Cooking");
    EXPECT_EQ(dynamic_cast<const TSkill*>(c->Resources.Items(2))->Specification, "Poisons");
    EXPECT_EQ(c->Resources.Items(2)->Level, 1);
    const auto* servant = Find<TServant>(c->Resources, "Imp");
    EXPECT_EQ(servant->ServantClass, 1);
    EXPECT_EQ(servant->Level, 2);
    const auto* choir = Find<TChoirAttunement>(c->Resources, "Calabim of Gluttony");
    ASSERT_NE(choir, nullptr);
    EXPECT_TRUE(choir->Granted);
    EXPECT_EQ(choir->Superior, &CatalogueSuperior("Haagenti"));
    EXPECT_NE(Find<TServitorAttunement>(c->Resources, "Consume"), nullptr);
    const auto* vessel = Find<TVessel>(c->Resources, "Chef");
    EXPECT_FALSE(vessel->Granted);
    EXPECT_EQ(vessel->Level, 2);
    EXPECT_EQ(vessel->Charisma->Name, "Jovial");
    EXPECT_EQ(vessel->Charisma->Level, -2);
    EXPECT_EQ(vessel->Role->Name, "Cook");
    EXPECT_EQ(vessel->Role->Level, 3);
    EXPECT_EQ(vessel->Role->Status, 1);
    EXPECT_EQ(Find<TSong>(c->Resources, "Entropy")->Realm, 2);
    EXPECT_EQ(Find<TSong>(c->Resources, "Entropy")->Level, 4);
    EXPECT_EQ(Find<TArtifact>(c->Resources, "Knife 0")->Level, 1);
    EXPECT_EQ(Find<TArtifact>(c->Resources, "Knife 1")->Skill, Skills()[13]);
    const auto* reliquary = Find<TArtifact>(c->Resources, "Knife 2");
    EXPECT_EQ(reliquary->Song, Songs()[5]);
    EXPECT_EQ(reliquary->ReliquaryType, 2);
    EXPECT_EQ(reliquary->Level, 3);

    // The same points left before saving and after loading.
    EXPECT_EQ(c->TotalResourceCost(), original->TotalResourceCost());
    // Loading and saving again changes nothing, and so does saving twice.
    EXPECT_EQ(store.SaveToString(*c), text);
    EXPECT_EQ(store.SaveToString(*original), text);
}

TEST(StoreSave, WritesOnlyWhatTheRecordHas) {
    THalvaneCharacter c;
    c.Concept = 8;  // a mortal: no kind, no superior, only its body
    c.CorporealForces.Forces = 5;
    auto& body = c.Resources.Append(std::make_unique<TVessel>());
    body.Name = "Mortal Vessel";
    body.Level = 5;
    body.Role->Level = 1;
    c.Resources.Append(std::make_unique<TCharisma>());  // no place in the file
    EXPECT_EQ(THalvaneXMLDAO().SaveToString(c),
              "<?xml version=\"1.0\"?><Character name=\"\" concept=\"8\" word=\"\"><Forces>"
              "<CorporealForces value=\"5\"><Attribute name=\"strength\" value=\"0\"/>"
              "<Attribute name=\"agility\" value=\"0\"/></CorporealForces><EtherealForces value=\"0\">"
              "<Attribute name=\"intelligence\" value=\"0\"/><Attribute name=\"precision\" value=\"0\"/>"
              "</EtherealForces><CelestialForces value=\"0\"><Attribute name=\"will\" value=\"0\"/>"
              "<Attribute name=\"perception\" value=\"0\"/></CelestialForces></Forces>"
              "<Resources value=\"0\"><Vessels><Vessel description=\"Mortal Vessel\" level=\"5\">"
              "<Charisma description=\"\" level=\"0\"/><Role description=\"\" level=\"1\" status=\"0\"/>"
              "</Vessel></Vessels></Resources></Character>");
}

TEST(StoreSave, ArtifactsWithoutTheirReferenceComeBackTheSame) {
    THalvaneCharacter c;
    c.Concept = 0;
    c.CelestialKind = 0;
    for (std::uint8_t realm : {1, 2}) {
        auto& artifact = c.Resources.Append(std::make_unique<TArtifact>());
        artifact.Name = "Blank";
        artifact.Realm = realm;
        artifact.Level = 2;
    }
    THalvaneXMLDAO store;
    const std::string text = store.SaveToString(c);
    EXPECT_NE(text.find("<Artifact description=\"Blank\" realm=\"Ethereal\"><Skill description=\"\" "
                        "specification=\"\" level=\"2\"/></Artifact>"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("<Artifact description=\"Blank\" realm=\"Celestial\" reliquaryType=\"0\"><Song "
                        "description=\"\" realm=\"\" level=\"2\"/></Artifact>"),
              std::string::npos)
        << text;
    const auto loaded = store.LoadFromBuffer(text);
    ASSERT_EQ(loaded->Resources.Count(), 2);
    EXPECT_EQ(dynamic_cast<const TArtifact*>(loaded->Resources.Items(0))->Skill, nullptr);
    EXPECT_EQ(dynamic_cast<const TArtifact*>(loaded->Resources.Items(1))->Song, nullptr);
    EXPECT_EQ(store.SaveToString(*loaded), text);
}

class StoreTextRoundTrip : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(StoreTextRoundTrip, NamesComeBackExactlyOrWithoutWhatXmlCannotCarry) {
    const auto& [typed, loaded] = GetParam();
    THalvaneCharacter c;
    c.Concept = 8;
    c.Name = typed;
    c.Word = typed;
    auto own = std::make_unique<TSuperior>();
    own->Name = typed;
    c.SetOwnSuperior(std::move(own));
    auto& body = c.Resources.Append(std::make_unique<TVessel>());
    body.Name = typed;
    body.Granted = true;
    THalvaneXMLDAO store;
    const auto back = store.LoadFromBuffer(store.SaveToString(c));
    EXPECT_EQ(back->Name, loaded);
    EXPECT_EQ(back->Word, loaded);
    EXPECT_EQ(back->Superior()->Name, loaded);
    EXPECT_EQ(back->Resources.Items(0)->Name, loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoreTextRoundTrip,
    ::testing::Values(std::pair<std::string, std::string>{"", ""},
                      std::pair<std::string, std::string>{"line\nbreak\r\nand\ttab  ", "line\nbreak\r\nand\ttab  "},
                      std::pair<std::string, std::string>{"\"quotes' & <tags>", "\"quotes' & <tags>"},
                      std::pair<std::string, std::string>{"Ange\xC3\xA9 \xE5\xA4\xA9\xE4\xBD\xBF \xF0\x9F\x94\xA5", "Ange\xC3\xA9 \xE5\xA4\xA9\xE4\xBD\xBF \xF0\x9F\x94\xA5"},
                      std::pair<std::string, std::string>{std::string("bell\x07" "esc\x1B" "nul\0!", 14), "bellescnul!"}));

TEST(StoreSave, RefusesARecordWithoutConceptAndWritesNothing) {
    TScratchFolder folder;
    THalvaneXMLDAO store;
    store.FileName = folder.File("new.hcs");
    THalvaneCharacter c;
    try {
        store.Save(c);
        FAIL();
    } catch (const ECharacterFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot save character file \"" + store.FileName +
                                             "\": the character has no concept yet; nothing was written.");
    }
    EXPECT_EQ(folder.Listing(), "");
}

// Records whose files could not be loaded back are refused before anything is
// written, instead of being saved as if all were well.
TEST(StoreSave, RefusesRecordsThatCouldNotBeLoadedBack) {
    struct Case {
        std::uint8_t concept_;
        const char* why;
    };
    const char* const noKind =
        "a celestial character needs its celestial kind before it can be saved; choose one on the Concept step";
    for (const Case& c : {Case{0, noKind}, Case{4, noKind},
                          Case{7, "a mortal character needs its vessel, and this one has none"}}) {
        TScratchFolder folder;
        THalvaneXMLDAO store;
        store.FileName = folder.File("new.hcs");
        THalvaneCharacter record;
        record.Concept = c.concept_;
        try {
            store.Save(record);
            ADD_FAILURE() << c.why;
        } catch (const ECharacterFileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Cannot save character file \"" + store.FileName + "\": " + c.why + "; nothing was written.");
        }
        EXPECT_EQ(folder.Listing(), "");
    }
}

// A stream buffer that takes N bytes and then fails, like a full disk.
class TFailingBuffer : public std::streambuf {
public:
    explicit TFailingBuffer(std::size_t room) : room_(room) {}
    std::string Written;

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const auto take = std::min(room_ - Written.size(), static_cast<std::size_t>(n));
        Written.append(s, take);
        return static_cast<std::streamsize>(take);
    }
    int_type overflow(int_type c) override {
        if (Written.size() >= room_ || traits_type::eq_int_type(c, traits_type::eof())) return traits_type::eof();
        Written += traits_type::to_char_type(c);
        return c;
    }

private:
    std::size_t room_;
};

class StoreStreamFailure : public ::testing::TestWithParam<std::size_t> {};

TEST_P(StoreStreamFailure, AWriteThatFailsPartWayIsReported) {
    const auto c = EveryKind();
    THalvaneXMLDAO store;
    const std::size_t whole = store.SaveToString(*c).size();
    const std::size_t room = GetParam() == 0 ? 0 : whole - GetParam();
    TFailingBuffer buffer(room);
    std::ostream out(&buffer);
    try {
        store.SaveToStream(*c, out);
        FAIL();
    } catch (const ECharacterFileError& e) {
        EXPECT_STREQ(e.what(), "Cannot save character data: the data could not be written.");
    }
    EXPECT_EQ(buffer.Written.size(), room);
}

INSTANTIATE_TEST_SUITE_P(Room, StoreStreamFailure, ::testing::Values(0u, 1u, 100u));

// ------------------------------------------------------------ the file door

TEST(StoreSaveFile, ReplacesTheFileAndKeepsItsPermissions) {
    TScratchFolder folder;
    THalvaneXMLDAO store;
    store.FileName = folder.File("demon.hcs");
    WriteFile(store.FileName, "old");
    ASSERT_EQ(::chmod(store.FileName.c_str(), 0640), 0);
    const auto c = EveryKind();
    store.Save(*c);
    store.Save(*c);
    EXPECT_EQ(ReadFile(store.FileName), store.SaveToString(*c));
    EXPECT_EQ(folder.Listing(), "demon.hcs;");
    struct stat status {};
    ASSERT_EQ(::stat(store.FileName.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(store.Load()->TotalResourceCost(), c->TotalResourceCost());
}

// Makes every write past a few bytes fail with EFBIG, as a full disk would
// (a file size limit binds root too, unlike permissions).
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(StoreSaveFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    TScratchFolder folder;
    THalvaneXMLDAO store;
    store.FileName = folder.File("demon.hcs");
    const std::string old = ReadFile(DataPath("example.hcs"));
    WriteFile(store.FileName, old);
    const auto c = EveryKind();
    try {
        const TFileSizeLimit limit(100);
        store.Save(*c);
        FAIL();
    } catch (const ECharacterFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot save character file \"" + store.FileName +
                                             "\": cannot write the temporary file: File too large.");
    }
    EXPECT_EQ(ReadFile(store.FileName), old);
    EXPECT_EQ(folder.Listing(), "demon.hcs;");
}

TEST(StoreSaveFile, AFailedRenameLeavesTheTargetAndNoTemporaryFile) {
    TScratchFolder folder;
    THalvaneXMLDAO store;
    store.FileName = folder.File("taken");
    std::filesystem::create_directory(store.FileName);
    WriteFile(folder.File("taken/inside"), "keep");
    try {
        store.Save(*EveryKind());
        FAIL();
    } catch (const ECharacterFileError& e) {
        EXPECT_NE(std::string(e.what()).find("cannot replace the file: Is a directory"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(folder.Listing(), "taken;");
    EXPECT_EQ(ReadFile(folder.File("taken/inside")), "keep");

    store.FileName = folder.File("no-such-folder/x.hcs");
    try {
        store.Save(*EveryKind());
        FAIL();
    } catch (const ECharacterFileError& e) {
        EXPECT_NE(std::string(e.what()).find("cannot create a temporary file in"), std::string::npos)
            << e.what();
    }
}

} // namespace
