// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/shortcut_dispatch.h"

#include "core/command_behaviour.h"
#include "core/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

using tagpad::Command;
using tagpad::CommandBehaviour;
using tagpad::CommandId;
using tagpad::CommandTable;
using tagpad::Shortcut;

namespace {

// A window in miniature: every plain command has a handler and every
// standard command a behaviour, all logging what ran; `focus` stands for a
// text control having the focus.
class Window {
 public:
  Window() {
    for (const auto& command : table.action_list().commands()) {
      std::string name = command->name();
      if (command->kind() == tagpad::CommandKind::Plain) {
        command->set_handler([this, name] { ran.push_back(name); });
      } else {
        command->set_behaviour(std::make_unique<Behaviour>(*this));
      }
    }
  }

  bool press(char32_t key) { return table.dispatch_shortcut(Shortcut::with_ctrl(key)); }

  CommandTable table;
  bool focus = false;
  std::vector<std::string> ran;
  std::map<std::string, int> updates;

 private:
  class Behaviour : public CommandBehaviour {
   public:
    explicit Behaviour(Window& window) : window_(window) {}
    bool update(Command& command) override {
      ++window_.updates[command.name()];
      if (!window_.focus) return false;
      command.set_enabled(true);
      return true;
    }
    void execute(Command& command) override { window_.ran.push_back(command.name()); }

   private:
    Window& window_;
  };
};

using Ran = std::vector<std::string>;

}  // namespace

TEST(ShortcutDispatch, CtrlPReachesPrintDialogThroughTheFileMenu) {
  Window window;
  EXPECT_TRUE(window.press('P'));
  EXPECT_EQ(window.ran, Ran{"PrintDlg1"});
  // On the way down N1 refreshed the commands of its items.
  EXPECT_EQ(window.updates["FilePageSetup1"], 1);
  EXPECT_EQ(window.updates["FilePrintSetup1"], 1);
  EXPECT_EQ(window.updates["PrintDlg1"], 2);  // and once more when it ran
  EXPECT_EQ(window.updates["EditUndo1"], 0);
}

TEST(ShortcutDispatch, CutGoesThroughTheCommandListAndOnlyConsumesWhenItRuns) {
  Window window;
  EXPECT_FALSE(window.press('X'));  // no text control: the key goes on
  EXPECT_TRUE(window.ran.empty());
  EXPECT_FALSE(window.table.command(CommandId::EditCut1).enabled());

  window.focus = true;
  EXPECT_TRUE(window.press('X'));
  EXPECT_EQ(window.ran, Ran{"EditCut1"});

  window.ran.clear();
  EXPECT_TRUE(window.press('O'));
  EXPECT_EQ(window.ran, Ran{"FileOpen1"});
}

TEST(ShortcutDispatch, EditMenuKeysAreSwallowedWhileTheirCommandIsDisabled) {
  Window window;
  for (char32_t key : {U'Z', U'A', U'C', U'V'}) {
    EXPECT_TRUE(window.press(key)) << char(key);
  }
  EXPECT_TRUE(window.ran.empty());
  for (const char* item : {"N15", "N18", "N9", "N10"}) {
    EXPECT_FALSE(window.table.menu_item(item).enabled()) << item;
  }

  window.focus = true;
  for (char32_t key : {U'Z', U'A', U'C', U'V'}) EXPECT_TRUE(window.press(key));
  EXPECT_EQ(window.ran, (Ran{"EditUndo1", "EditSelectAll1", "EditCopy1", "EditPaste1"}));
}

TEST(ShortcutDispatch, ClickFromTheTopStopsAtTheFirstDisabledStep) {
  Window window;
  window.table.menu_item("N1").set_enabled(false);
  EXPECT_TRUE(window.press('P'));  // found, so consumed, but never clicked
  EXPECT_TRUE(window.ran.empty());
  EXPECT_EQ(window.updates["PrintDlg1"], 0);  // N1's items were not refreshed

  window.table.menu_item("N1").set_enabled(true);
  window.table.menu_item("N23").set_enabled(false);
  EXPECT_TRUE(window.press('P'));
  EXPECT_TRUE(window.ran.empty());
  EXPECT_EQ(window.updates["PrintDlg1"], 1);  // refreshed by N1, not executed

  // A disabled root stops everything, before any refresh.
  window.table.menu_item("N23").set_enabled(true);
  window.table.main_menu().root().set_enabled(false);
  EXPECT_TRUE(window.press('P'));
  EXPECT_EQ(window.updates["PrintDlg1"], 1);
  EXPECT_TRUE(window.ran.empty());
}

TEST(ShortcutDispatch, CtrlFOpensFindThroughTheEditMenuAndCtrlEDoesNothing) {
  Window window;
  EXPECT_TRUE(window.press('F'));
  EXPECT_EQ(window.ran, Ran{"SearchFind1"});

  window.ran.clear();
  EXPECT_FALSE(window.press('E'));
  EXPECT_FALSE(window.press('Q'));
  EXPECT_TRUE(window.ran.empty());
}

TEST(ShortcutDispatch, ModifiersAndNoKeyMatter) {
  Window window;
  window.focus = true;
  EXPECT_FALSE(window.table.dispatch_shortcut({'X', false, false, false}));
  EXPECT_FALSE(window.table.dispatch_shortcut({'X', true, true, false}));
  EXPECT_FALSE(window.table.dispatch_shortcut({'P', true, false, true}));
  EXPECT_FALSE(window.table.dispatch_shortcut(Shortcut{}));  // never the items without shortcut
  EXPECT_TRUE(window.ran.empty());
  EXPECT_TRUE(window.table.dispatch_shortcut({'X', true, false, false}));
}
