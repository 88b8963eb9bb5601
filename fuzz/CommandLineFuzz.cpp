// Arbitrary words as the arguments of `schattwerk` and arbitrary bytes on its standard input. Every
// run must end with one of the documented exit codes and its output where that code puts it; an
// output that fills up, as a full disk would, must end in an error rather than in success. Error
// messages stay short and hold no control character but the line feed and no bidirectional
// control, whatever was typed.
#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// An output that takes this many bytes and then fails; it also keeps a huge --count short.
class SmallDisk : public std::streambuf {
  public:
    std::string written;

  protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        const auto room = static_cast<std::streamsize>(kCapacity - written.size());
        const std::streamsize taken = count < room ? count : room;
        written.append(text, static_cast<std::size_t>(taken));
        return taken;
    }
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

  private:
    static constexpr std::size_t kCapacity = 40000;
};

// The words before the last NUL byte are the arguments, each ended by a NUL; the rest is standard
// input.
std::vector<std::string> Split(std::string_view bytes, std::string& input) {
    std::vector<std::string> words{"schattwerk"};
    for (std::size_t end = bytes.find('\0'); end != std::string_view::npos;
         end = bytes.find('\0')) {
        words.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end + 1);
    }
    input = bytes;
    return words;
}

// The bidirectional controls, which reorder what a terminal shows after them.
constexpr std::string_view kReordering[] = {"\u061C", "\u200E", "\u200F", "\u202A",
                                            "\u202B", "\u202C", "\u202D", "\u202E",
                                            "\u2066", "\u2067", "\u2068", "\u2069"};

// Short, and nothing a terminal would obey: no C0 control but the line feed, no DEL, no C1, and
// nothing that reorders the line.
bool HarmlessOnATerminal(std::string_view message) {
    constexpr std::size_t kMaxMessage = 1000;
    for (const std::string_view reordering : kReordering) {
        if (message.find(reordering) != std::string_view::npos) {
            return false;
        }
    }
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const auto next = static_cast<unsigned char>(i + 1 < message.size() ? message[i + 1] : 0);
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F ||
            (byte == 0xC2 && next < 0xA0 && next >= 0x80)) {
            return false;
        }
    }
    return message.size() <= kMaxMessage;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input;
    const std::vector<std::string> words =
        Split(std::string_view(reinterpret_cast<const char*>(data), size), input);
    std::vector<const char*> argv;
    for (const std::string& word : words) {
        argv.push_back(word.c_str());
    }
    std::istringstream in(input);
    SmallDisk disk;
    std::ostream out(&disk);
    std::ostringstream err;
    const int code =
        schattwerk::RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);

    Require(HarmlessOnATerminal(err.str()));
    switch (code) {
        case schattwerk::ExitSuccess:
            Require(err.str().empty() && !disk.written.empty());
            break;
        case schattwerk::ExitCaseError:
            // The fuzzer's own file carries no version block, so --version fails as it would
            // for a damaged program file.
            Require(err.str().starts_with("FEHLER 10") ||
                    err.str() == "schattwerk: die Ausgabe kann nicht geschrieben werden.\n" ||
                    err.str() == "schattwerk: die Versionsangaben der Programmdatei fehlen.\n");
            break;
        case schattwerk::ExitUsage:
            Require(disk.written.empty() && !err.str().empty());
            break;
        default:
            Require(false);
    }
    return 0;
}
