#pragma once
// The nine topic windows of the main window: their component names, their navigation
// button captions, their items under "Ansicht" and "Fenster" and their help topics.

#include <array>
#include <span>
#include <string_view>

#include "core/texts.h"
#include "shell/menu_items.h"

namespace talp {

enum class Topic { Ewt, Erde, Klima, Hlk, Kosten, Jahr, Tag, Optimum, Varianten };
inline constexpr int kTopicCount = 9;

struct TopicSpec {
    Topic id;
    std::string_view formName;  // e.g. "ewtmenue"
    Text navigationCaption;     // caption of the button that brings the window up
    MenuItem viewItem;          // toggles the window ("Ansicht")
    MenuItem windowItem;        // brings it to the front ("Fenster")
    int helpContext;            // help topic of the window itself
};

// In the order of the navigation row and of the "Ansicht" menu.
std::span<const TopicSpec> topicTable();
const TopicSpec& topic(Topic id);

// "Anordnen" brings the visible windows to the front in this order before cascading, so
// the pipe window ends on top.
inline constexpr std::array<Topic, kTopicCount> kArrangeOrder{
    Topic::Varianten, Topic::Optimum, Topic::Tag, Topic::Jahr, Topic::Kosten, Topic::Hlk, Topic::Klima, Topic::Erde, Topic::Ewt};

}  // namespace talp
