// A session with the Outlook stand-in running over the small store and the add-in's shared
// objects made as start-up makes them: the log library, the registry object at the add-in's key,
// the default folders' names and the class registry with the host's classes.
#pragma once

#include <memory>
#include <string>

#include "forms/ModalDriver.h"
#include "host/ClassRegistry.h"
#include "outlook/OutlookStandIn.h"
#include "support/TestSession.h"
#include "user/ScriptedUser.h"

namespace kov::testing {

class AddinSession : public TestSession {
 protected:
  explicit AddinSession(const std::string& version = "11.0");
  ~AddinSession() override;

  // Replaces the stand-in with a fresh one over the small store (and the given version).
  void StartOutlook(const std::string& version);

  host::FolderPtr Folder(const std::string& path) const;
  outlook::FolderData& Data(const std::string& path) const;
  // The hidden messages of a folder as "subject=body" lines, in their order.
  std::vector<std::string> Hidden(const std::string& path) const;
  std::string LibraryLogText() const { return ReadBytes(LibraryLog()); }

  host::ClassRegistry classes_;
  std::unique_ptr<outlook::OutlookStandIn> outlook_;
  // The person: queue answers with user_.Answer; what was shown collects in transcript_.
  substitute::ScriptedUser user_;
  std::string transcript_;

 private:
  host::ScopedClassRegistry scopedClasses_{classes_};
  forms::ScopedModalDriver scopedUser_{user_};
};

}  // namespace kov::testing
