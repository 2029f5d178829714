// A host running the add-in with its home page and tab-bar control, and a folder with bars.
#pragma once

#include <filesystem>

#include "explorer/ConnectedSession.h"
#include "explorer/mdlShare.h"
#include "model/FolderCommonSettings.h"
#include "model/FolderTabStore.h"
#include "tabbar/BrastowTabs.h"

namespace kov {

inline const std::string kFrom = "\"urn:schemas:httpmail:fromname\" LIKE ";

class TabBarSession : public testing::ConnectedSession {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(KOVELIN_HOME_PAGE, AddinFolder() + "/KovelinOrganizer.html",
                               std::filesystem::copy_options::overwrite_existing);
  }

  // Starts the host with the add-in, gives the Inbox these bars and settings, and enters it.
  void Open(const std::string& settings,
            std::vector<std::vector<std::pair<std::string, std::string>>> bars,
            const std::string& version = "11.0", const std::string& path = "\\\\Mailbox\\Inbox") {
    Prepare(version);
    StartWithoutPrompts();
    auto folder = Folder(path);
    for (int16_t position = 0; position < 4; ++position) {
      CTab bar;
      bar.SetEnable(static_cast<int16_t>(settings[3 + static_cast<size_t>(position)] - '0'));
      if (position < static_cast<int16_t>(bars.size())) {
        for (const auto& [caption, filter] : bars[position]) bar.AddNewTab({caption, filter, ""});
      }
      SaveMySettings(folder, bar, position);
    }
    SetFolderValue(folder->EntryID(), settings);
    Window()->SetCurrentFolder(folder);
    loop_.FastForwardBy(200);
  }

  // Starts the prepared host with a window; no folder asks to be enabled.
  void StartWithoutPrompts() {
    outlook_->Start(true);
    SetFolderValue("AllFolders", "0");
  }

  // Starts the host and enters the Inbox with the folder's views as the bar at `position`.
  void OpenWithViewsBar(int16_t position, const std::string& settings) {
    Prepare();
    StartWithoutPrompts();
    auto inbox = Folder("\\\\Mailbox\\Inbox");
    CTab views;
    views.SetEnable(1);
    views.LetViews(true, inbox);
    SaveMySettings(inbox, views, position);
    SetFolderValue(inbox->EntryID(), settings);
    Window()->SetCurrentFolder(inbox);
  }

  std::shared_ptr<BrastowTabs> Tabs() {
    auto page = Window()->Page();
    if (!page) return nullptr;
    return std::dynamic_pointer_cast<BrastowTabs>(page->GetElementById("Tabs")->Object());
  }
  std::shared_ptr<host::ViewControl> View() {
    return std::dynamic_pointer_cast<host::ViewControl>(
        Window()->Page()->GetElementById("ViewCtlFolder")->Object());
  }
  std::string Strip(int position) {
    forms::TabStrip& strip = Tabs()->Strip(position);
    if (!strip.Visible) return "hidden";
    std::string text;
    for (int32_t t = 1; t <= strip.Tabs().Count(); ++t) {
      text += (t > 1 ? " | " : "") + std::string(strip.Tabs().Item(t).Selected() ? "*" : "") +
              strip.Tabs().Item(t).Caption;
    }
    return text;
  }
  std::string Items() {
    std::string text;
    for (const auto& item : View()->VisibleItems()) text += item->Subject() + " ";
    return text;
  }
  void Click(int position, int tab) { Tabs()->Strip(position).Tabs().Item(tab).SetSelected(true); }
};

}  // namespace kov
