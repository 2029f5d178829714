#include "support/SmallStore.h"

#include "host/NameSpace.h"
#include "outlook/StandInFolder.h"

namespace kov::testing {

using namespace kov::outlook;

namespace {

int counter = 0;

std::shared_ptr<FolderData> Folder(const std::string& name, int32_t type,
                                   int32_t defaultFolder = 0) {
  auto folder = std::make_shared<FolderData>();
  folder->name = name;
  folder->entryId = "EF" + std::to_string(++counter) + "-" + name;
  folder->itemType = type;
  folder->defaultFolder = defaultFolder;
  return folder;
}

std::shared_ptr<ItemData> Item(const std::string& name, std::vector<std::pair<Prop, Variant>> props,
                               std::vector<LinkData> links = {}) {
  auto item = std::make_shared<ItemData>();
  item->entryId = "EI-" + name;
  item->Set(Prop::Subject, Variant(name));
  for (auto& [prop, value] : props) item->Set(prop, std::move(value));
  item->links = std::move(links);
  return item;
}

}  // namespace

StoreSet SmallStore() {
  counter = 0;
  StoreSet set;
  auto store = std::make_shared<StoreData>();
  store->name = "Mailbox";
  store->storeId = "STORE-MAILBOX";
  store->root = Folder("Mailbox", 0);
  auto& root = *store->root;

  auto inbox = Folder("Inbox", 0, host::olFolderInbox);
  inbox->views = {{"Messages", MakeViewXml("Messages", 0, "")},
                  {"Unread", MakeViewXml("Unread", 0, "\"urn:schemas:httpmail:read\" = 0")}};
  inbox->currentView = "Messages";
  using S = std::string;
  inbox->items = {
      Item("m1", {{Prop::SenderName, Variant(S("Anna Berger"))},
                  {Prop::SenderEmailAddress, Variant(S("anna@contoso.example"))},
                  {Prop::UnRead, Variant(true)},
                  {Prop::FlagStatus, Variant(int32_t{2})},
                  {Prop::Attachments, Variant(int32_t{1})},
                  {Prop::Categories, Variant(S("Business, Travel"))}}),
      Item("m2", {{Prop::SenderName, Variant(S("Bruno Conrad"))},
                  {Prop::SenderEmailAddress, Variant(S("bruno@fabrikam.example"))},
                  {Prop::UnRead, Variant(false)},
                  {Prop::FlagStatus, Variant(int32_t{1})}}),
      Item("m3", {{Prop::SenderName, Variant(S("anna berger"))},
                  {Prop::SenderEmailAddress, Variant(S("anna@home.example"))},
                  {Prop::UnRead, Variant(false)}}),
      Item("m4", {{Prop::SenderName, Variant(S("Élise Dorn"))},
                  {Prop::SenderEmailAddress, Variant(S("elise@contoso.example"))},
                  {Prop::UnRead, Variant(true)},
                  {Prop::Categories, Variant(S("Personal"))}}),
      Item("m5", {{Prop::SenderName, Variant(S("O'Brien Ltd"))}, {Prop::UnRead, Variant(false)}}),
  };
  auto sent = Folder("Sent Items", 0, host::olFolderSentMail);
  sent->items = {
      Item("s1", {{Prop::To, Variant(S("Anna Berger"))}, {Prop::CC, Variant(S("Bruno Conrad"))}}),
      Item("s2", {{Prop::To, Variant(S("Carla Dorn"))}})};
  auto contacts = Folder("Contacts", 2, 10);
  contacts->items = {
      Item("c1", {{Prop::FullName, Variant(S("Anna Berger"))},
                  {Prop::CompanyName, Variant(S("Contoso Ltd"))},
                  {Prop::BusinessAddressCountry, Variant(S("Germany"))},
                  {Prop::BusinessAddressCity, Variant(S("Berlin"))},
                  {Prop::HomeAddressCountry, Variant(S("Austria"))},
                  {Prop::HomeAddressCity, Variant(S("Vienna"))}}),
      Item("c2", {{Prop::FullName, Variant(S("Bruno Conrad"))},
                  {Prop::CompanyName, Variant(S("Fabrikam Inc"))},
                  {Prop::MailingAddressCountry, Variant(S("France"))},
                  {Prop::MailingAddressCity, Variant(S("Paris"))},
                  {Prop::OtherAddressCountry, Variant(S("Canada"))},
                  {Prop::OtherAddressCity, Variant(S("Toronto"))}}),
      Item("c3", {{Prop::FullName, Variant(S("Carla Dorn"))}}),
  };
  auto calendar = Folder("Calendar", 1, 9);
  calendar->items = {Item("a1",
                          {{Prop::Location, Variant(S("Room 101"))},
                           {Prop::Label, Variant(int32_t{3})},
                           {Prop::Categories, Variant(S("Business"))}},
                          {{40, "Anna Berger"}, {40, "Bruno Conrad"}}),
                     Item("a2", {{Prop::Location, Variant(S("Cafeteria"))}})};
  auto tasks = Folder("Tasks", 3, host::olFolderTasks);
  tasks->views = {{"Simple List", MakeViewXml("Simple List", 3, "")}};
  tasks->currentView = "Simple List";
  tasks->items = {Item("t1", {{Prop::Status, Variant(int32_t{2})}}, {{40, "Carla Dorn"}}),
                  Item("t2", {{Prop::Status, Variant(int32_t{0})}}),
                  Item("t3", {{Prop::Status, Variant(int32_t{2})}})};
  auto notes = Folder("Notes", 5, 12);
  notes->items = {Item("n1", {{Prop::Color, Variant(int32_t{2})}}),
                  Item("n2", {{Prop::Color, Variant(int32_t{0})}})};
  auto search = Folder("Search Folders", 0);
  search->folders.push_back(Folder("Found", 0));
  root.folders = {Folder("Deleted Items", 0, 3),
                  inbox,
                  Folder("Outbox", 0, 4),
                  sent,
                  contacts,
                  calendar,
                  tasks,
                  notes,
                  Folder("Journal", 4, 11),
                  Folder("Drafts", 0, 16),
                  Folder("Conflicts", 0, 19),
                  Folder("Sync Issues", 0, 20),
                  Folder("Server Failures", 0, 22),
                  Folder("Junk E-mail", 0, 23),
                  search};
  set.stores.push_back(store);

  auto second = std::make_shared<StoreData>();
  second->name = "Second";
  second->storeId = "STORE-SECOND";
  second->root = Folder("Second", 0);
  second->root->folders.push_back(Folder("Other", 0));
  set.stores.push_back(second);
  set.Link();
  return set;
}

}  // namespace kov::testing
