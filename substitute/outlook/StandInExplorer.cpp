#include "outlook/StandInExplorer.h"

#include "base/ComError.h"
#include "base/Text.h"
#include "outlook/StandInApplication.h"
#include "outlook/StandInFolder.h"
#include "outlook/StandInViewControl.h"

namespace kov::outlook {

host::ItemPtr StandInSelection::Item(int32_t index) const {
  if (index < 1 || index > Count()) throw ComError::Vb(vberr::SubscriptOutOfRange, "Outlook");
  return items_[index - 1];
}

std::optional<std::string> PagePathOf(const std::string& url) {
  if (!TextEquals(Left(url, 5), "file:")) return std::nullopt;
  std::string path = Mid(url, 6);
  if (Left(path, 3) == "///") path = Mid(path, 3);  // keeps the leading "/" of an absolute path
  if (path.empty()) return std::nullopt;
  return path;
}

StandInExplorer::StandInExplorer(WorldPtr world, FolderData* folder,
                                 const StandInCommandBars* lastingBars)
    : world_(std::move(world)),
      folder_(folder),
      bars_(std::make_shared<StandInCommandBars>(world_->missingCommandBars, lastingBars)) {}

std::shared_ptr<host::Application> StandInExplorer::Application() const {
  return world_->application.lock();
}

host::FolderPtr StandInExplorer::CurrentFolder() const {
  return std::make_shared<StandInFolder>(world_, folder_);
}

void StandInExplorer::SetCurrentFolder(const host::FolderPtr& folder) {
  auto target = std::dynamic_pointer_cast<StandInFolder>(folder);
  if (!target) throw ComError::Vb(vberr::TypeMismatch, "Outlook");
  bool cancel = false;
  BeforeFolderSwitch.Raise(folder, cancel);
  if (cancel) return;
  UnloadPage();
  folder_ = target->Data();
  selection_->items_.clear();
  ShowFolder();
}

std::string StandInExplorer::CurrentView() const { return folder_->currentView; }

void StandInExplorer::SetCurrentView(const std::string& view) {
  for (const auto& record : folder_->views) {
    if (TextEquals(record.name, view)) {
      folder_->currentView = record.name;
      ViewSwitch.Raise();
      return;
    }
  }
  RaiseNotFound("view \"" + view + "\"");
}

void StandInExplorer::UnloadPage() {
  if (!page_) return;
  auto page = std::move(page_);
  page_.reset();
  page->Unload();
}

void StandInExplorer::ShowFolder() {
  pageError_.clear();
  if (folder_->currentView.empty() && !folder_->views.empty()) {
    folder_->currentView = folder_->views.front().name;
  }
  if (!folder_->webViewOn) return;
  const auto path = PagePathOf(folder_->webViewUrl);
  if (!path) return;
  try {
    page_ = StandInPage::Load(*path);
  } catch (const ComError& e) {
    pageError_ = e.Description();
    return;
  }
  FolderData* shown = folder_;
  page_->CreateObjects([shown](StandInElement& element) {
    if (auto control = std::dynamic_pointer_cast<StandInViewControl>(element.Object())) {
      control->Bind(shown);
    }
  });
}

void StandInExplorer::Select(const std::vector<int32_t>& positions) {
  selection_->items_.clear();
  for (int32_t position : positions) {
    if (position < 1 || position > static_cast<int32_t>(folder_->items.size())) {
      throw ComError::Vb(vberr::SubscriptOutOfRange, "Outlook");
    }
    selection_->items_.push_back(
        std::make_shared<StandInItem>(folder_->items[position - 1], folder_->itemType));
  }
}

std::vector<host::ExplorerPtr> StandInExplorers::All() const {
  return {world_->explorers.begin(), world_->explorers.end()};
}

}  // namespace kov::outlook
