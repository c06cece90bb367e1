// Times the store against pugixml alone on generated characters of 1,000,
// 10,000 and 100,000 resources, the seven kinds in turn.

#include "uHalvaneXMLDAO.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <map>
#include <memory>
#include <string>

using namespace halvane;

namespace {

std::unique_ptr<THalvaneCharacter> Generate(std::int64_t count) {
    auto c = std::make_unique<THalvaneCharacter>();
    c->Name = "Bench";
    c->Word = "Numbers";
    c->Concept = 0;
    c->CelestialKind = 0;
    const TSuperior* blandine = Superiors()[0];
    c->SetSuperior(blandine);
    c->ResourcePoints = 36;
    for (std::int64_t i = 0; i < count; ++i) {
        const int level = static_cast<int>(i % 6) + 1;
        switch (i % 7) {
        case 0: {
            auto& skill = c->Resources.Append(TSkill::CreateCopy(*Skills()[static_cast<std::size_t>(i) % SkillCount]));
            skill.Specification = skill.SpecificationRequired ? "Specialty " + std::to_string(i) : "";
            skill.Level = level;
            break;
        }
        case 1:
            c->Resources.Append(TSong::CreateCopy(*Songs()[static_cast<std::size_t>(i) % SongCount])).Level = level;
            break;
        case 2: {
            auto& servant = c->Resources.Append(std::make_unique<TServant>());
            servant.Name = "Servant " + std::to_string(i);
            servant.ServantClass = static_cast<std::uint8_t>(i % 6);
            servant.Level = level;
            break;
        }
        case 3: {
            auto& vessel = c->Resources.Append(std::make_unique<TVessel>());
            vessel.Name = "Vessel " + std::to_string(i);
            vessel.Level = level;
            vessel.Charisma->Level = level % 3;
            vessel.Role->Name = "Role";
            vessel.Role->Level = level;
            vessel.Role->Status = level / 2;
            break;
        }
        case 4: {
            auto& artifact = c->Resources.Append(std::make_unique<TArtifact>());
            artifact.Name = "Artifact " + std::to_string(i);
            artifact.Realm = static_cast<std::uint8_t>(i % 3);
            artifact.Level = level;
            if (artifact.Realm == 1) artifact.Skill = Skills()[static_cast<std::size_t>(i) % SkillCount];
            if (artifact.Realm == 2) {
                artifact.Song = Songs()[static_cast<std::size_t>(i) % SongCount];
                artifact.ReliquaryType = static_cast<std::uint8_t>(i % 3);
            }
            break;
        }
        case 5:
            if (i % 2 == 0)
                c->Resources.Append(TChoirAttunement::CreateCopy(
                    *dynamic_cast<const TChoirAttunement*>(blandine->ChoirAttunements.Items(i % 7))));
            else
                c->Resources.Append(TServitorAttunement::CreateCopy(
                    *dynamic_cast<const TServitorAttunement*>(blandine->ServitorAttunements.Items(i % 2))));
            break;
        default: {
            auto& discord = c->Resources.Append(TDiscord::CreateCopy(*Discords()[static_cast<std::size_t>(i) % DiscordCount]));
            discord.Specification = discord.SpecificationRequired ? "Kind " + std::to_string(i) : "";
            discord.Level = level;
            break;
        }
        }
    }
    return c;
}

struct TFixture {
    std::unique_ptr<THalvaneCharacter> Record;
    std::string File;
};

const TFixture& Fixture(std::int64_t count) {
    static std::map<std::int64_t, TFixture> cache;
    auto it = cache.find(count);
    if (it == cache.end()) {
        TFixture f;
        f.Record = Generate(count);
        f.File = THalvaneXMLDAO().SaveToString(*f.Record);
        it = cache.emplace(count, std::move(f)).first;
    }
    return it->second;
}

class TStringWriter : public pugi::xml_writer {
public:
    std::string Text;
    void write(const void* data, std::size_t size) override { Text.append(static_cast<const char*>(data), size); }
};

void StoreLoad(benchmark::State& state) {
    const TFixture& f = Fixture(state.range(0));
    const THalvaneXMLDAO store;
    for (auto _ : state) benchmark::DoNotOptimize(store.LoadFromBuffer(f.File));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(f.File.size()));
}

void BareParse(benchmark::State& state) {
    const TFixture& f = Fixture(state.range(0));
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(f.File.data(), f.File.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(f.File.size()));
}

void StoreSave(benchmark::State& state) {
    const TFixture& f = Fixture(state.range(0));
    const THalvaneXMLDAO store;
    for (auto _ : state) benchmark::DoNotOptimize(store.SaveToString(*f.Record));
}

void BareSave(benchmark::State& state) {
    const TFixture& f = Fixture(state.range(0));
    pugi::xml_document document;
    document.load_buffer(f.File.data(), f.File.size());
    for (auto _ : state) {
        TStringWriter writer;
        document.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
        benchmark::DoNotOptimize(writer.Text);
    }
}

} // namespace

BENCHMARK(StoreLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BareParse)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(StoreSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BareSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
