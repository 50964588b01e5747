#include "join_text.h"

#include <fstream>
#include <stdexcept>

namespace kavinor::bench {

void joinAsCopy(const std::vector<std::filesystem::path>& parts,
                const std::filesystem::path& target) {
    std::ofstream out(target, std::ios::binary);
    for (const std::filesystem::path& part : parts) {
        std::ifstream in(part, std::ios::binary);
        if (!in.is_open()) throw std::runtime_error("cannot read " + part.string());
        out << in.rdbuf();
    }
    out.put('\x1A');
    out.close();
    if (!out) throw std::runtime_error("cannot write " + target.string());
}

}  // namespace kavinor::bench
