// What the About box and a settings-using program pay: reading the version block of the built
// `schattwerk`, and settings round trips through the hive in a scratch configuration folder.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "frame/RegistrySettings.h"
#include "frame/VersionInfo.h"

namespace qel::Windows {
namespace {

void AboutBoxVersionRead(benchmark::State& state) {
    for (auto _ : state) {
        VersionInfo info;
        info.Load(SCHATTWERK_CLI_PATH, 0);
        benchmark::DoNotOptimize(info.QueryString("ProductName") + " " + info.VersionText() +
                                 info.QueryString("LegalCopyright"));
    }
}
BENCHMARK(AboutBoxVersionRead);

// A scratch hive for the settings benchmarks, removed afterwards.
class ScratchHive {
  public:
    ScratchHive() {
        std::string pattern = std::filesystem::temp_directory_path() / "schattwerk-bench-XXXXXX";
        folder = ::mkdtemp(pattern.data()) ? pattern : "";
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~ScratchHive() {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }

  private:
    std::filesystem::path folder;
};

void SettingsOpenSection(benchmark::State& state) {
    ScratchHive hive;
    RegistrySettings settings;
    settings.SetKeyName("QelApps\\Bench");
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.OpenSection("Fenster"));
    }
}
BENCHMARK(SettingsOpenSection);

void SettingsSetInt(benchmark::State& state) {
    ScratchHive hive;
    RegistrySettings settings;
    settings.SetKeyName("QelApps\\Bench");
    settings.OpenSection("Fenster");
    std::int32_t value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.SetInt("Breite", ++value));
    }
}
BENCHMARK(SettingsSetInt);

void SettingsGetInt(benchmark::State& state) {
    ScratchHive hive;
    RegistrySettings settings;
    settings.SetKeyName("QelApps\\Bench");
    settings.OpenSection("Fenster");
    settings.SetInt("Breite", 640);
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.GetInt("Breite", 0));
    }
}
BENCHMARK(SettingsGetInt);

}  // namespace
}  // namespace qel::Windows
