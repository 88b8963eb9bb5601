// How `schattwerk` is called, in German: the option library's help labels and failure messages,
// and options whose values are checked in the same words.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/WholeNumber.h"

namespace schattwerk {

// What is wrong with the arguments, in the program's own words. Thrown from an option's check, it
// leaves the parser as the library's own errors do.
class UsageError : public CLI::ParseError {
  public:
    explicit UsageError(const std::string& message);
};

// The lines of a usage error: "schattwerk generate: <message>" and where the usage is told.
std::string UsageErrorText(std::string_view command, std::string_view message);

// German help, and every failure of parsing told as a UsageErrorText in the program's words.
// `lastArgument` is the command line's last word: the library runs short of values only there.
// Commands added later take both over.
void UseGermanTexts(CLI::App& app, std::string lastArgument);

CLI::App* AddCommand(CLI::App& app, const std::string& name, const std::string& description);

// A flag such as --json, which takes no value and is given once at most.
void AddFlag(CLI::App& command, const std::string& name, bool& value,
             const std::string& description);

inline constexpr const char* kVersionFlag = "--version";

// What the words before "--" ask for: help (-h, --help) or the version, whichever comes first,
// is answered whatever else the words hold, as other command lines do; else the command runs.
enum class Request { Run, Help, Version };
Request RequestOf(const CLI::App& app, int argc, const char* const* argv);

// The help of the command that the words before "--" name, else the program's.
std::string HelpText(const CLI::App& app, int argc, const char* const* argv);

// The usage error for words that the library would misread, if any: the first word before "--"
// that glues something to a flag (--help and --version included), even an empty value ("--json=",
// which the library would take as given) or more letters ("-hx", which it would split), and words
// after "--" where no command takes arguments ("generate -- --help", "-- generate").
std::optional<std::string> MisreadWords(const CLI::App& app, int argc, const char* const* argv);

// The library is given only the words before "--" (the program's name among them): once a command
// has taken an argument, it would hand those after "--" back to be read as options again.
int WordsBeforeMark(int argc, const char* const* argv);
// The words after "--", each an argument whatever it looks like.
std::vector<std::string> WordsAfterMark(int argc, const char* const* argv);

// Refuses a value that is no whole number within `range`, in ReadWholeNumber's words, and hands
// the library the number in plain digits (it alone would read "010" as octal, "0x10" as
// hexadecimal).
CLI::Validator WholeNumberIn(const std::string& name, NumberRange range);

template <typename Target>
void AddNumberOption(CLI::App& command, const std::string& name, Target& value, NumberRange range,
                     const std::string& placeholder, const std::string& description) {
    command.add_option(name, value, description)
        ->type_name(placeholder)
        ->transform(WholeNumberIn(name, range));
}

}  // namespace schattwerk
