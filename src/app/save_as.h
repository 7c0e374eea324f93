// Save As (ID_SAVE_AS): the Save dialog and its questions, then the write.
#pragma once

// Asks for a file name until the user chooses one that can be used or
// cancels, and saves the recording there. On success the title shows the
// file and the recording counts as unchanged.
void SaveAs();
