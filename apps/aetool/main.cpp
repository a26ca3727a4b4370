#include <iostream>

#include "tools/aetool/DataFileCommands.h"
#include "tools/aetool/FullProgram.h"
#include "tools/aetool/ProgressBar.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc >= 2 && ae::IsDataFileCommand(argv[1]))
    return ae::RunDataFileCommand(argc, argv, std::cout, std::cerr, ae::ProgressBar::StderrIsTerminal());
  return ae::RunFullProgram(argv, std::cerr);
}
