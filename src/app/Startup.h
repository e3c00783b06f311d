#pragma once

namespace app {

// Parses the command line and runs the program; the process exit code.
//   --home DIR         program folder (default: the per-user data folder)
//   --init             prepare the program folder and exit without a window
//   --no-splash        skip the splash picture
//   --screenshots DIR  render every screen into PNG files in DIR and exit
//   --version          print the version and exit
int runProgram(int argc, char** argv);

} // namespace app
