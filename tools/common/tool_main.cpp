#include "tool_main.h"

#include <cstdio>
#include <exception>
#include <new>

namespace kavinor {

int runFileTool(int argc, char** argv, const char* name, const char* usage,
                const std::function<void(const char* input, const char* output)>& body) {
    if (argc != 3 || argv[1][0] == '\0' || argv[2][0] == '\0') {
        std::fprintf(stderr, "usage: %s %s\n", name, usage);
        return 2;
    }
    try {
        body(argv[1], argv[2]);
        return 0;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: out of memory\n", name);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
    }
    return 1;
}

}  // namespace kavinor
