// The folder switch's shared routines: putting the add-in's home page on a folder and taking it
// off again (cleaning the tabs part out of every view's stored filter), reloading a folder in an
// explorer, and the deferred actions that run dialogs and reloads on the registry object's timer,
// outside the host's event handlers.
#pragma once

#include <memory>
#include <string>

#include "host/Explorer.h"
#include "host/Folder.h"

namespace kov {

// Texts of the view filters the add-in writes.
inline constexpr const char* kFolderFilterGuard =
    " \"DAV:isfolder\" = False And \"DAV:ishidden\" = False ";
inline constexpr const char* kSubjectMarker = "(\"urn:schemas:httpmail:subject\" LIKE '%'OR ";
inline constexpr const char* kAndMarker = " AND (\"urn:schemas:httpmail:subject\" LIKE '%'OR ";
inline constexpr const char* kHomePageName = "KovelinOrganizer.html";

// Deferred-action codes.
inline constexpr int16_t kActionFolderProperties = 0;
inline constexpr int16_t kActionOptions = 1;
inline constexpr int16_t kActionFirstEntryPrompt = 2;
inline constexpr int16_t kActionReselect = 3;

// "file:" + the add-in's folder + the page's name.
std::string HomePageAddress();

// Puts the home page on an enabled folder whose home page is off; true when the host needs a
// reselect to show it (the 2002 host).
bool ApplyFolder(const host::FolderPtr& folder);
// Takes the add-in's home page off the folder (a page of the user's own is left alone) and
// cleans every view's filter.
void RestoreFolder(const host::FolderPtr& folder, bool logFailures = false);
void RestoreAllFolders(const std::shared_ptr<host::Folders>& folders, bool flag = false);
// Makes the explorer load the folder again, so that a home page set or removed takes effect.
void ReselectFolder(const host::FolderPtr& folder, const host::ExplorerPtr& explorer);
// The view filter with the tabs part taken out, as a folder without the add-in's page keeps it.
std::string CleanViewFilter(const std::string& filter);

// Schedules a reselect of the active folder after `intervalMs`; when one is already pending it
// is brought forward to 100 ms instead, so that folder switches in a row reload only once.
void ScheduleReselect(int32_t intervalMs);
void ScheduleFolderProperties(const host::FolderPtr& folder);
void ScheduleOptions();
// The deferral timer's action: runs the stored action once.
void RunDeferredAction();
// The maker library's quick-start routine.
int32_t QuickStart();

}  // namespace kov
