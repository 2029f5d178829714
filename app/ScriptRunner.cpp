#include "ScriptRunner.h"

#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "addin/dsrBrastow.h"
#include "base/ComError.h"
#include "base/Text.h"
#include "base/TextFile.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Menu.h"
#include "options/BrastowOptions.h"
#include "options/frmFirstEnableAsk.h"
#include "options/frmOptions.h"
#include "os/OsServices.h"
#include "outlook/StandInViewControl.h"
#include "tabbar/BrastowTabs.h"
#include "windows/RecordingHtmlHelp.h"

namespace kov::sim {
namespace {

// Bad input: the run stops with exit code 2 and the profile is left alone.
struct BadInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// A failing line: exit code 1.
struct LineFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Syntax {
  size_t minArgs;
  size_t maxArgs;
  bool restIsText;  // the argument is the rest of the line as written
};

const std::map<std::string, Syntax>& Commands() {
  static const std::map<std::string, Syntax> commands = {
      {"explorer", {1, 2, false}},  {"enter", {1, 1, false}},        {"view", {1, 1, false}},
      {"select", {1, 1000, false}}, {"context-menu", {0, 0, false}}, {"click", {1, 1, false}},
      {"answer", {2, 2, false}},    {"type", {3, 3, false}},         {"wait", {1, 1, false}},
      {"show", {1, 2, false}},      {"expect", {1, 1, true}},        {"expect-not", {1, 1, true}},
      {"options", {0, 0, false}},   {"prompt", {1, 1, false}},       {"start", {0, 1, false}},
      {"quit", {0, 0, false}},      {"properties", {1, 1, false}},   {"reg", {2, 4, false}},
      {"tab", {2, 2, false}},       {"showall", {0, 0, false}},      {"resize", {2, 2, false}},
      {"tab-menu", {2, 2, false}},  {"control-menu", {0, 0, false}}, {"folder-menu", {0, 0, false}},
      {"menu", {1, 1, false}},      {"key", {1, 1, false}},          {"drag", {2, 2, false}},
      {"snapshot", {1, 1, false}},
  };
  return commands;
}

bool IsNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

std::string ShowControls(const std::string& prefix, const outlook::StandInControls& controls) {
  std::string out;
  for (const auto& control : controls.Entries()) {
    out += prefix + control->Caption();
    if (!control->Enabled()) out += " [disabled]";
    if (!control->Visible()) out += " [hidden]";
    if (control->Type() == host::msoControlButton && control->State() == host::msoButtonDown) {
      out += " [down]";
    }
    out += "\n";
    if (control->Type() == host::msoControlPopup) {
      out +=
          ShowControls(prefix + control->Caption() + "/",
                       *std::dynamic_pointer_cast<outlook::StandInControls>(control->Controls()));
    }
  }
  return out;
}

std::shared_ptr<outlook::StandInControl> FindControl(const outlook::StandInControls& controls,
                                                     const std::string& caption) {
  for (const auto& control : controls.Entries()) {
    if (TextEquals(control->Caption(), caption) ||
        TextEquals(Replace(control->Caption(), "&", ""), Replace(caption, "&", ""))) {
      return control;
    }
    if (control->Type() == host::msoControlPopup) {
      auto inner = std::dynamic_pointer_cast<outlook::StandInControls>(control->Controls());
      if (auto found = FindControl(*inner, caption)) return found;
    }
  }
  return nullptr;
}

std::string FileText(const std::string& path) {
  try {
    std::string text;
    for (const auto& line : ReadTextLines(path)) text += line + "\n";
    return text;
  } catch (const ComError&) {
    return "";
  }
}

}  // namespace

std::vector<std::string> SplitScriptWords(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    if (line[i] == '"') {
      const size_t close = line.find('"', i + 1);
      if (close == std::string::npos) throw std::invalid_argument("a quote is not closed");
      words.push_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
      continue;
    }
    const size_t end = line.find_first_of(" \t", i);
    words.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
    i = end == std::string::npos ? line.size() : end;
  }
  return words;
}

ScriptRunner::ScriptRunner(Simulator& simulator, std::ostream& out) : sim_(simulator), out_(out) {
  sim_.User().Transcript = [this](const std::string& text) { Print(text); };
}

void ScriptRunner::Print(const std::string& text) {
  std::string line = text;
  if (!line.empty() && line.back() != '\n') line += "\n";
  output_ += line;
  out_ << line;
}

std::optional<std::vector<ScriptRunner::Line>> ScriptRunner::Parse(
    const std::vector<std::string>& lines, std::ostream& out) {
  std::vector<Line> script;
  for (size_t i = 0; i < lines.size(); ++i) {
    Line line;
    line.number = static_cast<int>(i + 1);
    line.text = Trim(lines[i]);
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    if (line.text.empty() || line.text[0] == '#') continue;
    try {
      line.words = SplitScriptWords(line.text);
    } catch (const std::invalid_argument& e) {
      out << "line " << line.number << ": " << e.what() << ": " << line.text << "\n";
      return std::nullopt;
    }
    const auto command = Commands().find(line.words[0]);
    if (command == Commands().end()) {
      out << "line " << line.number << ": unknown command \"" << line.words[0] << "\"\n";
      return std::nullopt;
    }
    const size_t space = line.text.find_first_of(" \t");
    line.rest = space == std::string::npos ? "" : LTrim(line.text.substr(space + 1));
    const size_t args =
        command->second.restIsText ? (line.rest.empty() ? 0 : 1) : line.words.size() - 1;
    if (args < command->second.minArgs || args > command->second.maxArgs) {
      out << "line " << line.number << ": wrong number of arguments for \"" << line.words[0]
          << "\"\n";
      return std::nullopt;
    }
    script.push_back(std::move(line));
  }
  return script;
}

int ScriptRunner::Run(const std::vector<Line>& script) {
  for (const Line& line : script) {
    out_ << "> " << line.text << "\n";
    output_.clear();
    try {
      Execute(line);
      sim_.Loop().DoEvents();
    } catch (const BadInput& e) {
      out_ << "line " << line.number << ": " << e.what() << "\n";
      return kRunBadInput;
    } catch (const LineFailed& e) {
      out_ << "line " << line.number << " failed: " << e.what() << "\n";
      return kRunFailed;
    } catch (const ComError& e) {
      out_ << "line " << line.number << " failed: " << e.Description() << " (" << e.Number()
           << ")\n";
      return kRunFailed;
    }
    if (sim_.User().Failure()) {
      out_ << "line " << line.number << " failed: " << *sim_.User().Failure() << "\n";
      return kRunFailed;
    }
    if (line.words[0] != "expect" && line.words[0] != "expect-not") lastOutput_ = output_;
  }
  for (const auto& title : sim_.User().Unused()) {
    out_ << "note: an answer queued for \"" << title << "\" was not used\n";
  }
  return kRunPassed;
}

namespace {

std::string Html(const std::string& text) {
  return Replace(Replace(Replace(text, "&", "&amp;"), "<", "&lt;"), ">", "&gt;");
}

std::string Box(double left, double top, double width, double height, const std::string& style,
                const std::string& content) {
  std::ostringstream out;
  out << "<div style=\"position:absolute;left:" << left << "px;top:" << top << "px;width:" << width
      << "px;height:" << height << "px;" << style << "\">" << content << "</div>\n";
  return out.str();
}

}  // namespace

void ScriptRunner::Snapshot(const std::string& file) {
  auto tabs = TabBar();
  std::string body;
  for (int i = 0; i < 4; ++i) {
    forms::TabStrip& strip = tabs->Strip(i);
    if (!strip.Visible) continue;
    std::string inner;
    for (int32_t t = 1; t <= strip.Tabs().Count(); ++t) {
      auto& tab = strip.Tabs().Item(t);
      const bool vertical = i == 1 || i == 3;
      inner += Box(tab.Left(), tab.Top(), tab.Width() - 2, tab.Height() - 2,
                   std::string("border:1px solid #808080;background:") +
                       (tab.Selected() ? "#fff" : "#e4e4e4") +
                       ";font:8pt Tahoma;overflow:hidden;white-space:nowrap;" +
                       (tab.Selected() ? "font-weight:bold;" : "") +
                       (vertical ? "writing-mode:vertical-rl;" : ""),
                   Html(forms::WithoutAccelerator(tab.Caption)));
    }
    body += Box(strip.Left, strip.Top, strip.Width, strip.Height, "background:#d4d0c8;", inner);
  }
  for (int i = 0; i < 2; ++i) {
    if (tabs->PicAll(i).Visible) {
      body += Box(tabs->PicAll(i).Left, tabs->PicAll(i).Top, 16, 16,
                  i == 1 ? "background:#3a6ea5;" : "background:#a0a0a0;", "");
    }
  }
  if (tabs->PicMNU().Visible) {
    body += Box(tabs->PicMNU().Left, tabs->PicMNU().Top, 16, 16, "background:#6a6a6a;", "");
  }
  auto page = Active()->Page();
  auto dv = page->GetElementById("DV")->Style();
  auto element = page->GetElementById("ViewCtlFolder");
  auto view = element ? std::dynamic_pointer_cast<host::ViewControl>(element->Object()) : nullptr;
  std::string items;
  if (view) {
    for (const auto& item : view->VisibleItems())
      items += "<div>" + Html(item->Subject()) + "</div>";
  }
  body += "<div style=\"position:absolute;left:" + dv->Get("left") + ";top:" + dv->Get("top") +
          ";width:" + dv->Get("width") + ";height:" + dv->Get("height") +
          ";background:#fff;border:1px solid #7f9db9;overflow:auto;font:8pt Tahoma\">" + items +
          "</div>\n";
  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>"
      << Html(Active()->Folder()->Path()) << "</title></head>\n<body style=\"margin:0\">\n"
      << "<div style=\"position:relative;width:" << tabs->Width() << "px;height:" << tabs->Height()
      << "px;background:#ece9d8;overflow:hidden\">\n"
      << body << "</div>\n</body></html>\n";
  std::ofstream html(FsPath(file), std::ios::binary | std::ios::trunc);
  html << out.str();
  if (!html) throw LineFailed("cannot write " + file);
  Print("snapshot written to " + file);
}

int ScriptRunner::BarNumber(const std::string& name) {
  static const std::map<std::string, int> kBars = {
      {"top", 0}, {"right", 1}, {"bottom", 2}, {"left", 3}};
  const auto bar = kBars.find(name);
  if (bar == kBars.end()) throw BadInput("a bar is top, right, bottom or left: " + name);
  return bar->second;
}

std::shared_ptr<BrastowTabs> ScriptRunner::TabBar() {
  auto page = Active()->Page();
  auto element = page ? page->GetElementById("Tabs") : nullptr;
  auto tabs = element ? std::dynamic_pointer_cast<BrastowTabs>(element->Object()) : nullptr;
  if (!tabs) throw LineFailed("the active explorer shows no tab bars");
  return tabs;
}

std::shared_ptr<outlook::StandInExplorer> ScriptRunner::Active() {
  auto active = std::dynamic_pointer_cast<outlook::StandInExplorer>(
      sim_.Outlook().Application()->ActiveExplorer());
  if (!active) throw BadInput("no explorer is open");
  return active;
}

std::shared_ptr<outlook::StandInExplorer> ScriptRunner::ExplorerNumber(const std::string& text) {
  const auto& explorers = sim_.Outlook().World().explorers;
  if (!IsNumber(text) || Val(text) < 1 || Val(text) > static_cast<int32_t>(explorers.size())) {
    throw BadInput("there is no explorer " + text);
  }
  return explorers[static_cast<size_t>(Val(text) - 1)];
}

host::FolderPtr ScriptRunner::FolderAt(const std::string& path) {
  auto folder = sim_.Outlook().FolderByPath(path);
  if (!folder) throw BadInput("there is no folder " + path);
  return folder;
}

void ScriptRunner::Registry(const Line& line) {
  const auto& words = line.words;
  const std::string verb = words[1];
  if (words.size() < 3) throw BadInput("reg takes set KEY NAME DATA or delete KEY [NAME]");
  const std::string& full = words[2];
  const size_t slash = full.find('\\');
  const std::string rootName = full.substr(0, slash);
  const std::string path = slash == std::string::npos ? "" : full.substr(slash + 1);
  os::RegKey root = 0;
  if (rootName == "HKEY_CURRENT_USER") root = os::kHKeyCurrentUser;
  if (rootName == "HKEY_LOCAL_MACHINE") root = os::kHKeyLocalMachine;
  if (rootName == "HKEY_CLASSES_ROOT") root = os::kHKeyClassesRoot;
  if (root == 0 || path.empty()) throw BadInput("reg needs a key under a root key: " + full);
  os::RegistryApi& registry = *os::Os().registry;
  const auto name = [&](size_t index) {
    return words[index] == "@" ? std::string() : ToAnsi(words[index]);
  };
  if (verb == "set" && words.size() == 5) {
    os::RegKey key = 0;
    registry.CreateKey(root, ToAnsi(path), os::kKeyAllAccess, &key);
    std::string data;
    uint32_t type = os::kRegSz;
    if (words[4].rfind("dword:", 0) == 0 && words[4].size() == 14) {
      const auto number = static_cast<uint32_t>(std::stoul(words[4].substr(6), nullptr, 16));
      type = os::kRegDword;
      for (int i = 0; i < 4; ++i) data += static_cast<char>((number >> (8 * i)) & 0xFF);
    } else {
      data = ToAnsi(words[4]) + '\0';
    }
    registry.SetValue(key, name(3), type, reinterpret_cast<const uint8_t*>(data.data()),
                      static_cast<uint32_t>(data.size()));
    registry.CloseKey(key);
    Print("set " + full + " " + words[3]);
  } else if (verb == "delete" && (words.size() == 3 || words.size() == 4)) {
    int32_t result = 0;
    if (words.size() == 4) {
      os::RegKey key = 0;
      result = registry.OpenKey(root, ToAnsi(path), os::kKeyAllAccess, &key);
      if (result == os::kErrorSuccess) {
        result = registry.DeleteValue(key, name(3));
        registry.CloseKey(key);
      }
    } else {
      result = registry.DeleteSubKey(root, ToAnsi(path));
    }
    if (result != os::kErrorSuccess) throw BadInput("nothing to delete at " + full);
    Print("deleted " + full + (words.size() == 4 ? " " + words[3] : ""));
  } else {
    throw BadInput("reg takes set KEY NAME DATA or delete KEY [NAME]");
  }
}

void ScriptRunner::Explorer(const Line& line) {
  const std::string& verb = line.words[1];
  if (verb == "open") {
    host::FolderPtr folder =
        line.words.size() > 2 ? FolderAt(line.words[2])
                              : sim_.Outlook().NameSpace()->GetDefaultFolder(host::olFolderInbox);
    sim_.Outlook().OpenExplorer(folder);
    Print("explorer " + std::to_string(sim_.Outlook().World().explorers.size()) + " shows " +
          folder->FolderPath());
  } else if (verb == "activate" && line.words.size() == 3) {
    sim_.Outlook().ActivateExplorer(ExplorerNumber(line.words[2]));
  } else if (verb == "close") {
    auto explorer = line.words.size() > 2 ? ExplorerNumber(line.words[2]) : Active();
    sim_.Outlook().CloseExplorer(explorer);
    Print("explorers open: " + std::to_string(sim_.Outlook().World().explorers.size()));
  } else {
    throw BadInput("explorer takes open [FOLDERPATH], activate N or close [N]");
  }
}

void ScriptRunner::Click(const std::string& caption) {
  auto explorer = Active();
  for (const auto& bar : explorer->Bars()->Bars()) {
    if (auto control = FindControl(*bar->Entries(), caption)) {
      Print("clicked " + bar->Name() + "/" + control->Caption());
      control->Execute();
      return;
    }
  }
  throw LineFailed("no command-bar control \"" + caption + "\" in the active explorer");
}

void ScriptRunner::Show(const Line& line) {
  const std::string& what = line.words[1];
  const std::string argument = line.words.size() > 2 ? line.words[2] : "";
  if (what == "explorers") {
    const auto& explorers = sim_.Outlook().World().explorers;
    const auto active = sim_.Outlook().Application()->ActiveExplorer();
    // The add-in publishes its connection object; it knows which wrapper serves which window.
    std::shared_ptr<dsrBrastow> addIn;
    try {
      addIn = std::dynamic_pointer_cast<dsrBrastow>(
          sim_.Outlook().Application()->COMAddIns()->Item(dsrBrastow::kProgId)->Object());
    } catch (const ComError&) {
      // Not loaded: no keys to show.
    }
    for (size_t i = 0; i < explorers.size(); ++i) {
      const std::string key = addIn ? addIn->KeyOfExplorer(explorers[i]) : "";
      Print(std::to_string(i + 1) + ": " + explorers[i]->Folder()->Path() +
            (key.empty() ? "" : " [" + key + "]") + (explorers[i] == active ? " (active)" : ""));
    }
    if (explorers.empty()) Print("no explorers");
  } else if (what == "folder") {
    auto explorer = Active();
    const outlook::FolderData& folder = *explorer->Folder();
    Print("folder: " + folder.Path());
    Print("type: " + std::to_string(folder.itemType));
    Print("view: " + folder.currentView);
    Print(folder.webViewOn ? "home page: on " + folder.webViewUrl : "home page: off");
  } else if (what == "commandbars") {
    std::string text;
    for (const auto& bar : Active()->Bars()->Bars())
      text += ShowControls(bar->Name() + "/", *bar->Entries());
    Print(text.empty() ? "no controls" : text);
  } else if (what == "registry") {
    const std::string text = sim_.Os().Registry().ExportKey(argument);
    if (text.empty()) throw BadInput("there is no registry key " + argument);
    Print(text);
  } else if (what == "hidden") {
    auto folder = std::dynamic_pointer_cast<outlook::StandInFolder>(FolderAt(argument));
    for (const auto& message : folder->Data()->hidden) {
      Print(message.subject + ": " + Replace(message.body, "\r\n", "\\r\\n"));
    }
    if (folder->Data()->hidden.empty()) Print("no hidden messages");
  } else if (what == "items") {
    auto explorer = Active();
    std::shared_ptr<host::ViewControl> view;
    if (auto page = explorer->Page()) {
      if (auto element = page->GetElementById("ViewCtlFolder")) {
        view = std::dynamic_pointer_cast<host::ViewControl>(element->Object());
      }
    }
    if (!view) {
      // Without a home page the folder shows its items through the view's own filter.
      auto plain = std::make_shared<outlook::StandInViewControl>(nullptr);
      plain->Bind(explorer->Folder());
      view = plain;
    }
    const auto items = view->VisibleItems();
    Print("items: " + std::to_string(items.size()));
    for (const auto& item : items) Print(item->Subject());
  } else if (what == "filter") {
    auto page = Active()->Page();
    auto element = page ? page->GetElementById("ViewCtlFolder") : nullptr;
    auto view = element ? std::dynamic_pointer_cast<host::ViewControl>(element->Object()) : nullptr;
    Print(view ? "filter: " + view->Filter() : "filter: (no view control)");
  } else if (what == "log") {
    Print("LibZenquor.log:\n" + FileText(sim_.AddinFolder() + "/LibZenquor.log") + "Log.txt:\n" +
          FileText(sim_.AddinFolder() + "/Log.txt"));
  } else if (what == "tabs") {
    auto tabs = TabBar();
    static const char* kBars[] = {"top", "right", "bottom", "left"};
    for (int i = 0; i < 4; ++i) {
      forms::TabStrip& strip = tabs->Strip(i);
      std::string line = std::string(kBars[i]) + ": ";
      if (!strip.Visible) {
        Print(line + "hidden");
        continue;
      }
      for (int32_t t = 1; t <= strip.Tabs().Count(); ++t) {
        if (t > 1) line += " | ";
        if (strip.Tabs().Item(t).Selected()) line += "*";
        line += strip.Tabs().Item(t).Caption;
      }
      Print(line);
    }
  } else if (what == "layout") {
    auto tabs = TabBar();
    const auto area = tabs->ViewArea();
    Print("view area: left " + std::to_string(area[0]) + ", top " + std::to_string(area[1]) +
          ", width " + std::to_string(area[2]) + ", height " + std::to_string(area[3]));
    static const char* kBars[] = {"top", "right", "bottom", "left"};
    auto number = [](double value) {
      std::ostringstream out;
      out << value;
      return out.str();
    };
    for (int i = 0; i < 4; ++i) {
      forms::TabStrip& strip = tabs->Strip(i);
      if (!strip.Visible) continue;
      Print(std::string(kBars[i]) + " strip: " + number(strip.Left) + ", " + number(strip.Top) +
            ", " + number(strip.Width) + " x " + number(strip.Height));
    }
    for (int i = 0; i < 2; ++i) {
      if (tabs->PicAll(i).Visible) {
        Print("picAll(" + std::to_string(i) + "): " + number(tabs->PicAll(i).Left) + ", " +
              number(tabs->PicAll(i).Top));
      }
    }
    if (tabs->PicMNU().Visible) {
      Print("picMNU: " + number(tabs->PicMNU().Left) + ", " + number(tabs->PicMNU().Top));
    }
    auto dv = Active()->Page()->GetElementById("DV");
    Print("DV: left " + dv->Style()->Get("left") + ", top " + dv->Style()->Get("top") + ", width " +
          dv->Style()->Get("width") + ", height " + dv->Style()->Get("height"));
  } else if (what == "helpcalls") {
    for (const auto& call : sim_.Os().HtmlHelp().Calls())
      Print(substitute::DescribeHtmlHelpCall(call));
    if (sim_.Os().HtmlHelp().Calls().empty()) Print("no help calls");
  } else {
    throw BadInput(
        "show takes explorers, folder, commandbars, registry [KEY], hidden FOLDERPATH, "
        "items, filter, log or helpcalls");
  }
}

void ScriptRunner::Execute(const Line& line) {
  const std::string& command = line.words[0];
  const auto& words = line.words;
  if (command == "explorer") {
    Explorer(line);
  } else if (command == "enter") {
    auto folder = FolderAt(words[1]);
    auto explorer = Active();
    explorer->SetCurrentFolder(folder);
    Print("folder: " + explorer->Folder()->Path());
  } else if (command == "view") {
    Active()->SetCurrentView(words[1]);
    Print("view: " + Active()->CurrentView());
  } else if (command == "select") {
    std::vector<int32_t> positions;
    for (size_t i = 1; i < words.size(); ++i) {
      if (!IsNumber(words[i])) throw BadInput("select takes item numbers");
      positions.push_back(Val(words[i]));
    }
    try {
      Active()->Select(positions);
    } catch (const ComError&) {
      throw BadInput("the folder has no such item");
    }
    Print("selected: " + std::to_string(positions.size()));
  } else if (command == "context-menu") {
    Print(sim_.Outlook().ShowItemContextMenu(Active()));
  } else if (command == "click") {
    Click(words[1]);
  } else if (command == "answer") {
    sim_.User().Answer(words[1], words[2]);
  } else if (command == "type") {
    sim_.User().Type(words[1], words[2], words[3]);
  } else if (command == "wait") {
    if (!IsNumber(words[1])) throw BadInput("wait takes milliseconds");
    sim_.Loop().RunUntil([] { return false; }, Val(words[1]));
  } else if (command == "show") {
    Show(line);
  } else if (command == "expect") {
    if (lastOutput_.find(line.rest) == std::string::npos) {
      throw LineFailed("expected to see: " + line.rest);
    }
  } else if (command == "expect-not") {
    if (lastOutput_.find(line.rest) != std::string::npos) {
      throw LineFailed("expected not to see: " + line.rest);
    }
  } else if (command == "options") {
    frmOptions dialog;
    dialog.ShowModal();
  } else if (command == "start") {
    if (words.size() > 1 && words[1] != "--no-window") throw BadInput("start takes --no-window");
    for (const auto& report : sim_.Outlook().Start(words.size() == 1)) Print(report);
    Print("explorers open: " + std::to_string(sim_.Outlook().World().explorers.size()));
  } else if (command == "quit") {
    sim_.Outlook().Quit();
    Print("Outlook has shut down");
  } else if (command == "properties") {
    auto pages = sim_.Outlook().OpenFolderProperties(FolderAt(words[1]));
    Print("pages added: " + std::to_string(pages->Count()));
    for (const auto& page : pages->pages_) {
      Print(std::string("page: ") + (std::dynamic_pointer_cast<BrastowOptions>(page.first)
                                         ? "Kovelin.BrastowOptions"
                                         : "another add-in's page"));
    }
  } else if (command == "tab") {
    static const std::map<std::string, int> kBars = {
        {"top", 0}, {"right", 1}, {"bottom", 2}, {"left", 3}};
    const auto bar = kBars.find(words[1]);
    if (bar == kBars.end() || !IsNumber(words[2]))
      throw BadInput("tab takes top|right|bottom|left N");
    forms::TabStrip& strip = TabBar()->Strip(bar->second);
    if (!strip.Visible || Val(words[2]) < 1 || Val(words[2]) > strip.Tabs().Count()) {
      throw LineFailed("the " + words[1] + " bar has no tab " + words[2]);
    }
    strip.Tabs().Item(Val(words[2])).SetSelected(true);
    Print("selected " + words[1] + " tab " + words[2] + ": " +
          strip.Tabs().Item(Val(words[2])).Caption);
  } else if (command == "tab-menu") {
    const int bar = BarNumber(words[1]);
    forms::TabStrip& strip = TabBar()->Strip(bar);
    if (!strip.Visible || !IsNumber(words[2]) || Val(words[2]) < 1 ||
        Val(words[2]) > strip.Tabs().Count()) {
      throw LineFailed("the " + words[1] + " bar has no tab " + words[2]);
    }
    auto& tab = strip.Tabs().Item(Val(words[2]));
    // A right click in the middle of the tab, in the strip's twips.
    TabBar()->StripMouseUp(static_cast<int16_t>(bar), 2, (tab.Left() + tab.Width() / 2) * 15,
                           (tab.Top() + tab.Height() / 2) * 15);
  } else if (command == "control-menu") {
    TabBar()->ControlMouseUp(2, 0, 0);
  } else if (command == "folder-menu") {
    TabBar()->picMNU_Click();
  } else if (command == "menu") {
    forms::Menu* open = sim_.User().OpenMenu();
    if (open == nullptr) throw LineFailed("no menu is open");
    forms::Menu* item = open->Find(words[1]);
    if (item == nullptr) throw LineFailed("the menu has no item \"" + words[1] + "\"");
    sim_.User().CloseMenu();
    try {
      item->Pick();
    } catch (const forms::FormError& e) {
      throw LineFailed(e.what());
    }
    Print("picked " + item->Caption);
  } else if (command == "key") {
    if (words[1] == "alt+*") {
      TabBar()->ControlKeyUp(106, 4);
    } else if (words[1] == "alt+/") {
      TabBar()->ControlKeyUp(111, 4);
    } else {
      throw BadInput("key takes alt+* or alt+/");
    }
  } else if (command == "drag") {
    auto tabs = TabBar();
    const int from = BarNumber(words[1]);
    if (!tabs->Strip(from).Visible) throw LineFailed("the " + words[1] + " bar is hidden");
    tabs->StripMouseMove(static_cast<int16_t>(from), 0, 0, 0);
    tabs->StripMouseMove(static_cast<int16_t>(from), 1, 150, 0);
    const std::string& to = words[2];
    const double w = tabs->Width();
    const double h = tabs->Height();
    if (to == "edge-left") {
      tabs->ControlDragDrop("ssaTabs", 1, h / 2);
    } else if (to == "edge-top") {
      tabs->ControlDragDrop("ssaTabs", w / 2, 1);
    } else if (to == "edge-right") {
      tabs->ControlDragDrop("ssaTabs", w - 1, h / 2);
    } else if (to == "edge-bottom") {
      tabs->ControlDragDrop("ssaTabs", w / 2, h - 1);
    } else {
      tabs->StripDragDrop(static_cast<int16_t>(BarNumber(to)));
    }
    Print("dragged the " + words[1] + " bar to " + to);
  } else if (command == "snapshot") {
    Snapshot(words[1]);
  } else if (command == "showall") {
    auto tabs = TabBar();
    const int active = tabs->PicAll(1).Visible ? 1 : 0;
    tabs->PicAll(active).PerformClick();
    Print("clicked picAll(" + std::to_string(active) + ")");
  } else if (command == "resize") {
    if (!IsNumber(words[1]) || !IsNumber(words[2])) throw BadInput("resize takes WIDTH HEIGHT");
    TabBar()->Resize(Val(words[1]), Val(words[2]));
  } else if (command == "reg") {
    Registry(line);
  } else if (command == "prompt") {
    Print("Result: " + std::to_string(AskFirstEnable(FolderAt(words[1]))));
  }
}

}  // namespace kov::sim
