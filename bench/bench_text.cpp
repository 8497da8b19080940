// Character access over whole texts: a scan with Mid(s, i, 1), forwards and
// backwards, over 1 MiB and 10 MiB of mixed one- to four-byte UTF-8. Time per
// character should stay flat as the text grows.
#include "framework/core/text.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

fw::String MixedText(std::size_t bytes)
{
    const std::string pattern = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"; // a é € 😀
    std::string s;
    s.reserve(bytes);
    while (s.size() < bytes)
        s += pattern;
    return fw::String(s);
}

void Scan(benchmark::State& state, bool forward)
{
    const fw::String text = MixedText(static_cast<std::size_t>(state.range(0)) << 20);
    const int n = fw::Len(text);
    for (auto _ : state) {
        long long sum = 0;
        for (int k = 0; k < n; ++k)
            sum += fw::Asc(fw::Mid(text, forward ? k + 1 : n - k, 1));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.Bytes().size()));
}

void BM_ScanForward(benchmark::State& state) { Scan(state, true); }
void BM_ScanBackward(benchmark::State& state) { Scan(state, false); }

// Building a text one character at a time with s = s + c.
void BM_BuildByConcatenation(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0)) << 20;
    const fw::String c = fw::Chr(fw::Encodings::UTF8, 0xE9);
    for (auto _ : state) {
        fw::String s;
        for (int i = 0; i < n; ++i)
            s = s + c;
        benchmark::DoNotOptimize(s.Bytes().data());
    }
    state.SetItemsProcessed(state.iterations() * n);
}

BENCHMARK(BM_ScanForward)->Arg(1)->Arg(10)->ArgName("MiB")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanBackward)->Arg(1)->Arg(10)->ArgName("MiB")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildByConcatenation)->Arg(1)->Arg(4)->ArgName("Mi_chars")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
