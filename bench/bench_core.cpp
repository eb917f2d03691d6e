// Recalculate and one selector handler through the plain C++ layers, without any window.
#include "bench/AllocationCounter.h"
#include "catalogue/Processors.h"
#include "catalogue/ProductRow.h"
#include "core/Recalculate.h"

#include <benchmark/benchmark.h>

using namespace ampora;

namespace {

// A well-filled machine, so every summed slot is read and some carry fractions.
Sheet busySheet()
{
    Sheet sheet;
    chooseCount(sheet, kProcessorRow, "2", "15");
    chooseModel(sheet, kProcessorRow, "Athlon 64 FX55", "15");
    chooseCount(sheet, kMemoryRow, "3", "33");
    chooseModel(sheet, kMemoryRow, "DDR2 SDRAM", "33");
    chooseCount(sheet, kGraphicsRow, "2", "25");
    chooseModel(sheet, kGraphicsRow, "Radeon X1900 Series", "25");
    for (Slot slot : {Slot::FanWatts, Slot::HardDiskWatts, Slot::Optical1Watts, Slot::UsbWatts})
        sheet.writeLiteral(slot, "25");
    return sheet;
}

void reportAllocations(benchmark::State& state, long long before)
{
    state.counters["allocs/iter"] = benchmark::Counter(
        static_cast<double>(bench::allocations - before), benchmark::Counter::kAvgIterations);
}

void BM_Recalculate(benchmark::State& state)
{
    Sheet sheet = busySheet();
    recalculate(sheet, true, true); // first write may size the slot's text
    const long long before = bench::allocations;
    for (auto _ : state)
        benchmark::DoNotOptimize(recalculate(sheet, true, true));
    reportAllocations(state, before);
}
BENCHMARK(BM_Recalculate);

// Combo1_Click without the window: the processor model's unit watts, the row totals and the
// overclock watts, then Recalculate. Two models alternate so every slot really changes.
void BM_ProcessorModelHandler(benchmark::State& state)
{
    Sheet sheet = busySheet();
    const char* models[] = {"Athlon 64 FX60", "Pentium 4 Prescott"};
    int pick = 0;
    chooseModel(sheet, kProcessorRow, models[1], "15");
    recalculate(sheet, true, true);
    const long long before = bench::allocations;
    for (auto _ : state) {
        chooseModel(sheet, kProcessorRow, models[pick ^= 1], "15");
        benchmark::DoNotOptimize(recalculate(sheet, true, true));
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_ProcessorModelHandler);

} // namespace

BENCHMARK_MAIN();
