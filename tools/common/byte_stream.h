#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kavinor {

// Where bytes come from: a file or, in tests and fuzzing, memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes into `buffer`; returns how many, 0 only at the end.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
};

// Where bytes go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const char* data, std::size_t size) = 0;
    void write(std::string_view text) { write(text.data(), text.size()); }

    // Whether writeAt() may be used: a file that nothing was written to yet.
    virtual bool takesWritesAt() const { return false; }
    // Bytes at `offset` from the start, from several threads at once for pieces that do not
    // overlap. Once it is used, write() is not.
    virtual void writeAt(std::uint64_t offset, const char* data, std::size_t size);
};

// Passes what is written on to a sink's writeAt(), from an offset on.
class SinkAt final : public ByteSink {
public:
    SinkAt(ByteSink& sink, std::uint64_t offset) : sink_(sink), offset_(offset) {}
    using ByteSink::write;
    void write(const char* data, std::size_t size) override {
        sink_.writeAt(offset_, data, size);
        offset_ += size;
    }

private:
    ByteSink& sink_;
    std::uint64_t offset_;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view data) : data_(data) {}
    std::size_t read(char* buffer, std::size_t size) override;

private:
    std::string_view data_;
};

class StringSink final : public ByteSink {
public:
    using ByteSink::write;
    void write(const char* data, std::size_t size) override { bytes.append(data, size); }
    std::string bytes;
};

}  // namespace kavinor
