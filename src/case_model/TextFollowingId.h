// Mechanics of the records that pair an id with its display text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace schattwerk {

// The text follows the id: it is looked up again whenever the record is made, copied or given a
// new id. An id that the table does not list leaves the former text in place, so a fresh record
// of such an id has an empty text and a copy of one gets the text its target had before.
template <std::optional<std::string_view> (*LookUp)(std::int32_t)>
class TextFollowingId {
  public:
    explicit TextFollowingId(std::int32_t initialId) : id(initialId) { Update(); }
    TextFollowingId(const TextFollowingId& other) : id(other.id) { Update(); }
    TextFollowingId& operator=(const TextFollowingId& other) {
        id = other.id;
        Update();
        return *this;
    }
    ~TextFollowingId() = default;

    std::int32_t Id() const { return id; }
    std::string_view Text() const { return text; }

    void SetId(std::int32_t newId) {
        id = newId;
        Update();
    }

    void Update() {
        if (const auto found = LookUp(id)) {
            text = *found;
        }
    }

  private:
    std::int32_t id;
    std::string_view text;
};

}  // namespace schattwerk
