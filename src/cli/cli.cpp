#include "cli/cli.h"

#include <array>
#include <optional>
#include <vector>

#include "colour/colour_value.h"
#include "colour/slot_table.h"
#include "css/nav_css.h"
#include "text/gbk.h"

namespace navcss {

namespace {

constexpr int kUsageError = 2;

std::string Usage() {
  std::string keys;
  for (const ColourSlot& slot : kSlots) {
    keys += "  ";
    keys += slot.keyName;
    keys += " (default ";
    keys += ColourToHexText(slot.defaultColour);
    keys += ")\n";
  }
  return "Usage: navcss-cli [--gbk] [KEY=TEXT ...]\n"
         "       navcss-cli [--gbk] --snippet transparent|hidden\n"
         "       navcss-cli [--gbk] --colour TEXT\n"
         "\n"
         "Prints the navigation bar CSS for the 18 colour slots (CRLF line ends).\n"
         "KEY=TEXT sets a slot's text first; it goes into the CSS verbatim.\n"
         "--snippet prints one of the two fixed snippets.\n"
         "--colour prints how the tool reads TEXT as a colour (#RRGGBB).\n"
         "--gbk prints GBK bytes instead of UTF-8.\n"
         "\n"
         "Slot keys:\n" +
         keys;
}

struct Request {
  bool gbk = false;
  std::optional<std::string_view> snippet;
  std::optional<std::string_view> colour;
  std::array<std::optional<GbkText>, kSlotCount> slotTexts;
  bool anySlotText = false;
};

std::string Quoted(std::string_view s) {
  return "'" + std::string(s) + "'";
}

// Returns the error line, or nullopt when the arguments are sound.
std::optional<std::string> Parse(std::span<const std::string_view> args, Request& request,
                                 bool& help) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--gbk") {
      request.gbk = true;
    } else if (arg == "--snippet" || arg == "--colour") {
      if (i + 1 >= args.size()) return "option " + Quoted(arg) + " needs a value";
      auto& target = arg == "--snippet" ? request.snippet : request.colour;
      if (target) return "option " + Quoted(arg) + " given twice";
      target = args[++i];
    } else if (arg.starts_with("-")) {
      return "unknown option " + Quoted(arg) + " (see --help)";
    } else {
      const auto eq = arg.find('=');
      if (eq == std::string_view::npos) {
        return "argument " + Quoted(arg) + " is not KEY=TEXT (no '=')";
      }
      const auto slot = SlotByKeyName(arg.substr(0, eq));
      if (!slot) return "unknown slot key " + Quoted(arg.substr(0, eq)) + " (see --help)";
      request.slotTexts[Index(*slot)] = Utf8ToGbk(arg.substr(eq + 1));
      request.anySlotText = true;
    }
  }
  if (request.snippet && *request.snippet != "transparent" && *request.snippet != "hidden") {
    return "unknown snippet " + Quoted(*request.snippet) + " (transparent or hidden)";
  }
  if (request.snippet && request.colour) return "--snippet and --colour exclude each other";
  if ((request.snippet || request.colour) && request.anySlotText) {
    return "KEY=TEXT applies to the navigation CSS only, not to --snippet or --colour";
  }
  return std::nullopt;
}

}  // namespace

int RunCli(std::span<const std::string_view> args, std::string& out, std::string& err) {
  Request request;
  bool help = false;
  if (auto error = Parse(args, request, help)) {
    err = "navcss-cli: " + *error + "\n";
    return kUsageError;
  }
  if (help) {
    out = Usage();
    return 0;
  }

  GbkText result;
  if (request.snippet) {
    result = *request.snippet == "transparent" ? kTransparentNavSnippet : kHiddenNavSnippet;
  } else if (request.colour) {
    result = ColourToHexText(HexTextToColour(Utf8ToGbk(*request.colour))) + "\n";
  } else {
    result = BuildNavCss([&](SlotKey slot) {
      const auto& text = request.slotTexts[Index(slot)];
      return text ? *text : ColourToHexText(Slot(slot).defaultColour);
    });
  }
  out = request.gbk ? result : GbkToUtf8(result);
  return 0;
}

}  // namespace navcss
