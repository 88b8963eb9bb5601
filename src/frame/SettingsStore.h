// The settings store that the framework gives every program: named values in sections, behind
// an interface so that a program need not know where they are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qel::Windows {

// Reads give the caller's default whenever the stored value is missing or not of the expected
// kind and size; writes and deletions report success.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Opens the section, creating it when missing; closes the open one first.
    virtual bool OpenSection(std::string_view section) = 0;
    // The platform's result code of closing; 0 when nothing was open.
    virtual int Close() = 0;
    virtual bool IsOpen() const = 0;

    virtual std::string GetString(std::string_view name, std::string_view defaultText) const = 0;
    // 0 or 1 as stored, or the default.
    virtual std::int32_t GetBool(std::string_view name, std::int32_t defaultValue) const = 0;
    virtual std::int32_t GetInt(std::string_view name, std::int32_t defaultValue) const = 0;
    // Fills `output` (its size is the count); the defaults go in when the value does not fit,
    // unless they are the output itself.
    virtual void GetIntArray(std::string_view name, std::span<const std::int32_t> defaults,
                             std::span<std::int32_t> output) const = 0;
    // As GetIntArray for bytes; returns the platform's result code of the read (0: stored data).
    virtual int GetBinary(std::string_view name, std::span<const std::byte> defaults,
                          std::span<std::byte> output) const = 0;

    virtual bool SetString(std::string_view name, std::string_view text) = 0;
    virtual bool SetBool(std::string_view name, std::int32_t value) = 0;
    virtual bool SetInt(std::string_view name, std::int32_t value) = 0;
    virtual bool SetIntArray(std::string_view name, std::span<const std::int32_t> values) = 0;
    virtual bool SetBinary(std::string_view name, std::span<const std::byte> block) = 0;
    virtual bool DeleteValue(std::string_view name) = 0;
    // Deletes the section with everything below it.
    virtual bool DeleteSection(std::string_view section) = 0;
};

}  // namespace qel::Windows
