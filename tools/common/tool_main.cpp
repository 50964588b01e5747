#include "tool_main.h"

#include <cstdio>
#include <exception>
#include <new>
#include <system_error>

#include "winpath.h"

namespace kavinor {

int runFileTool(int argc, char** argv, const char* name, const char* usage,
                const std::function<void(const ToolFiles&)>& body) {
    if (argc != 3 || argv[1][0] == '\0' || argv[2][0] == '\0') {
        std::fprintf(stderr, "%s: usage: %s %s\n", name, name, usage);
        return 2;
    }
    try {
        const ToolFiles files{argv[1], winpath::resolve(argv[1]), argv[2],
                              winpath::resolve(argv[2])};
        std::error_code ec;
        if (std::filesystem::equivalent(files.input, files.output, ec)) {
            std::fprintf(stderr, "%s: %s and %s are the same file\n", name, argv[1], argv[2]);
            return 2;
        }
        body(files);
        return 0;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: out of memory\n", name);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
    }
    return 1;
}

}  // namespace kavinor
