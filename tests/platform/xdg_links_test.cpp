#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "temp_dir.h"
#include "test_files.h"
#include "xdg_links.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;

TEST(XdgLinks, HandsTheLinkOverAsOneArgumentWithoutAShell) {
    const test::TempDir temp;
    const std::string seen = (temp.path() / "seen").string();
    const fs::path opener = temp.path() / "opener";
    test::writeFile(opener, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" >\"" + seen +
                                ".tmp\" && mv \"" + seen + ".tmp\" \"" + seen + "\"\n");
    fs::permissions(opener, fs::perms::owner_all);
    const std::string link = "mailto:a@b.example?subject=Bug&x=$(touch pwned) ;|`id`";
    XdgLinks(opener.string()).open(link);
    for (int i = 0; i < 500 && !fs::exists(seen); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(test::readFile(seen), "1|" + link);
    EXPECT_FALSE(fs::exists("pwned"));
    XdgLinks((temp.path() / "no-such-opener").string()).open(link);  // no report, no crash
}

}  // namespace
}  // namespace kavinor::platform
