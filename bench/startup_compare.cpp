// Start-up comparison: runs two programs alternately and prints the median time from process
// start to the first frame, the median peak memory (max RSS, as /usr/bin/time -v reports it)
// and, last, the ratio of the two medians.
//   startup_compare [--runs N] [--screen] [--cold] [--scale S] <program> <yardstick>
// By default each program reports its own first frame (see PaintTiming.h), with the phases it
// marks on the way. With --screen (an X display, no window manager) the programs stay open and
// are watched from outside: the first painted frame is when the window's pixels on the X
// server first equal its settled picture, taken from a warm-up run (see ScreenFrame.h); the
// programs are then ended. --cold drops the kernel's page cache before every run (root only).
// --scale runs both under QT_SCALE_FACTOR=S (1.25, 1.5, 2...): their windows are S times larger
// on the screen. A program may carry arguments: "./bare_window --stay".
#include "ScreenFrame.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWidth = 425, kHeight = 544; // the main window, and the bare window's copy of it

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

double msSince(long long start)
{
    return static_cast<double>(monotonicNanoseconds() - start) / 1e6;
}

struct Options {
    int runs = 20;
    bool screen = false;
    bool cold = false;
    double scale = 1;
};

struct Run {
    double firstFrameMs = -1;
    double mappedMs = -1; // --screen only
    double maxRssMb = 0;
    std::vector<std::pair<std::string, double>> phasesMs; // since process start
};

void dropPageCache()
{
    sync();
    const int control = open("/proc/sys/vm/drop_caches", O_WRONLY);
    if (control < 0 || write(control, "3", 1) != 1) {
        std::fprintf(stderr, "--cold needs to write /proc/sys/vm/drop_caches (root)\n");
        std::exit(2);
    }
    close(control);
}

// Starts the program with its standard output on a pipe (or nowhere) and its errors silenced.
pid_t start(const std::string& command, int* output)
{
    std::istringstream words(command);
    std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
    int pipeEnds[2] = {-1, -1};
    if (output && pipe(pipeEnds) != 0)
        std::exit(2);
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(output ? pipeEnds[1] : quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (output) {
        close(pipeEnds[1]);
        *output = pipeEnds[0];
    }
    return child;
}

double finish(pid_t child, bool end)
{
    if (end)
        kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!end && (!WIFEXITED(status) || WEXITSTATUS(status) != 0))
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

[[noreturn]] void fail(const std::string& command, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", command.c_str(), what);
    std::exit(1);
}

// The program reports its first frame and phases itself, then ends.
Run reportedRun(const std::string& command)
{
    int output = -1;
    const long long begin = monotonicNanoseconds();
    const pid_t child = start(command, &output);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(output, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(output);

    Run run;
    run.maxRssMb = finish(child, false);
    char name[64];
    long long at = 0;
    for (const char* line = text.c_str(); *line; line = std::strchr(line, '\n') + 1) {
        if (std::sscanf(line, "first-frame %lld", &at) == 1)
            run.firstFrameMs = static_cast<double>(at - begin) / 1e6;
        else if (std::sscanf(line, "phase %63s %lld", name, &at) == 2)
            run.phasesMs.emplace_back(name, static_cast<double>(at - begin) / 1e6);
        if (!std::strchr(line, '\n'))
            break;
    }
    if (run.maxRssMb < 0 || run.firstFrameMs < 0)
        fail(command, "did not report its first frame");
    return run;
}

// The program is watched on the X server until its window shows the settled picture.
Run watchedRun(const std::string& command, bench::ScreenFrame& screen, const bench::Pixels& settled)
{
    screen.forgetEarlierWindows();
    const long long begin = monotonicNanoseconds();
    const pid_t child = start(command, nullptr);
    Run run;
    if (!screen.waitForMappedWindow(10'000))
        fail(command, "mapped no window of the main window's size");
    run.mappedMs = msSince(begin);
    if (!screen.waitForPixels(settled, 10'000))
        fail(command, "never showed its settled picture");
    run.firstFrameMs = msSince(begin);
    run.maxRssMb = finish(child, true);
    return run;
}

// A warm-up run that leaves the window alone until it stops changing.
bench::Pixels settledPicture(const std::string& command, bench::ScreenFrame& screen)
{
    screen.forgetEarlierWindows();
    const pid_t child = start(command, nullptr);
    if (!screen.waitForMappedWindow(10'000))
        fail(command, "mapped no window of the main window's size");
    bench::Pixels settled = screen.settledPixels(500, 10'000);
    finish(child, true);
    return settled;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Summary {
    double firstFrameMs, minMs, maxMs, mappedMs, maxRssMb;
    std::vector<std::pair<std::string, double>> phasesMs;
};

Summary summarise(const std::vector<Run>& runs)
{
    std::vector<double> frames, mapped, rss;
    std::map<std::string, std::vector<double>> phases;
    std::vector<std::string> order;
    for (const Run& run : runs) {
        frames.push_back(run.firstFrameMs);
        mapped.push_back(run.mappedMs);
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
                    median(mapped),
                    median(rss),
                    {}};
    for (const auto& name : order)
        summary.phasesMs.emplace_back(name, median(phases[name]));
    return summary;
}

std::string shortName(const std::string& command)
{
    const std::string program = command.substr(0, command.find(' '));
    return program.substr(program.rfind('/') + 1);
}

} // namespace

int main(int argc, char* argv[])
{
    Options options;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            options.runs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--screen") == 0)
            options.screen = true;
        else if (std::strcmp(argv[i], "--cold") == 0)
            options.cold = true;
        else if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            options.scale = std::atof(argv[++i]);
        else
            programs.emplace_back(argv[i]);
    }
    if (programs.size() != 2 || options.runs < 1 || options.scale <= 0) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--screen] [--cold] [--scale S] <program> <yardstick>\n",
                     argv[0]);
        return 2;
    }
    if (options.scale != 1)
        setenv("QT_SCALE_FACTOR", std::to_string(options.scale).c_str(), 1);
    if (options.screen)
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    else
        setenv("QT_QPA_PLATFORM", "offscreen", 0); // keep xcb when run under xvfb-run

    std::unique_ptr<bench::ScreenFrame> screen;
    bench::Pixels settled[2];
    if (options.screen) {
        // Qt rounds the scaled size to whole device pixels, halves away from zero.
        screen = std::make_unique<bench::ScreenFrame>(int(std::lround(kWidth * options.scale)),
                                                      int(std::lround(kHeight * options.scale)));
        for (int p = 0; p < 2; ++p)
            settled[p] = settledPicture(programs[p], *screen);
    }
    auto runOnce = [&](int p) {
        if (options.cold)
            dropPageCache();
        return options.screen ? watchedRun(programs[p], *screen, settled[p])
                              : reportedRun(programs[p]);
    };
    runOnce(0); // warm the page cache for both
    runOnce(1);
    std::vector<Run> results[2];
    for (int i = 0; i < options.runs; ++i)
        for (int p = 0; p < 2; ++p) {
            const int which = i % 2 ? 1 - p : p; // alternate who goes first
            results[which].push_back(runOnce(which));
        }

    const Summary program = summarise(results[0]), yardstick = summarise(results[1]);
    std::printf("platform %s, scale %g, %s, %d runs each, alternating%s\n",
                std::getenv("QT_QPA_PLATFORM"), options.scale,
                options.screen ? "first painted frame (window pixels on the X server equal its "
                                 "settled picture)"
                               : "first frame as the program reports it",
                options.runs, options.cold ? ", page cache dropped before every run" : "");
    std::printf("%-20s %12s %10s %10s %14s %14s\n", "program", "median ms", "min ms", "max ms",
                options.screen ? "mapped ms" : "", "max RSS MiB");
    for (int p = 0; p < 2; ++p) {
        const Summary& s = p == 0 ? program : yardstick;
        char mapped[32] = "";
        if (options.screen)
            std::snprintf(mapped, sizeof mapped, "%.1f", s.mappedMs);
        std::printf("%-20s %12.1f %10.1f %10.1f %14s %14.1f\n", shortName(programs[p]).c_str(),
                    s.firstFrameMs, s.minMs, s.maxMs, mapped, s.maxRssMb);
    }
    for (int p = 0; p < 2 && !options.screen; ++p) {
        const Summary& s = p == 0 ? program : yardstick;
        auto steps = s.phasesMs; // what the program marked, and its first frame
        steps.emplace_back("first-frame", s.firstFrameMs);
        if (steps.size() < 2)
            continue;
        std::stable_sort(steps.begin(), steps.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
        std::printf("%s:\n", shortName(programs[p]).c_str());
        double previous = 0;
        for (const auto& [name, ms] : steps) {
            std::printf("  %-16s at %7.1f ms (+%.1f)\n", name.c_str(), ms, ms - previous);
            previous = ms;
        }
    }
    if (options.screen)
        std::printf("ratio of mapped medians %.2f\n", program.mappedMs / yardstick.mappedMs);
    std::printf("peak memory difference %+.1f MiB\n", program.maxRssMb - yardstick.maxRssMb);
    std::printf("ratio of first-frame medians %.2f\n",
                program.firstFrameMs / yardstick.firstFrameMs);
    return 0;
}
