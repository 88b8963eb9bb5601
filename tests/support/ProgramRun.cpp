// Running a program with files for its standard streams, so no pipe can fill up and block it.
#include "support/ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/TestFiles.h"

extern char** environ;

namespace testsupport {
namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string NameOf(std::string_view variable) {
    return std::string(variable.substr(0, variable.find('=')));
}

std::vector<std::string> ChangedEnvironment(const std::vector<std::string>& changes) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const bool changed = std::any_of(
            changes.begin(), changes.end(),
            [&](const std::string& change) { return NameOf(change) == NameOf(*variable); });
        if (!changed) {
            variables.emplace_back(*variable);
        }
    }
    std::copy_if(changes.begin(), changes.end(), std::back_inserter(variables),
                 [](const std::string& change) { return change.find('=') != std::string::npos; });
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::string& input, const std::filesystem::path& outputFile,
                      const std::vector<std::string>& environment) {
    const ConfigFolder scratch;
    const std::filesystem::path in = scratch.Path() / "in";
    const std::filesystem::path out = outputFile.empty() ? scratch.Path() / "out" : outputFile;
    const std::filesystem::path err = scratch.Path() / "err";
    WriteFile(in, std::as_bytes(std::span(input)));

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<std::string> variables = ChangedEnvironment(environment);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &files, nullptr,
                                    Pointers(words).data(), Pointers(variables).data());
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + program.string());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = outputFile.empty() ? Contents(out) : std::string();
    run.err = Contents(err);
    return run;
}

}  // namespace testsupport
