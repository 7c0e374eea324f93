// The four backup commands of the Tools menu.
#include "settings/backup.h"

#include <cstdio>
#include <cstring>

#include "app/file_helpers.h"
#include "platform/platform.h"
#include "recording/recording.h"
#include "settings/mapping_store.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "settings/shorttype_store.h"
#include "shared/log.h"

namespace {

struct BackupKind {
  uint32_t command;
  const char* proposal;
  bool basic, mappings, shortTypes;
};

constexpr BackupKind kBackupKinds[] = {
    {kBackupAll, "C:\\MorvikBackup.reg", true, true, true},
    {kBackupBasic, "C:\\MorvikSettings.reg", true, false, false},
    {kBackupMappings, "C:\\MorvikMappings.reg", false, true, false},
    {kBackupShortTypes, "C:\\MorvikShortTypes.reg", false, false, true},
};

constexpr char kFilter[] =
    "Registry Files (*.reg)\0*.reg\0Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";
constexpr char kSaved[] =
    "The settings were saved in \"%s\"\n\nYou can reload these settings by double-clicking on "
    "this file when Morvik is not running.";
constexpr char kNotSaved[] = "Unable to write the settings to \"%s\"!";
constexpr char kParkedName[] = "gszFile";

const BackupKind* FindKind(uint32_t command) {
  for (const BackupKind& kind : kBackupKinds) {
    if (kind.command == command) return &kind;
  }
  return nullptr;
}

// The file name, or false when the user cancels. An existing non-empty
// file is replaced only when the user agrees.
bool ChooseTarget(const BackupKind& kind, char* target) {
  snprintf(target, kFileNameSize, "%s", kind.proposal);
  // A file-type conflict counts as a choice: a backup is no recording.
  if (ChooseFileName(PlatformMainWindow(), target, kFileNameSize, kFilter, kChooseSave, 1) ==
          kChooseCancelled ||
      target[0] == '\0') {
    return false;
  }
  return FileSizeOf(target) == 0 || ConfirmReplace(target, "Export");
}

bool WriteBackup(const BackupKind& kind, const char* file, int32_t lastTab) {
  int32_t left = gSettings.left, top = gSettings.top, right, bottom;
  PlatformWindowRect(PlatformMainWindow(), &left, &top, &right, &bottom);
  remove(file);
  bool ok = WriteWholeLine(file, "REGEDIT4");
  if (kind.basic) ok = WriteBasicSection(file, left, top, lastTab) && ok;
  if (kind.mappings) ok = ExportMappings(file) && ok;
  if (kind.shortTypes) ok = ListShortTypes(kListIntoFile, 0, 0, nullptr, file) && ok;
  return ok;
}

}  // namespace

void BackupSettings(uint32_t command, int32_t lastTab) {
  const BackupKind* kind = FindKind(command);
  char target[kFileNameSize];
  if (kind == nullptr || !ChooseTarget(*kind, target)) return;
  // The recording's name is parked in the registry while the export uses
  // the target, and kept here too in case the registry fails to keep it.
  char kept[kFileNameSize];
  memcpy(kept, gRecording.fileName, kFileNameSize);
  WriteMorvikText(kParkedName, gRecording.fileName);
  memcpy(gRecording.fileName, target, kFileNameSize);
  const bool ok = WriteBackup(*kind, gRecording.fileName, lastTab);
  char message[sizeof kSaved + kFileNameSize];
  snprintf(message, sizeof message, ok ? kSaved : kNotSaved, target);
  char parkedPath[kSettingTextSize];
  snprintf(parkedPath, sizeof parkedPath, "%s%s", kMorvikKey, kParkedName);
  if (ReadSetting(kRootCurrentUser, parkedPath, kSettingText, gRecording.fileName, -1) != 0) {
    memcpy(gRecording.fileName, kept, kFileNameSize);
  }
  DeleteMorvikSetting(kParkedName);
  if (ok) {
    PlatformMessageBox(message, "Export Complete", kMbOk | kMbIconInformation | MessageBoxStyle());
  } else {
    PlatformMessageBox(message, "Export Error", kMbOk | kMbIconExclamation | MessageBoxStyle());
  }
}
