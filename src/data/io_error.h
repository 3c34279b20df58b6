#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace orvanta {

// A record file could not be read or written. The message is Turkish, names the file and
// carries the operating system's text.
class IoError : public std::runtime_error {
 public:
  IoError(const std::string& message, std::filesystem::path file)
      : std::runtime_error(message), file_(std::move(file)) {}
  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

// A record file holds data that cannot be a valid record list (a No out of range, a duplicate
// No, a member count above its array). Opening stops and nothing is written over the file.
class DamagedFileError : public IoError {
 public:
  using IoError::IoError;
};

// UTF-8 text of a path for messages.
std::string PathText(const std::filesystem::path& path);

}  // namespace orvanta
