#include "step_scripts.h"

namespace kavinor::conversion {
namespace {

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::string quoted(std::string_view text) {
    std::string line;
    line.reserve(text.size() + 2);
    line.append(1, '"').append(text).append(1, '"');
    return line;
}

// Joins pieces without temporaries, so long chains of names stay cheap and plain.
std::string concat(std::initializer_list<std::string_view> pieces) {
    std::string line;
    for (const std::string_view piece : pieces) line.append(piece);
    return line;
}

}  // namespace

std::optional<std::string> DropLastCharacters(std::string_view text, std::size_t count) {
    std::size_t end = text.size();
    for (std::size_t dropped = 0; dropped < count; ++dropped) {
        if (end == 0) return std::nullopt;
        do {
            --end;
        } while (end > 0 && !startsCharacter(text[end]));
    }
    return std::string(text.substr(0, end));
}

std::optional<std::string> TextName(std::string_view entry) {
    std::optional<std::string> base = DropLastCharacters(entry, 4);
    if (base) base->append(".asc");
    return base;
}

std::string CdLine(std::string_view dir) {
    return concat({"cd ", quoted(dir)});
}

std::vector<std::string> KonvertLines(std::string_view workDir, std::string_view toolDir,
                                      std::string_view sourceDir,
                                      const std::vector<std::string>& entries) {
    std::vector<std::string> lines{CdLine(workDir)};
    const std::string tool = quoted(concat({toolDir, "\\dumpov2.exe"}));
    for (const std::string& entry : entries) {
        const std::optional<std::string> base = DropLastCharacters(entry, 4);
        if (!base) continue;
        lines.push_back(concat({tool, " ", quoted(concat({sourceDir, "\\", *base, ".ov2"})), " ",
                                quoted(concat({*base, ".asc"}))}));
    }
    return lines;
}

std::vector<std::string> KomplettOv2Lines(std::string_view scratchDir) {
    return {CdLine(scratchDir), "copy *.asc komplett.txt", "move komplett.txt ..", "cd .."};
}

std::vector<std::string> KomplettAscLines(std::string_view outDir, std::string_view sourceDir,
                                          const std::vector<std::string>& entries) {
    std::vector<std::string> lines{CdLine(outDir), "md ConvertTemp", "cd ConvertTemp"};
    for (const std::string& entry : entries) {
        lines.push_back(concat({"copy ", quoted(concat({sourceDir, "\\", entry}))}));
    }
    lines.emplace_back("copy *.asc komplett.txt");
    for (const std::string& entry : entries) lines.push_back(concat({"del ", quoted(entry)}));
    lines.emplace_back("move komplett.txt ..");
    lines.emplace_back("cd ..");
    lines.emplace_back("rd ConvertTemp");
    return lines;
}

std::vector<std::string> Asc2ov2Lines(std::string_view outDir, std::string_view toolDir,
                                      std::string_view outName) {
    std::vector<std::string> lines{
        CdLine(outDir), concat({quoted(concat({toolDir, "\\makeov2.exe"})), " ",
                                quoted(concat({outDir, "komplett.txt"})), " ", quoted(outName)})};
    if (const std::optional<std::string> base = DropLastCharacters(outName, 4)) {
        const std::string bitmap = quoted(concat({outDir, *base, ".bmp"}));
        lines.push_back(concat({"del ", bitmap}));
        lines.push_back(concat({"copy ", quoted(concat({toolDir, "\\icon.bmp"})), " ", bitmap}));
    }
    return lines;
}

}  // namespace kavinor::conversion
