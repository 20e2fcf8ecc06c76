#pragma once
// The eight typed reads and writes through which every settings section is kept.
// A read returns false and leaves `value` alone when the key is missing (or holds the text
// "BOGUS SECTION or KEY") or when its whole text does not convert; a write returns true when
// the value was stored, and callers may ignore it.
//
// Stored texts: integers in decimal ("-5"); unsigned values as 32 binary, 11 octal or 8
// upper-case hexadecimal digits in radix 2, 8 and 16, decimal in any other radix; reals in
// fixed notation with 9 decimals ("3.141592654"); booleans as "YES" and "NO".

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/ini_store.h"

namespace quorvel {

inline constexpr std::string_view kMissingKeySentinel = "BOGUS SECTION or KEY";

bool ReadIniInt(const IniStore& store, std::string_view section, std::string_view key,
                std::int32_t& value);
bool ReadIniUnsigned(const IniStore& store, std::string_view section, std::string_view key,
                     int radix, std::uint32_t& value);
bool ReadIniReal(const IniStore& store, std::string_view section, std::string_view key,
                 double& value);
bool ReadIniBool(const IniStore& store, std::string_view section, std::string_view key,
                 bool& value);

bool WriteIniInt(IniStore& store, std::string_view section, std::string_view key,
                 std::int32_t value);
bool WriteIniUnsigned(IniStore& store, std::string_view section, std::string_view key, int radix,
                      std::uint32_t value);
bool WriteIniReal(IniStore& store, std::string_view section, std::string_view key, double value);
bool WriteIniBool(IniStore& store, std::string_view section, std::string_view key, bool value);

// The same operations on the INI file at `path`, one file access each.
bool ReadIniInt(const std::string& path, std::string_view section, std::string_view key,
                std::int32_t& value);
bool ReadIniUnsigned(const std::string& path, std::string_view section, std::string_view key,
                     int radix, std::uint32_t& value);
bool ReadIniReal(const std::string& path, std::string_view section, std::string_view key,
                 double& value);
bool ReadIniBool(const std::string& path, std::string_view section, std::string_view key,
                 bool& value);
bool WriteIniInt(const std::string& path, std::string_view section, std::string_view key,
                 std::int32_t value);
bool WriteIniUnsigned(const std::string& path, std::string_view section, std::string_view key,
                      int radix, std::uint32_t value);
bool WriteIniReal(const std::string& path, std::string_view section, std::string_view key,
                  double value);
bool WriteIniBool(const std::string& path, std::string_view section, std::string_view key,
                  bool value);

}  // namespace quorvel
