#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "folded_names.h"
#include "input_file.h"
#include "interpreter.h"
#include "io_error.h"
#include "line_parser.h"
#include "messages.h"
#include "name_fold.h"
#include "redirected_output.h"
#include "streams.h"
#include "winpath.h"

namespace {

namespace fs = std::filesystem;
using namespace kavinor::kvcmd;

constexpr const char* kUsage = "kvcmd: usage: kvcmd /c COMMANDLINE | kvcmd SCRIPT [ARGUMENTS]\n";

// A program started with a standard stream closed would otherwise get a redirected file as
// that stream and write into it by accident.
void openStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0) ::open("/dev/null", O_RDWR);
    }
}

bool isScript(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    const std::string extension = path.extension().string();
    return kavinor::winpath::equalFolded(extension, ".bat") ||
           kavinor::winpath::equalFolded(extension, ".cmd");
}

// Runs the script found at `path`, which was written as `written`.
int runScriptFile(const std::string& written, const fs::path& path,
                  const std::vector<std::string>& arguments, Streams console) {
    kavinor::FileContents text;
    try {
        text = kavinor::readWholeFile(path, written);
    } catch (const kavinor::IoError&) {
        std::error_code ec;
        const bool isFile = fs::is_regular_file(path, ec);
        writeLine(console.err,
                  isFile ? messages::cannotRead(written) : messages::notACommand(written));
        return 1;
    }
    Interpreter(console).runScript(std::string_view(text.data.get(), text.size), arguments);
    return 0;
}

// `/c`: one command line, as the process layer starts a step script. Its redirection takes
// everything the script or command prints, messages included, since that log is what the
// support desk reads.
int runCommandLine(const std::string& line) {
    ParsedLine parsed;
    try {
        parsed = parseLine(line);
    } catch (const SyntaxError& error) {
        writeLine(2, error.what());
        return 1;
    }
    RedirectedOutput log;
    if (!log.open(parsed.redirections, 2)) return 1;
    const Streams console = log.fd() >= 0 ? Streams{log.fd(), log.fd()} : Streams{};
    parsed.redirections.clear();

    std::vector<Word> words = splitWords(parsed.command);
    if (words.empty()) return 0;
    const std::string first(trimTrailingBlanks(words.front().text));
    if (const fs::path script = kavinor::winpath::resolve(first); isScript(script)) {
        std::vector<std::string> arguments{first};
        for (std::size_t i = 1; i < words.size(); ++i) arguments.push_back(words[i].text);
        return runScriptFile(first, script, arguments, console);
    }
    Interpreter interpreter(console);
    if (!interpreter.runCommand(parsed)) return 1;
    return interpreter.lastExitStatus();
}

}  // namespace

int main(int argc, char** argv) {
    openStandardStreams();
    kavinor::winpath::keepDirectoryNames();
    if (argc >= 3 && kavinor::winpath::equalFolded(argv[1], "/c")) {
        std::string line = argv[2];
        for (int i = 3; i < argc; ++i) line += std::string(" ") + argv[i];
        return runCommandLine(line);
    }
    if (argc >= 2 && argv[1][0] != '\0' && !kavinor::winpath::equalFolded(argv[1], "/c")) {
        return runScriptFile(argv[1], kavinor::winpath::resolve(argv[1]),
                             std::vector<std::string>(argv + 1, argv + argc), Streams{});
    }
    std::fputs(kUsage, stderr);
    return 2;
}
