// The message-to-topic map.
#include "frame/HelpTopicMap.h"

#include <algorithm>

namespace qel::Windows {

void HelpTopicMap::AddTopic(std::int32_t id, std::string topic) {
    if (FindTopic(id) == -1) {
        entries.push_back({id, std::move(topic)});
    }
}

int HelpTopicMap::FindTopic(std::int32_t id) const {
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [id](const HelpTopic& entry) { return entry.id == id; });
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

std::string HelpTopicMap::TopicFor(std::int32_t id) const {
    const int index = FindTopic(id);
    return index == -1 ? std::string() : entries[static_cast<std::size_t>(index)].topic;
}

}  // namespace qel::Windows
