// hcstool from outside: exit codes, stdout and stderr of the built program.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

std::string Data(const std::string& relative) {
    return std::string(HALVANE_TEST_DATA_DIR) + "/store/" + relative;
}

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

class Hcstool : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "hcstool-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    TRun Run(const std::vector<std::string>& args) {
        std::string command = Quote(HCSTOOL_PATH);
        for (const auto& a : args) command += " " + Quote(a);
        command += " >" + Quote((dir_ / "out").string()) + " 2>" + Quote((dir_ / "err").string());
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(dir_ / "out"), Slurp(dir_ / "err")};
    }

    std::filesystem::path dir_;
};

TEST_F(Hcstool, InfoPrintsTheCharacterAsJson) {
    const TRun run = Run({"info", Data("example.hcs")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    const auto j = nlohmann::json::parse(run.Out);
    EXPECT_EQ(j["name"], "Nathaniel");
    EXPECT_EQ(j["concept"], 0);
    EXPECT_EQ(j["superior"], (nlohmann::json{{"name", "Blandine"}, {"word", "Dreams"}}));
    EXPECT_EQ(j["forces"][2], (nlohmann::json{{"forces", 4}, {"characteristic1", 8}, {"characteristic2", 8}}));
    EXPECT_EQ(j["resourcePoints"], 36);
    EXPECT_EQ(j["remainingResourcePoints"], 28);
    ASSERT_EQ(j["resources"].size(), 5u);
    EXPECT_EQ(j["resources"][0], (nlohmann::json{{"class", "TChoirAttunement"}, {"name", "Seraphim of Dreams"},
                                                 {"level", 0}, {"granted", true}, {"cost", 0},
                                                 {"superior", "Blandine"}, {"celestialKind", 0}}));
    EXPECT_EQ(j["resources"][2]["specification"], "Dream lore");
    EXPECT_EQ(j["resources"][4]["role"], (nlohmann::json{{"name", ""}, {"level", 0}, {"status", 0}}));
}

TEST_F(Hcstool, InfoShowsNullsAndEveryArtifactForm) {
    const TRun run = Run({"info", Data("match/angel-reading-rules.hcs")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto j = nlohmann::json::parse(run.Out);
    EXPECT_EQ(j["distinctions"][1], (nlohmann::json{{"name", ""}, {"rank", 0}}));
    const auto& book = j["resources"][4];
    EXPECT_EQ(book["class"], "TArtifact");
    EXPECT_TRUE(book["skill"].is_null());
    EXPECT_TRUE(book["song"].is_null());
    EXPECT_EQ(j["resources"][6]["song"], (nlohmann::json{{"name", "Dreams"}, {"realm", 2}}));
    EXPECT_EQ(j["resources"][11]["class"], "TDiscord");
    EXPECT_EQ(j["resources"][11]["cost"], -6);

    const TRun mortal = Run({"info", Data("match/mortal-two-vessels.hcs")});
    ASSERT_EQ(mortal.Status, 0) << mortal.Err;
    const auto m = nlohmann::json::parse(mortal.Out);
    EXPECT_TRUE(m["celestialKind"].is_null());
    EXPECT_EQ(m["resources"][0]["granted"], true);
}

TEST_F(Hcstool, ResaveWritesTheStoresDocument) {
    const std::string out = (dir_ / "copy.hcs").string();
    const TRun run = Run({"resave", Data("example-indented.hcs"), out});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out + run.Err, "");
    EXPECT_EQ(Slurp(out), Slurp(Data("example.hcs")));
}

TEST_F(Hcstool, FailuresGoToStderrWithStatusOne) {
    const TRun bad = Run({"info", Data("bad/concept-x.hcs")});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Out, "");
    EXPECT_NE(bad.Err.find("Cannot load character file \"" + Data("bad/concept-x.hcs") + "\""), std::string::npos)
        << bad.Err;

    const std::string target = (dir_ / "keep.hcs").string();
    std::ofstream(target) << "old";
    const TRun noSource = Run({"resave", Data("bad/no-such-file.hcs"), target});
    EXPECT_EQ(noSource.Status, 1);
    EXPECT_EQ(Slurp(target), "old");

    const TRun noFolder = Run({"resave", Data("example.hcs"), (dir_ / "missing" / "x.hcs").string()});
    EXPECT_EQ(noFolder.Status, 1);
    EXPECT_NE(noFolder.Err.find("Cannot save character file"), std::string::npos) << noFolder.Err;
}

TEST_F(Hcstool, WrongUsageGivesStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"info"}, {"info", "a", "b"}, {"resave", "a"}, {"print", "a"}, {"--help"}};
    for (const auto& args : cases) {
        const TRun run = Run(args);
        EXPECT_EQ(run.Status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(run.Err.find("usage:"), std::string::npos);
        EXPECT_EQ(run.Out, "");
    }
}

} // namespace
