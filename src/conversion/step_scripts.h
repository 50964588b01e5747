#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of the step scripts, as texts of the program's own; script_file.h encodes and
// writes them.

namespace kavinor::conversion {

// `text` less its last `count` characters; empty when it has fewer.
std::optional<std::string> DropLastCharacters(std::string_view text, std::size_t count);

// The name of the text that step 1 makes of the chosen .ov2 file `entry`: its base and ".asc".
std::optional<std::string> TextName(std::string_view entry);

// `cd "{dir}"`: the first line of every script.
std::string CdLine(std::string_view dir);

// konvert.bat: into `workDir`, then one dumpov2 call per entry, naming its source by the
// entry's base and ".ov2" and its text by the base and ".asc".
std::vector<std::string> KonvertLines(std::string_view workDir, std::string_view toolDir,
                                      std::string_view sourceDir,
                                      const std::vector<std::string>& entries);

// komplett.bat for .ov2 input: joins the texts in `scratchDir` into komplett.txt and moves it
// up into the output directory.
std::vector<std::string> KomplettOv2Lines(std::string_view scratchDir);

// komplett.bat for .asc input: copies the chosen texts into ConvertTemp, joins them there,
// removes the copies and moves komplett.txt up into `outDir`.
std::vector<std::string> KomplettAscLines(std::string_view outDir, std::string_view sourceDir,
                                          const std::vector<std::string>& entries);

// asc2ov2.bat: makeov2 into `outName`, then the bitmap beside it (when the name has a base).
std::vector<std::string> Asc2ov2Lines(std::string_view outDir, std::string_view toolDir,
                                      std::string_view outName);

}  // namespace kavinor::conversion
