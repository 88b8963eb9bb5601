// Mechanics of the records that pair an id with its display text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace schattwerk {

// The text follows the id: it is looked up whenever the record is made or given a new id. An id
// that the table does not list leaves the former text in place, so a fresh record of such an id
// has an empty text. A copy takes id and text together: it reads what its source reads, whatever
// text the copy held before (the source's text already follows its id).
template <std::optional<std::string_view> (*LookUp)(std::int32_t)>
class TextFollowingId {
  public:
    constexpr explicit TextFollowingId(std::int32_t initialId) : id(initialId) { Update(); }

    constexpr std::int32_t Id() const { return id; }
    constexpr std::string_view Text() const { return text; }

    constexpr void SetId(std::int32_t newId) {
        id = newId;
        Update();
    }

    constexpr void Update() {
        if (const auto found = LookUp(id)) {
            text = *found;
        }
    }

  private:
    std::int32_t id;
    std::string_view text;
};

}  // namespace schattwerk
