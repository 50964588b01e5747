// ov2bench TOOL_DIR [WINDOWS_TOOL_DIR]: times dumpov2 and makeov2 of TOOL_DIR on a million
// made-up POIs, and kvcmd's join of their texts, with cat doing the same copies as the floor, and
// prints each figure beside its target. Given a directory of the Windows build, it also times
// dumpov2.exe and makeov2.exe on the same files under Wine.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "data_set.h"
#include "join_text.h"
#include "measure.h"
#include "process.h"
#include "random.h"
#include "report.h"
#include "temp_dir.h"

namespace {

using kavinor::bench::Job;
using kavinor::bench::Measurement;
namespace fs = std::filesystem;

constexpr int kFiles = 20;
constexpr int kPoisPerFile = 50'000;
constexpr int kRepetitions = 5;
constexpr std::uint64_t kSeed = 20'240'601;

constexpr double kDumpTargetSeconds = 0.2;
constexpr double kMakeTargetSeconds = 0.3;
constexpr double kMemoryTargetRatio = 2.0;

std::vector<fs::path> partFiles(const fs::path& dir, const char* extension) {
    std::vector<fs::path> files;
    for (int i = 1; i <= kFiles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "teil%02d%s", i, extension);
        files.push_back(dir / name);
    }
    return files;
}

std::uint64_t totalInput(const std::vector<Job>& jobs) {
    std::uint64_t total = 0;
    for (const Job& job : jobs) total += job.inputBytes;
    return total;
}

void run(const fs::path& toolDir, const fs::path& windowsToolDir) {
    const kavinor::test::TempDir dir("kavinor-bench");
    const std::vector<fs::path> ov2Files = partFiles(dir.path(), ".ov2");
    const std::vector<fs::path> ascFiles = partFiles(dir.path(), ".asc");
    const std::vector<fs::path> copies = partFiles(dir.path(), ".kopie");
    const fs::path joined = dir.path() / "komplett.txt";
    const fs::path joinedOv2 = dir.path() / "komplett.ov2";
    const fs::path joinedCopy = dir.path() / "komplett.kopie";

    // A forked child makes the data: every tool is forked from this process and starts with a
    // copy of its resident memory, which would count towards the tool's peak.
    kavinor::bench::runForked(
        [&] {
            kavinor::bench::Random random(kSeed);
            for (const fs::path& file : ov2Files) {
                kavinor::bench::writeOv2File(file, kPoisPerFile, random);
            }
        },
        "making the test data");

    std::vector<Job> dumpJobs, catOv2Jobs;
    for (int i = 0; i < kFiles; ++i) {
        const std::uint64_t size = fs::file_size(ov2Files[i]);
        dumpJobs.push_back(
            {{(toolDir / "dumpov2").string(), ov2Files[i].string(), ascFiles[i].string()},
             {},
             ascFiles[i],
             size});
        catOv2Jobs.push_back({{"cat", ov2Files[i].string()}, copies[i], copies[i], size});
    }
    const Measurement dump = kavinor::bench::measure(dumpJobs, kRepetitions);
    const Measurement catOv2 = kavinor::bench::measure(catOv2Jobs, kRepetitions);

    kavinor::bench::joinAsCopy(ascFiles, joined);
    const std::uint64_t joinedSize = fs::file_size(joined);
    const Job makeJob{{(toolDir / "makeov2").string(), joined.string(), joinedOv2.string()},
                      {},
                      joinedOv2,
                      joinedSize};
    const Job catJoinedJob{{"cat", joined.string()}, joinedCopy, joinedCopy, joinedSize};
    const Measurement make = kavinor::bench::measure({makeJob}, kRepetitions);
    const Measurement catJoined = kavinor::bench::measure({catJoinedJob}, kRepetitions);

    // The join of step 2 as the script runs it, against cat joining the same files.
    const fs::path kvcmdJoined = dir.path() / "komplett.kvcmd";
    const Job kvcmdJoinJob{
        {(toolDir / "kvcmd").string(), "/c",
         "copy \"" + (dir.path() / "*.asc").string() + "\" \"" + kvcmdJoined.string() + "\""},
        dir.path() / "kvcmd.out",
        kvcmdJoined,
        joinedSize};
    std::vector<std::string> catAll{"cat"};
    for (const fs::path& file : ascFiles) catAll.push_back(file.string());
    const fs::path catJoinedParts = dir.path() / "komplett.cat";
    const Job catJoinJob{catAll, catJoinedParts, catJoinedParts, joinedSize};
    const Measurement kvcmdJoin = kavinor::bench::measure({kvcmdJoinJob}, kRepetitions);
    const Measurement catJoin = kavinor::bench::measure({catJoinJob}, kRepetitions);

    // The same steps through the Windows tools, each process started by Wine.
    std::optional<Measurement> wineDump;
    std::optional<Measurement> wineMake;
    if (!windowsToolDir.empty()) {
        std::vector<Job> wineDumpJobs;
        for (Job job : dumpJobs) {
            job.argv[0] = (windowsToolDir / "dumpov2.exe").string();
            job.argv.insert(job.argv.begin(), "wine");
            wineDumpJobs.push_back(std::move(job));
        }
        Job wineMakeJob = makeJob;
        wineMakeJob.argv[0] = (windowsToolDir / "makeov2.exe").string();
        wineMakeJob.argv.insert(wineMakeJob.argv.begin(), "wine");
        wineDump = kavinor::bench::measure(wineDumpJobs, kRepetitions);
        wineMake = kavinor::bench::measure({wineMakeJob}, kRepetitions);
    }

    const double mib = 1024.0 * 1024.0;
    std::printf("ov2bench: %d POIs in %d .ov2 files of %d; %d runs of each step on %u cores\n",
                kFiles * kPoisPerFile, kFiles, kPoisPerFile, kRepetitions,
                std::thread::hardware_concurrency());
    std::printf(".ov2 files: %.1f MiB in all; joined text (komplett.txt): %.1f MiB\n\n",
                totalInput(dumpJobs) / mib, joinedSize / mib);

    using kavinor::bench::printMemory;
    using kavinor::bench::printTime;
    const std::string files = std::to_string(kFiles);
    kavinor::bench::printTimeHeader();
    printTime("a) dumpov2, " + files + " files one after another", dump, kDumpTargetSeconds);
    printTime("d) floor: cat, " + files + " .ov2 files one after another", catOv2, {});
    printTime("b) makeov2 of the joined text", make, kMakeTargetSeconds);
    printTime("d) floor: cat of the joined text", catJoined, {});
    printTime("e) kvcmd: copy *.asc komplett.txt", kvcmdJoin, {});
    printTime("d) floor: cat of the " + files + " texts into one", catJoin, {});
    if (wineDump && wineMake) {
        printTime("w) dumpov2.exe under Wine, " + files + " files", *wineDump, {});
        printTime("w) makeov2.exe under Wine, joined text", *wineMake, {});
    }
    std::printf("\n");
    kavinor::bench::printMemoryHeader();
    printMemory("c) dumpov2, largest of its " + std::to_string(kFiles * kRepetitions) + " runs",
                dump, kMemoryTargetRatio);
    printMemory("c) makeov2, largest of its " + std::to_string(kRepetitions) + " runs", make,
                kMemoryTargetRatio);
    printMemory("e) kvcmd join, largest of its " + std::to_string(kRepetitions) + " runs",
                kvcmdJoin, {});
    printMemory("d) floor: cat of an .ov2 file, largest", catOv2, {});
    printMemory("d) floor: cat of the joined text, largest", catJoined, {});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: ov2bench TOOL_DIR [WINDOWS_TOOL_DIR]\n");
        return 2;
    }
    try {
        run(argv[1], argc == 3 ? fs::path(argv[2]) : fs::path());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ov2bench: %s\n", e.what());
        return 1;
    }
}
