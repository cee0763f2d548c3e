// The offline reverse geocoder: the locality rules on a made-up sample, real lookups on
// the GeoNames index, exactness against a brute-force search, the queued completion, and
// the error every request gets from an index that could not be opened.

#include "platform/geocoding/OfflineGeocoder.h"
#include "platform/mapview/PositionFeeds.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <cmath>
#include <random>

namespace {

constexpr double kKm = 1 / 111.19508372; // degrees of latitude per km on the mean sphere
constexpr double kRad = 3.14159265358979323846 / 180.0;

std::shared_ptr<const PlaceIndex> sample()
{
    return PlaceIndex::open(QStringLiteral(QUORVEL_SAMPLE_PLACE_INDEX));
}

Location at(double lat, double lon)
{
    Location l;
    l.coordinate = {lat, lon};
    return l;
}

double haversineMetres(double lat1, double lon1, double lat2, double lon2)
{
    const double dLat = (lat2 - lat1) * kRad;
    const double dLon = (lon2 - lon1) * kRad;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2)
                     + std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * 6371008.8 * std::asin(std::min(1.0, std::sqrt(a)));
}

// The GeoNames text, read here independently of the tool.
struct TextPlace {
    quint32 id;
    double lat, lon;
    double xyz[3];
    bool section;
    QString name;
};

std::vector<TextPlace> readText(const QString& path)
{
    std::vector<TextPlace> places;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return places;
    while (!f.atEnd()) {
        const QList<QByteArray> fields = f.readLine().split('\t');
        if (fields.size() < 19)
            continue;
        TextPlace p;
        p.id = fields[0].toUInt();
        p.lat = fields[4].toDouble();
        p.lon = fields[5].toDouble();
        p.xyz[0] = std::cos(p.lat * kRad) * std::cos(p.lon * kRad);
        p.xyz[1] = std::cos(p.lat * kRad) * std::sin(p.lon * kRad);
        p.xyz[2] = std::sin(p.lat * kRad);
        p.section = fields[7] == "PPLX";
        p.name = QString::fromUtf8(fields[1]);
        places.push_back(p);
    }
    return places;
}

// A point uniformly distributed on the sphere.
LocationCoordinate2D randomPoint(std::mt19937_64& rng)
{
    std::uniform_real_distribution<double> u(0, 1);
    return {std::asin(2 * u(rng) - 1) / kRad, 360 * u(rng) - 180};
}

} // namespace

class TestOfflineGeocoder : public QObject {
    Q_OBJECT

    std::shared_ptr<const PlaceIndex> real_;
    std::vector<TextPlace> text_;
    std::vector<double> xyz_; // the text's places as unit vectors, packed for the scans

    void readRealText()
    {
        if (!text_.empty())
            return;
        text_ = readText(QStringLiteral(QUORVEL_PLACE_DATA));
        xyz_.clear();
        for (const TextPlace& p : text_)
            xyz_.insert(xyz_.end(), p.xyz, p.xyz + 3);
    }

    // Whether the real index is there; otherwise the test is skipped, or failed under CI,
    // which fetches the data before configuring.
    bool haveRealData()
    {
        if (real_->isValid())
            return true;
        const QByteArray why = QStringLiteral("the GeoNames place index was not built (run `npm ci --prefix data` and "
                                              "configure again): %1")
                                   .arg(real_->errorString())
                                   .toUtf8();
        if (qEnvironmentVariable("CI") == QStringLiteral("true"))
            QTest::qFail(("CI=true, yet " + why).constData(), __FILE__, __LINE__);
        else
            QTest::qSkip(why.constData(), __FILE__, __LINE__);
        return false;
    }

private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QVERIFY2(sample()->isValid(), qPrintable(sample()->errorString()));
        real_ = PlaceIndex::open(QStringLiteral(QUORVEL_PLACE_INDEX));
    }

    void localityRules_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("subLocality"); // null: absent
        QTest::addColumn<QString>("locality");
        QTest::addColumn<QString>("country");
        // Along one meridian: Brannock (town) at 0 km, its sections Staré Brannock at +3 km
        // and Brannock Harbour at +7 km, Kelmsby (town) at +40 km.
        const double b = -40.0, lon = -30.0;
        QTest::newRow("section within 3 km beats the nearer town")
            << b + 0.5 * kKm << lon << "Staré Brannock" << "Brannock" << "Czechia";
        QTest::newRow("section just inside 3 km") << b + 0.1 * kKm << lon << "Staré Brannock" << "Brannock" << "Czechia";
        QTest::newRow("section just beyond 3 km: the nearest place")
            << b - 0.1 * kKm << lon << "Brannock" << "Brannock" << "Czechia";
        QTest::newRow("nearer of two sections") << b + 5.2 * kKm << lon << "Brannock Harbour" << "Brannock" << "Czechia";
        QTest::newRow("nearest place within 10 km may be a section")
            << b + 11 * kKm << lon << "Brannock Harbour" << "Brannock" << "Czechia";
        QTest::newRow("place just inside 10 km") << b - 9.9 * kKm << lon << "Brannock" << "Brannock" << "Czechia";
        QTest::newRow("nothing within 10 km: locality only") << b - 10.1 * kKm << lon << QString() << "Brannock"
                                                             << "Czechia";
        QTest::newRow("locality just inside 30 km") << b - 29.9 * kKm << lon << QString() << "Brannock" << "Czechia";
        QTest::newRow("nothing within 30 km") << b - 30.1 * kKm << lon << QString() << QString() << QString();
        QTest::newRow("locality is the nearest town, not a section")
            << b + 25 * kKm << lon << QString() << "Kelmsby" << "Czechia";
        QTest::newRow("across the antimeridian") << 0.0 << -179.995 << "Eastend" << "Eastend" << QString();
        QTest::newRow("over the pole") << 89.995 << 180.0 << "Polaris Station" << "Polaris Station" << QString();
    }

    void localityRules()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, subLocality);
        QFETCH(QString, locality);
        QFETCH(QString, country);
        const Placemark p = OfflineGeocoder::placemarkAt(*sample(), {lat, lon});
        QCOMPARE(p.subLocality.value_or(QString()), subLocality);
        QCOMPARE(p.subLocality.has_value(), !subLocality.isNull());
        QCOMPARE(p.locality.value_or(QString()), locality);
        QCOMPARE(p.locality.has_value(), !locality.isNull());
        QCOMPARE(p.name, p.subLocality ? p.subLocality : p.locality);
        QCOMPARE(p.country.value_or(QString()), country);
        QVERIFY(!p.administrativeArea);
    }

    void countryCodeWithoutName()
    {
        // "ZZ" is no country Qt knows: the code is given, the name is not.
        const Placemark p = OfflineGeocoder::placemarkAt(*sample(), {0.0, 179.99});
        QCOMPARE(p.isoCountryCode, std::optional<QString>(QStringLiteral("ZZ")));
        QVERIFY(!p.country);
        const Placemark town = OfflineGeocoder::placemarkAt(*sample(), {-40.0, -30.0});
        QCOMPARE(town.isoCountryCode, std::optional<QString>(QStringLiteral("CZ")));
    }

    void completionComesLaterInOrder()
    {
        OfflineGeocoder geocoder(sample());
        QStringList answers;
        bool onMainThread = true;
        auto record = [&](const QString& tag) {
            return [&, tag](const QList<Placemark>& marks, const std::optional<GeocodeError>& error) {
                onMainThread = onMainThread && QThread::currentThread() == QCoreApplication::instance()->thread();
                QVERIFY(!error);
                QCOMPARE(marks.size(), 1);
                answers << tag + QLatin1Char(':') + marks.first().subLocality.value_or(QStringLiteral("-"));
            };
        };
        geocoder.reverseGeocodeLocation(at(-40.0 + 0.5 * kKm, -30.0), record(QStringLiteral("first")));
        QVERIFY2(answers.isEmpty(), "completion ran inside the request");
        geocoder.reverseGeocodeLocation(at(-40.0 - 20 * kKm, -30.0), record(QStringLiteral("second")));
        QVERIFY(answers.isEmpty());
        QTRY_COMPARE(answers.size(), 2);
        QCOMPARE(answers, (QStringList{"first:Staré Brannock", "second:-"}));
        QVERIFY(onMainThread);
    }

    void pendingAnswersDieWithTheGeocoder()
    {
        int calls = 0;
        {
            OfflineGeocoder geocoder(sample());
            geocoder.reverseGeocodeLocation(at(-40, -30), [&](const auto&, const auto&) { ++calls; });
        }
        QCoreApplication::processEvents();
        QTest::qWait(10);
        QCOMPARE(calls, 0);
    }

    void unusableIndexAnswersWithAnError_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing file") << QByteArray() << "no such file";
        QFile f(QStringLiteral(QUORVEL_SAMPLE_PLACE_INDEX));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray good = f.readAll();
        QTest::newRow("truncated file") << good.left(good.size() / 2) << "truncated";
        QTest::newRow("foreign file") << QByteArray("PK\x03\x04 not a place index at all").repeated(10)
                                      << "unknown signature";
    }

    void unusableIndexAnswersWithAnError()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quorvel-places.bin"));
        if (!bytes.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        OfflineGeocoder geocoder(PlaceIndex::open(path));
        QList<std::optional<GeocodeError>> errors;
        for (int i = 0; i < 2; ++i) {
            geocoder.reverseGeocodeLocation(at(50.0875, 14.4213), [&](const QList<Placemark>& marks, const auto& error) {
                QVERIFY(marks.isEmpty());
                errors << error;
            });
        }
        QVERIFY(errors.isEmpty());
        QTRY_COMPARE(errors.size(), 2);
        for (const auto& error : errors) {
            QVERIFY(error);
            QVERIFY2(error->debugDescription.contains(path), qPrintable(error->debugDescription));
            QVERIFY2(error->debugDescription.contains(cause), qPrintable(error->debugDescription));
        }
    }

    void positionNotOnEarthIsAnError_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::newRow("latitude 91") << 91.0 << 10.0;
        QTest::newRow("NaN") << std::nan("") << 10.0;
        QTest::newRow("longitude -180.5") << 10.0 << -180.5;
    }

    void positionNotOnEarthIsAnError()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        OfflineGeocoder geocoder(sample());
        std::optional<GeocodeError> error;
        bool called = false;
        geocoder.reverseGeocodeLocation(at(lat, lon), [&](const QList<Placemark>& marks, const auto& e) {
            QVERIFY(marks.isEmpty());
            error = e;
            called = true;
        });
        QTRY_VERIFY(called);
        QVERIFY(error && error->debugDescription.contains(QStringLiteral("not a position on Earth")));
    }

    // The application's index is opened at the first lookup, once, for the geocoder and
    // the map alike; until then nothing is mapped.
    void lazyIndexOpensAtTheFirstLookupOnce()
    {
        int opens = 0;
        auto lazy = std::make_shared<const LazyPlaceIndex>([&opens] {
            ++opens;
            return sample();
        });
        OfflineGeocoder first(lazy), second(lazy);
        PlaceIndexNearbyPlaces nearby(lazy);
        QCOMPARE(opens, 0);
        QVERIFY(!lazy->isOpened());
        std::optional<Placemark> mark;
        first.reverseGeocodeLocation(at(-40.0 + 0.5 * kKm, -30.0), [&](const QList<Placemark>& marks, const auto& error) {
            QVERIFY(!error);
            mark = marks.value(0);
        });
        QCOMPARE(opens, 1);
        QTRY_VERIFY(mark);
        QCOMPARE(mark->subLocality, std::optional<QString>(QStringLiteral("Staré Brannock")));
        bool answered = false;
        second.reverseGeocodeLocation(at(-40.0, -30.0), [&](const QList<Placemark>&, const auto&) { answered = true; });
        QTRY_VERIFY(answered);
        QVERIFY(!nearby.placesNear({-40.0, -30.0}, 10000, 3).isEmpty());
        QCOMPARE(opens, 1);
        QCOMPARE(lazy->get(), lazy->get());

        // An opener that gives nothing is an error for every request, never a crash.
        auto none = std::make_shared<const LazyPlaceIndex>([] { return std::shared_ptr<const PlaceIndex>(); });
        OfflineGeocoder empty(none);
        std::optional<GeocodeError> error;
        empty.reverseGeocodeLocation(at(50.0, 14.0), [&](const QList<Placemark>&, const auto& e) { error = e; });
        QTRY_VERIFY(error);
    }

    // --- The GeoNames index ---

    void realLookups_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("subLocality");
        QTest::addColumn<QString>("locality");
        QTest::addColumn<QString>("country");
        QTest::newRow("Prague's Old Town, though the centre of Prague is nearer")
            << 50.0875 << 14.4213 << "Staré Město" << "Prague" << "Czechia";
        QTest::newRow("mid-Atlantic") << 0.0 << -25.0 << QString() << QString() << QString();
        QTest::newRow("mid-Pacific") << -30.0 << -140.0 << QString() << QString() << QString();
    }

    void realLookups()
    {
        if (!haveRealData())
            return;
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, subLocality);
        QFETCH(QString, locality);
        QFETCH(QString, country);
        OfflineGeocoder geocoder(real_);
        QList<Placemark> answer;
        bool called = false;
        geocoder.reverseGeocodeLocation(at(lat, lon), [&](const QList<Placemark>& marks, const auto& error) {
            QVERIFY(!error);
            answer = marks;
            called = true;
        });
        QTRY_VERIFY(called);
        QCOMPARE(answer.size(), 1);
        QCOMPARE(answer[0].subLocality.value_or(QString()), subLocality);
        QCOMPARE(answer[0].subLocality.has_value(), !subLocality.isNull());
        QCOMPARE(answer[0].locality.value_or(QString()), locality);
        QCOMPARE(answer[0].country.value_or(QString()), country);
    }

    void oldTownIsNotTheNearestPlace()
    {
        if (!haveRealData())
            return;
        const auto nearest = real_->nearest({50.0875, 14.4213});
        QVERIFY(nearest);
        QCOMPARE(real_->name(nearest->place), QStringLiteral("Prague"));
        QVERIFY(real_->nearestSection({50.0875, 14.4213})->metres > nearest->metres);
    }

    void nearestEqualsBruteForce()
    {
        if (!haveRealData())
            return;
        readRealText();
        QCOMPARE(quint32(text_.size()), real_->count());

        std::mt19937_64 rng(20261209);
        int mismatches = 0, ties = 0;
        for (int q = 0; q < 10000; ++q) {
            const LocationCoordinate2D p = randomPoint(rng);
            const double v[3] = {std::cos(p.latitude * kRad) * std::cos(p.longitude * kRad),
                                 std::cos(p.latitude * kRad) * std::sin(p.longitude * kRad), std::sin(p.latitude * kRad)};
            qsizetype best = 0;
            double bestChord = 5;
            const double* xyz = xyz_.data();
            for (qsizetype i = 0; i < qsizetype(text_.size()); ++i) {
                const double dx = xyz[3 * i] - v[0], dy = xyz[3 * i + 1] - v[1], dz = xyz[3 * i + 2] - v[2];
                const double c = dx * dx + dy * dy + dz * dz;
                if (c < bestChord) {
                    bestChord = c;
                    best = i;
                }
            }
            const auto hit = real_->nearest(p);
            QVERIFY(hit);
            if (real_->geonameId(hit->place) == text_[std::size_t(best)].id)
                continue;
            // A different place at the same great-circle distance is a tie, not an error.
            const LocationCoordinate2D found = real_->coordinate(hit->place);
            const double dFound = haversineMetres(p.latitude, p.longitude, found.latitude, found.longitude);
            const double dBest = haversineMetres(p.latitude, p.longitude, text_[std::size_t(best)].lat, text_[std::size_t(best)].lon);
            if (std::fabs(dFound - dBest) < 1e-3)
                ++ties;
            else
                ++mismatches;
        }
        qInfo("10000 random points: %d mismatches, %d ties", mismatches, ties);
        QCOMPARE(mismatches, 0);
    }

    void placemarkRulesEqualBruteForce()
    {
        if (!haveRealData())
            return;
        readRealText();
        // Points within 35 km of random places, where the rules have something to choose.
        std::mt19937_64 rng(4242);
        std::uniform_int_distribution<qsizetype> pick(0, qsizetype(text_.size()) - 1);
        std::uniform_real_distribution<double> u(0, 1);
        std::vector<double> chords(std::size_t(text_.size()));
        int checked = 0;
        for (int q = 0; q < 2000; ++q) {
            const TextPlace& centre = text_[pick(rng)];
            const double d = 35 * u(rng), bearing = 2 * 3.14159265358979323846 * u(rng);
            const double lat = std::clamp(centre.lat + d * kKm * std::cos(bearing), -89.9, 89.9);
            double lon = centre.lon + d * kKm * std::sin(bearing) / std::cos(lat * kRad);
            lon = std::remainder(lon, 360.0);
            // Brute force: every place's chord (ordered as the great-circle distance), the
            // nearest of each kind, then its great-circle distance.
            const double v[3] = {std::cos(lat * kRad) * std::cos(lon * kRad), std::cos(lat * kRad) * std::sin(lon * kRad),
                                 std::sin(lat * kRad)};
            qsizetype bestSection = -1, bestOther = -1;
            const double* xyz = xyz_.data();
            for (qsizetype i = 0; i < qsizetype(text_.size()); ++i) {
                const double dx = xyz[3 * i] - v[0], dy = xyz[3 * i + 1] - v[1], dz = xyz[3 * i + 2] - v[2];
                chords[std::size_t(i)] = dx * dx + dy * dy + dz * dz;
                qsizetype& best = text_[i].section ? bestSection : bestOther;
                if (best < 0 || chords[std::size_t(i)] < chords[std::size_t(best)])
                    best = i;
            }
            const qsizetype bestAny = chords[std::size_t(bestSection)] < chords[std::size_t(bestOther)] ? bestSection : bestOther;
            auto metresTo = [&](qsizetype i) { return haversineMetres(lat, lon, text_[i].lat, text_[i].lon); };
            auto namesAt = [&](qsizetype best, int kind) { // kind 0 any, 1 section, 2 other; ties included
                QStringList names;
                const double limit = chords[std::size_t(best)] * (1 + 1e-9) + 1e-20;
                for (qsizetype i = 0; i < qsizetype(text_.size()); ++i)
                    if ((kind == 0 || (kind == 1) == text_[i].section) && chords[std::size_t(i)] <= limit)
                        names << text_[i].name;
                return names;
            };
            QStringList expectedSub, expectedLocality;
            if (metresTo(bestSection) <= 3000)
                expectedSub = namesAt(bestSection, 1);
            else if (metresTo(bestAny) <= 10000)
                expectedSub = namesAt(bestAny, 0);
            if (metresTo(bestOther) <= 30000)
                expectedLocality = namesAt(bestOther, 2);

            const Placemark p = OfflineGeocoder::placemarkAt(*real_, {lat, lon});
            const QString where = QStringLiteral("%1,%2").arg(lat, 0, 'f', 6).arg(lon, 0, 'f', 6);
            QVERIFY2(p.subLocality ? expectedSub.contains(*p.subLocality) : expectedSub.isEmpty(), qPrintable(where));
            QVERIFY2(p.locality ? expectedLocality.contains(*p.locality) : expectedLocality.isEmpty(),
                     qPrintable(where));
            ++checked;
        }
        QCOMPARE(checked, 2000);
    }
};

QTEST_GUILESS_MAIN(TestOfflineGeocoder)
#include "tst_offline_geocoder.moc"
