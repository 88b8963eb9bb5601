// Dynamic arrays of records held by value, indexed from 0; element access returns a copy.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "case_model/Suspect.h"
#include "case_model/Witness.h"

namespace schattwerk {

template <class Record>
class RecordArray {
  public:
    // Appends a copy and returns its index, the former count.
    int Add(const Record& record) {
        items.push_back(record);
        return Count() - 1;
    }
    Record At(int index) const { return items.at(static_cast<std::size_t>(index)); }
    int Count() const { return static_cast<int>(items.size()); }
    void Clear() { items.clear(); }
    void Reserve(int count) { items.reserve(static_cast<std::size_t>(count)); }
    // Replaces the contents with copies of `records`.
    void Assign(std::span<const Record> records) { items.assign(records.begin(), records.end()); }

    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

  protected:
    std::vector<Record> items;
};

// Arrays of the records that are made from an id alone.
template <class Record>
class IdRecordArray : public RecordArray<Record> {
  public:
    using RecordArray<Record>::Add;
    using RecordArray<Record>::Assign;
    int Add(std::int32_t id) { return Add(Record(id)); }
    // New elements are records made with the default id.
    void Resize(int count) { this->items.resize(static_cast<std::size_t>(count)); }
    // Replaces the contents, for reorderings of the whole array.
    void Assign(std::vector<Record> records) { this->items = std::move(records); }
};

using WitnessArray = IdRecordArray<Witness>;
using SuspectArray = IdRecordArray<Suspect>;

}  // namespace schattwerk
