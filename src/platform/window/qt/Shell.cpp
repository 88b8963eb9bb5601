// Opening files with the desktop's programs: `xdg-open`, found on the search path, for a document,
// and a compiled-help viewer (xchm, kchmviewer) for compiled help.
#include "platform/window/Shell.h"

#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>

namespace platform {
namespace {

std::optional<std::string> FindProgram(const char* name) {
    const QString found = QStandardPaths::findExecutable(QString::fromUtf8(name));
    return found.isEmpty() ? std::nullopt : std::optional(found.toStdString());
}

bool IsDocument(const std::string& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

// Starts the program in a session of its own, so that it and what it starts outlive a terminal
// closed under this program.
std::optional<pid_t> Spawn(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    // glibc reports a failed exec here, not as an exit status of the child.
    const int error =
        posix_spawn(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return error == 0 ? std::optional(pid) : std::nullopt;
}

// Waits for the ended program's status, so that it leaves no zombie; true for exit status 0.
bool Reap(pid_t pid) {
    int status = 0;
    pid_t result = 0;
    do {
        result = ::waitpid(pid, &status, 0);
    } while (result == -1 && errno == EINTR);
    return result == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A started program's pidfd turns readable when the program has ended; the watch then reaps it,
// reports and deletes itself. The Qt application owns the watches, so those still waiting at its
// end go with it and their programs run on.
class ProgramWatch : public QSocketNotifier {
  public:
    ProgramWatch(pid_t pid, int pidFd, std::function<void(bool)> onEnded)
        : QSocketNotifier(pidFd, QSocketNotifier::Read, QCoreApplication::instance()),
          pid(pid),
          onEnded(std::move(onEnded)) {
        connect(this, &QSocketNotifier::activated, this, &ProgramWatch::Ended);
    }
    ~ProgramWatch() override {
        setEnabled(false);
        ::close(static_cast<int>(socket()));
    }

  private:
    void Ended() {
        setEnabled(false);
        const bool exitedWithZero = Reap(pid);
        // The report may run a modal message box; the watch is done before it.
        std::function<void(bool)> report = std::move(onEnded);
        deleteLater();
        report(exitedWithZero);
    }

    pid_t pid;
    std::function<void(bool)> onEnded;
};

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list.append(QString::fromStdString(argument));
    }
    return QProcess::startDetached(QString::fromStdString(program), list);
}

}  // namespace

std::optional<std::string> FindOpener(const std::string& file) {
    if (!IsDocument(file)) {
        return std::nullopt;
    }
    return FindProgram("xdg-open");
}

bool StartWatched(const std::string& program, const std::vector<std::string>& arguments,
                  std::function<void(bool exitedWithZero)> onEnded) {
    const std::optional<pid_t> pid = Spawn(program, arguments);
    if (!pid) {
        return false;
    }
    // Through syscall(): some C libraries lack pidfd_open or declare it for C alone.
    const int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, *pid, 0));
    if (pidFd < 0) {
        // A kernel without pidfds (before 5.3): the program is reaped all the same, unreported.
        std::thread([pid = *pid] { Reap(pid); }).detach();
        return true;
    }
    new ProgramWatch(*pid, pidFd, std::move(onEnded));
    return true;
}

bool OpenCompiledHelp(const std::string& file, const std::string& request,
                      const Dialog* /*owner*/) {
    if (!IsDocument(file)) {
        return false;
    }
    for (const char* viewer : {"xchm", "kchmviewer"}) {
        if (const std::optional<std::string> program = FindProgram(viewer)) {
            return StartDetached(*program, {request});
        }
    }
    return false;
}

}  // namespace platform
