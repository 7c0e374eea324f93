// The main window's titles while no recording runs.
#pragma once

// "Morvik": nothing is loaded.
void ShowNoFileTitle();

// "Morvik - <file>", or "Morvik - (Untitled)" when the recording has no
// file name yet.
void ShowFileTitle();
