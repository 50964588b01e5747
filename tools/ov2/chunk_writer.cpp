#include "chunk_writer.h"

#include <cstring>

namespace kavinor::ov2 {

ChunkWriter::ChunkWriter(ByteSink& sink)
    : sink_(sink), buffer_(std::make_unique_for_overwrite<char[]>(kChunkSize)) {}

void ChunkWriter::write(std::string_view bytes) {
    if (bytes.size() > kChunkSize) {
        flush();
        sink_.write(bytes);
        return;
    }
    char* out = room(bytes.size());
    if (!bytes.empty()) std::memcpy(out, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void ChunkWriter::flush() {
    if (used_ != 0) sink_.write(buffer_.get(), used_);
    used_ = 0;
}

}  // namespace kavinor::ov2
