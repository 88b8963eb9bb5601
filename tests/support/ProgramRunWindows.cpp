// Starting a program with files for its standard streams on Windows, and reading them back.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "support/ProcessStart.h"

namespace testsupport {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::wstring Wide(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::wstring wide(::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(),
                          static_cast<int>(wide.size()));
    return wide;
}

// Quoted so that the C runtime's parser gives the child exactly this argument back: backslashes
// are doubled only where a quote follows them.
void AppendArgument(std::wstring& commandLine, const std::wstring& argument) {
    if (!commandLine.empty()) {
        commandLine += L' ';
    }
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        commandLine += argument;
        return;
    }
    commandLine += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        commandLine.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        commandLine += c;
        backslashes = 0;
    }
    commandLine.append(2 * backslashes, L'\\');
    commandLine += L'"';
}

// Names such as "=C:" (the current folder of drive C) begin with "=".
std::wstring_view NameOf(std::wstring_view variable) {
    return variable.substr(0, variable.find(L'=', 1));
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The environment block of the child: the test's own variables with the changes made.
std::wstring ChangedEnvironment(const std::vector<std::string>& changes) {
    std::vector<std::wstring> wideChanges;
    std::transform(changes.begin(), changes.end(), std::back_inserter(wideChanges), Wide);
    std::wstring block;
    wchar_t* const variables = ::GetEnvironmentStringsW();
    for (const wchar_t* variable = variables; *variable != L'\0';
         variable += std::wstring_view(variable).size() + 1) {
        const bool changed = std::any_of(
            wideChanges.begin(), wideChanges.end(),
            [&](const std::wstring& change) { return SameName(NameOf(change), NameOf(variable)); });
        if (!changed) {
            block.append(variable).push_back(L'\0');
        }
    }
    ::FreeEnvironmentStringsW(variables);
    for (const std::wstring& change : wideChanges) {
        if (change.find(L'=', 1) != std::wstring::npos) {
            block.append(change).push_back(L'\0');
        }
    }
    block.push_back(L'\0');
    return block;
}

Handle OpenStream(const std::filesystem::path& path, bool forWriting) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    Handle file(::CreateFileW(
        path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
        &inherited, forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        throw std::runtime_error("cannot open " + path.string());
    }
    return file;
}

}  // namespace

int RunWithStreams(const std::filesystem::path& program, const std::vector<std::string>& args,
                   const StreamFiles& streams, const std::vector<std::string>& environment) {
    std::wstring commandLine;
    AppendArgument(commandLine, program.wstring());
    for (const std::string& arg : args) {
        AppendArgument(commandLine, Wide(arg));
    }
    std::wstring variables = ChangedEnvironment(environment);
    PROCESS_INFORMATION process{};
    {
        const Handle input = OpenStream(streams.in, false);
        const Handle output = OpenStream(streams.out, true);
        const Handle error = OpenStream(streams.err, true);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input.get();
        startup.hStdOutput = output.get();
        startup.hStdError = error.get();
        // Wine on a busy machine now and then fails to start a process that starts at the next
        // attempt; a program that is missing or no executable fails every time.
        DWORD startError = ERROR_SUCCESS;
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                 CREATE_UNICODE_ENVIRONMENT, variables.data(), nullptr, &startup,
                                 &process)) {
                startError = ERROR_SUCCESS;
                break;
            }
            startError = ::GetLastError();
            if (startError == ERROR_FILE_NOT_FOUND || startError == ERROR_PATH_NOT_FOUND ||
                startError == ERROR_BAD_EXE_FORMAT) {
                break;
            }
        }
        if (startError != ERROR_SUCCESS) {
            throw std::runtime_error("cannot start " + program.string() + ": error " +
                                     std::to_string(startError));
        }
    }
    const Handle child(process.hProcess);
    ::CloseHandle(process.hThread);
    ::WaitForSingleObject(child.get(), INFINITE);
    DWORD exitCode = 0;
    ::GetExitCodeProcess(child.get(), &exitCode);
    return static_cast<int>(exitCode);
}

// Text-mode output ends lines in CR LF; it is read back as LF.
std::string ReadBackOutput(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') {
            lines += text[i];
        }
    }
    return lines;
}

}  // namespace testsupport
