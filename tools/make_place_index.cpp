// Turns a GeoNames populated-places text file (tab-separated, 19 columns, as in
// cities1000.txt) into the binary place index the application maps at start.
//
//   make_place_index INPUT.txt OUTPUT.bin
//
// The output is written to a temporary file beside OUTPUT and renamed into place, so an
// interrupted build never leaves a half-written index behind.

#include "platform/geocoding/PlaceIndexFormat.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace placeindex;

namespace {

struct Place {
    std::string name;
    std::string admin1;
    std::string featureCode;
    char country[2] = {0, 0};
    std::uint32_t geonameId = 0;
    std::uint32_t population = 0;
    double lat = 0;
    double lon = 0;
};

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

template <typename T>
bool parseNumber(std::string_view s, T& out)
{
    if (s.empty())
        return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

// One line into a place; false (with a reason) for a line that is not a usable place.
bool parseLine(std::string_view line, Place& place, std::string& why)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const auto f = splitTabs(line);
    if (f.size() < 15) {
        why = "expected 19 tab-separated fields, found " + std::to_string(f.size());
        return false;
    }
    if (!parseNumber(f[0], place.geonameId)) {
        why = "bad id";
        return false;
    }
    place.name = std::string(f[1]);
    if (place.name.empty() || place.name.find('\0') != std::string::npos) {
        why = "empty name";
        return false;
    }
    if (!parseNumber(f[4], place.lat) || !parseNumber(f[5], place.lon) || !std::isfinite(place.lat)
        || !std::isfinite(place.lon) || std::fabs(place.lat) > 90 || std::fabs(place.lon) > 180) {
        why = "bad coordinate";
        return false;
    }
    place.featureCode = std::string(f[7]);
    if (place.featureCode.size() >= kFeatureCodeSize) {
        why = "feature code too long";
        return false;
    }
    if (f[8].size() == 2) {
        place.country[0] = f[8][0];
        place.country[1] = f[8][1];
    }
    place.admin1 = std::string(f[10]);
    if (place.admin1.find('\0') != std::string::npos)
        place.admin1.clear();
    std::uint64_t population = 0;
    if (parseNumber(f[14], population))
        place.population = static_cast<std::uint32_t>(std::min<std::uint64_t>(population, UINT32_MAX));
    return true;
}

class StringPool {
public:
    StringPool() { bytes_.push_back('\0'); }
    std::uint32_t add(const std::string& s)
    {
        if (s.empty())
            return 0;
        const auto it = offsets_.find(s);
        if (it != offsets_.end())
            return it->second;
        const auto offset = static_cast<std::uint32_t>(bytes_.size());
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        bytes_.push_back('\0');
        offsets_.emplace(s, offset);
        return offset;
    }
    const std::vector<char>& bytes() const { return bytes_; }

private:
    std::vector<char> bytes_;
    std::unordered_map<std::string, std::uint32_t> offsets_;
};

// nanoflann saves its nodes as raw structs, child pointers and union padding included.
// Those bytes are never read back (a loader only asks whether a child is null), so they
// are normalised here: the same input then always gives the same file.
void normaliseSavedTree(std::string& saved)
{
    std::size_t pos = sizeof(std::size_t) + sizeof(std::int32_t) + sizeof(Tree::BoundingBox) + sizeof(std::size_t);
    std::size_t vaccCount = 0;
    std::memcpy(&vaccCount, saved.data() + pos, sizeof vaccCount);
    pos += sizeof(std::size_t) + vaccCount * sizeof(std::uint32_t);
    for (; pos + sizeof(TreeNode) <= saved.size(); pos += sizeof(TreeNode)) {
        TreeNode node;
        std::memcpy(static_cast<void*>(&node), saved.data() + pos, sizeof node);
        TreeNode clean;
        std::memset(static_cast<void*>(&clean), 0, sizeof clean);
        if (node.child1 == nullptr && node.child2 == nullptr) {
            clean.node_type.lr = node.node_type.lr;
        } else {
            clean.node_type.sub.divfeat = node.node_type.sub.divfeat;
            clean.node_type.sub.divlow = node.node_type.sub.divlow;
            clean.node_type.sub.divhigh = node.node_type.sub.divhigh;
            clean.child1 = node.child1 ? reinterpret_cast<TreeNode*>(std::uintptr_t{1}) : nullptr;
            clean.child2 = node.child2 ? reinterpret_cast<TreeNode*>(std::uintptr_t{1}) : nullptr;
        }
        std::memcpy(saved.data() + pos, static_cast<const void*>(&clean), sizeof clean);
    }
}

void unitVector(const Place& p, double out[3])
{
    constexpr double rad = 3.14159265358979323846 / 180.0;
    const double lat = p.lat * rad;
    const double lon = p.lon * rad;
    out[0] = std::cos(lat) * std::cos(lon);
    out[1] = std::cos(lat) * std::sin(lon);
    out[2] = std::sin(lat);
}

// Builds the tree over places [first, last) and saves it. The places are then put in the
// tree's own order, so that the points of one leaf lie side by side in the file, and the
// saved permutation becomes the identity.
std::string buildTreeInTreeOrder(std::vector<Place>::iterator first, std::vector<Place>::iterator last)
{
    const auto count = static_cast<std::uint32_t>(last - first);
    if (count == 0)
        return {}; // an empty range has no tree; the reader knows that
    std::vector<double> xyz(std::size_t{count} * 3);
    for (std::uint32_t i = 0; i < count; ++i)
        unitVector(first[i], &xyz[3 * i]);
    PointRange range{xyz.data(), count};
    Tree tree(3, range, nanoflann::KDTreeSingleIndexAdaptorParams(kLeafMaxSize));
    std::ostringstream out(std::ios::binary);
    tree.saveIndex(out);
    std::string saved = out.str();

    std::vector<Place> ordered;
    ordered.reserve(count);
    for (const std::uint32_t i : tree.vAcc)
        ordered.push_back(std::move(first[i]));
    std::move(ordered.begin(), ordered.end(), first);
    const std::size_t vaccAt = sizeof(std::size_t) + sizeof(std::int32_t) + sizeof(Tree::BoundingBox)
                               + sizeof(std::size_t) + sizeof(std::size_t);
    for (std::uint32_t j = 0; j < count; ++j)
        std::memcpy(saved.data() + vaccAt + j * sizeof j, &j, sizeof j);

    normaliseSavedTree(saved);
    return saved;
}

void pad(std::string& out)
{
    while (out.size() % 8)
        out.push_back('\0');
}

Section append(std::string& out, const void* data, std::size_t size)
{
    pad(out);
    Section s{out.size(), size};
    out.append(static_cast<const char*>(data), size);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_place_index INPUT.txt OUTPUT.bin\n";
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "make_place_index: cannot open " << argv[1] << "\n";
        return 1;
    }

    std::vector<Place> places;
    places.reserve(150000);
    std::string line;
    std::size_t lineNumber = 0;
    std::size_t skipped = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line == "\r")
            continue;
        Place place;
        std::string why;
        if (parseLine(line, place, why)) {
            places.push_back(std::move(place));
        } else {
            if (++skipped <= 5)
                std::cerr << "make_place_index: " << argv[1] << ":" << lineNumber << ": skipped (" << why << ")\n";
        }
    }
    if (places.empty()) {
        std::cerr << "make_place_index: no places in " << argv[1] << "\n";
        return 1;
    }
    if (places.size() > UINT32_MAX / 4) {
        std::cerr << "make_place_index: too many places\n";
        return 1;
    }

    // Sections last; each group in the order of its tree (below).
    std::stable_partition(places.begin(), places.end(), [](const Place& p) { return p.featureCode != "PPLX"; });
    const auto count = static_cast<std::uint32_t>(places.size());
    const auto sectionCount = static_cast<std::uint32_t>(
        std::count_if(places.begin(), places.end(), [](const Place& p) { return p.featureCode == "PPLX"; }));

    StringPool strings;
    std::map<std::string, std::uint8_t> codeIndex;
    std::vector<char> codes;
    std::vector<double> xyz(std::size_t{count} * 3);
    std::vector<PlaceRecord> records(count);
    const std::uint32_t localityCount = count - sectionCount;
    const std::string localityTree = buildTreeInTreeOrder(places.begin(), places.begin() + localityCount);
    const std::string sectionTree = buildTreeInTreeOrder(places.begin() + localityCount, places.end());
    for (std::uint32_t i = 0; i < count; ++i) {
        const Place& p = places[i];
        unitVector(p, &xyz[3 * i]);

        auto code = codeIndex.find(p.featureCode);
        if (code == codeIndex.end()) {
            if (codeIndex.size() == 256) {
                std::cerr << "make_place_index: more than 256 feature codes\n";
                return 1;
            }
            code = codeIndex.emplace(p.featureCode, static_cast<std::uint8_t>(codeIndex.size())).first;
            codes.resize(codes.size() + kFeatureCodeSize, '\0');
            std::memcpy(codes.data() + codes.size() - kFeatureCodeSize, p.featureCode.data(), p.featureCode.size());
        }
        PlaceRecord& r = records[i];
        r = PlaceRecord{};
        r.name = strings.add(p.name);
        r.admin1 = strings.add(p.admin1);
        r.geonameId = p.geonameId;
        r.population = p.population;
        r.country[0] = p.country[0];
        r.country[1] = p.country[1];
        r.featureCode = code->second;
    }


    std::string out(sizeof(Header), '\0');
    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.version = kVersion;
    h.headerSize = sizeof(Header);
    h.byteOrderMark = kByteOrderMark;
    h.sizeOfSize = sizeof(std::size_t);
    h.treeNodeSize = sizeof(TreeNode);
    h.placeCount = count;
    h.sectionCount = sectionCount;
    h.featureCodeCount = static_cast<std::uint32_t>(codeIndex.size());
    h.points = append(out, xyz.data(), xyz.size() * sizeof(double));
    h.records = append(out, records.data(), records.size() * sizeof(PlaceRecord));
    h.strings = append(out, strings.bytes().data(), strings.bytes().size());
    h.featureCodes = append(out, codes.data(), codes.size());
    h.localityTree = append(out, localityTree.data(), localityTree.size());
    h.sectionTree = append(out, sectionTree.data(), sectionTree.size());
    pad(out);
    h.fileSize = out.size();
    std::memcpy(out.data(), &h, sizeof h);

    const std::string target = argv[2];
    const std::string temporary = target + ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        if (!file.flush()) {
            std::cerr << "make_place_index: cannot write " << temporary << "\n";
            std::remove(temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::cerr << "make_place_index: cannot rename " << temporary << " to " << target << "\n";
        std::remove(temporary.c_str());
        return 1;
    }
    const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    std::cout << "make_place_index: " << count << " places (" << sectionCount << " sections), " << skipped
              << " lines skipped, " << out.size() << " bytes, " << ms << " ms\n";
    return 0;
}
