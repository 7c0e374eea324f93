// Inserting and deleting items of the main window's menu bar by command id.
#pragma once

#include <cstdint>

enum MenuEdit { kMenuInsert = 1, kMenuDelete = 2 };

// Finds the first item with command `anchor` in the pop-ups of the
// window's menu bar. kMenuInsert puts a new item (`text`, command `newId`;
// a separator when the text is empty or the id 0) just after it;
// kMenuDelete deletes the anchor itself. Returns the platform's result
// (non-zero on success), 0 when the anchor is not found, -1 when the
// window has no menu.
int EditMenuItem(uint32_t window, uint32_t anchor, const char* text, uint32_t newId, int operation);
