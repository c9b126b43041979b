// How a topic opens and how its submenu runs: the page constructs every
// topic of every program is built from.
#pragma once

#include <initializer_list>
#include <string>

#include "program.h"

// The submenu of a topic on the bottom line. `items` is the whole item list
// as one line ("①温度計　②正負説明　…　⑨終了"); `pages` holds one page per
// item but the last, in item order. A choice outside 1 to the item count
// asks again; the last item returns (to the main menu). Every page returns
// here; a null page is one that is not built yet and comes straight back.
void TopicSubmenu(const std::string& items, std::initializer_list<Action> pages);

// How a topic begins: on the white page the main menu leaves, or with the
// content area erased first.
enum class TopicStart { kAsLeft, kClearContentArea };

// The entry of a topic: the start, its goal page where it has one (null:
// none), then its submenu until the last item is chosen.
void TopicEntry(TopicStart start, const Action& goal_page, const std::string& items,
                std::initializer_list<Action> pages);

// A page or goal page that is not built yet: the submenu asks again at once.
inline constexpr Routine kNotBuilt = nullptr;
