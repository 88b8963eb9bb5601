// A hive that the user may read but not write, and one that another process holds locked: reads
// still find what is there or fail cleanly, writes fail with a result code, and nothing stored is
// lost or changed.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>

#include "RegistryTestKeys.h"
#include "TestFiles.h"
#include "platform/registry/HiveKey.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// Runs `body` in a child process and returns its exit status; `body` returns the number of its
// checks that failed, each of which it names on standard error.
int InChildProcess(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "failed: %s\n", what);
    }
    return holds ? 0 : 1;
}

class SharedHiveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HiveKey key;
        ASSERT_EQ(HiveKey::CurrentUser().Create("Software\\Gen", kKeyAllAccess, key),
                  kRegistrySuccess);
        ASSERT_EQ(key.SetValue("Breite", RegistryType::Binary, Bytes("640")), kRegistrySuccess);
        stored = testsupport::ReadFile(folder.HiveFile());
    }

    // The value as stored, or the result code of the failed read.
    static std::string Width() {
        HiveKey key;
        RegistryValueInfo info;
        std::array<std::byte, 16> data{};
        int result = HiveKey::CurrentUser().Open("Software\\Gen", kKeyRead, key);
        if (result == kRegistrySuccess) {
            result = key.QueryValue("Breite", info, data);
        }
        return result == kRegistrySuccess
                   ? std::string(reinterpret_cast<const char*>(data.data()), info.size)
                   : "result " + std::to_string(result);
    }

    static int SetWidth(std::string_view width) {
        HiveKey key;
        const int opened = HiveKey::CurrentUser().Open("Software\\Gen", kKeyAllAccess, key);
        return opened != kRegistrySuccess
                   ? opened
                   : key.SetValue("Breite", RegistryType::Binary, Bytes(width));
    }

    testsupport::ConfigFolder folder;
    std::vector<std::byte> stored;
};

// Root writes to any file, so the checks run as an unprivileged user when the tests run as root.
TEST_F(SharedHiveTest, AReadOnlyHiveIsReadAndRefusesEveryWrite) {
    fs::permissions(folder.Path(), fs::perms::owner_all | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(folder.HiveFile().parent_path(), fs::perms::owner_all | fs::perms::group_exec |
                                                         fs::perms::others_read |
                                                         fs::perms::others_exec);
    fs::permissions(folder.HiveFile(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const int failed = InChildProcess([] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            return Check(false, "dropping root");
        }
        HiveKey key;
        return Check(Width() == "640", "reading") +
               Check(SetWidth("800") == kRegistryAccessDenied, "changing a value") +
               Check(HiveKey::CurrentUser().Create("Software\\Neu", kKeyAllAccess, key) ==
                         kRegistryAccessDenied,
                     "creating a key") +
               Check(HiveKey::CurrentUser().DeleteKey("Software\\Gen") == kRegistryAccessDenied,
                     "deleting a key") +
               Check(Width() == "640", "reading after the refusals");
    });
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(testsupport::ReadFile(folder.HiveFile()), stored);
}

// Another process holds the hive's exclusive lock: writes wait for it a few seconds, then fail;
// once it is released they succeed, and a lock released in time is simply waited for.
TEST_F(SharedHiveTest, ALockedHiveIsWaitedForThenRefusedWithoutLoss) {
    // The lock is taken before the writer starts and released `hold` after it, or, without a
    // hold, only once the writer has given up: however late either process runs on a busy
    // machine, the write is refused for the lock alone.
    const auto lockFor = [this](std::optional<std::chrono::milliseconds> hold, int ready, int go) {
        sqlite3* db = nullptr;
        sqlite3_open(folder.HiveFile().c_str(), &db);
        const bool locked = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == 0;
        char signal = locked ? '1' : '0';
        ::write(ready, &signal, 1);
        ::read(go, &signal, 1);
        if (hold) {
            std::this_thread::sleep_for(*hold);
        } else {
            ::read(go, &signal, 1);
        }
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return locked ? 0 : 1;
    };
    for (const std::optional<std::chrono::milliseconds> hold :
         {std::optional<std::chrono::milliseconds>(),
          std::optional(std::chrono::milliseconds(500))}) {
        const int expected = hold ? kRegistrySuccess : kRegistryIoFailed;
        std::array<int, 2> ready{};
        std::array<int, 2> go{};
        ASSERT_EQ(::pipe(ready.data()), 0);
        ASSERT_EQ(::pipe(go.data()), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(lockFor(hold, ready[1], go[0]));
        }
        char signal = 0;
        ASSERT_EQ(::read(ready[0], &signal, 1), 1);
        EXPECT_EQ(signal, '1') << "the other process holds the lock";
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(::write(go[1], &signal, 1), 1);
        EXPECT_EQ(SetWidth("800"), expected) << (hold ? "released in time" : "held throughout");
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
        if (!hold) {
            ASSERT_EQ(::write(go[1], &signal, 1), 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        for (const int end : {ready[0], ready[1], go[0], go[1]}) {
            ::close(end);
        }
        if (expected != kRegistrySuccess) {
            EXPECT_EQ(testsupport::ReadFile(folder.HiveFile()), stored);
            EXPECT_EQ(Width(), "640");
        }
    }
    EXPECT_EQ(Width(), "800");
    EXPECT_EQ(SetWidth("1024"), kRegistrySuccess);
    EXPECT_EQ(Width(), "1024");
}

}  // namespace
}  // namespace platform
