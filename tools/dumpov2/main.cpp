// dumpov2 INPUT.ov2 OUTPUT.asc: writes the POIs of a binary POI file as text.
#include "atomic_file.h"
#include "convert.h"
#include "input_file.h"
#include "ov2_reader.h"
#include "tool_main.h"
#include "winpath.h"

int main(int argc, char** argv) {
    using namespace kavinor;
    return runFileTool(argc, argv, "dumpov2", "INPUT.ov2 OUTPUT.asc",
                       [](const char* input, const char* output) {
                           InputFile source(winpath::resolve(input), input);
                           ov2::Ov2Reader reader(source, source.size(), input);
                           AtomicFile target(winpath::resolve(output), output);
                           ov2::dumpToAsc(reader, target);
                           target.commit();
                       });
}
