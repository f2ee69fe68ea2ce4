// vorn-bench-startup [RUNS [PLAYER]]: the player's start-up beside a bare Qt
// window's; PLAYER measures another build of the player instead of this one.
// Each run is one process, from exec until it has painted its first frame and
// quit, with the processor time it used and its peak resident memory
// (ru_utime + ru_stime and ru_maxrss from wait4); on a busy machine the
// processor time is the steadier figure. The two
// programs alternate, which one goes first changing every pair, so that the
// machine's other load falls on both alike. Medians, their ratios and the
// median of the ratios within each pair are printed for the offscreen
// platform and, when DISPLAY is set, for that X server.

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Program {
    const char* label;
    std::vector<std::string> argv;
};

struct Sample {
    double ms = 0;
    double cpuMs = 0;
    double peakMiB = 0;
};

double Ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// The environment with QT_QPA_PLATFORM set to `platform`.
std::vector<std::string> EnvironmentFor(const std::string& platform) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) env.emplace_back(*e);
    env.push_back("QT_QPA_PLATFORM=" + platform);
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// What a run says on standard error is shown for the first run of each
// program on a platform only.
Sample RunOnce(Program& program, std::vector<std::string>& env, bool quiet = true) {
    std::vector<char*> argv = Pointers(program.argv);
    std::vector<char*> envp = Pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (quiet) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(failed));
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0)
        if (errno != EINTR) std::exit(1);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s ended with status %d\n", argv[0], status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            Ms(usage.ru_utime) + Ms(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

struct Summary {
    double ms, msLow, msHigh, cpuMs, peakMiB;
};

Summary Summarise(const std::vector<Sample>& samples) {
    std::vector<double> ms, cpu, peak;
    for (const Sample& s : samples) {
        ms.push_back(s.ms);
        cpu.push_back(s.cpuMs);
        peak.push_back(s.peakMiB);
    }
    return {Quantile(ms, 0.5), Quantile(ms, 0.25), Quantile(ms, 0.75), Quantile(cpu, 0.5),
            Quantile(peak, 0.5)};
}

void Measure(const std::string& platform, const std::string& where, Program& player, Program& bare,
             int runs) {
    std::vector<std::string> env = EnvironmentFor(platform);
    for (int i = 0; i < 3; ++i) { // warm the caches; not counted
        RunOnce(player, env, i > 0);
        RunOnce(bare, env, i > 0);
    }
    std::vector<Sample> mine, yardstick;
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            mine.push_back(RunOnce(player, env));
            yardstick.push_back(RunOnce(bare, env));
        } else {
            yardstick.push_back(RunOnce(bare, env));
            mine.push_back(RunOnce(player, env));
        }
    }
    const Summary p = Summarise(mine), b = Summarise(yardstick);
    // Each run against its neighbour of the same pair: the machine's slow and
    // fast spells fall on both.
    std::vector<double> wallRatios, cpuRatios;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        wallRatios.push_back(mine[i].ms / yardstick[i].ms);
        cpuRatios.push_back(mine[i].cpuMs / yardstick[i].cpuMs);
    }
    std::printf("%s, %d runs each, medians:\n", where.c_str(), runs);
    std::printf("  %-28s %9s %17s %14s %11s\n", "", "wall time", "(quartiles)", "processor time",
                "peak RSS");
    for (const auto& [label, x] : {std::pair{player.label, p}, std::pair{bare.label, b}}) {
        char quartiles[32];
        std::snprintf(quartiles, sizeof quartiles, "(%.1f-%.1f)", x.msLow, x.msHigh);
        std::printf("  %-28s %6.1f ms %17s %11.1f ms %7.1f MiB\n", label, x.ms, quartiles, x.cpuMs,
                    x.peakMiB);
    }
    std::printf("  %-28s %7.2f x %17s %12.2f x %9.2f x\n", "player / bare window", p.ms / b.ms, "",
                p.cpuMs / b.cpuMs, p.peakMiB / b.peakMiB);
    std::printf("  %-28s %7.2f x %17s %12.2f x\n", "median of the pairs' ratios",
                Quantile(wallRatios, 0.5), "", Quantile(cpuRatios, 0.5));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 25;
    if (runs < 1) {
        std::fputs("usage: vorn-bench-startup [RUNS [PLAYER]]\n", stderr);
        return 2;
    }
    Program player{
        "vorn-player (shipped test)",
        {argc > 2 ? argv[2] : VORN_PLAYER_PATH, "--seed", "1", "--quit-after-first-frame"}};
    Program bare{"bare Qt window", {VORN_BARE_WINDOW_PATH}};
    std::printf("Start-up: exec until the first frame is painted and the process has quit\n");
    Measure("offscreen", "offscreen", player, bare, runs);
    if (const char* display = std::getenv("DISPLAY"); display && *display)
        Measure("xcb", std::string("xcb on X server ") + display, player, bare, runs);
    return 0;
}
