#include "test_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kavinor::test {

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write test file " + path.string());
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read test file " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> listNames(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::map<std::string, std::string> contents(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const std::string& name : listNames(dir)) {
        files[name] = std::filesystem::is_directory(dir / name) ? "<dir>" : readFile(dir / name);
    }
    return files;
}

bool hasShape(std::string_view text, std::string_view shape) {
    if (text.size() != shape.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digitWanted = shape[i] == '#';
        if (digitWanted ? (text[i] < '0' || text[i] > '9') : text[i] != shape[i]) return false;
    }
    return true;
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace kavinor::test
