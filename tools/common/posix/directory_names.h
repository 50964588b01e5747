#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kavinor::winpath {

// The names of directories, kept by their letter-case-free keys, so that finding a name in
// another letter case costs the same in a directory of 30,000 entries as in one of three. A
// directory is read once; what this process and the programs it serves add or remove afterwards
// is noted here, and any other change to the directory shows in its change times, which makes
// it read anew. A change from outside within the file system's time step of a noted one can go
// unseen: the run's programs are the only writers of the directories they write in.
class DirectoryNames {
public:
    // The same, read from the directory now, for a process that keeps no names.
    static std::optional<std::string> readFor(const std::filesystem::path& dir,
                                              std::string_view name);

    // The smallest entry of `dir` that equals `name` without regard to letter case.
    std::optional<std::string> find(const std::filesystem::path& dir, std::string_view name);

    void added(const std::filesystem::path& dir, std::string_view name);
    void removed(const std::filesystem::path& dir, std::string_view name);

private:
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        long modifiedSeconds = 0;
        long modifiedNanoseconds = 0;
        long changedSeconds = 0;
        long changedNanoseconds = 0;
        off_t size = 0;
        nlink_t links = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Listing {
        Stamp stamp;
        std::unordered_map<std::string, std::set<std::string>> byKey;
    };

    static std::optional<Stamp> stampOf(const std::filesystem::path& dir);
    static std::optional<Listing> read(const std::filesystem::path& dir, const Stamp& stamp);
    // The listing of `dir` as it is now, read anew when it changed behind this process's back.
    Listing* current(const std::filesystem::path& dir);
    // After a noted change: the listing, if kept, with the stamp the change left.
    Listing* afterChange(const std::filesystem::path& dir);

    std::map<std::pair<dev_t, ino_t>, Listing> listings_;
};

}  // namespace kavinor::winpath
