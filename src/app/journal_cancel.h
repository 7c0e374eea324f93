// Ending a running recording or playback from outside: the system removed
// the journal hook (Ctrl+Esc), or the user closes or exits Morvik.
#pragma once

// WM_CANCELJOURNAL reached the main loop.
void OnCancelJournal();

// Exit, Close or shutdown while a journal hook is installed: logs `logLine`
// (when given), removes
// the hook and releases the keys playback held. Nothing when no hook runs.
void CutOffJournal(const char* logLine);
