// The case engine's work per command: make an engine, build its catalogues, generate a case;
// generating alone; and decoding a typed case.
#include <benchmark/benchmark.h>

#include <chrono>

#include "case_engine/CaseEngine.h"

namespace schattwerk {
namespace {

class NoReports : public ErrorReporter {
  public:
    void ReportError(const CaseError&) override {}
};

void GenerateCommand(benchmark::State& state) {
    NoReports reporter;
    for (auto _ : state) {
        CaseEngine engine(reporter);
        engine.BuildCatalogues();
        engine.Generate();
        benchmark::DoNotOptimize(engine.CaseStatements().Count());
    }
}
BENCHMARK(GenerateCommand);

// Generate alone, on an engine whose catalogues are built: what drawing a case costs.
void GenerateAlone(benchmark::State& state) {
    NoReports reporter;
    CaseEngine engine(reporter);
    engine.BuildCatalogues();
    for (auto _ : state) {
        engine.Generate();
        benchmark::DoNotOptimize(engine.CaseStatements().Count());
    }
}
BENCHMARK(GenerateAlone);

// One Decode of a valid case, timed alone: making the engine and its catalogues is not counted.
void DecodeOnFreshEngine(benchmark::State& state) {
    NoReports reporter;
    const HintNumbers hints{74, 34, 55, 22, 86, 60, 47, 21};
    for (auto _ : state) {
        CaseEngine engine(reporter);
        engine.BuildCatalogues();
        const auto start = std::chrono::steady_clock::now();
        const bool decoded = engine.Decode(hints);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(decoded);
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}
BENCHMARK(DecodeOnFreshEngine)->UseManualTime()->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace schattwerk
