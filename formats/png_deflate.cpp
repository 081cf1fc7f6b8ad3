#include "formats/png_deflate.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "formats/png_filters.h"

namespace pixmo {

namespace {

constexpr const char* kMsgDeflateInit = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Zlib error");
constexpr const char* kMsgDeflateRow = PIXMO_TRANSLATE_NOOP("pixmo::Core", "ZLIB Error");
constexpr const char* kMsgDeflateFinish = PIXMO_TRANSLATE_NOOP("pixmo::Core", "ZLIB error");

constexpr int kAdaptive = 5;  // a filter chosen per row
// Above this many filtered bytes Max ranks the filter choices with a quick pass first and
// tries only the promising ones in full.
constexpr size_t kRankAbove = size_t{1} << 20;

// A filtered byte's size as a signed value: libpng's measure of how well a filter did.
inline unsigned Cost(uint8_t v) { return v < 128 ? v : 256u - v; }

unsigned long RowCost(const uint8_t* p, size_t n) {
    unsigned long sum = 0;
    for (size_t i = 0; i < n; ++i) sum += Cost(p[i]);
    return sum;
}

// libpng's adaptive choice: the filter whose bytes cost least, ties to the lower type. A
// one-row image has no row above to use, a one-pixel-wide one no left neighbour, and
// libpng leaves the filters that would lean on them out.
class TAdaptiveFilter {
public:
    TAdaptiveFilter(const TPngRows& rows) : FLength(rows.RowBytes), FDistance(rows.Distance) {
        FAllowed = 0x1F;
        if (rows.Height == 1) FAllowed &= ~((1u << 2) | (1u << 3) | (1u << 4));
        if (rows.Width == 1) FAllowed &= ~((1u << 1) | (1u << 3) | (1u << 4));
        for (auto& t : FTry) t.resize(FLength + 1);
    }

    // The chosen filtered row, type byte first.
    const uint8_t* Filter(const uint8_t* row, const uint8_t* prior) {
        int best = -1;
        unsigned long bestCost = 0;
        for (int type = 0; type < 5; ++type) {
            if (!(FAllowed >> type & 1)) continue;
            FilterPngRow(type, row, prior, FLength, FDistance, FTry[type].data());
            const unsigned long cost = RowCost(FTry[type].data() + 1, FLength);
            if (best < 0 || cost < bestCost) best = type, bestCost = cost;
        }
        if (best < 0) {
            best = 0;
            FilterPngRow(0, row, prior, FLength, FDistance, FTry[0].data());
        }
        return FTry[best].data();
    }

private:
    size_t FLength, FDistance;
    unsigned FAllowed;
    std::array<std::vector<uint8_t>, 5> FTry;
};

// Every row filtered as `choice` (a type, or kAdaptive), type bytes included.
std::vector<uint8_t> FilteredRows(const TPngRows& rows, int choice) {
    const size_t n = rows.RowBytes;
    std::vector<uint8_t> out((n + 1) * static_cast<size_t>(rows.Height));
    std::vector<uint8_t> cur(n), prior(n, 0);
    TAdaptiveFilter adaptive(rows);
    for (int y = 0; y < rows.Height; ++y) {
        rows.Read(y, cur.data());
        uint8_t* dst = out.data() + (n + 1) * static_cast<size_t>(y);
        if (choice == kAdaptive) std::memcpy(dst, adaptive.Filter(cur.data(), prior.data()), n + 1);
        else FilterPngRow(choice, cur.data(), prior.data(), n, rows.Distance, dst);
        cur.swap(prior);
    }
    return out;
}

// libpng narrows the window of a small image to what the data needs (zlib's floor is 9).
int WindowBits(size_t dataSize) {
    int bits = 15;
    if (dataSize <= 16384) {
        size_t half = size_t{1} << 14;
        while (dataSize + 262 <= half && bits > 9) {
            half >>= 1;
            --bits;
        }
    }
    return bits;
}

struct TDeflater {
    z_stream Zs{};
    TDeflater(int level, size_t dataSize, int memLevel, int strategy) {
        const int rc = deflateInit2_(&Zs, level, Z_DEFLATED, WindowBits(dataSize), memLevel, strategy,
                                     kZlibVersionAsked, static_cast<int>(sizeof(z_stream)));
        if (rc == Z_MEM_ERROR) throw std::bad_alloc();
        if (rc != Z_OK) throw ETKPNGLE(CoreMessage(kMsgDeflateInit));
    }
    ~TDeflater() { deflateEnd(&Zs); }
    TDeflater(const TDeflater&) = delete;
    TDeflater& operator=(const TDeflater&) = delete;
};

// Normal: rows filtered and deflated one at a time, as libpng writes them. memLevel 9 (not
// libpng's 8): on flat pixel art it gives the smaller stream more often.
std::vector<uint8_t> DeflateNormal(const TPngRows& rows) {
    const size_t n = rows.RowBytes;
    const size_t dataSize = (n + 1) * static_cast<size_t>(rows.Height);
    TDeflater d(Z_DEFAULT_COMPRESSION, dataSize, 9, rows.Truecolour ? Z_FILTERED : Z_DEFAULT_STRATEGY);
    std::vector<uint8_t> out(std::max<size_t>(dataSize / 4, 1024));
    d.Zs.next_out = out.data();
    d.Zs.avail_out = static_cast<uInt>(out.size());
    auto room = [&] {
        if (d.Zs.avail_out != 0) return;
        const size_t used = out.size();
        out.resize(used * 2);
        d.Zs.next_out = out.data() + used;
        d.Zs.avail_out = static_cast<uInt>(out.size() - used);
    };
    std::vector<uint8_t> cur(n + 1, 0), prior(n, 0);
    TAdaptiveFilter adaptive(rows);
    for (int y = 0; y < rows.Height; ++y) {
        rows.Read(y, cur.data() + 1);
        const uint8_t* filtered = cur.data();
        if (rows.Truecolour) filtered = adaptive.Filter(cur.data() + 1, prior.data());
        d.Zs.next_in = const_cast<uint8_t*>(filtered);
        d.Zs.avail_in = static_cast<uInt>(n + 1);
        while (d.Zs.avail_in > 0) {
            if (deflate(&d.Zs, Z_NO_FLUSH) < 0) throw ETKPNGLE(CoreMessage(kMsgDeflateRow));
            room();
        }
        std::memcpy(prior.data(), cur.data() + 1, n);
    }
    for (;;) {
        const int z = deflate(&d.Zs, Z_FINISH);
        if (z < 0 && z != Z_BUF_ERROR) throw ETKPNGLE(CoreMessage(kMsgDeflateFinish));
        if (z == Z_STREAM_END) break;
        room();
    }
    out.resize(d.Zs.total_out);
    return out;
}

// One zlib trial over the whole stream; false when it needs more than `limit` bytes.
bool ZlibTrial(const std::vector<uint8_t>& data, int memLevel, int strategy, size_t limit, std::vector<uint8_t>& out) {
    TDeflater d(9, data.size(), memLevel, strategy);
    out.resize(limit);
    d.Zs.next_in = const_cast<uint8_t*>(data.data());
    d.Zs.avail_in = static_cast<uInt>(data.size());
    d.Zs.next_out = out.data();
    d.Zs.avail_out = static_cast<uInt>(limit);
    const int z = deflate(&d.Zs, Z_FINISH);
    if (z == Z_STREAM_END) {
        out.resize(d.Zs.total_out);
        return true;
    }
    if (z < 0 && z != Z_BUF_ERROR) throw ETKPNGLE(CoreMessage(kMsgDeflateFinish));
    return false;  // ran out of room: larger than what is kept
}

struct TCompressor {
    libdeflate_compressor* C;
    explicit TCompressor(int level) : C(libdeflate_alloc_compressor(level)) {
        if (!C) throw std::bad_alloc();
    }
    ~TCompressor() { libdeflate_free_compressor(C); }
    TCompressor(const TCompressor&) = delete;
    TCompressor& operator=(const TCompressor&) = delete;
    // The zlib stream in at most `limit` bytes, or 0 when it needs more.
    size_t Compress(const std::vector<uint8_t>& data, std::vector<uint8_t>& out, size_t limit) {
        out.resize(limit);
        const size_t size = libdeflate_zlib_compress(C, data.data(), data.size(), out.data(), limit);
        out.resize(size);
        return size;
    }
};

// Max: every filter choice through libdeflate's strongest level, then zlib's level 9
// strategies on the best choice; the smallest stream is kept. A trial stops as soon as it
// outgrows the best so far. Large images try in full only the choices a quick pass ranks
// within 3 % of the best.
std::vector<uint8_t> DeflateMax(const TPngRows& rows) {
    const size_t dataSize = (rows.RowBytes + 1) * static_cast<size_t>(rows.Height);
    std::vector<int> choices = {0, 1, 2, 3, 4, kAdaptive};
    if (dataSize > kRankAbove) {
        // A quick pass ranks the choices; those far behind the best cannot catch up.
        TCompressor quick(3);
        std::vector<std::pair<size_t, int>> ranked;
        std::vector<uint8_t> out;
        for (int choice : choices)
            ranked.emplace_back(quick.Compress(FilteredRows(rows, choice), out, libdeflate_zlib_compress_bound(quick.C, dataSize)), choice);
        std::sort(ranked.begin(), ranked.end());
        choices.clear();
        for (const auto& [size, choice] : ranked)
            if (size <= ranked.front().first + ranked.front().first / 32) choices.push_back(choice);
    }
    TCompressor strong(12);
    std::vector<uint8_t> best, trial;
    int bestChoice = choices.front();
    for (int choice : choices) {
        const std::vector<uint8_t> data = FilteredRows(rows, choice);
        const size_t limit = best.empty() ? libdeflate_zlib_compress_bound(strong.C, data.size()) : best.size() - 1;
        if (limit > 0 && strong.Compress(data, trial, limit) > 0) {
            best.swap(trial);
            bestChoice = choice;
        }
    }
    const std::vector<uint8_t> data = FilteredRows(rows, bestChoice);
    for (int memLevel : {9, 8}) {
        if (memLevel == 8 && dataSize > kRankAbove) break;  // seldom better, and as slow again
        for (int strategy : {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_RLE, Z_HUFFMAN_ONLY})
            if (best.size() > 1 && ZlibTrial(data, memLevel, strategy, best.size() - 1, trial)) best.swap(trial);
    }
    return best;
}

}  // namespace

void FilterPngRow(int type, const uint8_t* row, const uint8_t* prior, size_t length, size_t distance, uint8_t* out) {
    out[0] = static_cast<uint8_t>(type);
    uint8_t* o = out + 1;
    const size_t d = std::min(distance, length);
    switch (type) {
        case 1:
            std::memcpy(o, row, d);
            for (size_t i = d; i < length; ++i) o[i] = static_cast<uint8_t>(row[i] - row[i - d]);
            break;
        case 2:
            for (size_t i = 0; i < length; ++i) o[i] = static_cast<uint8_t>(row[i] - prior[i]);
            break;
        case 3:
            for (size_t i = 0; i < d; ++i) o[i] = static_cast<uint8_t>(row[i] - (prior[i] >> 1));
            for (size_t i = d; i < length; ++i) o[i] = static_cast<uint8_t>(row[i] - ((row[i - d] + prior[i]) >> 1));
            break;
        case 4:
            for (size_t i = 0; i < d; ++i) o[i] = static_cast<uint8_t>(row[i] - prior[i]);
            for (size_t i = d; i < length; ++i)
                o[i] = static_cast<uint8_t>(row[i] - PaethPredictor(row[i - d], prior[i], prior[i - d]));
            break;
        default:
            std::memcpy(o, row, length);
            break;
    }
}

std::vector<uint8_t> DeflatePngRows(const TPngRows& rows, TPngLevel level) {
    return level == TPngLevel::Max ? DeflateMax(rows) : DeflateNormal(rows);
}

}  // namespace pixmo
