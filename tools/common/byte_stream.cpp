#include "byte_stream.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace kavinor {

void ByteSink::writeAt(std::uint64_t, const char*, std::size_t) {
    throw std::logic_error("this sink takes no writes at offsets");
}

std::size_t MemorySource::read(char* buffer, std::size_t size) {
    const std::size_t n = std::min(size, data_.size());
    if (n != 0) std::memcpy(buffer, data_.data(), n);
    data_.remove_prefix(n);
    return n;
}

}  // namespace kavinor
