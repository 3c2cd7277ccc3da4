// dorvan-script SCRIPT [ARG]: runs the program headless against a script and prints what it
// asks of the machine.

#include <fstream>
#include <iostream>

#include "script/script_runner.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: dorvan-script SCRIPT [ARG]\n";
    return 2;
  }
  std::string path = argv[1];
  std::ifstream file;
  if (path != "-") {
    file.open(path);
    if (!file) {
      std::cerr << "error 0: cannot read " << path << "\n";
      return 2;
    }
  }
  std::istream& script = path == "-" ? std::cin : file;
  dorvan::script::ScriptRunner runner(std::cout, argc == 3 ? argv[2] : "");
  int status = runner.runAll(script, std::cerr);
  std::cout.flush();
  return status;
}
