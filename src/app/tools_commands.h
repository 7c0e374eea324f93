// Commands about the current file outside the File menu: Edit Script File,
// Display Number of Actions, and the menu states set when the menu bar
// opens.
#pragma once

// Edit Script File (ID_EDIT_SCRIPT): starts the Editor setting (Notepad
// when empty) with the file name.
void EditScriptFile();

// Display Number of Actions (ID_ACTION_COUNT): every slot counts, script
// commands and the end marker included.
void ShowActionCount();

// WM_INITMENU: grays Edit Script File while the file is missing or empty
// (it is never enabled here), and View Log File unless the log has text.
void UpdateFileMenuStates();
