// Memory, time, message boxes, errors, module and screen on Windows.
#include <windows.h>

#include <cstdio>

#include "platform/platform.h"
#include "resource_ids.h"

void* PlatformAllocate(size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }

void PlatformFree(void* block) { HeapFree(GetProcessHeap(), 0, block); }

// Milliseconds from the performance counter, aligned with GetTickCount at
// the first call: the scheduler measures waits with it, and GetTickCount
// advances in steps of 10 to 16 ms on many systems.
uint32_t PlatformTickCount() {
  static LARGE_INTEGER frequency, start;
  static DWORD base;
  if (frequency.QuadPart == 0) {
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    base = GetTickCount();
  }
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return base + static_cast<uint32_t>((now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
}

void PlatformLocalTime(PlatformTime* time) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  *time = PlatformTime{now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
                       now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
}

void PlatformSleep(uint32_t milliseconds) { Sleep(milliseconds); }

int PlatformMessageBox(const char* text, const char* caption, uint32_t style) {
  if ((style & kMbUserIcon) == 0) return MessageBoxA(nullptr, text, caption, style);
  MSGBOXPARAMSA params = {};
  params.cbSize = sizeof params;
  params.hInstance = GetModuleHandleA(nullptr);
  params.lpszText = text;
  params.lpszCaption = caption;
  params.dwStyle = style;
  params.lpszIcon = MAKEINTRESOURCEA(IDI_MORVIK);
  return MessageBoxIndirectA(&params);
}

int PlatformLastErrorText(char* buffer, int size) {
  DWORD error = GetLastError();
  buffer[0] = '\0';
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                                static_cast<DWORD>(size), nullptr);
  return static_cast<int>(length);
}

int PlatformModuleFileName(char* buffer, int size) {
  DWORD length = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
  if (length == 0 || length >= static_cast<DWORD>(size)) {
    buffer[0] = '\0';
    return 0;
  }
  return static_cast<int>(length);
}

int PlatformScreenWidth() { return GetSystemMetrics(SM_CXFULLSCREEN); }
int PlatformScreenHeight() { return GetSystemMetrics(SM_CYFULLSCREEN); }
