// The command line in a Windows console: piped to another program there (`more`, `findstr`), its
// text comes in the console's code page, which that program reads; "/?" asks for the help.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "support/ProgramRun.h"

namespace schattwerk {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A console of the test's own, which the programs it starts share, in an output code page.
class Console {
  public:
    explicit Console(UINT codePage) {
        // Under Wine a process started without a terminal may hold a console of no use.
        FreeConsole();
        EXPECT_TRUE(AllocConsole());
        EXPECT_TRUE(SetConsoleOutputCP(codePage));
    }
    ~Console() { FreeConsole(); }
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;
};

// What the command line writes on both its streams into one pipe, run in the test's console or,
// with DETACHED_PROCESS, without any.
std::string PipedOutput(const std::wstring& arguments, DWORD creation = 0) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE reading = nullptr;
    HANDLE writing = nullptr;
    EXPECT_TRUE(CreatePipe(&reading, &writing, &inherited, 0));
    SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writing;
    startup.hStdError = writing;
    std::wstring commandLine = L"schattwerk " + arguments;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(L"" SCHATTWERK_CLI_PATH, commandLine.data(), nullptr, nullptr, TRUE,
                               creation, nullptr, nullptr, &startup, &process));
    CloseHandle(writing);
    std::string output;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(reading, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        output.append(chunk, got);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(reading);
    return output;
}

// In code page 850 "ä" is byte 0x84; "Ω" is none of its characters.
TEST(WindowsConsole, APipeGetsTheConsolesCodePage) {
    const std::wstring decode = L"decode 74 34 55 22 86 60 47 21";
    {
        const Console console(850);
        EXPECT_THAT(PipedOutput(decode), HasSubstr("T\x84ter: Frau Sorrak\r\n"));
        const std::string refused = PipedOutput(L"decode 74 34 55 22 86 60 47 \x03A9");
        EXPECT_THAT(refused, HasSubstr("\"?\""));
        EXPECT_THAT(refused, Not(HasSubstr("\xCE\xA9")));
    }
    {
        const Console console(CP_UTF8);
        EXPECT_THAT(PipedOutput(decode), HasSubstr("T\xC3\xA4ter: Frau Sorrak\r\n"));
    }
    // Without a console the pipe goes to a program that reads UTF-8, as a file does.
    EXPECT_THAT(PipedOutput(decode, DETACHED_PROCESS), HasSubstr("T\xC3\xA4ter: Frau Sorrak\r\n"));
}

TEST(WindowsConsole, SlashQuestionMarkShowsTheHelp) {
    const testsupport::ProgramRun help = testsupport::RunProgram(SCHATTWERK_CLI_PATH, {"--help"});
    const testsupport::ProgramRun asked = testsupport::RunProgram(SCHATTWERK_CLI_PATH, {"/?"});
    EXPECT_EQ(asked.exitCode, 0);
    EXPECT_EQ(asked.out, help.out);
    EXPECT_THAT(asked.out, HasSubstr("Aufruf"));
    EXPECT_EQ(asked.err, "");
}

}  // namespace
}  // namespace schattwerk
