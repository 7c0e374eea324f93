// The File menu's commands that replace the recording in memory: New,
// Close, Open and Reload Current File, the reopening of the last file at
// start-up, and the question before the window closes.
#pragma once

#include <cstdint>

// New (ID_NEW) and Close (ID_CLOSE): after the save question, an empty
// recording without a file. New also shows its hint when PromptForSave is
// on.
void NewRecording(uint32_t command);

// Open (ID_OPEN): after the save question, the Open dialog unless
// *skipOpenDialog is set (then the path given to RequestOpen is taken, or
// the file name as it stands), then the load. A failed load keeps the title and the command state,
// the new path stays the file name.
void OpenRecordingFile(bool* skipOpenDialog);

// Opens `path` without the dialog: sets *skipOpenDialog and sends Open.
// The path becomes the file name only after the save question, which
// therefore names the recording in memory, and a Cancel keeps its name.
void RequestOpen(const char* path, bool* skipOpenDialog);
// The path RequestOpen left for Open ("" when none).
const char* PendingOpenPath();

// Reload Current File (ID_RELOAD): loads the file again; the loader's
// messages are the only feedback.
void ReloadCurrentFile();

// Start-up with Reload on: opens the most recent file, when it exists,
// without the dialog.
void ReopenLastFile(bool* skipOpenDialog);

// Closing the main window: false when the user cancels the save question,
// which in Normal mode keeps the window.
bool MayCloseMainWindow();
