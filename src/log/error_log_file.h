#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "data/clock.h"

namespace orvanta::log {

// The failing steps named in error lines.
inline constexpr std::string_view kCreateLogFileHandle = "CreateLogFileHandle";
inline constexpr std::string_view kFileWrite = "FileWrite";
inline constexpr std::string_view kRenameLogFile = "RenameLogFile";
inline constexpr std::string_view kDoWork = "DoWork";

inline constexpr std::string_view kWriterErrorFileName = "ErrorLogWriter.txt";
inline constexpr std::string_view kSenderErrorFileName = "LogSenderError.txt";

// "DateTime:%s; Source:%s; FileName:%s; Error:%s;" without a line end. error is the operating
// system's error code in decimal, or the message of an unexpected error.
std::string ErrorLine(const LocalDateTime& now, std::string_view source, std::string_view file_name,
                      std::string_view error);

// Appends the error line and CR LF, in Windows-1254, to error_file, creating it when missing.
// Never throws: when even this fails there is nowhere left to report to.
void AppendErrorLine(const std::filesystem::path& error_file, const LocalDateTime& now,
                     std::string_view source, std::string_view file_name,
                     std::string_view error) noexcept;

// Replaces the content of file with bytes; used for the line whose composition failed. Never
// throws.
void ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes) noexcept;

}  // namespace orvanta::log
