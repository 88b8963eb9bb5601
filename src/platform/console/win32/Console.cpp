// The console on Windows: the arguments from the system's UTF-16 command line; output for a
// console window written to it as UTF-16, since its code page (850 for German) would show UTF-8
// bytes one by one as other letters; output to a file or pipe as UTF-8 with CR LF line ends.
#include "platform/console/Console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <iostream>
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

// Writes UTF-8 text to a console window as its characters.
class ConsoleBuffer : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console(console) {}
    ~ConsoleBuffer() override { sync(); }

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
        DWORD written = 0;
        for (std::size_t at = 0; at < wide.size(); at += written) {
            if (!WriteConsoleW(console, wide.data() + at, static_cast<DWORD>(wide.size() - at),
                               &written, nullptr) ||
                written == 0) {
                return -1;
            }
        }
        return 0;
    }

  private:
    static constexpr std::size_t kChunk = 4096;

    HANDLE console;
    std::string pending;
};

std::vector<std::string> SystemArguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide != nullptr && i < count; ++i) {
        arguments.push_back(Narrowed(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace

// A console stream where the handle is a console window, else the C++ standard stream, whose
// text mode writes each line end as CR LF.
class Console::Streams {
  public:
    Streams()
        : outBuffer(GetStdHandle(STD_OUTPUT_HANDLE)),
          errBuffer(GetStdHandle(STD_ERROR_HANDLE)),
          out(IsConsole(GetStdHandle(STD_OUTPUT_HANDLE)) ? &outBuffer : std::cout.rdbuf()),
          err(IsConsole(GetStdHandle(STD_ERROR_HANDLE)) ? &errBuffer : std::cerr.rdbuf()) {
        // Input is read as bytes: a text-mode stream would end at a byte 0x1A.
        _setmode(_fileno(stdin), _O_BINARY);
    }
    ~Streams() {
        out.flush();
        err.flush();
    }

    ConsoleBuffer outBuffer;
    ConsoleBuffer errBuffer;
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
