#pragma once

namespace qm {

// The program's entry: prepares the skin file, creates and shows the main
// window, then runs the event loop until the main window has gone.
int Main(int argc, char *argv[]);

} // namespace qm
