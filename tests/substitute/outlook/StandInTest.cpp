#include <gtest/gtest.h>

#include "support/ErrorNumber.h"

#include "base/ComError.h"
#include "host/Cdo.h"
#include "host/ClassRegistry.h"
#include "host/ViewControl.h"
#include "outlook/OutlookStandIn.h"
#include "outlook/StandInCdo.h"
#include "support/SmallStore.h"
#include "support/TestSession.h"

namespace kov::outlook {
namespace {

class StandInTest : public ::testing::Test {
 protected:
  explicit StandInTest(const std::string& version = "11.0") { Start(version); }

  void Start(const std::string& version, OutlookStandInOptions options = {}) {
    options.version = version;
    standIn_ = std::make_unique<OutlookStandIn>(kov::testing::SmallStore(), options);
    classes_ = host::ClassRegistry();
    standIn_->RegisterClasses(classes_);
  }

  host::FolderPtr Folder(const std::string& path) {
    auto folder = standIn_->FolderByPath(path);
    EXPECT_TRUE(folder) << path;
    return folder;
  }

  int32_t ErrorOf(const std::function<void()>& action) { return kov::testing::ErrorNumber(action); }

  host::ClassRegistry classes_;
  host::ScopedClassRegistry scopedClasses_{classes_};
  std::unique_ptr<OutlookStandIn> standIn_;
};

TEST_F(StandInTest, DefaultFoldersUnderBothVersions) {
  const std::pair<int32_t, const char*> folders[] = {
      {3, "Deleted Items"}, {4, "Outbox"},           {5, "Sent Items"},  {6, "Inbox"},
      {11, "Journal"},      {13, "Tasks"},           {16, "Drafts"},     {19, "Conflicts"},
      {20, "Sync Issues"},  {22, "Server Failures"}, {23, "Junk E-mail"}};
  for (const char* version : {"11.0", "10.0"}) {
    Start(version);
    auto ns = standIn_->Application()->GetNamespace("MAPI");
    for (const auto& [number, name] : folders) {
      if (std::string(version) == "10.0" && number >= 19) {
        EXPECT_NE(ErrorOf([&] { ns->GetDefaultFolder(number); }), 0) << number;
      } else {
        EXPECT_EQ(ns->GetDefaultFolder(number)->Name(), name) << version << " " << number;
      }
    }
    EXPECT_EQ(standIn_->Application()->Version(), version);
  }
  EXPECT_NE(ErrorOf([&] { standIn_->Application()->GetNamespace("EXCHANGE"); }), 0);
}

TEST_F(StandInTest, FoldersKnowTheirPathParentAndStore) {
  auto ns = standIn_->Application()->GetNamespace("mapi");
  auto tops = ns->Folders();
  ASSERT_EQ(tops->Count(), 2);
  auto root = tops->Item("Mailbox");
  EXPECT_EQ(root->FolderPath(), "\\\\Mailbox");
  EXPECT_TRUE(std::dynamic_pointer_cast<host::NameSpace>(root->Parent()));
  auto found = root->Folders()->Item("Search Folders")->Folders()->Item(1);
  EXPECT_EQ(found->FolderPath(), "\\\\Mailbox\\Search Folders\\Found");
  auto parent = std::dynamic_pointer_cast<host::Folder>(found->Parent());
  ASSERT_TRUE(parent);
  EXPECT_EQ(parent->Name(), "Search Folders");
  EXPECT_EQ(found->StoreID(), "STORE-MAILBOX");
  EXPECT_EQ(Folder("\\\\Second\\Other")->StoreID(), "STORE-SECOND");
  EXPECT_NE(ErrorOf([&] { root->Folders()->Item("Nowhere"); }), 0);
  EXPECT_EQ(Folder("\\\\Mailbox\\Contacts")->DefaultItemType(), 2);
}

TEST_F(StandInTest, ItemPropertiesFollowTheItemType) {
  auto contact = Folder("\\\\Mailbox\\Contacts")->Items()->Item(1);
  EXPECT_EQ(contact->Class(), host::olContact);
  EXPECT_EQ(contact->ItemProperty("FullName"), Variant("Anna Berger"));
  EXPECT_EQ(contact->ItemProperty("OtherAddressCity"), Variant(""));  // type has it, item not
  EXPECT_NE(ErrorOf([&] { contact->ItemProperty("SenderName"); }), 0);
  EXPECT_NE(ErrorOf([&] { contact->ItemProperty("NoSuchProperty"); }), 0);
  auto mail = Folder("\\\\Mailbox\\Inbox")->Items()->Item(1);
  EXPECT_EQ(mail->ItemProperty("UnRead"), Variant(true));
  EXPECT_EQ(mail->ItemProperty("Attachments"), Variant(int32_t{1}));
  auto appointment = Folder("\\\\Mailbox\\Calendar")->Items()->Item(1);
  ASSERT_EQ(appointment->Links().size(), 2u);
  EXPECT_EQ(appointment->Links()[1].Type, 40);
  EXPECT_EQ(appointment->Links()[1].Name, "Bruno Conrad");
  EXPECT_EQ(Folder("\\\\Mailbox\\Inbox")->Items()->All().size(), 5u);
  EXPECT_NE(ErrorOf([&] { Folder("\\\\Mailbox\\Inbox")->Items()->Item(6); }), 0);
}

TEST_F(StandInTest, FolderAndViewSwitchesRaiseTheirEventsInOrder) {
  auto explorer = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Inbox"));
  std::vector<std::string> events;
  bool cancelNext = false;
  explorer->BeforeFolderSwitch.Connect([&](host::FolderPtr folder, bool& cancel) {
    events.push_back("before " + folder->Name() + " (current " + explorer->CurrentFolder()->Name() +
                     ")");
    cancel = cancelNext;
  });
  explorer->ViewSwitch.Connect([&] { events.push_back("view " + explorer->CurrentView()); });

  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Sent Items"));
  cancelNext = true;
  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_EQ(explorer->CurrentFolder()->Name(), "Sent Items");
  cancelNext = false;
  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Inbox"));
  explorer->SetCurrentView("unread");
  EXPECT_NE(ErrorOf([&] { explorer->SetCurrentView("No Such View"); }), 0);
  const std::vector<std::string> expected = {"before Sent Items (current Inbox)",
                                             "before Tasks (current Sent Items)",
                                             "before Inbox (current Sent Items)", "view Unread"};
  EXPECT_EQ(events, expected);
}

TEST_F(StandInTest, WindowsComeAndGoWithTheirEvents) {
  auto app = standIn_->Application();
  EXPECT_EQ(app->ActiveExplorer(), nullptr);
  std::vector<std::string> events;
  app->Explorers()->NewExplorer.Connect([&](host::ExplorerPtr explorer) {
    events.push_back("new " + explorer->CurrentFolder()->Name());
    explorer->Activate.Connect([&events] { events.push_back("activate"); });
    explorer->Close.Connect([&events] { events.push_back("close"); });
  });
  auto first = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Inbox"));
  auto second = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_EQ(app->ActiveExplorer(), second);
  EXPECT_EQ(app->Explorers()->Count(), 2);
  standIn_->CloseExplorer(second);
  EXPECT_EQ(app->ActiveExplorer(), first);
  const std::vector<std::string> expected = {"new Inbox", "activate", "new Tasks",
                                             "activate",  "close",    "activate"};
  EXPECT_EQ(events, expected);
  EXPECT_EQ(first->Application(), app);
}

TEST_F(StandInTest, CommandBarLookupsFailAsTheHostDoes) {
  OutlookStandInOptions options;
  options.missingCommandBars = {"Tools"};
  Start("11.0", options);
  auto explorer = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Inbox"));
  auto bars = explorer->CommandBars();
  EXPECT_EQ(bars->Item("help")->Name(), "Help");
  EXPECT_NE(ErrorOf([&] { bars->Item("Tools"); }), 0);
  EXPECT_NE(ErrorOf([&] { bars->Item("No Such Bar"); }), 0);

  auto help = bars->Item("help");
  EXPECT_NE(ErrorOf([&] { help->Controls()->Item("Zenquor About"); }), 0);
  auto popup = help->Controls()->Add(host::msoControlPopup, false);
  popup->SetCaption("Zenquor About");
  popup->SetTag("Zenquor About");
  auto about = popup->Controls()->Add(host::msoControlButton, false);
  about->SetCaption("About &Kovelin Organizer");
  about->SetStyle(host::msoButtonIconAndCaption);
  EXPECT_EQ(popup->Controls()->Item("About Kovelin Organizer"), about);  // "&" ignored
  EXPECT_NE(ErrorOf([&] { popup->State(); }), 0);                        // buttons only
  EXPECT_NE(ErrorOf([&] { about->Controls(); }), 0);                     // pop-ups only

  auto standard = bars->Item("Standard");
  auto tabs = standard->Controls()->Add(host::msoControlButton, true);
  tabs->SetTag("KovelinEnable");
  EXPECT_EQ(standard->FindControl(host::msoControlButton, "KovelinEnable"), tabs);
  EXPECT_EQ(standard->FindControl(host::msoControlPopup, "KovelinEnable"), nullptr);
  EXPECT_EQ(help->FindControl(0, "Zenquor About"), popup);
  int clicks = 0;
  tabs->Click.Connect([&](host::CommandBarControlPtr control, bool&) {
    EXPECT_EQ(control, tabs);
    ++clicks;
  });
  std::dynamic_pointer_cast<StandInControl>(tabs)->Execute();
  EXPECT_EQ(clicks, 1);

  // A later window keeps the lasting pop-up but not the temporary button.
  auto second = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_EQ(
      second->CommandBars()->Item("Help")->Controls()->Item("Zenquor About")->Controls()->Count(),
      1);
  EXPECT_EQ(second->CommandBars()->Item("Standard")->FindControl(0, "KovelinEnable"), nullptr);
}

TEST_F(StandInTest, ContextMenuOfTheSelectedItems) {
  auto explorer = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Inbox"));
  explorer->Select({2, 4});
  auto selection = explorer->Selection();
  ASSERT_EQ(selection->Count(), 2);
  EXPECT_NE(ErrorOf([&] { selection->Item(3); }), 0);
  auto safe = host::CreateObjectAs<host::SafeMailItem>("Redemption.SafeMailItem");
  safe->SetItem(selection->Item(2));
  EXPECT_EQ(safe->Property("SenderName"), Variant("\u00C9lise Dorn"));
  // Add-ins build their entries while the bars update, just before the menu shows.
  explorer->CommandBars()->OnUpdate.Connect([&] {
    auto menu = explorer->CommandBars()->Item("Context Menu");
    if (menu->FindControl(host::msoControlPopup, "KovelinCreate")) return;
    auto popup = menu->Controls()->Add(host::msoControlPopup, true);
    popup->SetCaption("Create Tab by Sender");
    popup->SetTag("KovelinCreate");
    popup->Controls()->Add(host::msoControlButton, true)->SetCaption("Top");
  });
  EXPECT_EQ(standIn_->ShowItemContextMenu(explorer),
            "Context Menu:\n  [Create Tab by Sender]\n    [Top]\n");
  EXPECT_EQ(standIn_->ShowItemContextMenu(explorer),
            "Context Menu:\n  [Create Tab by Sender]\n    [Top]\n");
  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_EQ(explorer->Selection()->Count(), 0);
}

TEST_F(StandInTest, ViewsCarryTheirFilterAndCanBeCopiedSavedAndDeleted) {
  auto inbox = Folder("\\\\Mailbox\\Inbox");
  auto views = inbox->Views();
  ASSERT_EQ(views->Count(), 2);
  EXPECT_NE(ErrorOf([&] { views->Item("Nope"); }), 0);
  auto unread = views->Item("UNREAD");
  EXPECT_EQ(unread->Name(), "Unread");
  EXPECT_EQ(ViewFilterOf(unread->XML()), "\"urn:schemas:httpmail:read\" = 0");
  EXPECT_NE(unread->XML().find("<viewname>Unread</viewname>"), std::string::npos);

  auto temp = views->Item("Messages")->Copy("TempViewKovelinOrganizer", 0);
  EXPECT_EQ(inbox->Views()->Count(), 3);
  EXPECT_NE(ErrorOf([&] { views->Item("Messages")->Copy("Unread", 0); }), 0);
  temp->SetXML(MakeViewXml("TempViewKovelinOrganizer", 0, "\"urn:schemas:httpmail:read\" = 1"));
  EXPECT_EQ(ViewFilterOf(inbox->Views()->Item("TempViewKovelinOrganizer")->XML()),
            "");  // not saved
  temp->Save();
  EXPECT_EQ(ViewFilterOf(inbox->Views()->Item("TempViewKovelinOrganizer")->XML()),
            "\"urn:schemas:httpmail:read\" = 1");
  EXPECT_NE(ErrorOf([&] { temp->SetXML("not xml"); }), 0);
  temp->Delete();
  EXPECT_EQ(inbox->Views()->Count(), 2);
}

TEST_F(StandInTest, HiddenMessagesAreFoundBySubjectContainment) {
  auto cdo = host::CreateObjectAs<host::CdoSession>("Mapi.session");
  auto inbox = Folder("\\\\Mailbox\\Inbox");
  EXPECT_NE(ErrorOf([&] { cdo->GetFolder(inbox->EntryID(), inbox->StoreID()); }), 0);
  cdo->Logon("", "", false, false, 0);
  EXPECT_NE(ErrorOf([&] { cdo->GetFolder("nope", inbox->StoreID()); }), 0);
  auto folder = cdo->GetFolder(inbox->EntryID(), inbox->StoreID());
  EXPECT_EQ(folder->Name(), "Inbox");

  auto safe = host::CreateObjectAs<host::SafeMailItem>("Redemption.SafeMailItem");
  const std::pair<const char*, const char*> messages[] = {{"Kovelin Organizer0", "11"},
                                                          {"Kovelin Organizer0Captions", "A|B"},
                                                          {"Kovelin Organizer0Filters", "x|y"},
                                                          {"Kovelin Organizer1", "01"}};
  for (const auto& [subject, body] : messages) {
    auto message = folder->HiddenMessages()->Add(subject);
    safe->SetItem(message);
    safe->SetText(body);
    safe->SetItem(nullptr);
    message->Update();
  }
  auto hidden = folder->HiddenMessages();
  hidden->SetFilterSubject("kovelin organizer0");
  std::vector<std::string> seen;
  for (auto m = hidden->GetFirst(); m; m = hidden->GetNext()) {
    seen.push_back(m->Subject());
    safe->SetItem(m);
    seen.back() += "=" + safe->Body();
  }
  EXPECT_EQ(seen,
            (std::vector<std::string>{"Kovelin Organizer0=11", "Kovelin Organizer0Captions=A|B",
                                      "Kovelin Organizer0Filters=x|y"}));
  EXPECT_EQ(hidden->Count(), 3);
  // Deleting while walking the filtered messages removes just those.
  for (auto m = hidden->GetFirst(); m; m = hidden->GetNext()) m->Delete();
  hidden->ClearFilter();
  ASSERT_EQ(hidden->Count(), 1);
  EXPECT_EQ(hidden->Item(1)->Subject(), "Kovelin Organizer1");
  // Another object over the same folder sees the same messages.
  EXPECT_EQ(cdo->GetFolder(inbox->EntryID(), "")->HiddenMessages()->Count(), 1);
}

TEST_F(StandInTest, TheWriteHookFailsTheNthWriteAndNothingIsStored) {
  int writes = 0;
  standIn_->World().writeHook = [&](const std::string&) {
    if (++writes == 2) throw ComError(-2147467259, "MAPI", "The disk is full.");
  };
  auto cdo = host::CreateObjectAs<host::CdoSession>("Mapi.session");
  cdo->Logon("", "", false, false, 0);
  auto inbox = Folder("\\\\Mailbox\\Inbox");
  auto hidden = cdo->GetFolder(inbox->EntryID(), inbox->StoreID())->HiddenMessages();
  hidden->Add("first")->Update();
  auto second = hidden->Add("second");
  EXPECT_EQ(ErrorOf([&] { second->Update(); }), -2147467259);
  hidden->Add("third")->Update();
  hidden->SetFilterSubject("");
  std::vector<std::string> subjects;
  for (auto m = hidden->GetFirst(); m; m = hidden->GetNext()) subjects.push_back(m->Subject());
  EXPECT_EQ(subjects, (std::vector<std::string>{"first", "third"}));
}

TEST_F(StandInTest, MissingComponentsFailToCreate) {
  OutlookStandInOptions options;
  options.missingClasses = {"redemption.safemailitem"};
  Start("11.0", options);
  EXPECT_NO_THROW(classes_.CreateObject("MAPI.Session"));
  EXPECT_EQ(ErrorOf([&] { classes_.CreateObject("Redemption.SafeMailItem"); }), 429);
}

TEST_F(StandInTest, AddInsCanPublishAnObject) {
  auto addIns = standIn_->Application()->COMAddIns();
  EXPECT_NE(ErrorOf([&] { addIns->Item("Kovelin.dsrBrastow"); }), 0);
  standIn_->Application()->AddIns()->Add("Kovelin.dsrBrastow");
  auto published = std::make_shared<StandInSafeMailItem>();
  addIns->Item("kovelin.dsrbrastow")->SetObject(published);
  EXPECT_EQ(addIns->Item("Kovelin.dsrBrastow")->Object(), published);
}

TEST_F(StandInTest, PropertiesDialogRaisesOptionsPagesAdd) {
  auto ns = standIn_->Application()->GetNamespace("MAPI");
  ns->OptionsPagesAdd.Connect(
      [](std::shared_ptr<host::PropertyPages> pages, host::FolderPtr folder) {
        if (folder->Name() == "Inbox") pages->Add(std::make_shared<StandInSafeMailItem>(), "");
      });
  EXPECT_EQ(standIn_->OpenFolderProperties(Folder("\\\\Mailbox\\Inbox"))->Count(), 1);
  EXPECT_EQ(standIn_->OpenFolderProperties(Folder("\\\\Mailbox\\Tasks"))->Count(), 0);
}

// ---- the home page and its view control ----

class RecordingControl : public host::ComObject, public host::PageObject {
 public:
  void PageLoaded(const std::shared_ptr<host::HtmlDocument>& parent) override {
    parent_ = parent;
    auto view = parent->GetElementById("ViewCtlFolder");
    sawViewControl_ =
        view && std::dynamic_pointer_cast<host::ViewControl>(view->Object()) != nullptr;
  }
  void PageUnloaded() override { unloaded_ = true; }
  std::weak_ptr<host::HtmlDocument> parent_;
  bool sawViewControl_ = false;
  bool unloaded_ = false;
};

class HomePageTest : public StandInTest {
 protected:
  HomePageTest() {
    page_ = folder_ / "KovelinOrganizer.html";
    kov::testing::WriteBytes(
        page_,
        "<?xml version=\"1.0\"?>\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>t</title></head>\n"
        "<body style=\"margin:0px\">\n"
        "<div id=\"DV\" style=\"position:absolute; left:10px; top:20px; width:100px\">\n"
        "<object id=\"ViewCtlFolder\" classid=\"progid:OVCtl.OVCtl\" width=\"100%\"/></div>\n"
        "<object id=\"Tabs\" classid=\"progid:Test.Control\"/>\n"
        "<object id=\"Broken\" classid=\"progid:Not.Registered\"/>\n"
        "</body></html>\n");
    classes_.Register("Test.Control", [this] {
      control_ = std::make_shared<RecordingControl>();
      return control_;
    });
    auto inbox = Folder("\\\\Mailbox\\Inbox");
    inbox->SetWebViewURL("file:" + page_);
    inbox->SetWebViewOn(true);
  }

  kov::testing::TempFolder folder_;
  std::string page_;
  std::shared_ptr<RecordingControl> control_;
};

TEST_F(HomePageTest, EnteringTheFolderLoadsThePageAndItsObjects) {
  auto explorer = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_EQ(explorer->Page(), nullptr);
  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Inbox"));
  auto page = explorer->Page();
  ASSERT_NE(page, nullptr);
  ASSERT_NE(control_, nullptr);
  EXPECT_EQ(control_->parent_.lock(), page);
  EXPECT_TRUE(control_->sawViewControl_);
  EXPECT_NE(page->Body(), nullptr);
  EXPECT_EQ(page->Body()->Style()->Get("margin"), "0px");
  EXPECT_EQ(page->GetElementById("Broken")->Object(), nullptr);
  EXPECT_EQ(page->GetElementById("Missing"), nullptr);

  auto dv = page->GetElementById("DV");
  EXPECT_EQ(dv->Style()->Get("left"), "10px");
  dv->Style()->Set("left", "0px");
  dv->Style()->Set("height", "307px");
  EXPECT_EQ(dv->Style()->Get("left"), "0px");
  EXPECT_EQ(dv->Style()->Get("HEIGHT"), "307px");
  EXPECT_EQ(dv->GetAttribute("id", 0), Variant("DV"));
  EXPECT_TRUE(dv->GetAttribute("nothing", 0).IsNull());

  auto view =
      std::dynamic_pointer_cast<host::ViewControl>(page->GetElementById("ViewCtlFolder")->Object());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->ActiveFolder()->Name(), "Inbox");
  EXPECT_EQ(view->View(), "Messages");

  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_EQ(explorer->Page(), nullptr);
  EXPECT_TRUE(control_->unloaded_);
}

TEST_F(HomePageTest, ViewControlFiltersAndRejectsBadFilters) {
  auto explorer = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Inbox"));
  auto view = std::dynamic_pointer_cast<host::ViewControl>(
      explorer->Page()->GetElementById("ViewCtlFolder")->Object());
  auto subjects = [&] {
    std::string text;
    for (const auto& item : view->VisibleItems()) text += item->Subject() + " ";
    return text;
  };
  EXPECT_EQ(subjects(), "m1 m2 m3 m4 m5 ");
  explorer->SetCurrentView("Unread");
  EXPECT_EQ(subjects(), "m1 m4 ");  // the view's own filter while none is written
  view->SetFilter("\"urn:schemas:httpmail:fromname\" LIKE '%anna%'");
  EXPECT_EQ(subjects(), "m1 m3 ");
  EXPECT_NE(ErrorOf([&] { view->SetFilter("\"urn:schemas:httpmail:bogus\" = 1"); }), 0);
  EXPECT_EQ(view->Filter(), "\"urn:schemas:httpmail:fromname\" LIKE '%anna%'");
  EXPECT_EQ(subjects(), "m1 m3 ");

  standIn_->World().customizeView = [](const std::string& current) -> std::optional<std::string> {
    return current + " AND \"urn:schemas:httpmail:read\" = 1";
  };
  view->CustomizeView();
  EXPECT_EQ(subjects(), "m3 ");
}

TEST_F(HomePageTest, AnUnreadablePageLeavesThePlainList) {
  Folder("\\\\Mailbox\\Inbox")->SetWebViewURL("file:" + folder_ / "missing.html");
  auto explorer = standIn_->OpenExplorer(Folder("\\\\Mailbox\\Inbox"));
  EXPECT_EQ(explorer->Page(), nullptr);
  EXPECT_NE(explorer->PageError().find("cannot be opened"), std::string::npos);
  kov::testing::WriteBytes(folder_ / "bad.html", "<html><body></html>");
  Folder("\\\\Mailbox\\Inbox")->SetWebViewURL("file:" + folder_ / "bad.html");
  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Inbox"));
  EXPECT_EQ(explorer->Page(), nullptr);
  EXPECT_NE(explorer->PageError().find("not well-formed"), std::string::npos);
}

}  // namespace
}  // namespace kov::outlook
