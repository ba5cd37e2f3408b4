// The prompt's history file against what a person's disk may hold: links,
// damaged or huge files, another copy of the tool saving meanwhile, a write
// that fails.
#include "history.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using aiconvert::LoadHistory;
using aiconvert::SaveHistory;

constexpr std::size_t kKeep = 999;

class HistoryFile : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/aiconvert-history-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        path_ = dir_ + "/history";
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string dir_;
    std::string path_;
};

TEST_F(HistoryFile, SavesWholeLinesPrivatelyAndReadsThemBack) {
    ASSERT_TRUE(SaveHistory(path_, {"10 km to mi", "10 km to mi", "5 kg lb", std::string(1500, '7')}, kKeep));
    struct stat info {};
    ASSERT_EQ(stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // A repeat is kept once; a line longer than the library reads, cut.
    EXPECT_EQ(LoadHistory(path_, kKeep), (std::vector<std::string>{"10 km to mi", "5 kg lb", std::string(kKeep, '7')}));
}

TEST_F(HistoryFile, ReplacesASymbolicLinkAndLeavesItsTargetAlone) {
    const std::string other = dir_ + "/other";
    Write(other, "precious\n");
    chmod(other.c_str(), 0644);
    ASSERT_EQ(symlink(other.c_str(), path_.c_str()), 0);
    EXPECT_TRUE(LoadHistory(path_, kKeep).empty()) << "read through the link";
    ASSERT_TRUE(SaveHistory(path_, {"1 m to cm"}, kKeep));
    EXPECT_EQ(Read(other), "precious\n");
    struct stat info {};
    ASSERT_EQ(stat(other.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    ASSERT_EQ(lstat(path_.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(Read(path_), "1 m to cm\n");
}

TEST_F(HistoryFile, SkipsWhatIsNoQuery) {
    // The earlier versions' format: escapes decoded, malformed ones skipped.
    Write(path_, "_HiStOrY_V2_\n10\\040km\\040to\\040mi\n\\x\\\n\\\\\n5\\040kg\\040\\001lb\n\n2\\040h\\040min\n");
    EXPECT_EQ(LoadHistory(path_, kKeep), (std::vector<std::string>{"10 km to mi", "\\", "2 h min"}));
    // Random bytes, NULs and control characters included.
    std::string noise = "_HiStOrY_V2_\n";
    std::srand(7);
    for (int i = 0; i < (1 << 20); ++i) noise += static_cast<char>(std::rand() & 0xff);
    Write(path_, noise);
    for (const std::string& entry : LoadHistory(path_, kKeep)) {
        EXPECT_LE(entry.size(), kKeep);
        EXPECT_EQ(entry.find_first_of(std::string("\0\n\r\x1b", 4)), std::string::npos);
    }
}

TEST_F(HistoryFile, KeepsTheLastEntriesOfAHugeFile) {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += std::to_string(i) + " m to cm\n";
    text += std::string(20 << 20, '9') + "\n";  // one line of 20 MB
    Write(path_, text);
    const std::vector<std::string> entries = LoadHistory(path_, kKeep);
    ASSERT_EQ(entries.size(), aiconvert::kHistoryEntries);
    EXPECT_EQ(entries.front(), "2001 m to cm");
    EXPECT_EQ(entries.back(), std::string(kKeep, '9'));
}

TEST_F(HistoryFile, KeepsWhatAnotherCopySavedMeanwhile) {
    ASSERT_TRUE(SaveHistory(path_, {"1 m to cm"}, kKeep));
    // Two copies started from that file; each saves its own lines on leaving.
    ASSERT_TRUE(SaveHistory(path_, {"2 m to cm"}, kKeep));
    ASSERT_TRUE(SaveHistory(path_, {"3 m to cm"}, kKeep));
    EXPECT_EQ(LoadHistory(path_, kKeep), (std::vector<std::string>{"1 m to cm", "2 m to cm", "3 m to cm"}));
}

TEST_F(HistoryFile, AFailedWriteLeavesTheOldFile) {
    ASSERT_TRUE(SaveHistory(path_, {"1 m to cm"}, kKeep));
    const std::string before = Read(path_);
    // A full disk, stood in for by a limit on the size of a file written.
    rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SaveHistory(path_, {std::string(500, '5')}, kKeep);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Read(path_), before);
    EXPECT_EQ(std::system(("test $(ls '" + dir_ + "' | wc -l) -eq 1").c_str()), 0) << "a temporary file was left";
}

}  // namespace
