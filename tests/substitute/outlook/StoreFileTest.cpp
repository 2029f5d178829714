#include "outlook/StoreFile.h"

#include <gtest/gtest.h>

#include "host/Cdo.h"
#include "host/ClassRegistry.h"
#include "outlook/OutlookStandIn.h"
#include "outlook/SampleStore.h"
#include "support/SmallStore.h"
#include "support/TestSession.h"

namespace kov::outlook {
namespace {

using kov::testing::ReadBytes;
using kov::testing::TempFolder;
using kov::testing::WriteBytes;

TEST(StoreFile, RoundTripKeepsEverything) {
  TempFolder folder;
  const std::string path = folder / "store.json";
  const StoreSet original = kov::testing::SmallStore();
  SaveStoreFile(original, path);
  const StoreSet loaded = LoadStoreFile(path);
  EXPECT_EQ(FormatStore(loaded), FormatStore(original));
  EXPECT_EQ(loaded.stores[0]->root->folders[5]->items[0]->links.size(), 2u);
  EXPECT_EQ(loaded.stores[0]->root->folders[1]->Path(), "\\\\Mailbox\\Inbox");
}

TEST(StoreFile, ChangesMadeThroughTheHostAreSavedAtOnce) {
  TempFolder folder;
  const std::string path = folder / "store.json";
  SaveStoreFile(kov::testing::SmallStore(), path);
  OutlookStandInOptions options;
  options.storeFile = path;
  {
    auto standIn = OutlookStandIn::FromFile(options);
    host::ClassRegistry classes;
    host::ScopedClassRegistry scoped(classes);
    standIn->RegisterClasses(classes);
    auto inbox = standIn->FolderByPath("\\\\Mailbox\\Inbox");
    inbox->SetWebViewURL("file:/tmp/page.html");
    auto cdo = host::CreateObjectAs<host::CdoSession>("MAPI.Session");
    cdo->Logon("", "", false, false, 0);
    auto message = cdo->GetFolder(inbox->EntryID(), inbox->StoreID())
                       ->HiddenMessages()
                       ->Add("Kovelin Organizer2");
    message->Update();
  }
  const StoreSet reloaded = LoadStoreFile(path);
  const auto& inbox = *reloaded.stores[0]->root->folders[1];
  EXPECT_EQ(inbox.webViewUrl, "file:/tmp/page.html");
  ASSERT_EQ(inbox.hidden.size(), 1u);
  EXPECT_EQ(inbox.hidden[0].subject, "Kovelin Organizer2");
}

TEST(StoreFile, MalformedFilesAreRefusedAndLeftAlone) {
  struct Case {
    std::string text;
    const char* message;
  };
  const std::string head =
      "{\"format\":\"kovelin-store/1\",\"stores\":[{\"name\":\"S\",\"storeId\":\"1\",\"root\":";
  const Case cases[] = {
      {"", "not valid JSON"},
      {"{\"stores\":[]", "not valid JSON"},
      {"[]", "the document must be an object"},
      {"{\"format\":\"other\",\"stores\":[]}", "format: must be \"kovelin-store/1\""},
      {"{\"format\":\"kovelin-store/1\"}", "stores: is missing"},
      {head + "{\"name\":\"S\",\"entryId\":\"r\",\"itemType\":9}}]}",
       "stores[0].root.itemType: must be from 0 to 5"},
      {head + "{\"name\":\"S\",\"entryId\":\"r\",\"itemType\":\"0\"}}]}",
       "stores[0].root.itemType: must be number"},
      {head + "{\"name\":\"T\",\"entryId\":\"r\",\"itemType\":0}}]}",
       "stores[0].root.name: must be the store's name"},
      {head + "{\"name\":\"S\",\"entryId\":\"r\",\"itemType\":0,\"items\":[{\"entryId\":\"i\","
              "\"properties\":{\"Colour\":1}}]}}]}",
       "stores[0].root.items[0].properties.Colour: is not a known item property"},
      {head + "{\"name\":\"S\",\"entryId\":\"r\",\"itemType\":0,\"items\":[{\"entryId\":\"i\","
              "\"properties\":{\"UnRead\":1}}]}}]}",
       "properties.UnRead: must be true or false"},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    const std::string path = folder / "bad.json";
    WriteBytes(path, c.text);
    try {
      OutlookStandInOptions options;
      options.storeFile = path;
      OutlookStandIn::FromFile(options);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const StoreFileError& e) {
      EXPECT_NE(std::string(e.what()).find(path + ": "), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(path), c.text);
  }
}

TEST(SampleStore, IsTheSameEveryTimeAndHasWhatTheDemoNeeds) {
  const StoreSet sample = BuildSampleStore();
  EXPECT_EQ(FormatStore(sample), FormatStore(BuildSampleStore()));
  ASSERT_EQ(sample.stores.size(), 3u);
  EXPECT_EQ(sample.stores[0]->name, "Personal Folders");
  auto count = [&](const char* name) -> size_t {
    for (const auto& folder : sample.stores[0]->root->folders) {
      if (folder->name == name) return folder->items.size();
    }
    return 0;
  };
  EXPECT_GE(count("Inbox"), 300u);
  EXPECT_GE(count("Sent Items"), 100u);
  EXPECT_GE(count("Contacts"), 60u);
  EXPECT_GE(count("Calendar"), 60u);
  EXPECT_GT(count("Tasks"), 0u);
  EXPECT_GT(count("Notes"), 0u);
  // Full names start with most letters of the alphabet.
  std::set<char> initials;
  for (const auto& folder : sample.stores[0]->root->folders) {
    if (folder->name != "Contacts") continue;
    for (const auto& item : folder->items)
      initials.insert(item->Find(Prop::FullName)->ToString()[0]);
  }
  EXPECT_GE(initials.size(), 20u);
  TempFolder folder;
  SaveStoreFile(sample, folder / "sample.json");
  EXPECT_EQ(FormatStore(LoadStoreFile(folder / "sample.json")), FormatStore(sample));
}

}  // namespace
}  // namespace kov::outlook
