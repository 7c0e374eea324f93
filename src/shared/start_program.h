// Starting a program from a command line, for START, the editor commands
// and the service's launch Mappings.
#pragma once

bool StartProgram(const char* commandLine);
