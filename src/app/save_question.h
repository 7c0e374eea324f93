// The question New, Open, Close and closing the window ask before they
// drop a changed recording.
#pragma once

// Asks "Save changes to <file>?" when the recording changed, has actions
// and PromptForSave is on. Yes runs Save As and goes on, whatever it does;
// No goes on. Returns false only for Cancel: the command ends there.
bool AskToSaveChanges();
