#pragma once

// Runs the built orvanta-cli on a drive root of its own and captures what it prints.

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "data/archive/archive_test_files.h"

namespace orvanta::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class CliRunner {
 public:
  // The program beside this test program's build folder: build/<preset>/src/cli/orvanta-cli.
  static std::filesystem::path Program() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "src" /
           "cli" / "orvanta-cli";
  }

  // Runs orvanta-cli --root ROOT arguments. The arguments are passed to the shell as written.
  CliRun Run(const std::string& arguments) const {
    const std::filesystem::path err_file = root() / "stderr.txt";
    const std::string command = "'" + Program().string() + "' --root '" + root().string() + "' " +
                                arguments + " 2>'" + err_file.string() + "'";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), pipe)) > 0) run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(err_file, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(in), {});
    std::filesystem::remove(err_file);
    return run;
  }

  const std::filesystem::path& root() const { return root_.path(); }
  std::filesystem::path SetFolder() const { return root() / "Quillen" / "Orvanta" / "01"; }

 private:
  TempDir root_;
};

}  // namespace orvanta::testing
