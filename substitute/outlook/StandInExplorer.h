// An explorer window of the stand-in: its folder and view, selection, command bars and home page,
// and the events the host raises for it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/Explorer.h"
#include "outlook/StandInCommandBars.h"
#include "outlook/StandInPage.h"
#include "outlook/StandInWorld.h"

namespace kov::outlook {

class StandInSelection : public host::Selection {
 public:
  int32_t Count() const override { return static_cast<int32_t>(items_.size()); }
  host::ItemPtr Item(int32_t index) const override;
  std::vector<host::ItemPtr> items_;
};

class StandInExplorer : public host::Explorer,
                        public std::enable_shared_from_this<StandInExplorer> {
 public:
  StandInExplorer(WorldPtr world, FolderData* folder, const StandInCommandBars* lastingBars);

  std::shared_ptr<host::Application> Application() const override;
  std::shared_ptr<host::CommandBars> CommandBars() const override { return bars_; }
  host::FolderPtr CurrentFolder() const override;
  void SetCurrentFolder(const host::FolderPtr& folder) override;
  std::string CurrentView() const override;
  void SetCurrentView(const std::string& view) override;
  std::shared_ptr<host::Selection> Selection() const override { return selection_; }
  std::shared_ptr<host::HtmlDocument> Page() const override { return page_; }

  // Shows the current folder: its home page when it has one switched on, else its item list.
  void ShowFolder();
  void UnloadPage();
  // Selects items of the current folder by 1-based position.
  void Select(const std::vector<int32_t>& positions);
  FolderData* Folder() const { return folder_; }
  const std::shared_ptr<StandInCommandBars>& Bars() const { return bars_; }
  // Why the last home page could not be shown ("" when it was, or when there was none).
  const std::string& PageError() const { return pageError_; }

 private:
  WorldPtr world_;
  FolderData* folder_;
  std::shared_ptr<StandInCommandBars> bars_;
  std::shared_ptr<StandInSelection> selection_ = std::make_shared<StandInSelection>();
  std::shared_ptr<StandInPage> page_;
  std::string pageError_;
};

class StandInExplorers : public host::Explorers {
 public:
  explicit StandInExplorers(WorldPtr world) : world_(std::move(world)) {}
  int32_t Count() const override { return static_cast<int32_t>(world_->explorers.size()); }
  std::vector<host::ExplorerPtr> All() const override;

 private:
  WorldPtr world_;
};

// The path a home page address names: "file:" followed by a path (with or without "///").
// nullopt when the address is not a file address.
std::optional<std::string> PagePathOf(const std::string& url);

}  // namespace kov::outlook
