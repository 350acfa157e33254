#pragma once

#include <span>
#include <string>
#include <string_view>

namespace navcss {

// navcss-cli without the process around it: arguments (UTF-8, program name excluded) in,
// the exit code out, and what goes to stdout and stderr.
int RunCli(std::span<const std::string_view> args, std::string& out, std::string& err);

}  // namespace navcss
