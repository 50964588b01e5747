// make_icon SOURCE.txt OUTPUT.bmp draws the bitmap that ships beside the tools from its text pixel
// source; make_icon SOURCE.txt... OUTPUT.ico draws the program's icon file, one image per source
// in that order. Both run at build time.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "bmp_writer.h"
#include "ico_writer.h"
#include "icon_source.h"
#include "input_file.h"
#include "system_text.h"
#include "tool_main.h"
#include "winpath.h"

namespace {

using namespace kavinor;

icon::IndexedImage readSource(const std::filesystem::path& path, const std::string& name) {
    const FileContents text = readWholeFile(path, name);
    return icon::parseIconSource({text.data.get(), text.size}, name);
}

// Several sources, which the file tools' common start does not take.
int writeIconFile(const std::vector<std::string>& args) {
    try {
        std::vector<icon::IndexedImage> images;
        for (std::size_t i = 1; i + 1 < args.size(); ++i) {
            images.push_back(readSource(winpath::resolve(args[i]), args[i]));
        }
        AtomicFile target(winpath::resolve(args.back()), args.back());
        icon::writeIco(images, target);
        target.commit();
        return 0;
    } catch (const std::exception& e) {
        std::fputs(sys::consoleText("make_icon: " + std::string(e.what()) + "\n").c_str(), stderr);
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = sys::programArguments(argc, argv);
    if (args.size() >= 3 && args.back().ends_with(".ico")) return writeIconFile(args);
    return runFileTool(argc, argv, "make_icon", "SOURCE.txt OUTPUT.bmp | SOURCE.txt... OUTPUT.ico",
                       [](const ToolFiles& files) {
                           const icon::IndexedImage image =
                               readSource(files.input, files.inputName);
                           AtomicFile target(files.output, files.outputName);
                           icon::writeBmp(image, target);
                           target.commit();
                       });
}
