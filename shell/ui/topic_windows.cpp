#include "shell/ui/topic_windows.h"

#include <map>

#include "shell/ui/topic_window.h"

// The topic windows' headers, one per registered window.
#include "climate/ui/tklimamenue.h"
#include "core/ui/terdemenue.h"
#include "core/ui/tewtmenue.h"
#include "core/ui/thlkmenue.h"
#include "evaluation/ui/tkostenmenue.h"
#include "evaluation/ui/tjahreswmenue.h"
#include "evaluation/ui/ttageswmenue.h"
#include "evaluation/ui/toptmenue.h"
#include "evaluation/ui/tvariantenmenue.h"
#include "files/ui/building_file_dialog.h"

namespace talp {

namespace {

using Factory = TopicWindow* (*)(ShellContext&);

template <class Window>
TopicWindow* make(ShellContext& context)
{
    return new Window(context);
}

// The HVAC window reads its ventilation file through the coupling dialog.
TopicWindow* makeHvacWindow(ShellContext& context)
{
    auto* window = new Thlkmenue(context);
    attachBuildingFileDialog(*window, context);
    return window;
}

// One line per topic window, e.g. {Topic::Ewt, make<Tewtmenue>},
const std::map<Topic, Factory>& registry()
{
    static const std::map<Topic, Factory> windows{
        {Topic::Ewt, make<Tewtmenue>},
        {Topic::Erde, make<Terdemenue>},
        {Topic::Klima, make<Tklimamenue>},
        {Topic::Hlk, makeHvacWindow},
        {Topic::Kosten, make<Tkostenmenue>},
        {Topic::Jahr, make<Tjahreswmenue>},
        {Topic::Tag, make<Ttageswmenue>},
        {Topic::Optimum, make<Toptmenue>},
        {Topic::Varianten, make<Tvariantenmenue>},
    };
    return windows;
}

}  // namespace

TopicWindow* createTopicWindow(Topic topic, ShellContext& context)
{
    const auto found = registry().find(topic);
    return found == registry().end() ? nullptr : found->second(context);
}

}  // namespace talp
