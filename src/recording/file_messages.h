// Message boxes shared by the recording's loader, writers and the
// self-playing program.
#pragma once

// An error box: the program's style with the exclamation icon.
void ShowFileError(const char* text, const char* caption);

// "Unable to save file '<name>'!", caption "Error".
void ShowSaveFailure(const char* name);
