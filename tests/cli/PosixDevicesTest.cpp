// The built `schattwerk` on devices that POSIX systems have: an output that cannot be written
// (/dev/full) and a pseudo-terminal, where the numbers are typed.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdlib>

#include "support/ProgramRun.h"

namespace schattwerk {
namespace {

using ::testing::HasSubstr;
using testsupport::ProgramRun;
using testsupport::RunProgram;

const std::vector<std::string> kDecodeWorkedExample{"decode", "74", "34", "55", "22",
                                                    "86",     "60", "47", "21"};

TEST(BadInput, OutputThatCannotBeWrittenIsAnErrorNotSuccess) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"generate"},
                                               {"generate", "--count", "5000", "--json"},
                                               kDecodeWorkedExample,
                                               {"--version"},
                                               {"--help"},
                                               {"generate", "--help"}}) {
        const ProgramRun run = RunProgram(SCHATTWERK_CLI_PATH, args, {}, "/dev/full");
        EXPECT_EQ(run.exitCode, 1) << ::testing::PrintToString(args);
        EXPECT_EQ(run.err, "schattwerk: die Ausgabe kann nicht geschrieben werden.\n");
    }
}

// `schattwerk decode` run with standard input and error on a fresh pseudo-terminal, as a user
// types `typed`, and standard output into a pipe: what the terminal shows (`err`), the output and
// the exit code, or -1 when the program still waited after ten silent seconds.
ProgramRun DecodeOnTerminal(const std::string& typed) {
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    EXPECT_TRUE(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    std::array<int, 2> output{};
    EXPECT_EQ(pipe(output.data()), 0);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    for (const int stream : {0, 2}) {
        posix_spawn_file_actions_addopen(&files, stream, ptsname(terminal), O_RDWR, 0);
    }
    posix_spawn_file_actions_adddup2(&files, output[1], 1);
    for (const int unused : {terminal, output[0], output[1]}) {
        posix_spawn_file_actions_addclose(&files, unused);
    }
    std::string program = SCHATTWERK_CLI_PATH;
    std::string command = "decode";
    std::array<char*, 3> argv{program.data(), command.data(), nullptr};
    pid_t child = 0;
    EXPECT_EQ(posix_spawn(&child, program.c_str(), &files, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    close(output[1]);
    EXPECT_EQ(write(terminal, typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));

    ProgramRun run;
    pollfd readable{.fd = terminal, .events = POLLIN, .revents = 0};
    int ready = 0;
    // Reading ends with an error once the program has ended and closed the terminal.
    for (char buffer[4096]; (ready = poll(&readable, 1, 10000)) > 0;) {
        const ssize_t got = read(terminal, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        run.err.append(buffer, static_cast<std::size_t>(got));
    }
    if (ready == 0) {
        kill(child, SIGKILL);
    }
    // The output is far less than a pipe holds, so the program never waited on it.
    for (char buffer[4096]; ready > 0;) {
        const ssize_t got = read(output[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        run.out.append(buffer, static_cast<std::size_t>(got));
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(output[0]);
    close(terminal);
    run.exitCode = ready > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A terminal sends no end of input until the user types one: the command says on standard error
// what it waits for, so that the output holds the case alone, the answer comes at the end of the
// line that completes the eight numbers, and a ninth on that line is still one too many.
TEST(BadInput, ATerminalGetsTheAnswerOnceEightNumbersAreTyped) {
    if (access("/dev/ptmx", R_OK | W_OK) != 0) {
        GTEST_SKIP() << "no pseudo-terminals here";
    }
    const ProgramRun answered = DecodeOnTerminal("74 34 55 22\n86 60 47 21\n");
    EXPECT_EQ(answered.exitCode, 0) << answered.err;
    EXPECT_THAT(answered.err, HasSubstr("die Hinweisnummern der Zeugen 1 bis 8 eingeben"));
    EXPECT_EQ(answered.out, RunProgram(SCHATTWERK_CLI_PATH, kDecodeWorkedExample).out);

    const ProgramRun nine = DecodeOnTerminal("74 34 55 22 86 60 47 21 9\n");
    EXPECT_EQ(nine.exitCode, 2) << nine.err;
    EXPECT_THAT(nine.err, HasSubstr("Zahl 9 auf der Standardeingabe (\"9\") ist eine zu viel."));
    EXPECT_EQ(nine.out, "");
}

}  // namespace
}  // namespace schattwerk
