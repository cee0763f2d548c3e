// Coordinate formatting: GPSUtils::format for each code against snprintf writing the same
// strings and GeographicLib's DMS::Encode, all on one fixed set of positions.
//
//   bench_coords [--write-golden=FILE | --golden=FILE] [benchmark flags]
//
// --golden checks GPSUtils::format against a file of inputs and expected strings before
// measuring (and exits non-zero on any difference); --write-golden writes that file from
// the current code. The committed file pins the output, so that speed work cannot change it.

#include "BenchSupport.h"
#include "coords/GPSUtils.h"
#include "coords/Truncation.h"

#include <GeographicLib/DMS.hpp>

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Pair {
    double latitude;
    double longitude;
};

// Positions anywhere on Earth, with the full precision a receiver delivers.
const std::vector<Pair>& positions()
{
    static const std::vector<Pair> set = [] {
        std::mt19937_64 rng(20261209);
        std::uniform_real_distribution<double> lat(-90.0, 90.0), lon(-180.0, 180.0);
        std::vector<Pair> v(1024);
        for (Pair& p : v)
            p = {lat(rng), lon(rng)};
        return v;
    }();
    return set;
}

// --- snprintf writing exactly the strings GPSUtils gives ------------------------------------

using Truncation::magnitude;
using Truncation::truncate32;

int snprintfCoord(char* buf, std::size_t size, int code, char letter, double x)
{
    switch (code) {
    case 0: {
        const double t = truncate32(x);
        return std::snprintf(buf, size, "%c %d\xC2\xB0 %01.3f'", letter, magnitude(truncate32(t)),
                             std::fabs(x - t) * 60.0);
    }
    case 1: {
        const double t = truncate32(x);
        const double f = std::fabs(x - t);
        const std::int32_t m = truncate32(f * 60.0);
        return std::snprintf(buf, size, "%c %d\xC2\xB0 %2d' %01.3f\"", letter, magnitude(truncate32(t)),
                             static_cast<int>(m), f * 3600 - static_cast<double>(60 * m));
    }
    default:
        return std::snprintf(buf, size, "%c %01.4f", letter, x);
    }
}

struct CharPair {
    char latitude[64];
    char longitude[64];
};

void snprintfPair(CharPair& out, int code, const Pair& p)
{
    snprintfCoord(out.latitude, sizeof out.latitude, code, p.latitude > 0 ? 'N' : 'S', p.latitude);
    snprintfCoord(out.longitude, sizeof out.longitude, code, p.longitude > 0 ? 'E' : 'W', p.longitude);
}

// --- GeographicLib: the same components and decimals, in its own notation ----------------

GeographicLib::DMS::component trailingFor(int code)
{
    return code == 0 ? GeographicLib::DMS::MINUTE
         : code == 1 ? GeographicLib::DMS::SECOND
                     : GeographicLib::DMS::DEGREE;
}

unsigned precisionFor(int code) { return code == 2 ? 4 : 3; }

// --- benchmarks: one iteration formats one pair --------------------------------------------

void BM_GPSUtils(benchmark::State& state)
{
    const int code = static_cast<int>(state.range(0));
    const auto& set = positions();
    std::size_t i = 0;
    for (auto _ : state) {
        const Pair& p = set[i];
        QStringList r = GPSUtils::format(code, p.latitude, p.longitude);
        benchmark::DoNotOptimize(r);
        i = (i + 1) & (set.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Snprintf(benchmark::State& state)
{
    const int code = static_cast<int>(state.range(0));
    const auto& set = positions();
    std::size_t i = 0;
    CharPair out;
    for (auto _ : state) {
        snprintfPair(out, code, set[i]);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
        i = (i + 1) & (set.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_DMSEncode(benchmark::State& state)
{
    const int code = static_cast<int>(state.range(0));
    const auto trailing = trailingFor(code);
    const unsigned prec = precisionFor(code);
    const auto& set = positions();
    std::size_t i = 0;
    for (auto _ : state) {
        const Pair& p = set[i];
        std::string a = GeographicLib::DMS::Encode(p.latitude, trailing, prec,
                                                   code == 2 ? GeographicLib::DMS::NONE : GeographicLib::DMS::LATITUDE);
        std::string b = GeographicLib::DMS::Encode(p.longitude, trailing, prec,
                                                   code == 2 ? GeographicLib::DMS::NONE : GeographicLib::DMS::LONGITUDE);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        i = (i + 1) & (set.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_GPSUtils)->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_Snprintf)->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_DMSEncode)->Arg(0)->Arg(1)->Arg(2);

// --- golden inputs and outputs -------------------------------------------------------------

// The benchmark positions, the worked examples and the corners: signed zeros, the 60.000
// that is not carried, exact ties at the last decimal, the hemisphere boundaries, values past
// the 32-bit range and values that are not numbers.
std::vector<double> goldenValues()
{
    std::vector<double> v = {
        49.5, -16.25, -33.8568, 151.2153, 50.0833, 14.4167, 0.0, -0.0, -0.5, 49.99999999, 90.0, -90.0, 180.0,
        -180.0, 1e-9, -1e-9, 0.9999999999, -0.9999999999, 1.0 / 64, -1.0 / 64, 3.0 / 128, 0.03125, -0.03125,
        0.00005, 0.00015, 12.00000834, 12.99999166, 59.999999, 2147483647.0, 2147483648.5, -2147483648.0,
        -2147483649.5, 1e10, -1e10, 1e300, -1e300, 5e-324, std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    for (int k = -40; k <= 40; ++k)
        v.push_back(k / 1024.0 + 7);
    const auto& set = positions();
    for (std::size_t i = 0; i < 160; ++i) {
        v.push_back(set[i].latitude);
        v.push_back(set[i].longitude);
    }
    return v;
}

std::string hexDouble(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%016" PRIx64, bits);
    return buf;
}

double fromHex(const std::string& s)
{
    const std::uint64_t bits = std::strtoull(s.c_str(), nullptr, 16);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// One line per input: its bits, then for codes 0, 1, 2 the latitude and longitude strings
// of the pair (x, x), tab-separated.
std::string goldenLine(double x)
{
    std::string line = hexDouble(x);
    for (int code = 0; code <= 2; ++code) {
        const QStringList r = GPSUtils::format(code, x, x);
        line += '\t';
        line += r.value(0).toStdString();
        line += '\t';
        line += r.value(1).toStdString();
    }
    return line;
}

int writeGolden(const std::string& path)
{
    std::ofstream out(path);
    for (double x : goldenValues())
        out << goldenLine(x) << '\n';
    if (!out) {
        std::cerr << "cannot write " << path << '\n';
        return 1;
    }
    std::cout << "wrote " << goldenValues().size() << " inputs to " << path << '\n';
    return 0;
}

int checkGolden(const std::string& path)
{
    std::ifstream in(path);
    if (!in) {
        std::cerr << "cannot read " << path << '\n';
        return 1;
    }
    std::string line;
    int lines = 0, bad = 0;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        ++lines;
        const std::string got = goldenLine(fromHex(line.substr(0, line.find('\t'))));
        if (got != line && ++bad <= 10)
            std::cerr << "golden mismatch\n  want: " << line << "\n  got:  " << got << '\n';
    }
    std::printf("golden check: %d inputs x 3 codes, %d differ\n", lines, bad);
    return bad == 0 && lines > 0 ? 0 : 1;
}

// snprintf must write exactly what GPSUtils writes, or the comparison means nothing.
int checkSnprintfAgrees()
{
    int bad = 0;
    for (int code = 0; code <= 2; ++code) {
        for (const Pair& p : positions()) {
            CharPair c;
            snprintfPair(c, code, p);
            const QStringList r = GPSUtils::format(code, p.latitude, p.longitude);
            if (r.value(0).toStdString() != c.latitude || r.value(1).toStdString() != c.longitude) {
                if (++bad <= 5)
                    std::cerr << "snprintf differs: " << c.latitude << " | " << r.value(0).toStdString() << '\n';
            }
        }
    }
    return bad;
}

} // namespace

int main(int argc, char** argv)
{
    std::string golden;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--write-golden=", 0) == 0)
            return writeGolden(a.substr(15));
        if (a.rfind("--golden=", 0) == 0)
            golden = a.substr(9);
        else
            rest.push_back(argv[i]);
    }
    int n = static_cast<int>(rest.size());
    rest.push_back(nullptr);
    if (!golden.empty() && checkGolden(golden) != 0)
        return 1;
    if (checkSnprintfAgrees() != 0) {
        std::cerr << "snprintf does not produce the GPSUtils strings\n";
        return 1;
    }

    benchmark::Initialize(&n, rest.data());
    if (benchmark::ReportUnrecognizedArguments(n, rest.data()))
        return 1;
    bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nPer pair (two strings), CPU time, median of the repetitions:\n");
    bool ok = true;
    for (int code = 0; code <= 2; ++code) {
        const std::string c = std::to_string(code);
        const std::string label = "GPSUtils::format code " + c;
        ok &= bench::printTarget(label.c_str(), reporter.ns("BM_GPSUtils/" + c), 200.0, "ns");
    }
    std::printf("Ratios:\n");
    for (int code = 0; code <= 2; ++code) {
        const std::string c = std::to_string(code);
        bench::printRatio(reporter, ("GPSUtils / snprintf, code " + c).c_str(), "BM_GPSUtils/" + c, "BM_Snprintf/" + c);
        bench::printRatio(reporter, ("DMS::Encode / GPSUtils, code " + c).c_str(), "BM_DMSEncode/" + c,
                          "BM_GPSUtils/" + c);
    }
    benchmark::Shutdown();
    (void)ok; // a missed target is reported above, not as a failure of the run
    return 0;
}
