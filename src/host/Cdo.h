// The CDO session ("Mapi.session") the add-in uses for a folder's hidden messages, and the safe
// mail item ("Redemption.SafeMailItem") through which it reads and writes a message's body and
// reads an item's properties without the host's security prompt.
#pragma once

#include <memory>
#include <string>

#include "base/Variant.h"
#include "host/ComObject.h"

namespace kov::host {

class CdoMessage : public ComObject {
 public:
  virtual std::string Subject() const = 0;
  virtual void SetSubject(const std::string& subject) = 0;
  // Removes the message from its folder at once.
  virtual void Delete() = 0;
  // Saves the message (a new message exists in its folder only from its first Update).
  virtual void Update() = 0;
};

using CdoMessagePtr = std::shared_ptr<CdoMessage>;

// A folder's hidden messages. The filter's subject restricts GetFirst, GetNext, Count and Item
// to the messages whose subject contains that text; ClearFilter (Filter = Nothing) lifts it.
class CdoMessages : public ComObject {
 public:
  virtual CdoMessagePtr Add(const std::string& subject) = 0;
  virtual void SetFilterSubject(const std::string& subject) = 0;
  virtual void ClearFilter() = 0;
  // Null after the last.
  virtual CdoMessagePtr GetFirst() = 0;
  virtual CdoMessagePtr GetNext() = 0;
  virtual int32_t Count() const = 0;
  virtual CdoMessagePtr Item(int32_t index) const = 0;
};

class CdoFolder : public ComObject {
 public:
  virtual std::string Name() const = 0;
  virtual std::shared_ptr<CdoMessages> HiddenMessages() const = 0;
};

class CdoSession : public ComObject {
 public:
  // Attaches to the host's running session; the arguments are those CDO's Logon takes.
  virtual void Logon(const std::string& profileName, const std::string& password, bool showDialog,
                     bool newSession, int32_t parentWindow) = 0;
  // Raises when not logged on or when no folder has that entry id in that store.
  virtual std::shared_ptr<CdoFolder> GetFolder(const std::string& entryId,
                                               const std::string& storeId) = 0;
};

// The safe mail item: attach any message or item through Item, then read or write.
class SafeMailItem : public ComObject {
 public:
  virtual void SetItem(const ObjectPtr& item) = 0;
  virtual ObjectPtr Item() const = 0;
  // Plain-text body of the attached message (Body and Text are the same text).
  virtual std::string Body() const = 0;
  virtual void SetText(const std::string& text) = 0;
  // A property of the attached item by its object-model name ("SenderName", "To").
  virtual Variant Property(const std::string& name) const = 0;
};

}  // namespace kov::host
