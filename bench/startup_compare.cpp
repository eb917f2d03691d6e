// Start-up comparison: runs two programs alternately, each reporting its first frame (see
// FirstFrame.h), and prints the median time from process start to that frame, the median peak
// memory (max RSS, as /usr/bin/time -v reports it) and the median time of each marked phase.
//   startup_compare [--runs N] <program> <yardstick>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

struct Run {
    double firstFrameMs = -1;
    double maxRssMb = 0;
    std::vector<std::pair<std::string, double>> phasesMs; // since process start
};

Run runOnce(const char* program)
{
    int output[2];
    if (pipe(output) != 0)
        std::exit(2);
    const long long start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0)
            dup2(quiet, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(output[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);

    Run run;
    run.maxRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    char name[64];
    long long at = 0;
    for (const char* line = text.c_str(); *line; line = std::strchr(line, '\n') + 1) {
        if (std::sscanf(line, "first-frame %lld", &at) == 1)
            run.firstFrameMs = static_cast<double>(at - start) / 1e6;
        else if (std::sscanf(line, "phase %63s %lld", name, &at) == 2)
            run.phasesMs.emplace_back(name, static_cast<double>(at - start) / 1e6);
        if (!std::strchr(line, '\n'))
            break;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || run.firstFrameMs < 0) {
        std::fprintf(stderr, "%s did not report its first frame\n", program);
        std::exit(1);
    }
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Summary {
    double firstFrameMs, minMs, maxMs, maxRssMb;
    std::vector<std::pair<std::string, double>> phasesMs;
};

Summary summarise(const std::vector<Run>& runs)
{
    std::vector<double> frames, rss;
    std::map<std::string, std::vector<double>> phases;
    std::vector<std::string> order;
    for (const Run& run : runs) {
        frames.push_back(run.firstFrameMs);
        rss.push_back(run.maxRssMb);
        for (const auto& [name, ms] : run.phasesMs) {
            if (!phases.count(name))
                order.push_back(name);
            phases[name].push_back(ms);
        }
    }
    Summary summary{median(frames),
                    *std::min_element(frames.begin(), frames.end()),
                    *std::max_element(frames.begin(), frames.end()),
                    median(rss),
                    {}};
    for (const auto& name : order)
        summary.phasesMs.emplace_back(name, median(phases[name]));
    return summary;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 20;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--runs") == 0) {
        runs = std::atoi(argv[2]);
        first = 3;
    }
    if (argc - first != 2) {
        std::fprintf(stderr, "usage: %s [--runs N] <program> <yardstick>\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // keep xcb when run under xvfb-run
    const char* programs[2] = {argv[first], argv[first + 1]};
    std::vector<Run> results[2];
    runOnce(programs[0]); // warm the page cache for both
    runOnce(programs[1]);
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < 2; ++p) {
            const int which = i % 2 ? 1 - p : p; // alternate who goes first
            results[which].push_back(runOnce(programs[which]));
        }

    const Summary program = summarise(results[0]), yardstick = summarise(results[1]);
    std::printf("platform %s, %d runs each, alternating\n", std::getenv("QT_QPA_PLATFORM"), runs);
    std::printf("%-28s %12s %10s %10s %14s\n", "program", "median ms", "min ms", "max ms",
                "max RSS MB");
    for (const auto& [name, s] :
         {std::pair{programs[0], program}, std::pair{programs[1], yardstick}})
        std::printf("%-28s %12.1f %10.1f %10.1f %14.1f\n",
                    std::strrchr(name, '/') ? std::strrchr(name, '/') + 1 : name, s.firstFrameMs,
                    s.minMs, s.maxMs, s.maxRssMb);
    std::printf("ratio of medians %.2f, peak memory difference %+.1f MB\n",
                program.firstFrameMs / yardstick.firstFrameMs,
                program.maxRssMb - yardstick.maxRssMb);
    double previous = 0;
    for (const auto& [name, ms] : program.phasesMs) {
        std::printf("  %-16s at %7.1f ms (+%.1f)\n", name.c_str(), ms, ms - previous);
        previous = ms;
    }
    std::printf("  %-16s at %7.1f ms (+%.1f)\n", "first-frame", program.firstFrameMs,
                program.firstFrameMs - previous);
    return 0;
}
