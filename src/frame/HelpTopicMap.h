// Which help topic belongs to which message id.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qel::Windows {

struct HelpTopic {
    std::int32_t id = 0;
    std::string topic;  // page or page#anchor
};

class HelpTopicMap {
  public:
    // Appends the entry unless the id has one: the first mapping of an id stays.
    void AddTopic(std::int32_t id, std::string topic);
    // Index of the entry with that id, or -1.
    int FindTopic(std::int32_t id) const;
    // The entry's topic, or the empty text.
    std::string TopicFor(std::int32_t id) const;
    int Count() const { return static_cast<int>(entries.size()); }

  private:
    std::vector<HelpTopic> entries;
};

}  // namespace qel::Windows
