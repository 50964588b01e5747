// runbench TOOL_DIR [--cases abc] [--times N]: whole runs of the conversion button through the
// program core, with the real kvcmd and tools of TOOL_DIR, each timed from the handler's call to
// its message, beside the floor of its case in the same process. Prints figures; fails only when
// a run fails.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include "headless_program.h"
#include "measure.h"
#include "merged_output.h"
#include "random.h"
#include "report.h"
#include "run_floor.h"
#include "source_files.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using kavinor::bench::HeadlessProgram;
using kavinor::bench::Measurement;

constexpr std::uint64_t kSeed = 20'260'317;
constexpr int kListRepetitions = 5;

struct Case {
    char key;
    const char* title;
    int files;
    int minPois;
    int maxPois;
    double targetSeconds;
    std::optional<double> floorRatio;
    bool timesLists;  // also what the user does before the run: the list fill and the full copy
};

constexpr Case kCases[] = {
    {'a', "1,000 .ov2 files of 1,000 POIs", 1000, 1000, 1000, 1.2, 2.0, false},
    {'b', "20 .ov2 files of 50,000 POIs", 20, 50'000, 50'000, 0.6, {}, false},
    // As many files as a list holds, as a user's collection of small ones has them.
    {'c', "32,767 .ov2 files of 1 to 5 POIs", 32'767, 1, 5, 60.0, 2.0, true},
};

struct Options {
    fs::path toolDir;
    std::string cases = "abc";
    int times = 5;
};

Options parse(int argc, char** argv) {
    if (argc < 2) throw std::invalid_argument("no tool directory");
    // The scripts run in the output directory: a relative path would not reach the tools there.
    Options options{fs::canonical(argv[1])};
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 == argc) throw std::invalid_argument("no value after " + std::string(arg));
        if (arg == "--cases") {
            options.cases = argv[++i];
        } else if (arg == "--times") {
            options.times = std::atoi(argv[++i]);
            if (options.times < 1)
                throw std::invalid_argument("--times needs a count of 1 or more");
        } else {
            throw std::invalid_argument("unknown argument " + std::string(arg));
        }
    }
    return options;
}

std::string loadAverage() {
    double load[3] = {};
    if (getloadavg(load, 3) != 3) return "unknown";
    char text[48];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}

void time(Measurement& measurement, const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    step();
    measurement.cpuSeconds.push_back(static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    measurement.seconds.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

// The source list filled by the confirmation of the input frame, and the full copy with ">>".
void timeLists(HeadlessProgram& program, const Case& c, const fs::path& sourceDir) {
    Measurement fills;
    Measurement copies;
    for (int i = 0; i < kListRepetitions; ++i) {
        time(fills, [&] { program.confirmSource(sourceDir); });
        time(copies, [&] { program.copyAll(); });
    }
    const std::string key = std::string(1, c.key) + ") ";
    kavinor::bench::printTime(key + "fill the source list (confirmation)", fills, {});
    kavinor::bench::printTime(key + "copy all names with >>", copies, {});
}

// Each repetition of `first` followed by the same repetition of `second`.
Measurement together(const Measurement& first, const Measurement& second) {
    Measurement sum;
    for (std::size_t i = 0; i < first.seconds.size(); ++i) {
        sum.seconds.push_back(first.seconds[i] + second.seconds[i]);
        sum.cpuSeconds.push_back(first.cpuSeconds[i] + second.cpuSeconds[i]);
    }
    return sum;
}

// Why a run's outcome is wrong; nothing when it is right.
std::optional<std::string> fault(const kavinor::bench::RunOutcome& outcome, const fs::path& output,
                                 std::uint64_t pois, std::optional<std::uint64_t>& checksum) {
    if (!outcome.succeeded) return "no success message";
    try {
        const kavinor::bench::MergedOutput merged = kavinor::bench::readMergedOutput(output);
        if (merged.pois != pois) {
            return "the output holds " + std::to_string(merged.pois) + " POIs, not " +
                   std::to_string(pois);
        }
        if (checksum && *checksum != merged.checksum) return "the output differs from the first";
        checksum = merged.checksum;
    } catch (const std::exception& error) {
        return error.what();
    }
    return std::nullopt;
}

bool runCase(const Case& c, HeadlessProgram& program, const Options& options) {
    const kavinor::test::TempDir temp("kavinor-runbench");
    const fs::path sourceDir = temp.path() / "Sonderziele";
    const fs::path outDir = temp.path() / "Navi Karten";
    const fs::path output = outDir / "Alle Sonderziele.ov2";
    kavinor::bench::Random random(kSeed + static_cast<std::uint64_t>(c.key));
    const kavinor::bench::SourceFiles sources =
        kavinor::bench::makeSourceFiles(sourceDir, c.files, c.minPois, c.maxPois, random);
    std::printf("\n%c) %s: %llu POIs, %.1f MB; load average %s\n", c.key, c.title,
                static_cast<unsigned long long>(sources.pois), sources.bytes / 1e6,
                loadAverage().c_str());
    kavinor::bench::printTimeHeader();
    if (c.timesLists) timeLists(program, c, sourceDir);
    // A slow case takes minutes: what is known shows meanwhile.
    std::fflush(stdout);

    Measurement runs;
    int skippedPauseMs = 0;
    std::optional<std::uint64_t> checksum;
    bool allRight = true;
    for (int i = 0; i < options.times; ++i) {
        fs::remove_all(outDir);
        fs::create_directories(outDir);
        program.confirmSource(sourceDir);
        program.copyAll();
        if (program.targetCount() != static_cast<std::size_t>(c.files)) {
            throw std::runtime_error("the target list holds " +
                                     std::to_string(program.targetCount()) + " names");
        }
        const kavinor::bench::RunOutcome outcome = program.convert(output);
        if (const auto wrong = fault(outcome, output, sources.pois, checksum)) {
            std::fprintf(stderr, "runbench: case %c, run %d failed: %s\n", c.key, i + 1,
                         wrong->c_str());
            allRight = false;
            continue;
        }
        runs.seconds.push_back(outcome.seconds);
        runs.cpuSeconds.push_back(outcome.cpuSeconds);
        skippedPauseMs = outcome.skippedPauseMs;
    }

    const kavinor::bench::FloorJobs floorJobs =
        kavinor::bench::floorJobs({options.toolDir / "kvcmd", KAVINOR_NOTHING_PROGRAM, sourceDir,
                                   sources.names, temp.path() / "Boden"});
    const Measurement starts = kavinor::bench::measure(floorJobs.starts, options.times);
    const Measurement copies = kavinor::bench::measure(floorJobs.copies, options.times);
    const Measurement floor = together(starts, copies);
    const std::string key = std::string(1, c.key) + ") ";
    if (!runs.seconds.empty()) {
        kavinor::bench::printTime(key + "run: click to message", runs, c.targetSeconds);
    }
    kavinor::bench::printTime(
        key + "floor: " + std::to_string(c.files + 1) + " starts through kvcmd", starts, {});
    kavinor::bench::printTime(
        key + "floor: cat of the bytes, " + std::to_string(floorJobs.copies.size()) + " processes",
        copies, {});
    kavinor::bench::printTime(key + "floor: both", floor, {});
    if (!runs.seconds.empty()) {
        kavinor::bench::printRatio(
            key + "run / floor (medians)",
            kavinor::bench::median(runs.seconds) / kavinor::bench::median(floor.seconds),
            c.floorRatio);
        std::printf("   output: %llu POIs, FNV-1a 64 %016llx; fixed pauses not waited: %.1f s\n",
                    static_cast<unsigned long long>(sources.pois),
                    static_cast<unsigned long long>(*checksum), skippedPauseMs / 1000.0);
    }
    std::fflush(stdout);
    return allRight;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        std::printf("runbench: %d runs of each case on %u cores; load average %s\n", options.times,
                    std::thread::hardware_concurrency(), loadAverage().c_str());
        HeadlessProgram program(options.toolDir);
        bool allRight = true;
        for (const Case& c : kCases) {
            if (options.cases.find(c.key) == std::string::npos) continue;
            allRight = runCase(c, program, options) && allRight;
        }
        std::printf("\nload average at the end %s\n", loadAverage().c_str());
        return allRight ? 0 : 1;
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "runbench: %s\nusage: runbench TOOL_DIR [--cases abc] [--times N]\n",
                     error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "runbench: %s\n", error.what());
        return 1;
    }
}
