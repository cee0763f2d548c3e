// Filling the message placeholders: a short message as the report screen fills it on every
// position, and large texts that must stay linear (many placeholders, only delimiters).

#include "BenchSupport.h"
#include "coords/GPSUtils.h"
#include "report/Placeholders.h"

#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <string>

namespace {

const QString kLatitude = QStringLiteral("N 50° 4.998'");
const QString kLongitude = QStringLiteral("E 14° 25.002'");
const QString kLocality = QStringLiteral("Praha 1, Staré Město");

QString shortMessage()
{
    QString m = QStringLiteral("I am here: [N 49° 30.000' E 14° 25.000'] near {somewhere}. Please come and pick me "
                               "up, I will wait at the corner by the tram stop. Call me if you cannot find me; ");
    while (m.size() < 200)
        m.append(u'.');
    m.truncate(200);
    return m;
}

QString fillBoth(const QString& text)
{
    return Placeholders::fillLocality(Placeholders::fillCoordinates(text, kLatitude, kLongitude), kLocality);
}

// Lines of about a hundred characters, each with one placeholder, the kinds taking turns:
// 1 MB holds about ten thousand of them.
QString manyPlaceholders(qsizetype size)
{
    QString t;
    t.reserve(size + 128);
    for (int i = 0; t.size() < size; ++i) {
        t.append(QStringLiteral("Line %1 of the message says where we are, ").arg(i, 6, 10, QLatin1Char('0')));
        t.append(i % 2 ? QStringLiteral("{old place}") : QStringLiteral("[old coordinates]"));
        t.append(QStringLiteral(" and a few more words to fill it.\n"));
    }
    t.truncate(size);
    return t;
}

QString onlyOpening(qsizetype size)
{
    return QString(size, u'[');
}

// "[[[...\n]]]" repeated: no line ever closes what it opens.
QString openThenCloseOnNextLine(qsizetype size)
{
    QString block = QString(100, u'[') + u'\n' + QString(100, u']') + u'\n';
    QString t;
    t.reserve(size + block.size());
    while (t.size() < size)
        t.append(block);
    t.truncate(size);
    return t;
}

int countPlaceholders(const QString& t)
{
    return static_cast<int>(t.count(u'[') + t.count(u'{'));
}

void BM_FillShortMessage(benchmark::State& state)
{
    const QString text = shortMessage();
    benchmark::DoNotOptimize(fillBoth(text)); // patterns are compiled here, once
    for (auto _ : state) {
        QString r = fillBoth(text);
        benchmark::DoNotOptimize(r);
    }
}

// For scale: what compiling the two patterns on every call would add.
void BM_CompileBothPatterns(benchmark::State& state)
{
    for (auto _ : state) {
        QRegularExpression a(QStringLiteral("(*ANY)\\[(.*?)\\]"), QRegularExpression::CaseInsensitiveOption);
        QRegularExpression b(QStringLiteral("(*ANY)\\{(.*?)\\}"), QRegularExpression::CaseInsensitiveOption);
        a.optimize();
        b.optimize();
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
    }
}

template <QString (*Make)(qsizetype)>
void BM_FillLarge(benchmark::State& state)
{
    const QString text = Make(static_cast<qsizetype>(state.range(0)));
    state.counters["placeholders"] = countPlaceholders(text);
    benchmark::DoNotOptimize(fillBoth(text));
    for (auto _ : state) {
        QString r = fillBoth(text);
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

constexpr long kSmall = 10 * 1024;
constexpr long kLarge = 1024 * 1024;
// Past the caches from 1 MB on, so 1 MB against 4 MB shows the growth without the cache step.
constexpr long kMiddle = 100 * 1024;
constexpr long kHuge = 4 * 1024 * 1024;

BENCHMARK(BM_FillShortMessage);
BENCHMARK(BM_CompileBothPatterns);
BENCHMARK(BM_FillLarge<manyPlaceholders>)->Name("BM_FillManyPlaceholders")->Arg(kSmall)->Arg(kMiddle)->Arg(kLarge)->Arg(kHuge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillLarge<onlyOpening>)->Name("BM_FillOnlyOpening")->Arg(kSmall)->Arg(kMiddle)->Arg(kLarge)->Arg(kHuge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillLarge<openThenCloseOnNextLine>)->Name("BM_FillOpenCloseLines")->Arg(kSmall)->Arg(kMiddle)->Arg(kLarge)->Arg(kHuge)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // The filled large message must come out as expected, or its timing means nothing.
    {
        const QString big = manyPlaceholders(kLarge);
        const QString filled = fillBoth(big);
        const int coords = static_cast<int>(filled.count(QStringLiteral("[N 50° 4.998' E 14° 25.002']")));
        const int places = static_cast<int>(filled.count(QStringLiteral("{Praha 1, Staré Město}")));
        std::printf("1 MB message: %d placeholders, %d coordinates and %d localities filled\n",
                    countPlaceholders(big), coords, places);
        if (coords + places != countPlaceholders(big) || fillBoth(onlyOpening(kLarge)) != onlyOpening(kLarge)
            || fillBoth(openThenCloseOnNextLine(kLarge)) != openThenCloseOnNextLine(kLarge)) {
            std::fprintf(stderr, "unexpected fill result\n");
            return 1;
        }
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nCPU time, median of the repetitions (a KB is 1024 characters):\n");
    bench::printTarget("fill both, 200-character message", reporter.ns("BM_FillShortMessage") / 1000.0, 1.5, "us");
    bench::printRatio(reporter, "compiling both patterns / one fill", "BM_CompileBothPatterns", "BM_FillShortMessage");
    std::printf("Time per KB (linear when both sizes agree):\n");
    for (const char* name : {"BM_FillManyPlaceholders", "BM_FillOnlyOpening", "BM_FillOpenCloseLines"}) {
        auto perKB = [&](long size) { return reporter.ns(std::string(name) + "/" + std::to_string(size)) / (size / 1024.0); };
        std::printf("  %-24s 10 KB: %6.0f  100 KB: %6.0f  1 MB: %6.0f  4 MB: %6.0f ns/KB   1 MB/10 KB %.2f, 4 MB/1 MB %.2f\n",
                    name, perKB(kSmall), perKB(kMiddle), perKB(kLarge), perKB(kHuge), perKB(kLarge) / perKB(kSmall),
                    perKB(kHuge) / perKB(kLarge));
    }
    benchmark::Shutdown();
    return 0;
}
