// What choosing English costs at start-up: reading and checking the
// compiled catalog the build makes (every entry's conversions and the
// plural rule), and one lookup of a text the main screen shows.
#include "app/CatalogFiles.h"
#include "i18n/Translation.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ChooseEnglish(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(UseChosenLanguage("en", {QUORVANEL_CATALOG_DIR}));
    UseCatalog(nullptr);
}
BENCHMARK(BM_ChooseEnglish)->Unit(benchmark::kMicrosecond);

void BM_LookUpAText(benchmark::State& state) {
    UseChosenLanguage("en", {QUORVANEL_CATALOG_DIR});
    for (auto _ : state) benchmark::DoNotOptimize(Tr("讨伐"));
    UseCatalog(nullptr);
}
BENCHMARK(BM_LookUpAText);

}  // namespace
