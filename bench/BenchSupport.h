#pragma once
// A console reporter that also keeps each benchmark's time (the median when repetitions are
// asked for, otherwise the single run), so that a benchmark program can print ratios and
// target checks from the same run after the table. The time kept is CPU time: these
// benchmarks are single-threaded, and on a shared machine wall time mostly measures the
// neighbours. (Benchmarks that time other processes report manual time, which is kept as is.)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <map>
#include <string>
#include <vector>

namespace bench {

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that logs stay readable.
    explicit RecordingReporter(bool cpuTime = true)
        : benchmark::ConsoleReporter(isatty(1) ? OO_ColorTabular : OO_Tabular), cpuTime_(cpuTime) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.str();
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single)
                continue;
            Figure& f = figures_[name];
            const double t = cpuTime_ ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
            f.ns = t / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            for (const auto& [key, counter] : run.counters)
                f.counters[key] = counter.value;
        }
    }

    struct Figure {
        double ns = 0;
        std::map<std::string, double> counters;
    };

    // Nanoseconds per iteration, or a negative value when the benchmark did not run. The
    // name may leave out what the library appends ("/iterations:1/manual_time").
    double ns(const std::string& name) const
    {
        auto it = find(name);
        return it == figures_.end() ? -1.0 : it->second.ns;
    }

    double counter(const std::string& name, const std::string& key) const
    {
        auto it = find(name);
        if (it == figures_.end())
            return -1.0;
        auto c = it->second.counters.find(key);
        return c == it->second.counters.end() ? -1.0 : c->second;
    }

private:
    std::map<std::string, Figure>::const_iterator find(const std::string& name) const
    {
        auto it = figures_.lower_bound(name);
        if (it != figures_.end() && (it->first == name || it->first.rfind(name + "/", 0) == 0))
            return it;
        return figures_.end();
    }

    bool cpuTime_;
    std::map<std::string, Figure> figures_;
};

inline void printRatio(const RecordingReporter& r, const char* label, const std::string& a, const std::string& b)
{
    const double x = r.ns(a), y = r.ns(b);
    if (x <= 0 || y <= 0)
        return;
    std::printf("  %-44s %8.2fx  (%s / %s)\n", label, x / y, a.c_str(), b.c_str());
}

// Prints "value unit  target ... ok/MISSED"; returns whether the target holds.
inline bool printTarget(const char* label, double value, double target, const char* unit)
{
    if (value < 0)
        return true;
    const bool ok = value <= target;
    std::printf("  %-44s %10.1f %s   target <= %.1f %s   %s\n", label, value, unit, target, unit,
                ok ? "ok" : "MISSED");
    return ok;
}

} // namespace bench
