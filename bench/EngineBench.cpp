// The case engine's work per command: make an engine, build its catalogues, generate a case.
#include <benchmark/benchmark.h>

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

}  // namespace
}  // namespace schattwerk
