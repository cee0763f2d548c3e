// Cold start to the first painted frame under the offscreen platform: the application's own
// start-up (startup_app) beside a bare Qt window with four tabs (startup_bare). Each start is
// one fresh process; the time runs from just before the fork to the frame the probe in the
// child reports, and the child also reports its peak resident memory at that frame.
//
// The starts are interleaved (app, bare, then bare, app in the next round, ...), so that a
// neighbour's burst of work on a shared machine falls on both sides alike, and the figures
// are medians over the rounds. A second pair runs with each child's processor time limited
// to a quarter of one core (a cgroup CPU quota), which stands for a phone's slower processor.
//
//   bench_startup [--app=PATH] [--bare=PATH] [--rounds=N] [--quota=PERCENT]
//
// --rounds (default 12) is the number of starts of each program per pair; --quota (default
// 25, 0 for none) is the share of one core for the limited pair. Limiting needs a writable
// cgroup CPU controller (v2 cpu.max or v1 cpu.cfs_quota_us, normally as root); without one
// the limited pair is left out and the reason printed.
//
// Use scripts/bench-startup.sh, which builds what is needed first.

#include "BenchSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string g_stderrFile;

std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    out.flush();
    return bool(out);
}

bool isWritable(const std::string& path)
{
    return access(path.c_str(), W_OK) == 0;
}

// A cgroup whose CPU quota is a share of one core; the children join it between fork and exec.
class CpuLimit {
public:
    ~CpuLimit()
    {
        if (!dir_.empty())
            rmdir(dir_.c_str()); // empty by then: every child has been waited for
    }

    // Empty on success, otherwise why the machine does not allow it.
    std::string create(int percent)
    {
        const std::string name = "quorvel-bench-startup-" + std::to_string(getpid());
        // A short period, so that the quota throttles a start of a few tens of milliseconds
        // evenly (as a slower processor would) instead of letting it run at full speed for
        // the first quota of a long period.
        const long period = 10000; // microseconds
        const long quota = period * percent / 100;
        std::string why;
        // cgroup v2 mounted at the root: cpu.max of a child group.
        if (std::filesystem::exists("/sys/fs/cgroup/cgroup.controllers")) {
            std::ifstream control("/sys/fs/cgroup/cgroup.subtree_control");
            const std::string enabled((std::istreambuf_iterator<char>(control)), std::istreambuf_iterator<char>());
            if (enabled.find("cpu") == std::string::npos)
                writeFile("/sys/fs/cgroup/cgroup.subtree_control", "+cpu");
            const std::string dir = "/sys/fs/cgroup/" + name;
            if (mkdir(dir.c_str(), 0755) == 0) {
                dir_ = dir;
                if (writeFile(dir + "/cpu.max", std::to_string(quota) + " " + std::to_string(period))) {
                    procs_ = dir + "/cgroup.procs";
                    return {};
                }
                why = "cgroup v2: cpu.max of " + dir + " cannot be written (the cpu controller is not enabled)";
                rmdir(dir.c_str());
                dir_.clear();
            } else {
                why = "cgroup v2: cannot make " + dir + " (" + std::strerror(errno) + ")";
            }
        }
        // cgroup v1 with its cpu controller (as on hosts whose PID 1 is not systemd).
        for (const char* root : {"/sys/fs/cgroup/cpu", "/sys/fs/cgroup/cpu,cpuacct"}) {
            if (!std::filesystem::exists(std::string(root) + "/cpu.cfs_quota_us"))
                continue;
            const std::string dir = std::string(root) + "/" + name;
            if (mkdir(dir.c_str(), 0755) != 0) {
                why = std::string("cgroup v1: cannot make ") + dir + " (" + std::strerror(errno) + ")";
                continue;
            }
            dir_ = dir;
            if (writeFile(dir + "/cpu.cfs_period_us", std::to_string(period))
                && writeFile(dir + "/cpu.cfs_quota_us", std::to_string(quota)) && isWritable(dir + "/cgroup.procs")) {
                procs_ = dir + "/cgroup.procs";
                return {};
            }
            why = "cgroup v1: the quota of " + dir + " cannot be set";
            rmdir(dir.c_str());
            dir_.clear();
        }
        return why.empty() ? "no cgroup CPU controller is mounted (neither v2 cpu.max nor v1 cpu.cfs_quota_us)" : why;
    }

    const std::string& procsFile() const { return procs_; }
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
    std::string procs_;
};

struct Start {
    bool ok = false;
    double frameMs = 0;
    double paintMs = 0;
    double vmHwmMb = 0;
    double maxRssMb = 0; // the whole run, shutdown included, from wait4
    double cpuMs = 0;    // user and system time of the whole run, from wait4
    std::string error;
};

// Starts one probe and reads its report line. The child's standard error goes to a file,
// named when the start fails. With `cgroupProcs`, the child moves itself into that cgroup
// before it runs the program, so none of the program's own work escapes the limit.
Start startOnce(const std::string& program, const std::string& cgroupProcs)
{
    Start s;
    int out[2];
    if (pipe(out) != 0) {
        s.error = std::strerror(errno);
        return s;
    }
    const std::int64_t t0 = monotonicNs();
    const std::string t0Arg = "--t0=" + std::to_string(t0);
    std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>(t0Arg.c_str()), nullptr};
    const pid_t pid = fork();
    if (pid < 0) {
        s.error = std::string("fork: ") + std::strerror(errno);
        close(out[0]);
        close(out[1]);
        return s;
    }
    if (pid == 0) {
        // Only async-signal-safe calls from here to exec.
        if (!cgroupProcs.empty()) {
            const int fd = open(cgroupProcs.c_str(), O_WRONLY);
            if (fd < 0 || write(fd, "0", 1) != 1)
                _exit(126);
            close(fd);
        }
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        const int err = open(g_stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) {
            dup2(err, 2);
            close(err);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
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
    s.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
              + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return s;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

struct Series {
    std::string label;
    const std::string* program;
    std::string cgroupProcs;
    std::vector<Start> starts;

    double medianOf(double Start::*field) const
    {
        std::vector<double> v;
        for (const Start& s : starts)
            v.push_back(s.*field);
        return median(v);
    }
    double spread(double Start::*field, bool max) const
    {
        double r = starts.empty() ? -1 : starts.front().*field;
        for (const Start& s : starts)
            r = max ? std::max(r, s.*field) : std::min(r, s.*field);
        return r;
    }
};

// Runs `rounds` starts of each series, in an order that turns round every round.
bool runInterleaved(std::vector<Series*> series, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < series.size(); ++k) {
            Series* s = round % 2 ? series[series.size() - 1 - k] : series[k];
            const Start start = startOnce(*s->program, s->cgroupProcs);
            if (!start.ok) {
                std::fprintf(stderr, "%s\n", start.error.c_str());
                return false;
            }
            s->starts.push_back(start);
        }
    }
    return true;
}

void printSeries(const Series& s)
{
    std::printf("  %-30s %7.1f ms (%5.1f to %5.1f)  paint %6.1f ms  cpu %6.1f ms  VmHWM %5.1f MB  maxrss %5.1f MB\n",
                s.label.c_str(), s.medianOf(&Start::frameMs), s.spread(&Start::frameMs, false),
                s.spread(&Start::frameMs, true), s.medianOf(&Start::paintMs), s.medianOf(&Start::cpuMs),
                s.medianOf(&Start::vmHwmMb), s.medianOf(&Start::maxRssMb));
}

// The two ratios of a pair against their targets; returns whether both hold.
bool printRatios(const char* what, const Series& app, const Series& bare)
{
    const double t = app.medianOf(&Start::frameMs) / bare.medianOf(&Start::frameMs);
    const double m = app.medianOf(&Start::vmHwmMb) / bare.medianOf(&Start::vmHwmMb);
    std::printf("  %-44s %6.2fx   target <= 1.50x   %s\n", (std::string(what) + ", time").c_str(), t,
                t <= 1.5 ? "ok" : "MISSED");
    std::printf("  %-44s %6.2fx   target <= 1.25x   %s\n", (std::string(what) + ", peak resident").c_str(), m,
                m <= 1.25 ? "ok" : "MISSED");
    return t <= 1.5 && m <= 1.25;
}

} // namespace

int main(int argc, char** argv)
{
    std::string app = QUORVEL_STARTUP_APP;
    std::string bare = QUORVEL_STARTUP_BARE;
    int rounds = 12;
    int quota = 25;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--app=", 0) == 0)
            app = a.substr(6);
        else if (a.rfind("--bare=", 0) == 0)
            bare = a.substr(7);
        else if (a.rfind("--rounds=", 0) == 0)
            rounds = std::atoi(a.c_str() + 9);
        else if (a.rfind("--quota=", 0) == 0)
            quota = std::atoi(a.c_str() + 8);
        else {
            std::fprintf(stderr, "usage: %s [--app=PATH] [--bare=PATH] [--rounds=N] [--quota=PERCENT]\n", argv[0]);
            return 2;
        }
    }
    if (rounds < 1 || quota < 0 || quota > 100) {
        std::fprintf(stderr, "--rounds must be at least 1 and --quota between 0 and 100\n");
        return 2;
    }

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
    struct Cleanup {
        std::string home;
        ~Cleanup() { std::filesystem::remove_all(home); }
    } cleanup{home};

    Series appFull{"application", &app, {}, {}};
    Series bareFull{"bare Qt window with four tabs", &bare, {}, {}};
    Series appSlow{"application", &app, {}, {}};
    Series bareSlow{"bare Qt window with four tabs", &bare, {}, {}};
    CpuLimit limit;
    std::string noLimit = quota == 0 ? "not asked for (--quota=0)" : limit.create(quota);
    appSlow.cgroupProcs = bareSlow.cgroupProcs = limit.procsFile();

    // One start each first: the libraries come into the page cache and the application
    // writes its store, so every measured start is a returning user's.
    for (const std::string* p : {&app, &bare}) {
        const Start s = startOnce(*p, {});
        if (!s.ok) {
            std::fprintf(stderr, "%s\n", s.error.c_str());
            return 1;
        }
    }

    std::printf("Cold start to the first painted frame, offscreen platform: medians over %d interleaved starts "
                "of each program (fastest to slowest in brackets).\n\n",
                rounds);
    if (!runInterleaved({&appFull, &bareFull}, rounds))
        return 1;
    std::printf("Unlimited:\n");
    printSeries(appFull);
    printSeries(bareFull);
    bench::printTarget("application: spawn to first frame", appFull.medianOf(&Start::frameMs), 60.0, "ms");
    bench::printTarget("application: peak resident (VmHWM)", appFull.medianOf(&Start::vmHwmMb), 60.0, "MB");
    bool ok = printRatios("application / bare window", appFull, bareFull);

    std::printf("\nProcessor limited to %d%% of one core (cgroup %s):\n", quota,
                noLimit.empty() ? limit.dir().c_str() : "none");
    if (noLimit.empty()) {
        if (!runInterleaved({&appSlow, &bareSlow}, rounds))
            return 1;
        printSeries(appSlow);
        printSeries(bareSlow);
        ok = printRatios("application / bare window, limited", appSlow, bareSlow) && ok;
    } else {
        std::printf("  not measured: %s\n", noLimit.c_str());
    }
    std::printf("\n%s\n", ok ? "Both pairs within their targets." : "A target was missed.");
    return 0;
}
