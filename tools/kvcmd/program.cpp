#include "program.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "messages.h"
#include "name_fold.h"
#include "name_service.h"
#include "spawn_guards.h"
#include "winpath.h"

extern char** environ;

namespace kavinor::kvcmd {
namespace {

namespace fs = std::filesystem;

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::optional<fs::path> lookUp(const std::string& name) {
    if (name.find_first_of("\\/") != std::string::npos) {
        fs::path path = winpath::resolve(name);
        if (isFile(path)) return path;
        return std::nullopt;
    }
    if (fs::path here = winpath::resolve(name); isFile(here)) return fs::path(".") / here;
    const char* searchPath = std::getenv("PATH");
    std::string_view dirs = searchPath == nullptr ? "" : searchPath;
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        dirs = colon == std::string_view::npos ? "" : dirs.substr(colon + 1);
        if (dir.empty()) continue;
        fs::path candidate = fs::path(dir) / name;
        if (isFile(candidate) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}
}  // namespace

std::optional<fs::path> findProgram(std::string_view written) {
    const std::string name(written);
    if (auto found = lookUp(name)) return found;
    if (name.size() > 4 && winpath::equalFolded(name.substr(name.size() - 4), ".exe")) {
        return lookUp(name.substr(0, name.size() - 4));
    }
    return std::nullopt;
}

std::optional<int> runProgram(std::string_view written, const std::vector<std::string>& arguments,
                              const Streams& streams) {
    const std::optional<fs::path> program = findProgram(written);
    if (!program) {
        writeLine(streams.err, messages::notACommand(written));
        return std::nullopt;
    }
    std::vector<std::string> strings{program->string()};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& s : strings) argv.push_back(s.data());
    argv.push_back(nullptr);

    SpawnActions actions;
    posix_spawn_file_actions_adddup2(actions.get(), streams.out, 1);
    posix_spawn_file_actions_adddup2(actions.get(), streams.err, 2);
    NameService service;
    // This interpreter dropped the word of its own parent's service when it started.
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
    service.offer(actions, environment);
    std::vector<char*> envp;
    for (std::string& s : environment) envp.push_back(s.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int error =
        posix_spawn(&pid, strings[0].c_str(), actions.get(), nullptr, argv.data(), envp.data());
    if (error != 0) {
        writeLine(streams.err,
                  messages::cannotStart(written, messages::forError(std::error_code(
                                                     error, std::generic_category()))));
        return std::nullopt;
    }
    const std::optional<int> ended = service.serveUntilEnd(pid);
    if (!ended) return 1;
    const int status = *ended;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace kavinor::kvcmd
