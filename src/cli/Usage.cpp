// The option library, told to speak German and to quote arguments as the program's own messages do.
#include "cli/Usage.h"

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

std::string GivenCommand(const CLI::App& app) {
    const std::vector<CLI::App*> given = app.get_subcommands();
    return given.empty() ? std::string() : given.front()->get_name();
}

std::string MissingCommand(const CLI::App& app) {
    const std::vector<std::string> words = app.remaining();
    if (words.empty()) {
        return "Befehl fehlt (" + CommandNames(app, "oder") + ").";
    }
    if (words.front().starts_with('-')) {
        return "unbekannte Option " + QuoteArgument(words.front()) + ".";
    }
    return "unbekannter Befehl " + QuoteArgument(words.front()) + " (bekannt sind " +
           CommandNames(app, "und") + ").";
}

std::string UnexpectedArguments(const CLI::App& app) {
    const std::vector<std::string> words = app.remaining(true);
    return (words.size() == 1 ? "unerwartetes Argument " : "unerwartete Argumente ") +
           QuoteArguments(words) + ".";
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
            if (option->count() > 1) {
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

std::optional<std::string> FlagGivenAValue(const CLI::App& app, int argc, const char* const* argv) {
    const CLI::App* command = &app;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--") {
            break;
        }
        if (command == &app) {
            if (const CLI::App* named = FindCommand(app, word)) {
                command = named;
                continue;
            }
        }
        const std::size_t equals = word.find('=');
        if (!word.starts_with("--") || equals == std::string_view::npos) {
            continue;
        }
        const std::string name(word.substr(0, equals));
        for (const CLI::Option* option : command->get_options()) {
            if (option->get_expected_max() == 0 && option->check_lname(name.substr(2))) {
                return UsageErrorText(command == &app ? "" : command->get_name(),
                                      name + " erwartet keinen Wert, gegeben ist " +
                                          QuoteArgument(word.substr(equals + 1)) + ".");
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> NotAlone(const CLI::App& app) {
    std::optional<std::string> wrong = RepeatedOption(app);
    if (!wrong && !app.remaining(true).empty()) {
        wrong = UnexpectedArguments(app);
    }
    return wrong ? std::optional(UsageErrorText(GivenCommand(app), *wrong)) : std::nullopt;
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
