#include "run_floor.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "atomic_file.h"
#include "convert.h"
#include "input_file.h"
#include "ov2_reader.h"

namespace kavinor::bench {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The joined texts as the run's step 2 makes them: each file's text, then a Ctrl-Z.
fs::path writeJoinedText(const FloorSetup& setup) {
    const fs::path joined = setup.workDir / "komplett.txt";
    AtomicFile sink(joined, joined.string());
    for (const std::string& name : setup.names) {
        InputFile file(setup.sourceDir / name, name);
        ov2::Ov2Reader reader(file, file.size(), name);
        ov2::dumpToAsc(reader, sink);
    }
    sink.write("\x1A");
    sink.commit();
    return joined;
}

// A line per start, in the step scripts' form: the program named with ".exe" and a backslash,
// which kvcmd resolves, and its two quoted arguments.
fs::path writeStartScript(const FloorSetup& setup, const fs::path& joined) {
    const std::string program = quoted(setup.nothing.parent_path().string() + "\\" +
                                       setup.nothing.filename().string() + ".exe");
    const fs::path script = setup.workDir / "starts.bat";
    std::ofstream out(script, std::ios::binary);
    out << "cd " << quoted(setup.workDir.string()) << "\r\n";
    for (const std::string& name : setup.names) {
        const std::string base = name.substr(0, name.size() - 4);
        out << program << " " << quoted(setup.sourceDir.string() + "\\" + name) << " "
            << quoted(base + ".asc") << "\r\n";
    }
    out << program << " " << quoted(joined.string()) << " \"komplett.ov2\"\r\n";
    if (!out.flush()) throw std::runtime_error("cannot write " + script.string());
    return script;
}

}  // namespace

FloorJobs floorJobs(const FloorSetup& setup) {
    const fs::path copies = setup.workDir / "Kopien";
    fs::create_directories(copies);
    const fs::path joined = writeJoinedText(setup);
    const fs::path script = writeStartScript(setup, joined);

    const fs::path log = setup.workDir / "starts.log";
    FloorJobs jobs{
        {{{setup.kvcmd.string(), "/c", quoted(script.string())}, log, log, fs::file_size(script)}},
        {}};
    // The bytes of the sources copied by as few processes as the argument list allows, so
    // that this part is the copying, not more starts.
    constexpr std::size_t kFilesPerCat = 1000;
    for (std::size_t first = 0; first < setup.names.size(); first += kFilesPerCat) {
        std::vector<std::string> argv{"cat"};
        std::uint64_t size = 0;
        for (std::size_t i = first; i < std::min(first + kFilesPerCat, setup.names.size()); ++i) {
            const fs::path source = setup.sourceDir / setup.names[i];
            argv.push_back(source.string());
            size += fs::file_size(source);
        }
        const fs::path copy = copies / (std::to_string(first) + ".ov2");
        jobs.copies.push_back({argv, copy, copy, size});
    }
    const fs::path joinedCopy = setup.workDir / "komplett.kopie";
    jobs.copies.push_back(
        {{"cat", joined.string()}, joinedCopy, joinedCopy, fs::file_size(joined)});
    return jobs;
}

}  // namespace kavinor::bench
