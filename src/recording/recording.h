// The one recording held in memory: the event list, the script commands
// tied to its empty slots, the copy playback restores, and the file name.
#pragma once

#include <cstdint>

struct EventRecord {
  uint32_t message;
  uint32_t paramL;
  uint32_t paramH;
  uint32_t time;
  uint32_t hwnd;
};
static_assert(sizeof(EventRecord) == 20, "EventRecord is the 20-byte EVENTMSG layout");

enum CommandCode {
  kCommandNone = 0,
  kCommandStart = 1,
  kCommandGoto = 2,
  kCommandType = 3,
  kCommandWait = 4,
  kCommandClick = 5
};

// Message numbers the recording names.
enum : uint32_t {
  kMsgEmpty = 0,
  kMsgEndMarker = 15,
  kWmKeyDown = 256,
  kWmKeyUp = 257,
  kWmChar = 258,
  kWmSysKeyDown = 260,
  kWmSysKeyUp = 261,
  kWmCommand = 273,
  kWmMouseMove = 512,
  kWmLButtonDown = 513,
  kWmLButtonUp = 514,
};

constexpr int kEventSlots = 32768;
constexpr int kMaxStoredEvents = 32766;
constexpr int kCommandSlots = 2048;
constexpr int kMaxCommands = 2047;
constexpr int kCommandTextSize = 1024;
constexpr int kFileNameSize = 256;

// The command words by CommandCode.
extern const char* const kCommandWords[6];
// The word of a command code; "" for a code out of range.
const char* CommandWordOf(int32_t code);

struct Recording {
  EventRecord* events;
  int32_t eventCount;
  int32_t cursor;
  EventRecord* originalEvents;
  int32_t originalCount;
  // The command list: three parallel arrays and one text buffer per slot.
  int32_t* eventIndex;
  int32_t* originalEventIndex;
  int32_t* code;
  char* text[kCommandSlots];
  int32_t commandCount;
  char fileName[kFileNameSize];
  bool changed;
};

extern Recording gRecording;

// Allocates and zeroes the storage; on failure shows its message and
// returns false.
bool AllocateRecording();
void ReleaseRecording();
void ClearEvents();
void SaveOriginal();
void RestoreOriginal();

// The recording's file name, or "(Untitled)" while it has none.
const char* ShownFileName();

// The message for operations that need a recording when there is none.
extern const char* const kNoActionsMessage;
