#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "measure.h"

namespace kavinor::bench {

struct FloorSetup {
    std::filesystem::path kvcmd;
    std::filesystem::path nothing;  // the static program that does nothing
    std::filesystem::path sourceDir;
    std::vector<std::string> names;  // the run's chosen files
    std::filesystem::path workDir;   // where the floor's script, text and copies go
};

// What a run over the chosen files costs at least, in two parts, as jobs for measure().
struct FloorJobs {
    // From one script through kvcmd, as many starts of a program that does nothing as the run
    // starts tools (one per file and one for the merge), quoted as the step scripts quote them.
    std::vector<Job> starts;
    // cat copying the source files, a thousand a process, then a text as long as the run's
    // joined texts.
    std::vector<Job> copies;
};

// Writes the script and that text into the work directory.
FloorJobs floorJobs(const FloorSetup& setup);

}  // namespace kavinor::bench
