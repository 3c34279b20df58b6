#pragma once

// Runs orvanta-cli commands in-process on a drive root, wired as main() wires them, and keeps
// what they printed.

#include <exception>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace orvanta::testing {

struct CommandResult {
  int exit_code = 0;
  std::string out;
  std::string err;
};

// Sends std::cout and std::cerr to strings while it lives.
class CapturedOutput {
 public:
  CapturedOutput()
      : old_out_(std::cout.rdbuf(out_.rdbuf())), old_err_(std::cerr.rdbuf(err_.rdbuf())) {}
  ~CapturedOutput() {
    std::cout.rdbuf(old_out_);
    std::cerr.rdbuf(old_err_);
  }
  std::string Out() const { return out_.str(); }
  std::string Err() const { return err_.str(); }

 private:
  std::ostringstream out_;
  std::ostringstream err_;
  std::streambuf* old_out_;
  std::streambuf* old_err_;
};

// args without the program name and --root, e.g. {"demo", "--classes", "4"}.
inline CommandResult RunCommand(const std::filesystem::path& root,
                                const std::vector<std::string>& args) {
  cli::CliContext context;
  CLI::App app("orvanta-cli", "orvanta-cli");
  app.add_option("--root", context.root_option);
  app.require_subcommand(1);
  cli::AddInitCommand(app, context);
  cli::AddInfoCommand(app, context);
  cli::AddDemoCommand(app, context);
  cli::AddCheckCommand(app, context);
  cli::AddArrangeCommand(app, context);
  cli::AddAutoplaceCommand(app, context);

  std::vector<std::string> words = {"orvanta-cli", "--root", root.string()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());

  CommandResult result;
  CapturedOutput output;
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    result.exit_code = app.exit(error);
  } catch (const std::exception& error) {
    std::cerr << "Hata: " << error.what() << "\n";
    result.exit_code = 1;
  }
  result.out = output.Out();
  result.err = output.Err();
  return result;
}

}  // namespace orvanta::testing
