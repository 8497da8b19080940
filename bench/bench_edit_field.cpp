// Showing one long answer without a space: 256 KiB, 1 MiB and 10 MiB set into
// a shown answer field and painted, which lays the whole answer out. Time per
// character should stay flat as the answer grows.
#include "framework/ui/edit_field.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

void BM_ShowUnbrokenAnswer(benchmark::State& state)
{
    const fw::String answer(std::string(static_cast<std::size_t>(state.range(0)), 'x'));
    auto field = fw::New<fw::EditField>();
    auto* edit = static_cast<QPlainTextEdit*>(field->Widget());
    edit->resize(480, 120);
    edit->show();
    QApplication::processEvents();
    for (auto _ : state) {
        field->SetText(answer);
        // The answer is one paragraph, so painting its first line lays out
        // all of it.
        edit->viewport()->repaint();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ShowUnbrokenAnswer)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
