#include "file_join.h"

#include <memory>
#include <string>

#include "atomic_file.h"
#include "input_file.h"
#include "io_error.h"
#include "messages.h"

namespace kavinor::kvcmd {

void joinFiles(const std::vector<std::filesystem::path>& sources,
               const std::filesystem::path& target) {
    constexpr std::size_t kChunk = 1 << 20;
    const std::string cannotWrite = messages::cannotWrite(target.string());
    // Names the step under way, so a failure is reported against the right file.
    std::string failure = cannotWrite;
    try {
        AtomicFile output(target, target.string());
        const auto buffer = std::make_unique_for_overwrite<char[]>(kChunk);
        for (const std::filesystem::path& source : sources) {
            const std::string cannotRead = messages::cannotRead(source.string());
            failure = cannotRead;
            InputFile input(source, source.string());
            failure = cannotWrite;
            output.writeWithinSystem(input);
            failure = cannotRead;
            while (const std::size_t got = input.read(buffer.get(), kChunk)) {
                failure = cannotWrite;
                output.write(buffer.get(), got);
                failure = cannotRead;
            }
        }
        failure = cannotWrite;
        output.commit();
    } catch (const IoError&) {
        throw CopyFailure(failure);
    }
}

}  // namespace kavinor::kvcmd
