// Conversions between the seam's 32-bit handles and the system's. Window
// handles carry 32 significant bits on every Windows, which is what lets
// 32- and 64-bit programs exchange them.
#pragma once

#include <windows.h>

#include <cstdint>

inline HWND ToHwnd(uint32_t handle) {
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(handle));
}
inline uint32_t FromHwnd(HWND window) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window));
}
