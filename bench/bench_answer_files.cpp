// Saving and loading a record of ten large answers, against a baseline pass
// that only validates and copies the same bytes.
//
//   build/bench/bench_answer_files
//
// Reports, for 10 and 20 MiB in all, the throughput of save plus load, the
// baseline's time and the ratio between them, then how the 20 MiB time
// compares with the 10 MiB one.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "answers/file_types.h"
#include "answers/qa_module.h"
#include "answers/qna_files.h"
#include "framework/core/text.h"
#include "tests/support/scripted_desktop.h"

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// About a third of the bytes are outside ASCII: accents, CJK, an emoji.
std::string MixedText(std::size_t bytes)
{
    const std::string pattern =
        "Hospitalized in 1998, caf\xC3\xA9 cr\xC3\xA8me allergy, \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E, "
        "\xF0\x9F\x98\x80 na\xC3\xAFve diet\n";
    std::string out;
    out.reserve(bytes + pattern.size());
    while (out.size() + pattern.size() <= bytes)
        out += pattern;
    while (out.size() < bytes)
        out += 'x';
    return out;
}

std::vector<std::string> TenAnswers(std::size_t bytesEach)
{
    std::vector<std::string> answers;
    for (int i = 0; i < 10; ++i)
        answers.push_back(MixedText(bytesEach - static_cast<std::size_t>(i)));
    return answers;
}

// The least any save and load must do: check each answer is valid UTF-8 and
// copy it out and back in.
double BaselineSeconds(const std::vector<std::string>& answers)
{
    const auto start = std::chrono::steady_clock::now();
    std::string file;
    for (const auto& a : answers) {
        if (!fw::IsValidEncoding(fw::String(a)))
            std::abort();
        file += a;
    }
    std::vector<std::string> back;
    std::size_t at = 0;
    for (const auto& a : answers) {
        back.push_back(file.substr(at, a.size()));
        if (!fw::IsValidEncoding(fw::String(back.back())))
            std::abort();
        at += a.size();
    }
    benchmark::DoNotOptimize(back);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double SaveLoadSeconds(const std::vector<std::string>& answers, fw::ScriptedDesktop& desktop, const std::string& path)
{
    auto page = fw::New<QnA_Data>();
    page->Set_Num(10);
    for (int i = 0; i < 10; ++i)
        page->Value(i) = fw::String(answers[static_cast<std::size_t>(i)]);
    QnA_Data& record = QA_Module::tmpSubject->QnA_List(0).Get();
    record.CopyFrom(page);

    const auto start = std::chrono::steady_clock::now();
    desktop.fileAnswers.push_back(path);
    QnA_Files::QA_SaveDAT();
    record.Value(0) = fw::String("changed");
    desktop.fileAnswers.push_back(path);
    const bool loaded = QnA_Files::QA_OpenDAT();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (!loaded || !desktop.messages.empty() || fw::CStr(record.Value(9)).Bytes() != answers[9] ||
        fw::CStr(record.Value(0)).Bytes() != answers[0])
        std::abort();
    return seconds;
}

std::map<int, double> g_bestSeconds; // by total MiB

void BM_SaveThenLoad(benchmark::State& state)
{
    const int totalMiB = static_cast<int>(state.range(0));
    const auto answers = TenAnswers(static_cast<std::size_t>(totalMiB) * kMiB / 10);
    const std::string path = std::filesystem::temp_directory_path().string() + "/bench_answer_files.vqa";

    FileTypes::_Initialize();
    QA_Module::tmpSubject = fw::New<QnA_FakeSub>();
    QA_Module::tmpSubject->Constructor();
    fw::ScriptedDesktop desktop;

    double baselineTotal = 0, saveLoadTotal = 0, best = 1e9;
    for (auto _ : state) {
        const double baseline = BaselineSeconds(answers);
        const double saveLoad = SaveLoadSeconds(answers, desktop, path);
        state.SetIterationTime(saveLoad);
        baselineTotal += baseline;
        saveLoadTotal += saveLoad;
        best = std::min(best, saveLoad);
    }
    std::filesystem::remove(path);
    QA_Module::tmpSubject.Release();
    FileTypes::Release();

    std::size_t bytes = 0;
    for (const auto& a : answers)
        bytes += a.size();
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
    state.counters["baseline_ms"] = 1000 * baselineTotal / static_cast<double>(state.iterations());
    state.counters["x_baseline"] = saveLoadTotal / baselineTotal;
    g_bestSeconds[totalMiB] = best;
}

BENCHMARK(BM_SaveThenLoad)->Arg(10)->Arg(20)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_bestSeconds.count(10) && g_bestSeconds.count(20))
        std::printf("save+load, best of each: 10 MiB %.1f ms, 20 MiB %.1f ms, 20/10 = %.2f (goal <= 2.3)\n",
                    1000 * g_bestSeconds[10], 1000 * g_bestSeconds[20], g_bestSeconds[20] / g_bestSeconds[10]);
    return 0;
}
