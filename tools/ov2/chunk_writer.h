#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "byte_stream.h"

namespace kavinor::ov2 {

// Gathers the small pieces of a tool's output and hands them to a sink in chunks as large as
// an AtomicFile's buffer, which writes such a chunk straight to its file: one call and no copy
// per chunk instead of one per record.
class ChunkWriter {
public:
    static constexpr std::size_t kChunkSize = 256 * 1024;

    explicit ChunkWriter(ByteSink& sink);

    // Room for `size` bytes, at most kChunkSize; the bytes written there count once advance()
    // is given the end of what was written.
    char* room(std::size_t size) {
        if (kChunkSize - used_ < size) flush();
        return buffer_.get() + used_;
    }
    void advance(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }

    // Bytes of any size.
    void write(std::string_view bytes);

    // Hands what is gathered to the sink; call it once at the end.
    void flush();

private:
    ByteSink& sink_;
    // Left uninitialised: a small output touches only the pages it fills.
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

}  // namespace kavinor::ov2
