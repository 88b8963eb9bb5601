// A command-line program's arguments and standard streams as UTF-8 text. On Windows the
// arguments come from the system as UTF-16, so that every character arrives whatever the ANSI
// code page, and text for a console window reaches it as its characters.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Console {
  public:
    // `argc` and `argv` as main received them; on Windows the system's own copy is read instead.
    Console(int argc, char** argv);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // The arguments, the program's name first, with a null pointer after the last.
    int ArgumentCount() const { return static_cast<int>(arguments.size()); }
    const char* const* Arguments() const { return pointers.data(); }

    std::istream& In();
    std::ostream& Out();
    std::ostream& Err();
    // Whether standard input is a terminal, which sends no end of input by itself.
    bool InputIsTerminal() const;

  private:
    class Streams;

    // The pointers that Arguments() gives, once the arguments are read.
    void PointAtArguments() {
        for (const std::string& argument : arguments) {
            pointers.push_back(argument.c_str());
        }
        pointers.push_back(nullptr);
    }

    std::vector<std::string> arguments;
    std::vector<const char*> pointers;
    std::unique_ptr<Streams> streams;
};

}  // namespace platform
