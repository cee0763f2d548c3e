// Cold start to the first painted frame under the offscreen platform: the application's own
// start-up (startup_app) beside a bare Qt window with four tabs (startup_bare). Each
// repetition starts one fresh process; the time runs from just before the spawn to the frame
// the probe in the child reports, and the child also reports its peak resident memory.
//
//   bench_startup [--app=PATH] [--bare=PATH] [benchmark flags]
//
// Use scripts/bench-startup.sh, which asks for ten repetitions and reports medians.

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string g_app = QUORVEL_STARTUP_APP;
std::string g_bare = QUORVEL_STARTUP_BARE;
std::string g_stderrFile;

std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct Start {
    bool ok = false;
    double frameMs = 0;
    double paintMs = 0;
    double vmHwmMb = 0;
    double maxRssMb = 0; // the whole run, shutdown included, from wait4
    std::string error;
};

// Starts one probe and reads its report line. The child's standard error goes to a file,
// shown only when the start fails.
Start startOnce(const std::string& program)
{
    Start s;
    int out[2];
    if (pipe(out) != 0) {
        s.error = std::strerror(errno);
        return s;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, 2, g_stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    const std::int64_t t0 = monotonicNs();
    const std::string t0Arg = "--t0=" + std::to_string(t0);
    std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>(t0Arg.c_str()), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        s.error = "cannot start " + program + ": " + std::strerror(rc);
        return s;
    }
    std::string text;
    char buf[512];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            text.append(buf, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    long long frame = -1, paint = -1;
    long hwm = -1;
    const auto at = text.find("first-frame-ns=");
    if (at != std::string::npos)
        std::sscanf(text.c_str() + at, "first-frame-ns=%lld first-paint-ns=%lld vmhwm-kb=%ld", &frame, &paint, &hwm);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || frame < 0) {
        s.error = program + " did not report a frame (status " + std::to_string(status) + "); see " + g_stderrFile;
        return s;
    }
    s.ok = true;
    s.frameMs = frame / 1e6;
    s.paintMs = paint / 1e6;
    s.vmHwmMb = hwm / 1024.0;
    s.maxRssMb = usage.ru_maxrss / 1024.0;
    return s;
}

void BM_ColdStart(benchmark::State& state, const std::string* program)
{
    for (auto _ : state) {
        const Start s = startOnce(*program);
        if (!s.ok) {
            state.SkipWithError(s.error.c_str());
            break;
        }
        state.SetIterationTime(s.frameMs / 1000.0);
        state.counters["first_paint_ms"] = s.paintMs;
        state.counters["VmHWM_MB"] = s.vmHwmMb;
        state.counters["maxrss_MB"] = s.maxRssMb;
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--app=", 0) == 0)
            g_app = a.substr(6);
        else if (a.rfind("--bare=", 0) == 0)
            g_bare = a.substr(7);
        else
            rest.push_back(argv[i]);
    }
    int n = static_cast<int>(rest.size());
    rest.push_back(nullptr);

    // The children paint offscreen, and keep their settings in a folder of their own, so that
    // the benchmark neither needs a display nor touches the user's store.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char dir[] = "/tmp/quorvel-bench-startup-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string home = dir;
    for (const char* sub : {"config", "data", "cache", "runtime"})
        std::filesystem::create_directories(home + "/" + sub);
    std::filesystem::permissions(home + "/runtime", std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home + "/runtime").c_str(), 1);
    // A session of their own, so a Quorvel the user has running is not taken for the first
    // instance (each child then claims the socket in the runtime folder).
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + home + "/no-bus").c_str(), 1);
    g_stderrFile = home + "/stderr.txt";

    // One start each first: the libraries come into the page cache and the application
    // writes its store, so every measured start is a returning user's.
    for (const std::string* p : {&g_app, &g_bare}) {
        const Start s = startOnce(*p);
        if (!s.ok) {
            std::fprintf(stderr, "%s\n", s.error.c_str());
            return 1;
        }
    }

    benchmark::RegisterBenchmark("BM_ColdStart/app", BM_ColdStart, &g_app)
        ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_ColdStart/bare", BM_ColdStart, &g_bare)
        ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&n, rest.data());
    if (benchmark::ReportUnrecognizedArguments(n, rest.data()))
        return 1;
    bench::RecordingReporter reporter(/*cpuTime=*/false);
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nMedian over the repetitions (one process start each), offscreen platform:\n");
    bench::printTarget("application: spawn to first frame", reporter.ns("BM_ColdStart/app") / 1e6, 60.0, "ms");
    bench::printTarget("application: peak resident (VmHWM)", reporter.counter("BM_ColdStart/app", "VmHWM_MB"), 60.0,
                       "MB");
    std::printf("  %-44s %10.1f ms   %.1f MB\n", "bare Qt window with four tabs",
                reporter.ns("BM_ColdStart/bare") / 1e6, reporter.counter("BM_ColdStart/bare", "VmHWM_MB"));
    bench::printRatio(reporter, "application / bare window, time", "BM_ColdStart/app", "BM_ColdStart/bare");
    const double a = reporter.counter("BM_ColdStart/app", "VmHWM_MB"), b = reporter.counter("BM_ColdStart/bare", "VmHWM_MB");
    if (a > 0 && b > 0)
        std::printf("  %-44s %8.2fx\n", "application / bare window, peak resident", a / b);
    benchmark::Shutdown();
    std::filesystem::remove_all(home);
    return 0;
}
