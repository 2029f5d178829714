#include "outlook/StandInCdo.h"

#include "base/ComError.h"
#include "base/Text.h"
#include "outlook/StandInFolder.h"

namespace kov::outlook {
namespace {

[[noreturn]] void RaiseCdo(const std::string& what) {
  throw ComError(static_cast<int32_t>(0x8004010F), "Collaboration Data Objects",
                 "[Collaboration Data Objects - [MAPI_E_NOT_FOUND(8004010F)]] " + what);
}

}  // namespace

StandInCdoMessage::StandInCdoMessage(WorldPtr world, FolderData* folder, std::string entryId,
                                     std::string subject, std::string body)
    : world_(std::move(world)),
      folder_(folder),
      entryId_(std::move(entryId)),
      subject_(std::move(subject)),
      body_(std::move(body)) {}

HiddenMessageData* StandInCdoMessage::Record() const {
  for (auto& message : folder_->hidden) {
    if (message.entryId == entryId_) return &message;
  }
  return nullptr;
}

void StandInCdoMessage::Update() {
  if (world_->writeHook) world_->writeHook("update");
  if (HiddenMessageData* record = Record()) {
    record->subject = subject_;
    record->body = body_;
  } else {
    entryId_ = world_->stores.NewEntryId();
    folder_->hidden.push_back({entryId_, subject_, body_});
  }
  world_->Persist();
}

void StandInCdoMessage::Delete() {
  if (entryId_.empty() || Record() == nullptr) RaiseCdo("the message no longer exists");
  if (world_->writeHook) world_->writeHook("delete");
  std::erase_if(folder_->hidden,
                [&](const HiddenMessageData& message) { return message.entryId == entryId_; });
  world_->Persist();
}

host::CdoMessagePtr StandInCdoMessages::Add(const std::string& subject) {
  return std::make_shared<StandInCdoMessage>(world_, folder_, "", subject, "");
}

std::vector<const HiddenMessageData*> StandInCdoMessages::Matching() const {
  std::vector<const HiddenMessageData*> matching;
  for (const auto& message : folder_->hidden) {
    if (!filter_ || InStr(message.subject, *filter_, Compare::Text) > 0)
      matching.push_back(&message);
  }
  return matching;
}

host::CdoMessagePtr StandInCdoMessages::Wrap(const HiddenMessageData& record) const {
  return std::make_shared<StandInCdoMessage>(world_, folder_, record.entryId, record.subject,
                                             record.body);
}

host::CdoMessagePtr StandInCdoMessages::GetFirst() {
  walk_.clear();
  for (const auto* message : Matching()) walk_.push_back(message->entryId);
  next_ = 0;
  return GetNext();
}

host::CdoMessagePtr StandInCdoMessages::GetNext() {
  while (next_ < walk_.size()) {
    const std::string& id = walk_[next_++];
    for (const auto& message : folder_->hidden) {
      if (message.entryId == id) return Wrap(message);
    }
  }
  return nullptr;
}

host::CdoMessagePtr StandInCdoMessages::Item(int32_t index) const {
  const auto matching = Matching();
  if (index < 1 || index > static_cast<int32_t>(matching.size())) RaiseCdo("no such message");
  return Wrap(*matching[index - 1]);
}

std::shared_ptr<host::CdoMessages> StandInCdoFolder::HiddenMessages() const {
  return std::make_shared<StandInCdoMessages>(world_, folder_);
}

void StandInCdoSession::Logon(const std::string&, const std::string&, bool, bool, int32_t) {
  loggedOn_ = true;
}

std::shared_ptr<host::CdoFolder> StandInCdoSession::GetFolder(const std::string& entryId,
                                                              const std::string& storeId) {
  if (!loggedOn_) {
    throw ComError(static_cast<int32_t>(0x80040111), "Collaboration Data Objects",
                   "[Collaboration Data Objects - [MAPI_E_LOGON_FAILED(80040111)]]");
  }
  FolderData* folder = world_->stores.FindFolder(entryId, storeId);
  if (folder == nullptr) RaiseCdo("no folder has that entry id");
  return std::make_shared<StandInCdoFolder>(world_, folder);
}

std::string StandInSafeMailItem::Body() const {
  if (auto message = std::dynamic_pointer_cast<StandInCdoMessage>(item_)) return message->Body();
  if (auto item = std::dynamic_pointer_cast<StandInItem>(item_)) {
    return item->ItemProperty("Body").ToString();
  }
  throw ComError::Vb(vberr::ObjectNotSet, "Redemption");
}

void StandInSafeMailItem::SetText(const std::string& text) {
  if (auto message = std::dynamic_pointer_cast<StandInCdoMessage>(item_)) {
    message->SetBody(text);
    return;
  }
  throw ComError::Vb(vberr::ObjectNotSet, "Redemption");
}

Variant StandInSafeMailItem::Property(const std::string& name) const {
  if (auto item = std::dynamic_pointer_cast<host::Item>(item_)) return item->ItemProperty(name);
  throw ComError::Vb(vberr::ObjectNotSet, "Redemption");
}

}  // namespace kov::outlook
