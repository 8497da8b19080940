// Showing one long answer without a space: 256 KiB, 1 MiB and 10 MiB set into
// a shown answer field and painted, which lays the whole answer out. Time per
// character should stay flat as the answer grows.
//
// Refilling a shown field: the field holds one answer, laid out, and a second
// one replaces it, as when another file is loaded. A long answer is one
// without a space, a short one a few words. Time per character of both
// answers should stay flat as the long one grows.
#include "framework/ui/edit_field.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

QPlainTextEdit* ShownEdit(fw::EditField& field)
{
    auto* edit = static_cast<QPlainTextEdit*>(field.Widget());
    edit->resize(480, 120);
    edit->show();
    QApplication::processEvents();
    return edit;
}

// Sets the text and paints it: the answer is one paragraph, so painting its
// first line lays out all of it.
void Show(fw::EditField& field, QPlainTextEdit& edit, const fw::String& text)
{
    field.SetText(text);
    edit.viewport()->repaint();
    QApplication::processEvents();
}

// 256 KiB, 1 MiB and 10 MiB, three runs each.
void LongAnswers(benchmark::internal::Benchmark* b)
{
    b->Arg(256 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->Iterations(3);
}

void BM_ShowUnbrokenAnswer(benchmark::State& state)
{
    const fw::String answer(std::string(static_cast<std::size_t>(state.range(0)), 'x'));
    auto field = fw::New<fw::EditField>();
    auto* edit = ShownEdit(*field);
    for (auto _ : state)
        Show(*field, *edit, answer);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ShowUnbrokenAnswer)->Apply(LongAnswers);

const std::string kShortAnswer = "Hay fever every spring, mild.";

// Items are the characters of the answer replaced and of the one replacing it.
void BM_Refill(benchmark::State& state, bool longBefore, bool longAfter)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    const std::string before = longBefore ? std::string(length, 'x') : kShortAnswer;
    const std::string after = longAfter ? std::string(length, 'y') : kShortAnswer;
    const fw::String beforeText(before), afterText(after);
    auto field = fw::New<fw::EditField>();
    auto* edit = ShownEdit(*field);
    for (auto _ : state) {
        state.PauseTiming();
        Show(*field, *edit, beforeText);
        state.ResumeTiming();
        Show(*field, *edit, afterText);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(before.size() + after.size()));
}

BENCHMARK_CAPTURE(BM_Refill, LongToShort, true, false)->Apply(LongAnswers);
BENCHMARK_CAPTURE(BM_Refill, ShortToLong, false, true)->Apply(LongAnswers);
BENCHMARK_CAPTURE(BM_Refill, LongToLong, true, true)->Apply(LongAnswers);

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
