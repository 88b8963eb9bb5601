// Opening files with the desktop's programs.
#include "platform/Shell.h"

#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

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

}  // namespace

std::optional<std::string> FindOpener(const std::string& file) {
    if (!IsDocument(file)) {
        return std::nullopt;
    }
    return FindProgram("xdg-open");
}

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list.append(QString::fromStdString(argument));
    }
    return QProcess::startDetached(QString::fromStdString(program), list);
}

bool OpenCompiledHelp(const std::string& file, const std::string& request) {
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
