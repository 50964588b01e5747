// make_icon SOURCE.txt OUTPUT.bmp: draws the bitmap that ships beside the tools from its
// text pixel source, at build time.
#include "atomic_file.h"
#include "bmp_writer.h"
#include "icon_source.h"
#include "input_file.h"
#include "tool_main.h"

int main(int argc, char** argv) {
    using namespace kavinor;
    return runFileTool(argc, argv, "make_icon", "SOURCE.txt OUTPUT.bmp",
                       [](const ToolFiles& files) {
                           const FileContents text = readWholeFile(files.input, files.inputName);
                           const icon::IndexedImage image =
                               icon::parseIconSource({text.data.get(), text.size}, files.inputName);
                           AtomicFile target(files.output, files.outputName);
                           icon::writeBmp(image, target);
                           target.commit();
                       });
}
