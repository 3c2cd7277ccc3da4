// dorvan-script SCRIPT [ARG]: runs the program headless against a script and prints what it
// asks of the machine.

#include <iostream>

#include "script/script_error.h"
#include "script/script_file.h"
#include "script/script_runner.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: dorvan-script SCRIPT [ARG]\n";
    return 2;
  }
  std::string path = argv[1];
  dorvan::script::ScriptFile script = dorvan::script::openScript(path);
  if (!script.stream) {
    std::cerr << dorvan::script::shortened("error 0: cannot read " + path + ": " + script.problem)
              << "\n";
    return 2;
  }
  dorvan::script::ScriptRunner runner(std::cout, argc == 3 ? argv[2] : "");
  int status = runner.runAll(*script.stream, std::cerr);
  std::cout.flush();
  return status;
}
