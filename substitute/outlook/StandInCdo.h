// CDO over the stand-in's stores: a session, a folder's hidden messages with the subject filter,
// and the safe mail item that reads and writes a message's body. Hidden messages are stored with
// the folder; every stored change passes the world's write hook first.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/Cdo.h"
#include "outlook/StandInWorld.h"

namespace kov::outlook {

inline constexpr const char* kCdoProgId = "Mapi.session";
inline constexpr const char* kSafeMailItemProgId = "Redemption.SafeMailItem";

class StandInCdoMessage : public host::CdoMessage {
 public:
  // A message of the folder (entryId set) or a new one not yet saved (entryId empty).
  StandInCdoMessage(WorldPtr world, FolderData* folder, std::string entryId, std::string subject,
                    std::string body);
  std::string Subject() const override { return subject_; }
  void SetSubject(const std::string& subject) override { subject_ = subject; }
  void Delete() override;
  void Update() override;

  std::string Body() const { return body_; }
  void SetBody(const std::string& body) { body_ = body; }

 private:
  HiddenMessageData* Record() const;

  WorldPtr world_;
  FolderData* folder_;
  std::string entryId_;
  std::string subject_;
  std::string body_;
};

class StandInCdoMessages : public host::CdoMessages {
 public:
  StandInCdoMessages(WorldPtr world, FolderData* folder)
      : world_(std::move(world)), folder_(folder) {}
  host::CdoMessagePtr Add(const std::string& subject) override;
  void SetFilterSubject(const std::string& subject) override { filter_ = subject; }
  void ClearFilter() override { filter_.reset(); }
  host::CdoMessagePtr GetFirst() override;
  host::CdoMessagePtr GetNext() override;
  int32_t Count() const override { return static_cast<int32_t>(Matching().size()); }
  host::CdoMessagePtr Item(int32_t index) const override;

 private:
  std::vector<const HiddenMessageData*> Matching() const;
  host::CdoMessagePtr Wrap(const HiddenMessageData& record) const;

  WorldPtr world_;
  FolderData* folder_;
  std::optional<std::string> filter_;
  // GetFirst takes the matching messages as they are; GetNext walks that list.
  std::vector<std::string> walk_;
  size_t next_ = 0;
};

class StandInCdoFolder : public host::CdoFolder {
 public:
  StandInCdoFolder(WorldPtr world, FolderData* folder)
      : world_(std::move(world)), folder_(folder) {}
  std::string Name() const override { return folder_->name; }
  std::shared_ptr<host::CdoMessages> HiddenMessages() const override;

 private:
  WorldPtr world_;
  FolderData* folder_;
};

class StandInCdoSession : public host::CdoSession {
 public:
  explicit StandInCdoSession(WorldPtr world) : world_(std::move(world)) {}
  void Logon(const std::string& profileName, const std::string& password, bool showDialog,
             bool newSession, int32_t parentWindow) override;
  std::shared_ptr<host::CdoFolder> GetFolder(const std::string& entryId,
                                             const std::string& storeId) override;
  bool LoggedOn() const { return loggedOn_; }

 private:
  WorldPtr world_;
  bool loggedOn_ = false;
};

class StandInSafeMailItem : public host::SafeMailItem {
 public:
  void SetItem(const host::ObjectPtr& item) override { item_ = item; }
  host::ObjectPtr Item() const override { return item_; }
  std::string Body() const override;
  void SetText(const std::string& text) override;
  Variant Property(const std::string& name) const override;

 private:
  host::ObjectPtr item_;
};

}  // namespace kov::outlook
