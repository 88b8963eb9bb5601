// The version information of an executable file: its fixed file version, the short version text
// shown for it ("v1.02") and the string values of one translation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qel::Windows {

class VersionInfo {
  public:
    VersionInfo() = default;
    ~VersionInfo() { Clear(); }
    VersionInfo(const VersionInfo&) = delete;
    VersionInfo& operator=(const VersionInfo&) = delete;

    // Reads the file's version block and selects translation `index`; false when the file has
    // none (or is missing), and the object is then empty.
    bool Load(const std::string& path, unsigned index);
    void Clear();
    // Selects the string table of translation `index`, or of the first when the table is
    // shorter; language 0 and code page 04B0 when the block has no translation table.
    void SelectTranslation(unsigned index);

    // False, and the outputs unchanged, when there is no block or no fixed file information.
    bool GetFixedVersion(std::uint16_t& major, std::uint16_t& minor, std::uint16_t& release,
                         std::uint16_t& build) const;
    // "v1.02" and so on; empty without a fixed file version.
    std::string VersionText() const;
    // The named string of the selected translation, UTF-8, up to its first zero; empty when
    // missing.
    std::string QueryString(const std::string& name) const;

    const std::string& StringPrefix() const { return stringPrefix; }

  private:
    std::optional<std::vector<std::byte>> block;
    std::string stringPrefix;
};

}  // namespace qel::Windows
