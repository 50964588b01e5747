// makeov2 INPUT.asc OUTPUT.ov2: turns a POI text into a binary POI file with an area index.
#include "atomic_file.h"
#include "convert.h"
#include "input_file.h"
#include "tool_main.h"
#include "winpath.h"

int main(int argc, char** argv) {
    using namespace kavinor;
    return runFileTool(argc, argv, "makeov2", "INPUT.asc OUTPUT.ov2",
                       [](const char* input, const char* output) {
                           FileContents text = readWholeFile(winpath::resolve(input), input);
                           AtomicFile target(winpath::resolve(output), output);
                           ov2::makeFromAsc({text.data.get(), text.size}, input, target);
                           target.commit();
                       });
}
