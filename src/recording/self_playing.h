// Create Executable Program: a copy of the program file with the recording
// appended, which plays that recording when it is started.
#pragma once

// The handler of the Create Executable Program command. Shows the Save
// dialog and every message itself.
void CreateExecutable();
