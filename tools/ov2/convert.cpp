#include "convert.h"

#include <cstring>
#include <exception>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "area_index.h"
#include "asc_packer.h"
#include "asc_reader.h"
#include "asc_writer.h"
#include "chunk_writer.h"
#include "format_error.h"
#include "ov2_writer.h"

namespace kavinor::ov2 {
namespace {

// Texts from this size on are read as two pieces side by side where the machine has two cores.
constexpr std::size_t kPieceReadFrom = 1 << 20;

// Where the second of two pieces begins: after the line feed nearest past the middle; 0 for one
// piece.
std::size_t pieceSplit(std::span<const char> text) {
    if (text.size() < kPieceReadFrom || std::thread::hardware_concurrency() < 2) return 0;
    const char* middle = text.data() + text.size() / 2;
    const void* feed = std::memchr(middle, '\n', text.size() - text.size() / 2);
    if (feed == nullptr) return 0;
    return static_cast<std::size_t>(static_cast<const char*>(feed) - text.data()) + 1;
}

}  // namespace

void dumpToAsc(Ov2Reader& reader, ByteSink& sink) {
    ChunkWriter out(sink);
    std::string longLine;  // a line longer than a chunk, from a record of long strings
    PoiView poi;
    while (reader.next(poi)) {
        const std::size_t bound = ascLineBound(poi);
        const bool fits = bound <= ChunkWriter::kChunkSize;
        if (!fits) longLine.resize(bound);
        char* const line = fits ? out.room(bound) : longLine.data();
        bool lineBreak = false;
        char* const end = writeAscLine(line, poi, lineBreak);
        if (lineBreak) {
            throw FormatError(reader.displayName() + ": offset " +
                              std::to_string(reader.recordOffset()) +
                              ": a string holds a line break, which an .asc line cannot carry");
        }
        if (fits) {
            out.advance(end);
        } else {
            out.write({line, static_cast<std::size_t>(end - line)});
        }
    }
    out.flush();
}

void makeFromAsc(std::span<char> text, const std::string& displayName, ByteSink& sink) {
    std::vector<IndexedPoi> pois;
    pois.reserve(likelyPoiCount(text));
    const std::size_t split = pieceSplit(text);
    if (split == 0) {
        checkOv2Size(packAscPois(text, displayName, pois).recordBytes);
        writeIndexedOv2(pois, text.data(), sink);
        return;
    }

    // A record never spans a line end, so the text reads as two pieces side by side, the
    // second from the start of a line. The first piece's errors come first, as they would when
    // read in one go, and the second's count their lines from the start of the text.
    const std::span<char> first = text.first(split);
    const std::span<char> second = text.subspan(split);
    std::vector<IndexedPoi> secondPois;
    PackedBodies firstBodies, secondBodies;
    std::exception_ptr firstFailure, secondFailure;
    std::optional<AscError> secondError;
    std::thread worker([&] {
        try {
            secondPois.reserve(likelyPoiCount(second));
            secondBodies = packAscPois(second, displayName, secondPois);
        } catch (const AscError& e) {
            secondError = e;
        } catch (...) {
            secondFailure = std::current_exception();
        }
    });
    try {
        firstBodies = packAscPois(first, displayName, pois);
    } catch (...) {
        firstFailure = std::current_exception();
    }
    worker.join();
    if (firstFailure) std::rethrow_exception(firstFailure);
    if (secondError) throw secondError->below(firstBodies.lineEnds);
    if (secondFailure) std::rethrow_exception(secondFailure);
    checkOv2Size(firstBodies.recordBytes + secondBodies.recordBytes);

    // The second piece's bodies move up to follow the first's, as if read in one go.
    std::memmove(text.data() + firstBodies.bytes, second.data(), secondBodies.bytes);
    const auto shift = static_cast<std::uint32_t>(firstBodies.bytes);
    for (IndexedPoi poi : secondPois) {
        poi.bodyOffset += shift;
        pois.push_back(poi);
    }
    secondPois = {};
    writeIndexedOv2(pois, text.data(), sink);
}

}  // namespace kavinor::ov2
