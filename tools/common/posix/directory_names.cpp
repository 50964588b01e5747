#include "directory_names.h"

#include <dirent.h>
#include <sys/stat.h>

#include "name_fold.h"

namespace kavinor::winpath {
namespace {

// Closes the directory however the reading ends.
struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// Calls `take` with the name of each entry of `dir` but "." and ".."; false when the directory
// cannot be read.
template <typename Take>
bool forEachEntry(const std::filesystem::path& dir, Take take) {
    std::unique_ptr<DIR, DirCloser> handle(::opendir(dir.empty() ? "." : dir.c_str()));
    if (!handle) return false;
    while (const dirent* entry = ::readdir(handle.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") take(name);
    }
    return true;
}

}  // namespace

std::optional<DirectoryNames::Stamp> DirectoryNames::stampOf(const std::filesystem::path& dir) {
    struct stat status {};
    if (::stat(dir.empty() ? "." : dir.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return std::nullopt;
    }
    return Stamp{status.st_dev,          status.st_ino,         status.st_mtim.tv_sec,
                 status.st_mtim.tv_nsec, status.st_ctim.tv_sec, status.st_ctim.tv_nsec,
                 status.st_size,         status.st_nlink};
}

std::optional<std::string> DirectoryNames::readFor(const std::filesystem::path& dir,
                                                   std::string_view name) {
    const std::string key = foldedKey(name);
    std::optional<std::string> best;
    forEachEntry(dir, [&](std::string_view candidate) {
        // Folding keeps the length, so only names of the same length can match.
        if (candidate.size() != key.size() || foldedKey(candidate) != key) return;
        if (!best || candidate < *best) best = std::string(candidate);
    });
    return best;
}

std::optional<DirectoryNames::Listing> DirectoryNames::read(const std::filesystem::path& dir,
                                                            const Stamp& stamp) {
    Listing listing{stamp, {}};
    const bool read = forEachEntry(
        dir, [&](std::string_view name) { listing.byKey[foldedKey(name)].emplace(name); });
    if (!read) return std::nullopt;
    return listing;
}

DirectoryNames::Listing* DirectoryNames::current(const std::filesystem::path& dir) {
    const std::optional<Stamp> stamp = stampOf(dir);
    if (!stamp) return nullptr;
    const std::pair key{stamp->device, stamp->inode};
    if (auto it = listings_.find(key); it != listings_.end() && it->second.stamp == *stamp) {
        return &it->second;
    }
    std::optional<Listing> listing = read(dir, *stamp);
    if (!listing) {
        listings_.erase(key);
        return nullptr;
    }
    return &(listings_[key] = std::move(*listing));
}

DirectoryNames::Listing* DirectoryNames::afterChange(const std::filesystem::path& dir) {
    const std::optional<Stamp> stamp = stampOf(dir);
    if (!stamp) return nullptr;
    const auto it = listings_.find({stamp->device, stamp->inode});
    if (it == listings_.end()) return nullptr;
    it->second.stamp = *stamp;
    return &it->second;
}

std::optional<std::string> DirectoryNames::find(const std::filesystem::path& dir,
                                                std::string_view name) {
    const Listing* listing = current(dir);
    if (listing == nullptr) return std::nullopt;
    const auto it = listing->byKey.find(foldedKey(name));
    if (it == listing->byKey.end()) return std::nullopt;
    return *it->second.begin();
}

void DirectoryNames::added(const std::filesystem::path& dir, std::string_view name) {
    if (Listing* listing = afterChange(dir)) listing->byKey[foldedKey(name)].emplace(name);
}

void DirectoryNames::removed(const std::filesystem::path& dir, std::string_view name) {
    Listing* listing = afterChange(dir);
    if (listing == nullptr) return;
    const auto it = listing->byKey.find(foldedKey(name));
    if (it == listing->byKey.end()) return;
    it->second.erase(std::string(name));
    if (it->second.empty()) listing->byKey.erase(it);
}

}  // namespace kavinor::winpath
