// Starting a program with files for its standard streams on Linux, and reading them back.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/ProcessStart.h"

extern char** environ;

namespace testsupport {
namespace {

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

int RunWithStreams(const std::filesystem::path& program, const std::vector<std::string>& args,
                   const StreamFiles& streams, const std::vector<std::string>& environment) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, streams.in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, streams.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, streams.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
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
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string ReadBackOutput(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace testsupport
