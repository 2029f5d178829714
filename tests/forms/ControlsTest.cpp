#include <gtest/gtest.h>

#include "base/ComError.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/ListView.h"
#include "forms/Menu.h"
#include "support/AddinSession.h"

namespace kov::forms {
namespace {

class Sample : public Form {
 public:
  Sample() : Form("Sample") {
    cmdOK.Caption = "&OK";
    cmdOK.Default = true;
    cmdCancel.Caption = "Cancel";
    cmdCancel.Cancel = true;
    chk.Caption = "Check";
    opt1.Caption = "One";
    opt2.Caption = "Two";
    cmdOK.Click = [this] {
      clicks += "ok ";
      Unload();
    };
    cmdCancel.Click = [this] {
      clicks += "cancel ";
      Unload();
    };
    chk.Click = [this] { clicks += "chk" + std::to_string(chk.Value()) + " "; };
    txt.Change = [this] { clicks += "txt "; };
    opt1.Click = [this] { clicks += "opt1 "; };
    opt2.Click = [this] { clicks += "opt2 "; };
  }
  Label lbl{this, "lbl"};
  CheckBox chk{this, "chk"};
  OptionButton opt1{this, "opt1"};
  OptionButton opt2{this, "opt2"};
  TextBox txt{this, "txt"};
  Button cmdOK{this, "cmdOK"};
  Button cmdCancel{this, "cmdCancel"};
  std::string clicks;
  int32_t hwndWhileShown = 0;
  bool liveWhileShown = false;

 protected:
  void Form_QueryUnload() override { clicks += "frame "; }
};

class ControlsTest : public testing::AddinSession {};

TEST_F(ControlsTest, ValuesSetFromCodeRaiseTheSameEventsAsAPerson) {
  Sample form;
  form.chk.SetValue(1);
  form.chk.SetValue(1);  // no change, no event
  form.chk.PerformClick();
  form.txt.SetText("a");
  form.txt.SetText("a");
  form.opt1.SetValue(true);
  form.opt2.PerformClick();
  EXPECT_EQ(form.clicks, "chk1 chk0 txt opt1 opt2 ");
  EXPECT_FALSE(form.opt1.Value());
  EXPECT_TRUE(form.opt2.Value());
}

TEST_F(ControlsTest, DisabledOrHiddenControlsRefuseAPerson) {
  Sample form;
  form.cmdOK.Enabled = false;
  EXPECT_THROW(form.cmdOK.PerformClick(), FormError);
  form.cmdOK.SetValue(true);  // code still can
  form.chk.Visible = false;
  EXPECT_THROW(form.chk.PerformClick(), FormError);
  form.txt.Enabled = false;
  EXPECT_THROW(form.txt.Type("x"), FormError);
  EXPECT_EQ(form.clicks, "ok ");
}

TEST_F(ControlsTest, AShownFormHasALiveWindowAndPrintsItself) {
  Sample form;
  form.lbl.Caption = "Line one\r\nline two";
  int32_t hwnd = 0;
  form.cmdCancel.Click = [&] {
    hwnd = form.hWnd();
    EXPECT_TRUE(Os().Windows().IsWindow(hwnd));
    form.Unload();
  };
  user_.Type("Sample", "txt", "typed");
  user_.Type("Sample", "Check", "1");
  user_.Answer("Sample", "Esc");
  form.ShowModal();
  EXPECT_FALSE(Os().Windows().IsWindow(hwnd));
  EXPECT_FALSE(user_.Failure().has_value());
  EXPECT_EQ(transcript_,
            "Sample\n"
            "  Line one\\r\\nline two\n"
            "  [ ] Check\n"
            "  ( ) One\n"
            "  ( ) Two\n"
            "  txt: \"\"\n"
            "  [OK] (default)\n"
            "  [Cancel] (cancel)\n"
            "\n"
            "-> Esc\n");
  EXPECT_EQ(form.txt.Text(), "typed");
  EXPECT_EQ(form.chk.Value(), 1);
}

TEST_F(ControlsTest, TheDriverAnswersByCaptionEnterAndFrame) {
  struct Case {
    const char* answer;
    const char* clicks;
  };
  const Case cases[] = {{"OK", "ok "}, {"&OK", "ok "}, {"Enter", "ok "}, {"Close", "frame "}};
  for (const auto& c : cases) {
    Sample form;
    user_.Answer("Sample", c.answer);
    form.ShowModal();
    EXPECT_EQ(form.clicks, c.clicks) << c.answer;
  }
}

TEST_F(ControlsTest, UnqueuedWindowsAndRefusedActionsAreTheScriptsFailure) {
  {
    Sample form;
    form.ShowModal();
    ASSERT_TRUE(user_.Failure().has_value());
    EXPECT_NE(user_.Failure()->find("nothing was queued for the window \"Sample\""),
              std::string::npos);
    EXPECT_EQ(form.clicks, "frame ");
  }
  user_.ClearFailure();
  {
    Sample form;
    form.cmdOK.Enabled = false;
    user_.Answer("Sample", "OK");
    form.ShowModal();
    ASSERT_TRUE(user_.Failure().has_value());
    EXPECT_NE(user_.Failure()->find("\"OK\" cannot be used: it is disabled"), std::string::npos);
  }
}

TEST_F(ControlsTest, ListViewRowsAndChecks) {
  Sample form;
  ListView list(&form, "lsvResult");
  std::string events;
  list.ItemCheck = [&](int32_t i) { events += "check" + std::to_string(i) + " "; };
  list.ItemClick = [&](int32_t i) { events += "click" + std::to_string(i) + " "; };
  list.Add(0, "", "B");
  list.Add(1, "", "A");
  list.Add(0, "", "C");
  list.Item(2).SubItems = {"12"};
  list.Select(2);
  list.SetChecked(3, true);
  list.SetChecked(3, true);
  list.Remove(1);
  EXPECT_EQ(list.SelectedIndex(), 1);
  EXPECT_EQ(events, "click2 check3 ");
  EXPECT_THROW(list.Item(3), ComError);
  std::string out;
  list.Describe(out);
  EXPECT_EQ(out, "  lsvResult:\n  > [ ] B | 12\n    [x] C\n");
}

TEST_F(ControlsTest, MenusFindAndPickVisibleEnabledItems) {
  Menu menu("mnuMainOptions");
  int picked = 0;
  auto& rename = menu.AddItem("mnuRename", "&Rename");
  rename.Click = [&] { ++picked; };
  auto& hidden = menu.AddItem("mnuHidden", "Hidden");
  hidden.Visible = false;
  menu.AddItem("mnubl", "-");
  auto& off = menu.AddItem("mnuOff", "Off");
  off.Enabled = false;
  ASSERT_EQ(menu.Find("Rename"), &rename);
  EXPECT_EQ(menu.Find("Hidden"), nullptr);
  menu.Find("mnuRename")->Pick();
  EXPECT_THROW(off.Pick(), FormError);
  EXPECT_EQ(picked, 1);
  std::string out;
  menu.Describe(out);
  EXPECT_EQ(out, "  Rename\n  ----\n  Off [disabled]\n");
}

}  // namespace
}  // namespace kov::forms
