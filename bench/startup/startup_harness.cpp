// Runs two programs alternately, each several times, and compares their
// median wall time and peak memory (maximum resident set size).
//
//   startup_harness <runs> <program> <baseline program>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Sample {
    double seconds;
    long maxRssKb;
};

Sample RunOnce(const char* program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program, status);
        std::exit(1);
    }
    return {seconds, usage.ru_maxrss};
}

template <class T>
T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <runs> <program> <baseline program>\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> t[2];
    std::vector<long> m[2];
    RunOnce(argv[2]); // warm the file cache for both
    RunOnce(argv[3]);
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < 2; ++k) {
            const Sample s = RunOnce(argv[2 + k]);
            t[k].push_back(s.seconds);
            m[k].push_back(s.maxRssKb);
        }
    const double t0 = Median(t[0]), t1 = Median(t[1]);
    const long m0 = Median(m[0]), m1 = Median(m[1]);
    std::printf("%-40s median %.1f ms, peak %ld KiB\n", argv[2], t0 * 1e3, m0);
    std::printf("%-40s median %.1f ms, peak %ld KiB\n", argv[3], t1 * 1e3, m1);
    std::printf("ratio: time %.2fx, peak memory %.2fx (%d runs each)\n", t0 / t1, double(m0) / double(m1), runs);
    return 0;
}
