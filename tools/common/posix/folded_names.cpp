#include "folded_names.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "directory_names.h"
#include "name_messages.h"

namespace kavinor::winpath {
namespace {

namespace fs = std::filesystem;

// Where this process finds names in another letter case: by reading the directory each time,
// in the names it keeps, or by asking the interpreter that started it.
class FoldedNames {
public:
    FoldedNames() : server_(serverFromEnvironment()) {}

    std::optional<std::string> find(const fs::path& dir, std::string_view name) {
        if (kept_) return kept_->find(dir, name);
        if (server_ >= 0 && send(names::kFind, dir, name)) {
            char reply[names::kMaxMessage];
            const ssize_t size = ::recv(server_, reply, sizeof reply, 0);
            if (size > 0 && reply[0] == '=') return std::string(reply + 1, size - 1);
            if (size > 0) return std::nullopt;
            stopAsking();
        }
        return DirectoryNames::readFor(dir, name);
    }

    void note(names::Kind kind, const fs::path& path) {
        const fs::path dir = path.parent_path();
        const std::string name = path.filename().string();
        if (kept_) {
            if (kind == names::kAdded) kept_->added(dir, name);
            if (kind == names::kRemoved) kept_->removed(dir, name);
        } else if (server_ >= 0 && !send(kind, dir, name)) {
            stopAsking();
        }
    }

    void keep() {
        stopAsking();
        ::unsetenv(names::kEnvironmentName);
        if (!kept_) kept_ = std::make_unique<DirectoryNames>();
    }

private:
    // Only a socket of the kind, connected to the parent, is the interpreter's: a descriptor
    // inherited from further up the line may be anything.
    static int serverFromEnvironment() {
        const char* value = std::getenv(names::kEnvironmentName);
        if (value == nullptr || std::string_view(value) != "3") return -1;
        const int fd = names::kProgramDescriptor;
        struct stat status {};
        int type = 0;
        socklen_t typeSize = sizeof type;
        ucred peer{};
        socklen_t peerSize = sizeof peer;
        if (::fstat(fd, &status) != 0 || !S_ISSOCK(status.st_mode) ||
            ::getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &typeSize) != 0 ||
            type != SOCK_SEQPACKET ||
            ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &peerSize) != 0 ||
            peer.pid != ::getppid()) {
            return -1;
        }
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        return fd;
    }

    bool send(names::Kind kind, const fs::path& dir, std::string_view name) {
        std::error_code ec;
        const fs::path absolute = fs::absolute(dir.empty() ? fs::path(".") : dir, ec);
        if (ec) return false;
        const std::string text = names::message(kind, absolute.string(), name);
        if (text.size() > names::kMaxMessage) return false;
        return ::send(server_, text.data(), text.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(text.size());
    }

    void stopAsking() {
        if (server_ >= 0) ::close(server_);
        server_ = -1;
    }

    int server_;
    std::unique_ptr<DirectoryNames> kept_;
};

FoldedNames& folded() {
    static FoldedNames instance;
    return instance;
}

}  // namespace

std::optional<std::string> findFolded(const fs::path& dir, std::string_view name) {
    return folded().find(dir, name);
}

void noteAdded(const fs::path& path) {
    folded().note(names::kAdded, path);
}

void noteRemoved(const fs::path& path) {
    folded().note(names::kRemoved, path);
}

void keepDirectoryNames() {
    folded().keep();
}

}  // namespace kavinor::winpath
