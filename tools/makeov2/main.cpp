// makeov2 INPUT.asc OUTPUT.ov2: turns a POI text into a binary POI file with an area index.
#include "atomic_file.h"
#include "convert.h"
#include "input_file.h"
#include "tool_main.h"

int main(int argc, char** argv) {
    using namespace kavinor;
    return runFileTool(argc, argv, "makeov2", "INPUT.asc OUTPUT.ov2", [](const ToolFiles& files) {
        FileContents text = readWholeFile(files.input, files.inputName);
        AtomicFile target(files.output, files.outputName);
        ov2::makeFromAsc({text.data.get(), text.size}, files.inputName, target);
        target.commit();
    });
}
