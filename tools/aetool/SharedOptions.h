#pragma once
// Options several subcommands take alike: the graph set by name or by number (render, report)
// and the channel list (stat, report). Each stores into the subcommand's own arguments.
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "tools/aetool/CommandLine.h"
#include "viewer/core/ChannelList.h"

namespace ae {

// --graph-set NAME and --gsid N into args->GraphSet and args->Gsid (optionals); the subcommand
// checks that exactly one is given.
template <class Args>
void AddGraphSetOptions(CLI::App* sub, const std::shared_ptr<Args>& args) {
  sub->add_option_function<std::string>(
         "--graph-set", [args](const std::string& name) { args->GraphSet = name; },
         "The graph set of that name (exactly one set must have it)")
      ->type_name("NAME");
  sub->add_option_function<int>(
         "--gsid", [args](int id) { args->Gsid = id; }, "The graph set with that GSystemID")
      ->type_name("N")
      ->check(CommandLine::WholeNumber(0));
}

// --channels LIST into args->Channels (an optional channel set); `all` says what no list means.
template <class Args>
void AddChannelsOption(CLI::App* sub, const std::shared_ptr<Args>& args, const std::string& all) {
  sub->add_option_function<std::string>(
         "--channels",
         [args](const std::string& text) {
           args->Channels = ParseChannelList(text);
           if (!args->Channels)
             throw CLI::ValidationError("--channels", "invalid channel list \"" + text + "\" (for example 1-4,7,9-12)");
         },
         "Only the listed channels, for example 1-8,12 (default: " + all + ")")
      ->type_name("LIST");
}

}  // namespace ae
