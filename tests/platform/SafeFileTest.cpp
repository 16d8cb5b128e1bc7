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

std::string ReadAll(FileReader& file) {
    std::string bytes;
    char buffer[7];
    while (const std::size_t got = file.Read(buffer, sizeof buffer))
        bytes.append(buffer, got);
    return bytes;
}

void ReplaceWith(const std::string& path, const std::string& bytes) {
    ReplaceFile(path, [&](FileReader*) { return Replacement{bytes}; });
}

int FailureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const IoError& e) {
        return e.Code();
    }
    return 0;
}

TEST(ReplaceFile, ALinkToSomethingOtherThanAFileIsReplacedItself) {
    const test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("pipe", dir.File("table"));
    ReplaceFile(dir.File("table"), [](FileReader* current) {
        EXPECT_EQ(current, nullptr); // nothing to read, and no wait for a writer
        return Replacement{"new"};
    });
    EXPECT_FALSE(std::filesystem::is_symlink(dir.File("table")));
    EXPECT_EQ(test::ContentsOf(dir.File("table")), "new");
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
}

TEST(ReplaceFile, AFailedReplacementLeavesThePreviousFileWholeAndNoTemporaryFile) {
    const test::TempDir dir;
    const std::string path = dir.Write("table", "previous");
    const std::string big(8192, 'n');
    {
        const test::FileSizeLimit limit(4096);
        EXPECT_EQ(FailureOf([&] { ReplaceWith(path, big); }), IoError::DiskFull);
    }
    EXPECT_EQ(test::ContentsOf(path), "previous");
    EXPECT_EQ(dir.EntryCount(), 1u);

    // A read-only folder: a file the user may not write stays; one they may write cannot be
    // kept under a second name there.
    ::chmod(dir.Path().c_str(), 0555);
    for (const mode_t mode : {0644, 0666}) {
        ::chmod(path.c_str(), mode);
        const test::UnprivilegedFiles unprivileged;
        EXPECT_EQ(FailureOf([&] {
                      ReplaceFile(path, [&](FileReader*) { return Replacement{big, true}; });
                  }),
                  IoError::AccessDenied);
    }
    ::chmod(dir.Path().c_str(), 0700);
    EXPECT_EQ(test::ContentsOf(path), "previous");
    EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(ReplaceFile, DecidesFromThePresentFileAndTakesTurnsWithOtherReplacements) {
    const test::TempDir dir;
    const std::string path = dir.Write("count", "0");
    ReplaceFile(path, [](FileReader* current) {
        EXPECT_EQ(ReadAll(*current), "0");
        return Replacement{"0", true};
    });
    EXPECT_EQ(test::ContentsOf(path + ".old"), "0");

    // Each replacement adds one to what the one before it wrote: none is lost.
    const auto count = [&] {
        for (int k = 0; k < 50; ++k)
            ReplaceFile(path, [](FileReader* current) {
                const int was = std::stoi(ReadAll(*current));
                std::this_thread::yield();
                return Replacement{std::to_string(was + 1)};
            });
    };
    std::thread other(count);
    count();
    other.join();
    EXPECT_EQ(test::ContentsOf(path), "100");

    // A file the user may write but not read is handed over all the same, whether it is
    // replaced through the temporary or, in a read-only folder, written in place.
    for (const mode_t folder : {0777, 0555}) {
        ::chmod(path.c_str(), 0222);
        ::chmod(dir.Path().c_str(), folder);
        {
            const test::UnprivilegedFiles unprivileged;
            ReplaceFile(path, [](FileReader* current) {
                EXPECT_EQ(FailureOf([&] { ReadAll(*current); }), IoError::AccessDenied);
                return Replacement{"written"};
            });
        }
        ::chmod(dir.Path().c_str(), 0700);
        EXPECT_EQ(test::ContentsOf(path), "written");
        ReplaceWith(path, "0");
    }
}

TEST(SafeFile, NeverFollowsALinkOfSomeoneElses) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user takes root";
    const test::TempDir dir;
    const std::string mine = dir.Write("mine", "the player's own");
    std::filesystem::create_symlink(mine, dir.File("theirs"));
    ASSERT_EQ(::lchown(dir.File("theirs").c_str(), 4242, 4242), 0);
    std::filesystem::create_symlink("theirs", dir.File("chain")); // root's, to theirs

    for (const char* name : {"theirs", "chain"}) {
        SCOPED_TRACE(name);
        const std::string path = dir.File(name);
        EXPECT_TRUE(HasForeignLink(path));
        EXPECT_EQ(FailureOf([&] { ReadFile(path, [](FileReader&) { ADD_FAILURE(); }); }),
                  IoError::AccessDenied);
        EXPECT_EQ(FailureOf([&] {
                      ReplaceFile(path, [](FileReader*) -> Replacement {
                          ADD_FAILURE() << "nothing is read through the link";
                          return {};
                      });
                  }),
                  IoError::AccessDenied);
    }
    EXPECT_EQ(test::ContentsOf(mine), "the player's own");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("theirs")));

    // The player's own links (and root's) are followed.
    std::filesystem::create_symlink("mine", dir.File("own"));
    EXPECT_FALSE(HasForeignLink(dir.File("own")));
    EXPECT_FALSE(HasForeignLink(mine));
    ReplaceWith(dir.File("own"), "replaced");
    EXPECT_EQ(test::ContentsOf(mine), "replaced");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("own")));
}

} // namespace
} // namespace kluvian
