// Writing the recording to its file for Save As.
#pragma once

// Writes the recording to the file named by gRecording.fileName: binary
// when the name contains ".mvk", else text (which enables Edit Script
// File). The recording goes to a new file in the same folder first, which
// replaces the named one only when everything was written, so a refused or
// failed save leaves the old file as it was and no other file behind.
// Shows its messages; returns true when the file was saved.
bool WriteRecordingFile();
