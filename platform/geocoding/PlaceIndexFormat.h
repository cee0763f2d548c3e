#pragma once
// The place index file, shared by the build-time tool that writes it and the reader that
// maps it. Plain C++ (no Qt), so that the tool stays small.
//
// Layout: a fixed header, then 8-aligned sections. Places are stored with every
// non-section place first and the sections of populated places (feature code PPLX)
// last, so that each of the two k-d trees covers one contiguous range. The trees are
// nanoflann's own saved form; that form holds native integers and the raw node struct,
// so the header records the sizes the file was written with and a reader refuses any
// other layout.

#include <nanoflann.hpp>

#include <cstddef>
#include <cstdint>

namespace placeindex {

// Points in the index: unit vectors on the sphere, three doubles per place. Distances
// between unit vectors (chords) order places exactly as great-circle distances do.
struct PointRange {
    const double* xyz = nullptr;
    std::uint32_t count = 0;

    std::size_t kdtree_get_point_count() const { return count; }
    double kdtree_get_pt(std::size_t i, std::size_t dim) const { return xyz[3 * i + dim]; }
    template <class BBox>
    bool kdtree_get_bbox(BBox&) const
    {
        return false;
    }
};

using Tree = nanoflann::KDTreeSingleIndexAdaptor<nanoflann::L2_Simple_Adaptor<double, PointRange>, PointRange, 3,
                                                 std::uint32_t>;
using TreeNode = Tree::Node;

inline constexpr char kMagic[8] = {'Q', 'R', 'V', 'L', 'P', 'L', 'C', 'X'};
inline constexpr std::uint32_t kVersion = 1;
inline constexpr std::uint32_t kByteOrderMark = 0x01020304u;
inline constexpr std::size_t kFeatureCodeSize = 8; // NUL-padded, e.g. "PPLX"
inline constexpr std::size_t kLeafMaxSize = 32;

struct Section {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

struct Header {
    char magic[8];
    std::uint32_t version;
    std::uint32_t headerSize;
    std::uint32_t byteOrderMark;
    std::uint32_t sizeOfSize;     // sizeof(size_t) of the writer
    std::uint32_t treeNodeSize;   // sizeof(TreeNode) of the writer
    std::uint32_t placeCount;
    std::uint32_t sectionCount;   // the last sectionCount places are PPLX
    std::uint32_t featureCodeCount;
    std::uint64_t fileSize;
    Section points;       // placeCount * 3 doubles
    Section records;      // placeCount * PlaceRecord
    Section strings;      // UTF-8, each string NUL-terminated; offset 0 is ""
    Section featureCodes; // featureCodeCount * kFeatureCodeSize
    Section localityTree; // nanoflann saveIndex over places [0, placeCount - sectionCount)
    Section sectionTree;  // nanoflann saveIndex over places [placeCount - sectionCount, placeCount)
};

struct PlaceRecord {
    std::uint32_t name;       // offset into strings
    std::uint32_t admin1;     // offset into strings (GeoNames admin1 code, may be "")
    std::uint32_t geonameId;
    std::uint32_t population;
    char country[2];          // ISO 3166-1 alpha-2, or two NULs
    std::uint8_t featureCode; // index into featureCodes
    std::uint8_t reserved;
};

static_assert(sizeof(Section) == 16);
static_assert(sizeof(Header) == 144);
static_assert(sizeof(PlaceRecord) == 20);

inline constexpr double kEarthRadiusMetres = 6371008.8; // mean radius, as Location uses

} // namespace placeindex
