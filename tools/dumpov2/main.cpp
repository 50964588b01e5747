// dumpov2 INPUT.ov2 OUTPUT.asc: writes the POIs of a binary POI file as text.
#include "atomic_file.h"
#include "convert.h"
#include "input_file.h"
#include "ov2_reader.h"
#include "tool_main.h"

int main(int argc, char** argv) {
    using namespace kavinor;
    return runFileTool(argc, argv, "dumpov2", "INPUT.ov2 OUTPUT.asc", [](const ToolFiles& files) {
        InputFile source(files.input, files.inputName);
        ov2::Ov2Reader reader(source, source.size(), files.inputName);
        AtomicFile target(files.output, files.outputName);
        ov2::dumpToAsc(reader, target);
        target.commit();
    });
}
