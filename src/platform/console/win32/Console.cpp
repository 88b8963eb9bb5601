// The console on Windows: the arguments from the system's UTF-16 command line, "/?" asking for
// help as "--help" does; output for a console window written to it as UTF-16, since its code page
// (850 for German) would show UTF-8 bytes one by one as other letters; output to a pipe in that
// code page while the program has a console, as `more` and `findstr` read the pipe in it; output
// to a file, or to a pipe of a program without console, as UTF-8; CR LF line ends but in a
// console window.
#include "platform/console/Console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <functional>
#include <iostream>
#include <memory>
#include <streambuf>

#include "platform/module/win32/WideText.h"

namespace platform {
namespace {

// Whether the handle is a console window; a file or pipe has no console mode.
bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != FALSE;
}

// The length of the longest prefix of `text` that ends with a whole UTF-8 sequence, so that a
// character cut by the buffer's end waits for its other bytes.
std::size_t WholeCharactersLength(const std::string& text) {
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;  // a continuation byte: look further back for its lead
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

// Takes UTF-8 text and writes it on in whole characters, as UTF-16.
class WideBuffer : public std::streambuf {
  public:
    explicit WideBuffer(std::function<bool(std::wstring_view)> write) : write(std::move(write)) {}
    ~WideBuffer() override { sync(); }

  protected:
    int_type overflow(int_type character) override {
        if (!traits_type::eq_int_type(character, traits_type::eof())) {
            pending += traits_type::to_char_type(character);
            if (pending.size() >= kChunk && sync() != 0) {
                return traits_type::eof();
            }
        }
        return traits_type::not_eof(character);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending.append(text, static_cast<std::size_t>(count));
        return pending.size() >= kChunk && sync() != 0 ? 0 : count;
    }

    int sync() override {
        const std::size_t whole = WholeCharactersLength(pending);
        const std::wstring wide = Widened(std::string_view(pending).substr(0, whole));
        pending.erase(0, whole);
        return wide.empty() || write(wide) ? 0 : -1;
    }

  private:
    static constexpr std::size_t kChunk = 4096;

    std::function<bool(std::wstring_view)> write;
    std::string pending;
};

bool WriteToConsole(HANDLE console, std::wstring_view text) {
    DWORD written = 0;
    for (std::size_t at = 0; at < text.size(); at += written) {
        if (!WriteConsoleW(console, text.data() + at, static_cast<DWORD>(text.size() - at),
                           &written, nullptr) ||
            written == 0) {
            return false;
        }
    }
    return true;
}

// `text` in a code page, a character that it lacks as "?" rather than a look-alike.
std::string InCodePage(std::wstring_view text, UINT codePage) {
    const auto convert = [&](DWORD flags, const char* missing, char* out, int size) {
        return WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()), out,
                                   size, missing, nullptr);
    };
    // A few code pages take neither: they have no character to stand for a missing one.
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    const char* missing = "?";
    int size = convert(flags, missing, nullptr, 0);
    if (size == 0) {
        flags = 0;
        missing = nullptr;
        size = convert(flags, missing, nullptr, 0);
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    convert(flags, missing, bytes.data(), size);
    return bytes;
}

// The buffer for a standard stream of the process, or null for the C runtime's own.
std::unique_ptr<std::streambuf> BufferFor(HANDLE handle, std::streambuf* runtime) {
    if (IsConsole(handle)) {
        return std::make_unique<WideBuffer>(
            [handle](std::wstring_view text) { return WriteToConsole(handle, text); });
    }
    // No console gives code page 0.
    const UINT codePage = GetConsoleOutputCP();
    if (GetFileType(handle) != FILE_TYPE_PIPE || codePage == 0 || codePage == CP_UTF8) {
        return nullptr;
    }
    return std::make_unique<WideBuffer>([codePage, runtime](std::wstring_view text) {
        const std::string bytes = InCodePage(text, codePage);
        const auto size = static_cast<std::streamsize>(bytes.size());
        return runtime->sputn(bytes.data(), size) == size && runtime->pubsync() == 0;
    });
}

std::vector<std::string> SystemArguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide != nullptr && i < count; ++i) {
        std::string argument = Narrowed(wide[i]);
        // How Windows programs are asked for their help.
        arguments.push_back(i > 0 && argument == "/?" ? "--help" : std::move(argument));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace

// The process's standard streams, each through a buffer of ours or the C++ standard stream's,
// whose text mode writes each line end as CR LF.
class Console::Streams {
  public:
    Streams()
        : outBuffer(BufferFor(GetStdHandle(STD_OUTPUT_HANDLE), std::cout.rdbuf())),
          errBuffer(BufferFor(GetStdHandle(STD_ERROR_HANDLE), std::cerr.rdbuf())),
          out(outBuffer ? outBuffer.get() : std::cout.rdbuf()),
          err(errBuffer ? errBuffer.get() : std::cerr.rdbuf()) {
        // Input is read as bytes: a text-mode stream would end at a byte 0x1A.
        _setmode(_fileno(stdin), _O_BINARY);
    }
    ~Streams() {
        out.flush();
        err.flush();
    }

    std::unique_ptr<std::streambuf> outBuffer;
    std::unique_ptr<std::streambuf> errBuffer;
    std::ostream out;
    std::ostream err;
};

Console::Console(int /*argc*/, char** /*argv*/)
    : arguments(SystemArguments()), streams(std::make_unique<Streams>()) {
    PointAtArguments();
}

Console::~Console() = default;

std::istream& Console::In() {
    return std::cin;
}

std::ostream& Console::Out() {
    return streams->out;
}

std::ostream& Console::Err() {
    return streams->err;
}

bool Console::InputIsTerminal() const {
    return IsConsole(GetStdHandle(STD_INPUT_HANDLE));
}

}  // namespace platform
