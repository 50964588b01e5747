#include "tool_main.h"

#include <cstdio>
#include <exception>
#include <new>
#include <system_error>
#include <vector>

#include "system_text.h"
#include "winpath.h"

namespace kavinor {
namespace {

void complain(const std::string& line) {
    std::fputs(sys::consoleText(line + "\n").c_str(), stderr);
}

}  // namespace

int runFileTool(int argc, char** argv, const char* name, const char* usage,
                const std::function<void(const ToolFiles&)>& body) {
    const std::vector<std::string> args = sys::programArguments(argc, argv);
    const std::string tool = name;
    if (args.size() != 3 || args[1].empty() || args[2].empty()) {
        complain(tool + ": usage: " + tool + " " + usage);
        return 2;
    }
    try {
        const ToolFiles files{args[1], winpath::resolve(args[1]), args[2],
                              winpath::resolve(args[2])};
        std::error_code ec;
        if (std::filesystem::equivalent(files.input, files.output, ec)) {
            complain(tool + ": " + args[1] + " and " + args[2] + " are the same file");
            return 2;
        }
        body(files);
        return 0;
    } catch (const std::bad_alloc&) {
        complain(tool + ": out of memory");
    } catch (const std::exception& e) {
        complain(tool + ": " + e.what());
    }
    return 1;
}

}  // namespace kavinor
