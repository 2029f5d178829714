#include "outlook/SampleStore.h"

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "host/NameSpace.h"
#include "outlook/StandInFolder.h"

namespace kov::outlook {
namespace {

// A fixed-seed generator; only the engine's raw output is used, so every platform draws the
// same values.
class Dice {
 public:
  explicit Dice(uint32_t seed) : engine_(seed) {}
  int Below(int n) { return static_cast<int>(engine_() % static_cast<uint32_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& from) {
    return from[static_cast<size_t>(Below(static_cast<int>(from.size())))];
  }

 private:
  std::mt19937 engine_;
};

struct Person {
  std::string first;
  std::string last;
  std::string company;
  std::string domain;
  std::string Name() const { return first + " " + last; }
  std::string Email() const {
    std::string local = first + "." + last;
    for (auto& c : local) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return local + "@" + domain;
  }
};

const std::vector<std::string> kFirst = {
    "Anna",   "Bruno", "Carla",  "Daniel", "Elena",  "Felix", "Greta", "Hugo",    "Ines",
    "Jonas",  "Karin", "Lukas",  "Maria",  "Nils",   "Olga",  "Paul",  "Quentin", "Rosa",
    "Stefan", "Tanja", "Ulrich", "Vera",   "Walter", "Xenia", "Yusuf", "Zoe"};
const std::vector<std::string> kLast = {
    "Albrecht", "Berger", "Conrad", "Dorn",  "Eckert", "Fischer", "Gruber", "Hansen", "Iversen",
    "Jansen",   "Keller", "Lorenz", "Maier", "Novak",  "Olsen",   "Peters", "Quast",  "Richter",
    "Schulz",   "Teller", "Urban",  "Vogel", "Wagner", "Young",   "Zimmer"};
const std::vector<std::pair<std::string, std::string>> kCompanies = {
    {"Northwind Traders", "northwind.example"}, {"Contoso Ltd", "contoso.example"},
    {"Fabrikam Inc", "fabrikam.example"},       {"Litware Systems", "litware.example"},
    {"Adatum Corporation", "adatum.example"},   {"Tailspin Toys", "tailspin.example"},
    {"Proseware", "proseware.example"},         {"Woodgrove Bank", "woodgrove.example"}};
const std::vector<std::pair<std::string, std::vector<std::string>>> kPlaces = {
    {"Germany", {"Berlin", "Hamburg", "Munich"}},
    {"United States of America", {"Seattle", "Boston", "Chicago"}},
    {"United Kingdom", {"London", "Leeds"}},
    {"France", {"Paris", "Lyon"}},
    {"Canada", {"Toronto", "Vancouver"}},
    {"Austria", {"Vienna"}}};
const std::vector<std::string> kTopics = {
    "Quarterly report",   "Budget review",      "Team meeting",     "Project Apollo status",
    "Invoice 2041",       "Travel plans",       "Website redesign", "Customer feedback",
    "Server maintenance", "Holiday schedule",   "Contract draft",   "Lunch on Friday",
    "Release notes",      "Marketing campaign", "Office move",      "Training session",
    "Security update",    "Product launch",     "Sales figures",    "Board presentation"};
const std::vector<std::string> kCategories = {"Business",     "Personal", "Ideas",
                                              "Key Customer", "Travel",   "Phone Calls"};
const std::vector<std::string> kLocations = {"Room 101",  "Room 204",    "Main Hall",
                                             "Cafeteria", "Client site", "Conference Room B"};

class Builder {
 public:
  Builder() : dice_(20061211) {
    for (int i = 0; i < 48; ++i) {
      const auto& company = kCompanies[static_cast<size_t>(i) % kCompanies.size()];
      people_.push_back({kFirst[static_cast<size_t>(i) % kFirst.size()],
                         kLast[static_cast<size_t>(i * 7 + i / 25) % kLast.size()], company.first,
                         company.second});
    }
  }

  std::string NextId() {
    char text[64];
    std::snprintf(text, sizeof text, "00000000B5C3A1E0D2F4061827394A5B%016llX",
                  static_cast<unsigned long long>(++counter_));
    return text;
  }

  std::shared_ptr<FolderData> Folder(const std::string& name, int32_t itemType,
                                     int32_t defaultFolder = 0) {
    auto folder = std::make_shared<FolderData>();
    folder->name = name;
    folder->entryId = NextId();
    folder->itemType = itemType;
    folder->defaultFolder = defaultFolder;
    AddViews(*folder);
    return folder;
  }

  void AddViews(FolderData& folder) {
    std::vector<std::pair<std::string, std::string>> views;
    switch (folder.itemType) {
      case 0:
        views = {
            {"Messages", ""},
            {"Messages with AutoPreview", ""},
            {"Unread Messages", "\"urn:schemas:httpmail:read\" = 0"},
            {"By Follow-up Flag", "\"http://schemas.microsoft.com/mapi/proptag/0x10900003\" > 0"}};
        break;
      case 1:
        views = {{"Day/Week/Month", ""}, {"Active Appointments", ""}, {"By Category", ""}};
        break;
      case 2:
        views = {{"Address Cards", ""}, {"Phone List", ""}, {"By Company", ""}};
        break;
      case 3:
        views = {{"Simple List", ""},
                 {"Active Tasks",
                  "\"http://schemas.microsoft.com/mapi/id/{00062003-0000-0000-C000-000000000046}/"
                  "81010003\" <> 2"},
                 {"Completed Tasks",
                  "\"http://schemas.microsoft.com/mapi/id/{00062003-0000-0000-C000-000000000046}/"
                  "81010003\" = 2"}};
        break;
      case 4:
        views = {{"By Type", ""}, {"Entry List", ""}};
        break;
      default:
        views = {{"Icons", ""}, {"Notes List", ""}, {"By Color", ""}};
        break;
    }
    for (const auto& [name, filter] : views) {
      folder.views.push_back({name, MakeViewXml(name, folder.itemType, filter)});
    }
    folder.currentView = folder.views.front().name;
  }

  std::shared_ptr<ItemData> Item() {
    auto item = std::make_shared<ItemData>();
    item->entryId = NextId();
    return item;
  }

  std::string Subject() {
    std::string subject = dice_.Pick(kTopics);
    const int prefix = dice_.Below(10);
    if (prefix < 3)
      subject = "Re: " + subject;
    else if (prefix < 5)
      subject = "Fw: " + subject;
    else if (prefix == 5)
      subject = "RE: Re: " + subject;
    return subject;
  }

  std::string Categories() {
    const int count = dice_.Below(4) == 0 ? 2 : (dice_.Chance(50) ? 1 : 0);
    std::string text;
    for (int i = 0; i < count; ++i) {
      const std::string& category = kCategories[static_cast<size_t>(dice_.Below(6))];
      if (text.find(category) != std::string::npos) continue;
      if (!text.empty()) text += ", ";
      text += category;
    }
    return text;
  }

  void FillMail(FolderData& folder, int count, bool sent) {
    // A few frequent correspondents and a long tail, as in a real mailbox.
    for (int i = 0; i < count; ++i) {
      const int pick =
          dice_.Chance(60) ? dice_.Below(8) : dice_.Below(static_cast<int>(people_.size()));
      const Person& person = people_[static_cast<size_t>(pick)];
      auto item = Item();
      item->Set(Prop::Subject, Variant(Subject()));
      item->Set(Prop::Body, Variant("Hello,\r\n\r\nplease see the notes on " + person.company +
                                    ".\r\n\r\nRegards"));
      if (sent) {
        item->Set(Prop::SenderName, Variant(std::string("Sam Owner")));
        item->Set(Prop::SenderEmailAddress, Variant(std::string("sam.owner@example.org")));
        item->Set(Prop::To, Variant(person.Name()));
        if (dice_.Chance(35)) {
          item->Set(Prop::CC, Variant(people_[static_cast<size_t>(dice_.Below(20))].Name()));
        }
        item->Set(Prop::UnRead, Variant(false));
      } else {
        item->Set(Prop::SenderName, Variant(person.Name()));
        item->Set(Prop::SenderEmailAddress, Variant(person.Email()));
        item->Set(Prop::To, Variant(std::string("Sam Owner")));
        if (dice_.Chance(20)) {
          item->Set(Prop::CC, Variant(people_[static_cast<size_t>(dice_.Below(20))].Name()));
        }
        item->Set(Prop::UnRead, Variant(dice_.Chance(30)));
      }
      const int flag = dice_.Below(10);
      item->Set(Prop::FlagStatus, Variant(int32_t{flag < 7 ? 0 : (flag < 9 ? 2 : 1)}));
      item->Set(Prop::Attachments, Variant(int32_t{dice_.Chance(25) ? 1 + dice_.Below(3) : 0}));
      const std::string categories = Categories();
      if (!categories.empty()) item->Set(Prop::Categories, Variant(categories));
      folder.items.push_back(item);
    }
  }

  void FillContacts(FolderData& folder, int count) {
    for (int i = 0; i < count; ++i) {
      const Person& person = people_[static_cast<size_t>(i) % people_.size()];
      // Past the people list, vary the first names so that initials spread over the alphabet.
      const std::string first = i < static_cast<int>(people_.size())
                                    ? person.first
                                    : kFirst[static_cast<size_t>(i * 3) % kFirst.size()];
      const std::string last = kLast[static_cast<size_t>(i) % kLast.size()];
      auto item = Item();
      item->Set(Prop::FullName, Variant(first + " " + last));
      item->Set(Prop::Subject, Variant(first + " " + last));
      item->Set(Prop::CompanyName, Variant(dice_.Chance(85) ? person.company : std::string()));
      item->Set(Prop::Email1Address, Variant(person.Email()));
      const auto& business =
          kPlaces[static_cast<size_t>(dice_.Below(static_cast<int>(kPlaces.size())))];
      item->Set(Prop::BusinessAddressCountry, Variant(business.first));
      item->Set(Prop::BusinessAddressCity, Variant(dice_.Pick(business.second)));
      if (dice_.Chance(60)) {
        const auto& home =
            kPlaces[static_cast<size_t>(dice_.Below(static_cast<int>(kPlaces.size())))];
        item->Set(Prop::HomeAddressCountry, Variant(home.first));
        item->Set(Prop::HomeAddressCity, Variant(dice_.Pick(home.second)));
      }
      if (dice_.Chance(15)) {
        item->Set(Prop::MailingAddressCountry, Variant(business.first));
        item->Set(Prop::MailingAddressCity, Variant(business.second.front()));
      }
      if (dice_.Chance(10)) {
        const auto& other =
            kPlaces[static_cast<size_t>(dice_.Below(static_cast<int>(kPlaces.size())))];
        item->Set(Prop::OtherAddressCountry, Variant(other.first));
        item->Set(Prop::OtherAddressCity, Variant(other.second.back()));
      }
      const std::string categories = Categories();
      if (!categories.empty()) item->Set(Prop::Categories, Variant(categories));
      contactNames_.push_back(first + " " + last);
      folder.items.push_back(item);
    }
  }

  void AddLinks(ItemData& item, int percent) {
    if (contactNames_.empty() || !dice_.Chance(percent)) return;
    const int count = 1 + dice_.Below(2);
    for (int i = 0; i < count; ++i) {
      const std::string& name = contactNames_[static_cast<size_t>(dice_.Below(12))];
      bool present = false;
      for (const auto& link : item.links) present = present || link.name == name;
      if (!present) item.links.push_back({40, name});
    }
  }

  void FillCalendar(FolderData& folder, int count) {
    static const std::vector<std::string> kEvents = {
        "Weekly sync", "Dentist",         "Project review", "Customer visit", "Lunch with Anna",
        "Training",    "Budget planning", "Team offsite",   "Release party",  "Interview"};
    for (int i = 0; i < count; ++i) {
      auto item = Item();
      item->Set(Prop::Subject, Variant(dice_.Pick(kEvents)));
      item->Set(Prop::Location, Variant(dice_.Chance(80) ? dice_.Pick(kLocations) : std::string()));
      const std::string categories = Categories();
      if (!categories.empty()) item->Set(Prop::Categories, Variant(categories));
      item->Set(Prop::Label, Variant(int32_t{dice_.Below(11)}));
      AddLinks(*item, 45);
      folder.items.push_back(item);
    }
  }

  void FillTasks(FolderData& folder, int count) {
    static const std::vector<std::string> kTasks = {
        "Prepare slides", "Call the supplier", "Review contract", "Update the wiki",
        "Book flights",   "Renew licence",     "Write test plan", "Order supplies"};
    for (int i = 0; i < count; ++i) {
      auto item = Item();
      item->Set(Prop::Subject, Variant(dice_.Pick(kTasks)));
      item->Set(Prop::Status, Variant(int32_t{dice_.Below(5)}));
      const std::string categories = Categories();
      if (!categories.empty()) item->Set(Prop::Categories, Variant(categories));
      AddLinks(*item, 40);
      folder.items.push_back(item);
    }
  }

  void FillNotes(FolderData& folder, int count) {
    static const std::vector<std::string> kNotes = {
        "Door code 4711",   "Ideas for the party", "Book recommendations",
        "Parking: level 3", "Gift list",           "Wi-Fi password is on the fridge"};
    for (int i = 0; i < count; ++i) {
      auto item = Item();
      item->Set(Prop::Subject, Variant(dice_.Pick(kNotes)));
      item->Set(Prop::Color, Variant(int32_t{dice_.Below(5)}));
      const std::string categories = Categories();
      if (!categories.empty()) item->Set(Prop::Categories, Variant(categories));
      folder.items.push_back(item);
    }
  }

  void FillJournal(FolderData& folder, int count) {
    for (int i = 0; i < count; ++i) {
      auto item = Item();
      item->Set(Prop::Subject,
                Variant("Phone call with " + people_[static_cast<size_t>(i)].Name()));
      folder.items.push_back(item);
    }
  }

  std::shared_ptr<StoreData> Store(const std::string& name, const std::string& storeId) {
    auto store = std::make_shared<StoreData>();
    store->name = name;
    store->storeId = storeId;
    store->root = Folder(name, 0);
    store->root->views.clear();
    store->root->currentView.clear();
    return store;
  }

  StoreSet Build() {
    StoreSet set;
    auto personal = Store("Personal Folders", "0000000038A1BB1005E5101AA1BB08002B2A56C20000707374");
    auto& root = *personal->root;
    auto add = [&](std::shared_ptr<FolderData> folder) {
      root.folders.push_back(folder);
      return folder.get();
    };
    FolderData* deleted = add(Folder("Deleted Items", 0, host::olFolderDeletedItems));
    FillMail(*deleted, 12, false);
    FolderData* inbox = add(Folder("Inbox", 0, host::olFolderInbox));
    FillMail(*inbox, 320, false);
    add(Folder("Outbox", 0, host::olFolderOutbox));
    FolderData* sent = add(Folder("Sent Items", 0, host::olFolderSentMail));
    FillMail(*sent, 120, true);
    FolderData* contacts = add(Folder("Contacts", 2, host::olFolderContacts));
    FillContacts(*contacts, 72);
    FolderData* calendar = add(Folder("Calendar", 1, host::olFolderCalendar));
    FillCalendar(*calendar, 70);
    FolderData* tasks = add(Folder("Tasks", 3, host::olFolderTasks));
    FillTasks(*tasks, 40);
    FolderData* notes = add(Folder("Notes", 5, host::olFolderNotes));
    FillNotes(*notes, 30);
    FolderData* journal = add(Folder("Journal", 4, host::olFolderJournal));
    FillJournal(*journal, 8);
    FolderData* drafts = add(Folder("Drafts", 0, host::olFolderDrafts));
    FillMail(*drafts, 3, true);
    FolderData* junk = add(Folder("Junk E-mail", 0, host::olFolderJunk));
    FillMail(*junk, 15, false);
    FolderData* sync = add(Folder("Sync Issues", 0, host::olFolderSyncIssues));
    sync->folders.push_back(Folder("Conflicts", 0, host::olFolderConflicts));
    sync->folders.push_back(Folder("Local Failures", 0));
    sync->folders.push_back(Folder("Server Failures", 0, host::olFolderServerFailures));
    FolderData* search = add(Folder("Search Folders", 0));
    search->folders.push_back(Folder("Unread Mail", 0));
    FolderData* projects = add(Folder("Projects", 0));
    FillMail(*projects, 40, false);
    for (const char* name : {"Apollo", "Borealis"}) {
      auto sub = Folder(name, 0);
      FillMail(*sub, 25, false);
      projects->folders.push_back(sub);
    }
    set.stores.push_back(personal);

    auto archive = Store("Archive Folders", "0000000038A1BB1005E5101AA1BB08002B2A56C20000617263");
    auto oldMail = Folder("Inbox 2005", 0);
    FillMail(*oldMail, 60, false);
    archive->root->folders.push_back(oldMail);
    auto oldContacts = Folder("Contacts", 2);
    FillContacts(*oldContacts, 10);
    archive->root->folders.push_back(oldContacts);
    set.stores.push_back(archive);

    auto hotmail = Store("Hotmail", "0000000038A1BB1005E5101AA1BB08002B2A56C200006874");
    auto hotInbox = Folder("Inbox", 0);
    FillMail(*hotInbox, 10, false);
    hotmail->root->folders.push_back(hotInbox);
    set.stores.push_back(hotmail);

    set.Link();
    return set;
  }

 private:
  Dice dice_;
  uint64_t counter_ = 0;
  std::vector<Person> people_;
  std::vector<std::string> contactNames_;
};

}  // namespace

StoreSet BuildSampleStore() { return Builder().Build(); }

}  // namespace kov::outlook
