// Building and tearing down the element table: done at every model change and language change.
#include <benchmark/benchmark.h>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/przejscie_tablicy.h"
#include "lang/language.h"

namespace {

void BudowaIUsuniecieTablicy(benchmark::State& stan) {
    Language j;
    jezyk = &j;
    auto c = utworzCentrale(static_cast<int>(stan.range(0)));
    c->ustawRozmiary();
    for (auto _ : stan) {
        c->budujTabliceElementow();
        c->usunTabliceElementow();
    }
    jezyk = nullptr;
}
BENCHMARK(BudowaIUsuniecieTablicy)->Arg(4)->Arg(6)->Unit(benchmark::kMicrosecond);

void PrzejscieCalejTablicy(benchmark::State& stan) {
    Language j;
    jezyk = &j;
    auto c = utworzCentrale(4);
    c->ustawRozmiary();
    c->budujTabliceElementow();
    for (auto _ : stan) {
        int n = 0;
        for (PrzejscieTablicy p(*c); !p.koniec(); p.dalej()) ++n;
        benchmark::DoNotOptimize(n);
    }
    c.reset();
    jezyk = nullptr;
}
BENCHMARK(PrzejscieCalejTablicy)->Unit(benchmark::kMicrosecond);

} // namespace
