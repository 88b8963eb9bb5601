// The option library, told to speak German and to quote arguments as the program's own messages do.
#include "cli/Usage.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "cli/ArgumentText.h"
#include "cli/CommandLine.h"

namespace schattwerk {
namespace {

// The library's words in its help pages, and the program's.
constexpr std::array<std::pair<const char*, const char*>, 4> kLabels{{
    {"Usage", "Aufruf"},
    {"OPTIONS", "OPTIONEN"},
    {"SUBCOMMAND", "BEFEHL"},
    {"Positionals", "Argumente"},
}};
constexpr const char* kOptionGroup = "Optionen";
constexpr const char* kCommandGroup = "Befehle";
constexpr const char* kHelpFlag = "-h,--help";
constexpr const char* kHelpDescription = "Zeigt diese Hilfe";

// "generate oder decode"
std::string CommandNames(const CLI::App& app, std::string_view lastJoint) {
    const std::vector<const CLI::App*> commands =
        app.get_subcommands([](const CLI::App*) { return true; });
    std::string names;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (i > 0) {
            names += i + 1 < commands.size() ? ", " : " " + std::string(lastJoint) + " ";
        }
        names += commands[i]->get_name();
    }
    return names;
}

const CLI::App* FindCommand(const CLI::App& app, std::string_view name) {
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        if (command->get_name() == name) {
            return command;
        }
    }
    return nullptr;
}

// The words that may be options: those before "--", after which each word is an argument.
std::vector<std::string_view> OptionWords(int argc, const char* const* argv) {
    std::vector<std::string_view> words;
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        words.emplace_back(argv[i]);
    }
    return words;
}

// A word that the library takes for an option: a dash and a name, where a negative number is none.
bool LooksLikeOption(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && (word[1] < '0' || word[1] > '9');
}

std::string GivenCommand(const CLI::App& app) {
    const std::vector<CLI::App*> given = app.get_subcommands();
    return given.empty() ? std::string() : given.front()->get_name();
}

std::string UnknownOption(std::string_view word) {
    return "unbekannte Option " + QuoteArgument(word) + ".";
}

std::string MissingCommand(const CLI::App& app) {
    const std::vector<std::string> words = app.remaining();
    if (words.empty()) {
        return "Befehl fehlt (" + CommandNames(app, "oder") + ").";
    }
    if (LooksLikeOption(words.front())) {
        return UnknownOption(words.front());
    }
    return "unbekannter Befehl " + QuoteArgument(words.front()) + " (bekannt sind " +
           CommandNames(app, "und") + ").";
}

std::string UnexpectedWords(const std::vector<std::string>& words) {
    return (words.size() == 1 ? "unerwartetes Argument " : "unerwartete Argumente ") +
           QuoteArguments(words) + ".";
}

// An unknown option is named before any other word left over: it is the likelier slip.
std::string UnexpectedArguments(const CLI::App& app) {
    const std::vector<std::string> words = app.remaining(true);
    const auto option = std::find_if(words.begin(), words.end(),
                                     [](const std::string& word) { return LooksLikeOption(word); });
    return option != words.end() ? UnknownOption(*option) : UnexpectedWords(words);
}

bool TakesArguments(const CLI::App& command) {
    return !command.get_options([](const CLI::Option* option) { return option->get_positional(); })
                .empty();
}

// The parsed commands, the program itself first.
std::vector<const CLI::App*> ParsedCommands(const CLI::App& app) {
    std::vector<const CLI::App*> commands{&app};
    for (const CLI::App* command : app.get_subcommands()) {
        commands.push_back(command);
    }
    return commands;
}

std::optional<std::string> RepeatedOption(const CLI::App& app) {
    for (const CLI::App* command : ParsedCommands(app)) {
        for (const CLI::Option* option : command->get_options()) {
            // A positional takes many words, each counted.
            if (option->nonpositional() && option->count() > 1) {
                return option->get_name() + " ist mehrfach angegeben.";
            }
        }
    }
    return std::nullopt;
}

// The library says this of an option given twice, and of one that the arguments end before its
// value.
std::string ArgumentMismatch(const CLI::App& app, std::string_view lastArgument) {
    return RepeatedOption(app).value_or("Wert fehlt nach " + QuoteArgument(lastArgument) + ".");
}

// What is wrong with `word` if it glues something to one of `command`'s flags: a value, which the
// library would take ("--json=") or split ("-h=x" into -h and "-=x"), or more letters ("-hx",
// which it would read as -h -x).
std::optional<std::string> GluedToAFlag(const CLI::App& command, std::string_view word) {
    const std::size_t nameEnd = word.starts_with("--") ? word.find('=') : 2;
    if (!word.starts_with('-') || nameEnd == std::string_view::npos || word.size() <= nameEnd) {
        return std::nullopt;
    }
    const std::string name(word.substr(0, nameEnd));
    const std::vector<const CLI::Option*> options = command.get_options();
    if (std::none_of(options.begin(), options.end(), [&name](const CLI::Option* option) {
            return option->get_expected_max() == 0 && option->check_name(name);
        })) {
        return std::nullopt;
    }
    const std::string_view rest = word.substr(nameEnd);
    if (!rest.starts_with('=')) {
        return UnknownOption(word);
    }
    return name + " erwartet keinen Wert, gegeben ist " + QuoteArgument(rest.substr(1)) + ".";
}

std::string WhatIsWrong(const CLI::App& app, const CLI::Error& error,
                        std::string_view lastArgument) {
    if (dynamic_cast<const UsageError*>(&error) != nullptr) {
        return error.what();
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        return MissingCommand(app);
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        return UnexpectedArguments(app);
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        return ArgumentMismatch(app, lastArgument);
    }
    return "ungültiger Aufruf.";
}

}  // namespace

UsageError::UsageError(const std::string& message) : CLI::ParseError(message, ExitUsage) {
}

std::string UsageErrorText(std::string_view command, std::string_view message) {
    const std::string program =
        command.empty() ? "schattwerk" : "schattwerk " + std::string(command);
    return program + ": " + std::string(message) + "\nMehr dazu: " + program + " --help\n";
}

void UseGermanTexts(CLI::App& app, std::string lastArgument) {
    for (const auto& [key, label] : kLabels) {
        app.get_formatter()->label(key, label);
    }
    app.option_defaults()->group(kOptionGroup);
    app.set_help_flag(kHelpFlag, kHelpDescription);
    app.group(kCommandGroup);
    app.failure_message(
        [lastArgument = std::move(lastArgument)](const CLI::App* failed, const CLI::Error& error) {
            return UsageErrorText(GivenCommand(*failed), WhatIsWrong(*failed, error, lastArgument));
        });
}

CLI::App* AddCommand(CLI::App& app, const std::string& name, const std::string& description) {
    CLI::App* command = app.add_subcommand(name, description);
    // A command makes its help option before it takes over the option group.
    command->set_help_flag(kHelpFlag, kHelpDescription);
    return command;
}

void AddFlag(CLI::App& command, const std::string& name, bool& value,
             const std::string& description) {
    command.add_flag(name, value, description)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

Request RequestOf(const CLI::App& app, int argc, const char* const* argv) {
    for (const std::string_view word : OptionWords(argc, argv)) {
        if (app.get_help_ptr()->check_name(std::string(word))) {
            return Request::Help;
        }
        if (word == kVersionFlag) {
            return Request::Version;
        }
    }
    return Request::Run;
}

std::string HelpText(const CLI::App& app, int argc, const char* const* argv) {
    for (const std::string_view word : OptionWords(argc, argv)) {
        if (const CLI::App* command = FindCommand(app, word)) {
            return command->help(app.get_name());
        }
    }
    return app.help();
}

std::optional<std::string> MisreadWords(const CLI::App& app, int argc, const char* const* argv) {
    const CLI::App* command = &app;
    const std::vector<std::string_view> optionWords = OptionWords(argc, argv);
    for (const std::string_view word : optionWords) {
        if (command == &app) {
            if (const CLI::App* named = FindCommand(app, word)) {
                command = named;
                continue;
            }
        }
        if (const std::optional<std::string> wrong = GluedToAFlag(*command, word)) {
            return UsageErrorText(command == &app ? "" : command->get_name(), *wrong);
        }
    }
    const std::vector<std::string> arguments = WordsAfterMark(argc, argv);
    if (arguments.empty() || (command != &app && TakesArguments(*command))) {
        return std::nullopt;
    }
    return UsageErrorText(command == &app ? "" : command->get_name(), UnexpectedWords(arguments));
}

int WordsBeforeMark(int argc, const char* const* argv) {
    return static_cast<int>(OptionWords(argc, argv).size()) + 1;
}

std::vector<std::string> WordsAfterMark(int argc, const char* const* argv) {
    return {argv + std::min(WordsBeforeMark(argc, argv) + 1, argc), argv + argc};
}

CLI::Validator WholeNumberIn(const std::string& name, NumberRange range) {
    return {[name, range](std::string& text) {
                const WholeNumber number = ReadWholeNumber(text, range);
                if (!number.error.empty()) {
                    throw UsageError(name + " " + QuoteArgument(text) + " " + number.error);
                }
                text = std::to_string(number.value);
                return std::string();
            },
            ""};
}

}  // namespace schattwerk
