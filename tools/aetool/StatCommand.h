#pragma once
// "aetool stat FILE [--setup FILE.ini] [--events] [--channels LIST]": the viewer's hit
// statistics and MONPAC evaluation of a whole data file, as the five reports of the data
// statistic window.
namespace ae {

class CommandLine;

// Exit code 0, 1 after an error printed on stderr; errors of the data-file layer and of the
// test setup are raised to the caller.
void AddStatCommand(CommandLine& cli);

}  // namespace ae
