#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/temporary_file.h"
#include "platform/temporary_file_test_hook.h"
#include "support/game_folder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const char* folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// The number of a process that has ended.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// A temporary file's path, sent or received whole through a pipe.
void SendName(int pipe, const char (&name)[platform::kTemporaryPathMax]) {
    ASSERT_EQ(::write(pipe, name, sizeof name), static_cast<ssize_t>(sizeof name));
}
std::string ReceiveName(int pipe) {
    char name[platform::kTemporaryPathMax] = {};
    std::size_t got = 0;
    while (got < sizeof name) {
        const ssize_t n = ::read(pipe, name + got, sizeof name - got);
        if (n <= 0) return "";
        got += static_cast<std::size_t>(n);
    }
    return name;
}

// A replace of `target` in a process of its own, stopped in the middle: it
// creates its temporary file, names it through `toParent`, and waits on
// `toChild` for the name its file has been given meanwhile, to finish by
// writing "late" into it and renaming it over the target. It exits with 0
// when that all went through.
pid_t StartStalledReplace(const char* target, int toParent, int toChild) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    char name[platform::kTemporaryPathMax];
    const int fd = platform::CreateTemporaryFile(target, name);
    if (fd < 0) ::_exit(2);
    if (::write(toParent, name, sizeof name) != static_cast<ssize_t>(sizeof name)) ::_exit(3);
    const std::string renamed = ReceiveName(toChild);
    const bool ok = !renamed.empty() && ::write(fd, "late", 4) == 4 && ::rename(renamed.c_str(), target) == 0;
    ::_exit(ok ? 0 : 1);
}

// A replace clears the temporary files of its target that no replace holds
// locked, whatever process number they carry, and only those: a stalled
// replace of another process keeps its file though the number in its name
// means nothing here and the file is hours old, and then ends its replace
// as if nothing happened. Files of other targets, names a replace never
// makes, and links or FIFOs under such names are left alone.
TEST(ReplaceFile, RemovesOnlyTheTemporaryFilesNoReplaceHoldsLocked) {
    GameFolder folder(GameFolder::Empty);
    fs::create_directory("Saves");
    const std::string gone = std::to_string(EndedProcess());
    const std::string self = std::to_string(::getpid());
    std::vector<std::string> kept = {
        "notes.txt", "slot1.sav.tmp", "slot1.sav." + gone + ".x.tmp",
        "slot1.sav." + gone + ".3.tmp~", "slot2.sav." + gone + ".3.tmp",
    };
    for (const std::string& name : kept) WriteFile("Saves/" + name, "x");
    fs::create_symlink("notes.txt", "Saves/slot1.sav." + gone + ".5.tmp");
    ASSERT_EQ(::mkfifo(("Saves/slot1.sav." + gone + ".6.tmp").c_str(), 0644), 0);
    kept.insert(kept.end(), {"slot1.sav." + gone + ".5.tmp", "slot1.sav." + gone + ".6.tmp"});
    // Left by replaces that were killed; the process numbers of the first two
    // are running (pid 1 always is, and this test).
    for (const std::string& name : {std::string("slot1.sav.1.4.tmp"), "slot1.sav." + self + ".900.tmp"})
        WriteFile("Saves/" + name, "old");
    WriteFile("Saves/slot1.sav." + gone + ".3.tmp", std::string(20000, 'h'));

    int toParent[2], toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    const pid_t stalled = StartStalledReplace("Saves/slot1.sav", toParent[1], toChild[0]);
    ASSERT_GT(stalled, 0);
    const std::string created = ReceiveName(toParent[0]);
    ASSERT_FALSE(created.empty());
    // As a replace in another process namespace names it, and stopped for hours.
    char stalledName[platform::kTemporaryPathMax] = {};
    const std::string renamed = "Saves/slot1.sav." + gone + ".8.tmp";
    renamed.copy(stalledName, sizeof stalledName - 1);
    fs::rename(created, renamed);
    fs::last_write_time(renamed, fs::file_time_type::clock::now() - std::chrono::hours(2));

    ASSERT_TRUE(platform::ReplaceFile("Saves/slot1.sav", "new", 3));
    std::vector<std::string> expected = kept;
    expected.insert(expected.end(), {"slot1.sav", "slot1.sav." + gone + ".8.tmp"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries("Saves"), expected);
    EXPECT_EQ(ReadFile("Saves/slot1.sav"), "new");
    EXPECT_EQ(ReadFile("Saves/notes.txt"), "x");

    SendName(toChild[1], stalledName);
    int status = 0;
    ASSERT_EQ(::waitpid(stalled, &status, 0), stalled);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile("Saves/slot1.sav"), "late");
    for (int fd : {toParent[0], toParent[1], toChild[0], toChild[1]}) ::close(fd);
}

// The number in the name of a temporary file made now (and removed again)
// beside `target`: each file a process makes takes the next number.
unsigned TakeTemporaryNumber(const char* target) {
    char name[platform::kTemporaryPathMax];
    const int fd = platform::CreateTemporaryFile(target, name);
    EXPECT_GE(fd, 0);
    ::unlink(name);
    ::close(fd);
    std::string stem(name);
    stem.erase(stem.size() - std::strlen(".tmp"));
    return static_cast<unsigned>(std::stoul(stem.substr(stem.rfind('.') + 1)));
}

// Every name a replace may give its temporary file is taken, each held by
// a replace of another game, or each new file taken away before its lock by
// another game's sweep: the replace tries each name once, fails for want of
// a name (not of a folder, which it would make), and leaves the target and
// its folder as they were.
TEST(ReplaceFile, EveryTemporaryNameTakenFailsAfterTryingEachOnce) {
    GameFolder folder(GameFolder::Empty);
    fs::create_directory("Saves");
    WriteFile("Saves/slot1.sav", "old");
    const unsigned taken = TakeTemporaryNumber("probe");
    const std::string stem = "Saves/slot1.sav." + std::to_string(::getpid()) + ".";
    std::vector<int> held;
    for (unsigned n = taken + 1; n <= taken + 200; ++n) {
        const int fd = ::open((stem + std::to_string(n) + ".tmp").c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::flock(fd, LOCK_EX), 0);
        held.push_back(fd);
    }
    const std::vector<std::string> before = Entries("Saves");

    EXPECT_FALSE(platform::ReplaceFile("Saves/slot1.sav", "new", 3));
    EXPECT_EQ(Entries("Saves"), before);
    EXPECT_EQ(ReadFile("Saves/slot1.sav"), "old");
    for (int fd : held) ::close(fd);
    EXPECT_EQ(TakeTemporaryNumber("probe"), taken + 65);

    // Counted from zero at every run of the test, not only the first.
    static int takenAway;
    takenAway = 0;
    platform::gTestHookAfterTemporaryFileCreated = [](const char* name) {
        ++takenAway;
        ::unlink(name);
    };
    const bool replaced = platform::ReplaceFile("Saves/slot1.sav", "new", 3);  // its sweep clears the 200
    const int triedByReplace = takenAway;
    char name[platform::kTemporaryPathMax];
    const int fd = platform::CreateTemporaryFile("Saves/slot1.sav", name);
    const int reason = errno;
    platform::gTestHookAfterTemporaryFileCreated = nullptr;
    EXPECT_FALSE(replaced);
    EXPECT_EQ(triedByReplace, 64);
    EXPECT_EQ(fd, -1);
    EXPECT_EQ(reason, EEXIST);
    EXPECT_EQ(takenAway, 128);
    EXPECT_EQ(Entries("."), std::vector<std::string>{"Saves"});
    EXPECT_EQ(Entries("Saves"), std::vector<std::string>{"slot1.sav"});
    EXPECT_EQ(ReadFile("Saves/slot1.sav"), "old");
}

// A folder is made only where nothing stands at its name. A link there that
// leads nowhere, or a target whose temporary file's name would not fit,
// fails after one name and with nothing made; a missing folder, with the
// folders on the way to it, is made and the write goes through.
TEST(ReplaceFile, OnlyAMissingFolderIsMade) {
    GameFolder folder(GameFolder::Empty);
    fs::create_directory_symlink("Gone", "Saves");
    unsigned taken = TakeTemporaryNumber("probe");
    EXPECT_FALSE(platform::ReplaceFile("Saves/slot1.sav", "new", 3));
    EXPECT_EQ(TakeTemporaryNumber("probe"), taken + 2);
    EXPECT_FALSE(platform::OverwriteOwnFile("Saves/sltime.dat", "t", 1));
    EXPECT_EQ(Entries("."), std::vector<std::string>{"Saves"});

    // 504 bytes: the path fits, its temporary file's does not.
    const std::string deep = "Missing/" + std::string(250, 'a') + "/" + std::string(245, 'b');
    taken = TakeTemporaryNumber("probe");
    EXPECT_FALSE(platform::ReplaceFile(deep.c_str(), "new", 3));
    EXPECT_EQ(TakeTemporaryNumber("probe"), taken + 2);
    EXPECT_EQ(Entries("."), std::vector<std::string>{"Saves"});

    EXPECT_TRUE(platform::ReplaceFile("Made/On/slot1.sav", "new", 3));
    EXPECT_EQ(ReadFile("Made/On/slot1.sav"), "new");
    EXPECT_TRUE(platform::OverwriteOwnFile("Also/Made/sltime.dat", "t", 1));
    EXPECT_EQ(ReadFile("Also/Made/sltime.dat"), "t");

    // A folder that cannot be made (its parent a link that leads nowhere)
    // fails after one name; one already there when its making comes (as
    // when another game made it first) is used.
    fs::create_directory_symlink("Nowhere", "Gone");
    taken = TakeTemporaryNumber("probe");
    EXPECT_FALSE(platform::ReplaceFile("Gone/Saves/slot1.sav", "new", 3));
    EXPECT_EQ(TakeTemporaryNumber("probe"), taken + 2);
    EXPECT_TRUE(platform::ReplaceFile("Twice//slot1.sav", "new", 3));
    EXPECT_EQ(ReadFile("Twice/slot1.sav"), "new");
    EXPECT_TRUE(platform::OverwriteOwnFile("Again//sltime.dat", "t", 1));
    EXPECT_EQ(ReadFile("Again/sltime.dat"), "t");
}

// The game's data files may be links; its own files are read only as
// themselves. Neither reader waits on a FIFO or reads one, even when it
// holds bytes.
TEST(ReadFilePrefix, OwnFilesAreNotFollowedAndNothingButAFileIsRead) {
    GameFolder folder(GameFolder::Empty);
    WriteFile("data.bin", "abcdef");
    fs::create_symlink("data.bin", "link.bin");
    char out[8] = {};
    EXPECT_EQ(platform::ReadFilePrefix("link.bin", out, 4), 4);
    EXPECT_EQ(std::string(out, 4), "abcd");
    EXPECT_EQ(platform::ReadOwnFilePrefix("link.bin", out, sizeof out), -1);
    EXPECT_EQ(platform::ReadOwnFilePrefix("data.bin", out, sizeof out), 6);

    ASSERT_EQ(::mkfifo("pipe.bin", 0644), 0);
    EXPECT_EQ(platform::ReadFilePrefix("pipe.bin", out, sizeof out), -1);  // no writer
    const int writer = ::open("pipe.bin", O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "fifo", 4), 4);
    EXPECT_EQ(platform::ReadFilePrefix("pipe.bin", out, sizeof out), -1);
    EXPECT_EQ(platform::ReadOwnFilePrefix("pipe.bin", out, sizeof out), -1);
    EXPECT_EQ(::read(writer, out, sizeof out), 4);  // the bytes are still there
    ::close(writer);
    EXPECT_EQ(platform::ReadFilePrefix(".", out, sizeof out), -1);
}

}  // namespace
