#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

#ifdef _WIN32
#include <windows.h>  // before shellapi.h, which needs its types
#endif
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace {

std::vector<std::string> Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  // argv is in the ANSI code page; the wide command line holds every character.
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; wide && i < count; ++i) {
    int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
    args.push_back(std::move(arg));
  }
  LocalFree(wide);
#else
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
#endif
  return args;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The CSS carries its own CRLF line ends; text mode would double them.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::vector<std::string> args = Arguments(argc, argv);
  const std::vector<std::string_view> views(args.begin(), args.end());
  std::string out;
  std::string err;
  const int code = navcss::RunCli(views, out, err);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  if (std::fflush(stdout) != 0) {
    std::fputs("navcss-cli: could not write the output\n", stderr);
    return 1;
  }
  return code;
}
