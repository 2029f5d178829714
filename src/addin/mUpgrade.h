// Moves the per-folder registry values of the older release (kept under a product name without
// a space) to the current key at every start-up. Values already present under the new key are
// never overwritten, so running it again is harmless.
#pragma once

#include <cstdint>
#include <string>

namespace kov {

// Result codes of CopyRegistryKey.
inline constexpr int16_t kCopyDone = 0;
inline constexpr int16_t kCopyFailedBeforeLoop = -1;
inline constexpr int16_t kCopyPartial = -2;
inline constexpr int16_t kCopyNoSource = 9001;
inline constexpr int16_t kCopyNoValues = 9002;

inline constexpr const char* kOldFolderKey = "Software\\Zenquor\\KovelinOrganizer\\Folders";
inline constexpr const char* kOldProductKey = "Software\\Zenquor\\KovelinOrganizer";

// The current folders key: "Software\Zenquor\Kovelin Organizer\Folders".
std::string NewFolderKey();

// Copies the old folder key's values and, when every one was copied, deletes the old keys.
// Failures are logged through gobjLib; with no log object yet the failure leaves Upgrade, as
// the attempt to log fails too.
void Upgrade();

// Copies the values directly in SourceKey (under the current user) that DestKey lacks.
int16_t CopyRegistryKey(const std::string& SourceKey, const std::string& DestKey);

}  // namespace kov
