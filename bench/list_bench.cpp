// listbench: the window core with a view on each list box that follows every notice. Times
// filling the source list from a directory of 32,767 files (the confirmation of the input
// frame), and the full copy of its 32,767 entries into the target list.
#include <time.h>

#include <algorithm>

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "iconv_code_pages.h"
#include "icu_collation.h"
#include "list_view.h"
#include "mount_drives.h"
#include "platform_doubles.h"
#include "posix_directory_fill.h"
#include "posix_path_test.h"
#include "program.h"
#include "temp_dir.h"
#include "xdg_links.h"

namespace {

namespace fs = std::filesystem;
using kavinor::test::TempDir;

constexpr int kFiles = 32767;
constexpr int kRepetitions = 5;
constexpr double kTargetSeconds = 0.1;

// Names as a user's collection has them: words, umlauts, digits, in no order.
std::vector<std::string> fileNames() {
    const std::vector<std::string> words{"Burg",   "Schloss", "Gipfel",  "Äussere", "See",
                                         "Ölberg", "Ufer",    "Kapelle", "straße",  "Zoo"};
    std::mt19937 random(20261206);
    std::vector<std::string> names;
    for (int i = 0; i < kFiles; ++i) {
        names.push_back(words[random() % words.size()] + " " + words[random() % words.size()] +
                        " " + std::to_string(i) + ".ov2");
    }
    std::shuffle(names.begin(), names.end(), random);
    return names;
}

struct Times {
    std::vector<double> wall;
    std::vector<double> cpu;
};

double cpuNow() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void time(Times& times, const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuNow();
    step();
    times.cpu.push_back(cpuNow() - cpuStart);
    times.wall.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The target counts as met by the median wall clock; the processor time beside it tells how
// much of that the work itself took when other processes held the cores.
void report(const char* label, const Times& times) {
    const double wall = median(times.wall);
    std::printf("%-38s best %6.3f s  median %6.3f s  cpu %6.3f s  target < %.1f s: %s\n", label,
                *std::min_element(times.wall.begin(), times.wall.end()), wall, median(times.cpu),
                kTargetSeconds, wall < kTargetSeconds ? "met" : "MISSED");
}

}  // namespace

int main() {
    try {
        const TempDir temp("kavinor-listbench");
        const fs::path dir = temp.path() / "Viele Karten";
        fs::create_directories(dir);
        for (const std::string& name : fileNames()) std::ofstream(dir / name) << "x";

        kavinor::test::FakeProcesses processes;
        kavinor::test::RecordingPause pause;
        kavinor::platform::PosixPathTest paths;
        kavinor::platform::IconvCodePages codePages;
        kavinor::platform::PosixDirectoryFill directories;
        kavinor::platform::MountDrives drives;
        kavinor::platform::IcuCollation collation;
        kavinor::platform::XdgLinks links;
        kavinor::test::FakeSaveDialog dialog;
        kavinor::test::RecordingMessages messages;
        kavinor::test::ScriptedLoop loop;
        kavinor::platform::NoEndRequest endRequest;
        kavinor::platform::Platform platform{
            processes, pause,  paths,    codePages,  directories,  drives, collation,
            links,     dialog, messages, endRequest, dir.string(), '/'};
        kavinor::program::Program program(platform, loop);
        kavinor::mainwindow::FmrMain& window = program.fmrMain;
        const kavinor::bench::ListView source(window.lstAuswahl1);
        const kavinor::bench::ListView target(window.lstAuswahl2);
        program.start();
        program.frmSplash.cmdOK.click();

        Times fills;
        Times copies;
        for (int i = 0; i < kRepetitions; ++i) {
            window.cmdStart.click();
            time(fills, [&] { window.cmdOK.click(); });
            time(copies, [&] { window.cmdallehin.click(); });
            if (source.rows() != window.lstAuswahl1.entries() ||
                target.rows() != window.lstAuswahl2.entries() ||
                window.lstAuswahl2.count() != kFiles) {
                std::fprintf(stderr, "listbench: a view lost track of its list\n");
                return 1;
            }
        }
        std::printf("%d files, %d repetitions, a view following every notice\n", kFiles,
                    kRepetitions);
        report("fill the source list (confirmation)", fills);
        report("full copy into the target list", copies);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "listbench: %s\n", error.what());
        return 1;
    }
}
