// The wording of a statement.
#pragma once

#include <string_view>

namespace schattwerk {

// Made only from string literals (the constructor runs at compile time), so a statement never
// refers to text that is gone.
class StatementText {
  public:
    constexpr StatementText() = default;
    consteval StatementText(const char* literal) : text(literal) {}  // NOLINT: implicit by design

    constexpr std::string_view View() const { return text; }

  private:
    std::string_view text;
};

}  // namespace schattwerk
