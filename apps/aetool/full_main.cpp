#include <iostream>

#include "tools/aetool/AetoolCommands.h"
#include "tools/aetool/ProgressBar.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return ae::RunAetool(argc, argv, std::cout, std::cerr, ae::ProgressBar::StderrIsTerminal());
}
