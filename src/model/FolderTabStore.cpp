#include "model/FolderTabStore.h"

#include "addin/ProcessState.h"
#include "base/ComError.h"
#include "base/ErrorHandler.h"
#include "base/Required.h"
#include "base/Text.h"
#include "host/ClassRegistry.h"
#include "host/NameSpace.h"
#include "model/FolderCommonSettings.h"

namespace kov {
namespace {

struct Storage {
  std::shared_ptr<host::CdoFolder> folder;
  std::string prefix;
};

Storage OpenStorage(const host::FolderPtr& Folder) {
  ProcessState& g = G();
  if (!g.gobjCDO) {
    auto session = host::CreateObjectAs<host::CdoSession>("Mapi.session");
    if (!session) throw ComError::Vb(vberr::ObjectNotSet);
    session->Logon("", "", false, false, 0);
    g.gobjCDO = session;
  }
  host::FolderPtr storage = Folder;
  if (Folder->DefaultItemType() == host::olContactItem) {
    storage = Required(g.gobjOLApp).GetNamespace("MAPI")->GetDefaultFolder(host::olFolderOutbox);
  }
  return {g.gobjCDO->GetFolder(storage->EntryID(), storage->StoreID()), SettingsPrefix(Folder)};
}

std::string WithoutTrailingCrLf(const std::string& text) {
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) {
    return text.substr(0, text.size() - 2);
  }
  return text;
}

// The bodies of every hidden message whose subject is exactly `key`, in the collection's order.
std::vector<std::string> KeyBodies(const std::string& key,
                                   const std::shared_ptr<host::CdoFolder>& cdoFolder) {
  std::vector<std::string> bodies;
  std::shared_ptr<host::CdoMessages> messages = cdoFolder->HiddenMessages();
  struct ClearFilter {
    std::shared_ptr<host::CdoMessages>& messages;
    ~ClearFilter() {
      try {
        messages->ClearFilter();
      } catch (...) {
        // Clearing is best effort; the collection object goes away anyway.
      }
    }
  } clear{messages};
  auto safe = host::CreateObjectAs<host::SafeMailItem>("Redemption.SafeMailItem");
  if (!safe) throw ComError::Vb(vberr::ObjectNotSet);
  messages->SetFilterSubject(key);
  for (auto message = messages->GetFirst(); message; message = messages->GetNext()) {
    if (message->Subject() != key) continue;
    safe->SetItem(message);
    bodies.push_back(safe->Body());
    safe->SetItem(nullptr);
  }
  return bodies;
}

// Reads the captions and filters of one position so that they always come from the same save.
// A save writes its three new messages before deleting the old three (header, captions, filters
// in that order), so after an interrupted save a key may be stored twice, the old text first:
// while both captions and filters are doubled, or only the captions are (the save stopped
// while writing), the old pair is whole; when only the filters are doubled the old captions are
// already gone and the new pair is whole.
std::pair<std::string, std::string> CaptionsAndFilters(
    const std::string& key, const std::shared_ptr<host::CdoFolder>& folder) {
  const std::vector<std::string> captions = KeyBodies(key + "Captions", folder);
  const std::vector<std::string> filters = KeyBodies(key + "Filters", folder);
  const bool useNew = filters.size() > 1 && captions.size() <= 1;
  auto pick = [useNew](const std::vector<std::string>& bodies) {
    if (bodies.empty()) return std::string();
    return useNew ? bodies.back() : bodies.front();
  };
  return {pick(captions), pick(filters)};
}

}  // namespace

std::string SettingsPrefix(const host::FolderPtr& Folder) {
  if (Folder->DefaultItemType() != host::olContactItem) return "";
  return Replace(Folder->Name(), " ", "") + "Contacts";
}

CTabPtr GetMySettings(const host::FolderPtr& Folder, int16_t Index) {
  int step = 0;
  try {
    step = 1;
    if (G().ReselectInProgress) return nullptr;
    step = 2;
    const Storage storage = OpenStorage(Folder);
    step = 3;
    const FolderSettings settings = GetFolderCommonSettings(Folder->EntryID());
    step = 4;
    const std::string key = kSettingsSubject + storage.prefix + std::to_string(Index);
    std::string header = GetKeySetting(key, storage.folder);
    if (header.empty()) {
      header =
          (Index == 1 || Index == 3) && Folder->DefaultItemType() == host::olNoteItem ? "01" : "11";
    }
    step = 5;
    auto [captions, filters] = CaptionsAndFilters(key, storage.folder);
    captions = WithoutTrailingCrLf(captions);
    filters = WithoutTrailingCrLf(filters);
    step = 6;
    if (Len(header) < 2) header = Left(header, 1) + "1";
    step = 7;
    return RestoreMySettingsFromString(Index, settings, header, captions, filters);
  } catch (...) {
    HandleError(G().gobjLib.get(), "GetMySettings, Line:" + std::to_string(step));
    return nullptr;
  }
}

CTabPtr RestoreMySettingsFromString(int16_t Index, const FolderSettings& settings,
                                    const std::string& header, const std::string& captions,
                                    const std::string& filters) {
  auto bar = std::make_shared<CTab>();
  try {
    bar->SetEnable(static_cast<int16_t>(Val(Left(header, 1))));
    const int32_t selected = Val(Mid(header, 2));
    bar->Index = static_cast<int16_t>(selected == 0 ? 1 : selected);
    if (settings.WithViews == 1) bar->SetViews(settings.ViewIndex == Index);
    // Every non-empty captions text holds tabs; a single character is a one-letter caption.
    if (!captions.empty()) {
      const std::vector<std::string> captionParts = Split(captions, "|");
      const std::vector<std::string> filterParts = Split(filters, "|");
      TabDescription tab;
      for (size_t i = 0; i < captionParts.size(); ++i) {
        tab.TabCaption = captionParts[i];
        if (i < filterParts.size()) tab.TabFilter = filterParts[i];
        bar->AddNewTab(tab);
      }
    }
  } catch (...) {
    HandleError(G().gobjLib.get(), "RestoreMySettingsFromString");
  }
  return bar;
}

SerializedBar SerializeBar(CTab& bar) {
  SerializedBar out;
  for (const auto& tab : *bar.tabs) {
    out.captions += tab.TabCaption + "|";
    out.filters += tab.TabFilter + "|";
  }
  if (bar.tabs->Count() > 0) {
    out.captions.pop_back();
    out.filters.pop_back();
  }
  if (bar.Index == 0) bar.Index = 1;
  out.header = std::to_string(bar.Enable()) + std::to_string(bar.Index);
  return out;
}

void SaveMySettings(const host::FolderPtr& Folder, CTab& bar, int16_t Index) {
  int step = 0;
  try {
    step = 1;
    const Storage storage = OpenStorage(Folder);
    step = 2;
    const SerializedBar texts = SerializeBar(bar);
    const std::string key = kSettingsSubject + storage.prefix + std::to_string(Index);
    step = 3;
    // The position's messages as they are now; they are deleted only once the new ones exist.
    std::vector<host::CdoMessagePtr> old;
    {
      auto messages = storage.folder->HiddenMessages();
      messages->SetFilterSubject(key);
      for (auto message = messages->GetFirst(); message; message = messages->GetNext()) {
        old.push_back(message);
      }
      messages->ClearFilter();
    }
    step = 4;
    auto messages = storage.folder->HiddenMessages();
    auto safe = host::CreateObjectAs<host::SafeMailItem>("Redemption.SafeMailItem");
    if (!safe) throw ComError::Vb(vberr::ObjectNotSet);
    const std::pair<std::string, std::string> pairs[] = {
        {key, texts.header}, {key + "Captions", texts.captions}, {key + "Filters", texts.filters}};
    for (const auto& [subject, body] : pairs) {
      auto message = messages->Add(subject);
      safe->SetItem(message);
      safe->SetText(body);
      safe->SetItem(nullptr);
      message->Update();
    }
    step = 5;
    for (const auto& message : old) message->Delete();
  } catch (...) {
    HandleError(G().gobjLib.get(), "SaveMySettings,Line:" + std::to_string(step) +
                                       ",tabIndex:" + std::to_string(Index));
  }
}

std::string GetKeySetting(const std::string& key,
                          const std::shared_ptr<host::CdoFolder>& cdoFolder) {
  int step = 0;
  std::string folderName;
  try {
    step = 1;
    folderName = cdoFolder->Name();
    step = 2;
    const std::vector<std::string> bodies = KeyBodies(key, cdoFolder);
    return bodies.empty() ? std::string() : bodies.front();
  } catch (...) {
    HandleError(G().gobjLib.get(), "GetKeySetting, Line:" + std::to_string(step) + ", Key:" + key +
                                       ",Folder:" + folderName);
    return "";
  }
}

void DeleteKeySetting(const std::string& key,
                      const std::shared_ptr<host::CdoMessages>& hiddenMessages) {
  int step = 0;
  try {
    step = 1;
    hiddenMessages->SetFilterSubject(key);
    step = 2;
    for (auto message = hiddenMessages->GetFirst(); message; message = hiddenMessages->GetNext()) {
      message->Delete();
    }
    step = 3;
    hiddenMessages->ClearFilter();
  } catch (...) {
    HandleError(G().gobjLib.get(), "DeleteKeySetting, Line:" + std::to_string(step));
  }
}

}  // namespace kov
