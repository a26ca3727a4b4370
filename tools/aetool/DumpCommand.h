#pragma once
// "aetool dump FILE" and "aetool describe FILE": the text of a data file.
namespace ae {

class CommandLine;

void AddDumpCommand(CommandLine& cli);
void AddDescribeCommand(CommandLine& cli);

}  // namespace ae
