// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SafeFile.h"

#include "platform/IoError.h"
#include "support/FileFaults.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kluvian {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t filesIn(const test::TempDir& dir) {
    return std::size_t(std::distance(std::filesystem::directory_iterator(dir.path()),
                                     std::filesystem::directory_iterator()));
}

std::string readAll(FileReader& file) {
    std::string bytes;
    char buffer[7];
    while (const std::size_t got = file.Read(buffer, sizeof buffer))
        bytes.append(buffer, got);
    return bytes;
}

void replaceWith(const std::string& path, const std::string& bytes) {
    ReplaceFile(path, [&](FileReader*) { return Replacement{bytes}; });
}

int failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const IoError& e) {
        return e.code();
    }
    return 0;
}

TEST(ReplaceFile, ALinkToSomethingOtherThanAFileIsReplacedItself) {
    const test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("pipe", dir.file("table"));
    ReplaceFile(dir.file("table"), [](FileReader* current) {
        EXPECT_EQ(current, nullptr); // nothing to read, and no wait for a writer
        return Replacement{"new"};
    });
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("table")));
    EXPECT_EQ(readFile(dir.file("table")), "new");
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe")));
}

TEST(ReplaceFile, AFailedReplacementLeavesThePreviousFileWholeAndNoTemporaryFile) {
    const test::TempDir dir;
    const std::string path = dir.write("table", "previous");
    const std::string big(8192, 'n');
    {
        const test::FileSizeLimit limit(4096);
        EXPECT_EQ(failureOf([&] { replaceWith(path, big); }), IoError::DiskFull);
    }
    EXPECT_EQ(readFile(path), "previous");
    EXPECT_EQ(filesIn(dir), 1u);

    // A read-only folder: a file the user may not write stays; one they may write cannot be
    // kept under a second name there.
    ::chmod(dir.path().c_str(), 0555);
    for (const mode_t mode : {0644, 0666}) {
        ::chmod(path.c_str(), mode);
        const test::UnprivilegedFiles unprivileged;
        EXPECT_EQ(failureOf([&] {
                      ReplaceFile(path, [&](FileReader*) { return Replacement{big, true}; });
                  }),
                  IoError::AccessDenied);
    }
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(readFile(path), "previous");
    EXPECT_EQ(filesIn(dir), 1u);
}

TEST(ReplaceFile, DecidesFromThePresentFileAndTakesTurnsWithOtherReplacements) {
    const test::TempDir dir;
    const std::string path = dir.write("count", "0");
    ReplaceFile(path, [](FileReader* current) {
        EXPECT_EQ(readAll(*current), "0");
        return Replacement{"0", true};
    });
    EXPECT_EQ(readFile(path + ".old"), "0");

    // Each replacement adds one to what the one before it wrote: none is lost.
    const auto count = [&] {
        for (int k = 0; k < 50; ++k)
            ReplaceFile(path, [](FileReader* current) {
                const int was = std::stoi(readAll(*current));
                std::this_thread::yield();
                return Replacement{std::to_string(was + 1)};
            });
    };
    std::thread other(count);
    count();
    other.join();
    EXPECT_EQ(readFile(path), "100");

    // A file the user may write but not read is handed over all the same, whether it is
    // replaced through the temporary or, in a read-only folder, written in place.
    for (const mode_t folder : {0777, 0555}) {
        ::chmod(path.c_str(), 0222);
        ::chmod(dir.path().c_str(), folder);
        {
            const test::UnprivilegedFiles unprivileged;
            ReplaceFile(path, [](FileReader* current) {
                EXPECT_EQ(failureOf([&] { readAll(*current); }), IoError::AccessDenied);
                return Replacement{"written"};
            });
        }
        ::chmod(dir.path().c_str(), 0700);
        EXPECT_EQ(readFile(path), "written");
        replaceWith(path, "0");
    }
}

TEST(SafeFile, NeverFollowsALinkOfSomeoneElses) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user takes root";
    const test::TempDir dir;
    const std::string mine = dir.write("mine", "the player's own");
    std::filesystem::create_symlink(mine, dir.file("theirs"));
    ASSERT_EQ(::lchown(dir.file("theirs").c_str(), 4242, 4242), 0);
    std::filesystem::create_symlink("theirs", dir.file("chain")); // root's, to theirs

    for (const char* name : {"theirs", "chain"}) {
        SCOPED_TRACE(name);
        const std::string path = dir.file(name);
        EXPECT_TRUE(HasForeignLink(path));
        EXPECT_EQ(failureOf([&] { ReadFile(path, [](FileReader&) { ADD_FAILURE(); }); }),
                  IoError::AccessDenied);
        EXPECT_EQ(failureOf([&] {
                      ReplaceFile(path, [](FileReader*) -> Replacement {
                          ADD_FAILURE() << "nothing is read through the link";
                          return {};
                      });
                  }),
                  IoError::AccessDenied);
    }
    EXPECT_EQ(readFile(mine), "the player's own");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("theirs")));

    // The player's own links (and root's) are followed.
    std::filesystem::create_symlink("mine", dir.file("own"));
    EXPECT_FALSE(HasForeignLink(dir.file("own")));
    EXPECT_FALSE(HasForeignLink(mine));
    replaceWith(dir.file("own"), "replaced");
    EXPECT_EQ(readFile(mine), "replaced");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("own")));
}

} // namespace
} // namespace kluvian
