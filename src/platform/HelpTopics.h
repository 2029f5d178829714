// The help file's name and the topics that dialogs and menus open, and the one call they open
// them with: the display-topic command, no owner window, the help file in the add-in's folder.
#pragma once

#include <string>

namespace kov::help {

inline constexpr const char* kHelpFileName = "Kovelin.chm";

inline constexpr const char* kFolderOptions =
    "Working_with_Kovelin_Organizer\\Folder_Options\\About_Folder_Options.htm";
inline constexpr const char* kManageTabBar =
    "Working_with_Kovelin_Organizer\\Manage_Tab_Bar\\How_to\\Create_Tabs_with_Views.htm";
inline constexpr const char* kRenameTabs =
    "Working_with_Kovelin_Organizer\\Kovelin_Organizer_Wizard\\How_to\\Rename_Tabs.htm";
inline constexpr const char* kGeneralOptions =
    "Working_with_Kovelin_Organizer\\General_Kovelin_Organizer_Options.htm";
inline constexpr const char* kFirstEntryPrompt =
    "Working_with_Kovelin_Organizer\\Kovelin_Organizer_Wizard\\Accessing_Kovelin_Organizer_"
    "Wizard.htm";
inline constexpr const char* kKeywordLists =
    "Working_with_Kovelin_Organizer\\Customize_keyword_lists\\About_customizing_keyword_lists.htm";
inline constexpr const char* kWizardFolder =
    "Working_with_Kovelin_Organizer\\Kovelin_Organizer_Wizard\\About_Kovelin_Organizer_Wizard\\";
inline constexpr const char* kWizardInitialStep =
    "Working_with_Kovelin_Organizer\\Kovelin_Organizer_Wizard\\About_Kovelin_Organizer_Wizard\\"
    "Initial_Step.htm";

// Help contexts of message boxes with a Help button.
inline constexpr int kContextRemoveTab = 17;
inline constexpr int kContextMergeTabs = 13;
inline constexpr int kContextNone = 0;

// The topic of one wizard step, 1 to 4 ("...\Step_2_of_4.htm").
std::string WizardStepTopic(int step);

// The help file's full path: the add-in's folder and "Kovelin.chm".
std::string HelpFilePath();

// Opens a topic of the help file; an empty topic opens the file's default topic.
void ShowHelpTopic(const std::string& topic);

}  // namespace kov::help
