#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kavinor::test {

// Creates or replaces the file with exactly these bytes, creating missing parent directories.
inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write test file " + path.string());
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read test file " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names of the entries of `dir`, sorted.
inline std::vector<std::string> listNames(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every entry of `dir` with its bytes ("<dir>" for a directory), to tell what a run left and
// what it changed.
inline std::map<std::string, std::string> contents(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const std::string& name : listNames(dir)) {
        files[name] = std::filesystem::is_directory(dir / name) ? "<dir>" : readFile(dir / name);
    }
    return files;
}

// Whether `text` has the shape: as long as it, each `#` of the shape a digit in the text, every
// other character the same. For dates, times and listings, whose digits depend on the clock.
inline bool hasShape(std::string_view text, std::string_view shape) {
    return std::equal(text.begin(), text.end(), shape.begin(), shape.end(),
                      [](char t, char s) { return s == '#' ? t >= '0' && t <= '9' : t == s; });
}

// Joins lines with the CR LF line end of the scripts and of everything kvcmd prints, one after
// each line.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace kavinor::test
