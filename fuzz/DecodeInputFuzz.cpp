// Fuzzes what `schattwerk decode` reads: eight arbitrary integers as its arguments, or arbitrary
// bytes on standard input. Every run must end in a solved case or in one clear error.
#include <array>
#include <cstdint>
#include <cstring>
#include <sstream>
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

// The first byte chooses the call: bit 0 adds --json; bits 1..2 choose no numbers (0), "-" (1)
// or eight numbers from the next 32 bytes (2, 3). What is left goes to standard input.
std::vector<std::string> Arguments(std::uint8_t mode, std::string_view& rest) {
    std::vector<std::string> args{"schattwerk", "decode"};
    if ((mode & 1) != 0) {
        args.emplace_back("--json");
    }
    switch ((mode >> 1) & 3) {
        case 0:
            break;
        case 1:
            args.emplace_back("-");
            break;
        default:
            for (int i = 0; i < 8; ++i) {
                std::array<char, 4> bytes{};
                const std::size_t taken = std::min(rest.size(), bytes.size());
                std::memcpy(bytes.data(), rest.data(), taken);
                rest.remove_prefix(taken);
                std::int32_t number = 0;
                std::memcpy(&number, bytes.data(), sizeof number);
                args.push_back(std::to_string(number));
            }
    }
    return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> args = Arguments(data[0], rest);
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::istringstream in{std::string(rest)};
    std::ostringstream out;
    std::ostringstream err;
    const int code =
        schattwerk::RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);

    if (code == schattwerk::ExitSuccess) {
        Require(err.str().empty());
        Require(out.str().find("Versteck") != std::string::npos ||
                out.str().find("\"place\"") != std::string::npos);
        Require(out.str().find("INVALID") == std::string::npos);
    } else {
        Require(code == schattwerk::ExitCaseError || code == schattwerk::ExitUsage);
        Require(out.str().empty() && !err.str().empty());
        Require(code != schattwerk::ExitCaseError || err.str().starts_with("FEHLER 10"));
    }
    return 0;
}
