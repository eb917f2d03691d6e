// The real main window, offscreen: one selector pick with its handler and Recalculate, and the
// load step (building the window, which runs Form_Load).
#include "bench/AllocationCounter.h"
#include "ui/AppStyle.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using ampora::ui::Form1;

namespace {

void reportAllocations(benchmark::State& state, long long before)
{
    state.counters["allocs/iter"] = benchmark::Counter(
        static_cast<double>(bench::allocations - before), benchmark::Counter::kAvgIterations);
}

std::unique_ptr<Form1> shownWindow()
{
    auto form = std::make_unique<Form1>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        std::abort();
    return form;
}

// A user's pick in a selector: the change event, the handler and its Recalculate, and the
// label and colour bar updates (painting itself waits for the event loop and is not counted).
struct Preset {
    const char* selector = nullptr;
    int index = 0;
};

void pickAlternately(benchmark::State& state, const char* selector, int first, int second,
                     Preset preset = {})
{
    const auto form = shownWindow();
    if (preset.selector)
        form->findChild<QComboBox*>(QString::fromLatin1(preset.selector))
            ->setCurrentIndex(preset.index);
    auto* combo = form->findChild<QComboBox*>(QString::fromLatin1(selector));
    combo->setCurrentIndex(second);
    combo->setCurrentIndex(first);
    const long long before = bench::allocations;
    int next = second;
    for (auto _ : state) {
        combo->setCurrentIndex(next);
        next = next == first ? second : first;
    }
    reportAllocations(state, before);
}

void BM_Form1ProcessorModelPick(benchmark::State& state)
{
    // Two processors, so each pick changes the estimate (243 and 255 W).
    pickAlternately(state, "Combo1", 42, 44, {"Combo2", 2}); // Athlon 64 FX55 and FX60
}
BENCHMARK(BM_Form1ProcessorModelPick);

void BM_Form1FanCountPick(benchmark::State& state) { pickAlternately(state, "Combo9", 3, 4); }
BENCHMARK(BM_Form1FanCountPick);

// A pick as the user sees it: the handler, then the repaint of the changed digits, shadow
// and colour bar (and whatever lies beneath them).
void BM_Form1PickAndRepaint(benchmark::State& state)
{
    const auto form = shownWindow();
    form->findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentIndex(2);
    auto* combo = form->findChild<QComboBox*>(QStringLiteral("Combo1"));
    int next = 42;
    for (auto _ : state) {
        combo->setCurrentIndex(next);
        next = next == 42 ? 44 : 42;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
}
BENCHMARK(BM_Form1PickAndRepaint)->Unit(benchmark::kMicrosecond);

// Building the main window, which runs the load step: nineteen selections, each with its
// handler and Recalculate. Fonts and art are registered before the first iteration.
void BM_Form1Load(benchmark::State& state)
{
    Form1 warmUp;
    for (auto _ : state) {
        auto form = std::make_unique<Form1>();
        form->show(); // the load step runs as the window first shows
        benchmark::DoNotOptimize(form.get());
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form1Load)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    ampora::ui::installAppStyle();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
