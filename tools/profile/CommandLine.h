#pragma once
// The command line of trelm-profile: its commands, the options each one takes, and their help.

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace profiletool {

struct CommandSpec {
  std::string_view name;
  std::size_t fewestFiles, mostFiles;
  std::span<const std::string_view> options;  // the options it takes, "--force" among them
  std::string_view synopsis;
  std::string_view help;
};

std::span<const CommandSpec> Commands();
const CommandSpec* FindCommand(std::string_view name);

enum class Request { Run, Help, Version };

struct Arguments {
  Request request = Request::Run;
  const CommandSpec* command = nullptr;  // for Help: the command asked about, or none for all
  std::vector<std::string> files;        // "-" is standard input
  std::map<std::string, std::string, std::less<>> options;
  bool force = false;

  const std::string* Option(std::string_view name) const;
};

struct ParsedArguments {
  std::optional<Arguments> arguments;
  std::string error;  // without arguments: what is wrong, in a sentence
};

ParsedArguments ParseArguments(const std::vector<std::string>& argv);

// The help of one command, or of the whole tool for none.
std::string HelpText(const CommandSpec* command);

}  // namespace profiletool
