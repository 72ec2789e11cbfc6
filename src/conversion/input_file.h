#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

// Reading the files users hand to either program, bounded: a device, a pipe or an endless file
// is refused with a reason instead of being read until memory runs out.
namespace pelmark::files {

// Far above any cliche or document; a larger input is refused, not read.
inline constexpr std::uintmax_t kMaxInputBytes = std::uintmax_t(256) << 20;

// The bytes of a regular file of at most kMaxInputBytes. Otherwise nothing, and `reason` says
// why, in Russian (UTF-8): no such file, a folder, not a regular file, too large, unreadable.
std::optional<std::string> readInputFile(const std::string &path, std::string &reason);

// Standard input, read up to kMaxInputBytes and refused beyond them.
std::optional<std::string> readInputStream(std::istream &in, std::string &reason);

} // namespace pelmark::files
