// Where a program's items are, and the keys that reach them: the main menu's
// topics (every menu item but the empty ones and the end item), each topic's
// submenu (the plain-text line at 16,666, its choices numbered ① to ⑳, the
// last "終了"), and a number typed as its digits and Enter. The walk and the
// key storms both find their way through a program with these.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "page.h"
#include "program.h"

// The main-menu numbers that open a topic, in menu order.
std::vector<int> TopicNumbers(const ProgramDescription& program);

// Whether a line (UTF-8) is a submenu's: choices numbered ① to ⑳, the last
// of them "終了". Another text asked for on the bottom line (a number
// asked with AskNumberAtBottom) is none.
bool IsSubmenuText(const std::string& utf8);
// Whether a logged operation puts up a submenu line at its place.
bool IsSubmenuPrint(const LoggedOp& op);

// The choices a submenu line (UTF-8) offers: its highest circled number (a
// label such as "②～④" stands for three choices); its last one, "終了",
// leads back to the main menu.
int CountChoices(const std::string& utf8_line);

// A number's digits typed key by key, each followed by a blank ("1 2 "),
// for a key script to go on after them.
std::string DigitKeys(int number);
// A number typed key by key, then Enter, in the key-script notation
// ("1 2 Enter").
std::string NumberKeys(int number);

// One item of one topic.
struct ItemPlace {
  int topic = 0;        // its topic's number on the main menu
  int item = 0;         // its number on the submenu
  std::string submenu;  // the submenu line, UTF-8
};

// What reading a program's items from its submenus found: every item, or
// where the reading stopped and why.
struct ItemReading {
  std::vector<ItemPlace> items;  // all of them when `stopped` is empty
  std::string stopped;           // why the reading stopped short ("" when it did not)
  int topic = 0;                 // the topic it was reading (0: the main menu)
  std::string keys;              // the keys typed up to there, in the key-script notation
};

// Reads every item of every topic of `program`, the submenus' end items left
// out, as the program's own submenus show them: the program is run headless
// on `clock` in the installed-backend slot (which is left empty again), topic
// by topic, each left by its end item. It stops at the error screen, at a
// topic that shows no submenu, or where the program ends. `on_key`, when
// given, is called as the program asks for each key, with the topic and the
// keys of the topics opened and left so far (a caller that watches for a
// hang counts the calls).
ItemReading ReadItems(
    const ProgramDescription& program, const std::string& clock = "12:00:00",
    const std::function<void(int topic, const std::string& keys)>& on_key = nullptr);

// The items ReadItems finds; empty when it stopped short.
std::vector<ItemPlace> ListItems(const ProgramDescription& program);

// The keys from the main menu into `place`, in the key-script notation.
std::string KeysTo(const ItemPlace& place);
