#include "archive/record.h"

#include <algorithm>
#include <stdexcept>

#include "archive/text.h"

namespace custovia {

RecordLayout::RecordLayout(std::initializer_list<RecordField> fields) : fields_(fields) {
    for (const RecordField& f : fields_) {
        if (f.capacity < 1 || f.capacity > 255) throw std::invalid_argument("field capacity");
        offsets_.push_back(size_);
        size_ += std::size_t(f.capacity) + 1;
    }
}

std::size_t RecordLayout::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == name) return i;
    throw std::out_of_range("no field " + std::string(name));
}

Record::Record(const RecordLayout& layout) : layout_(&layout), bytes_(layout.size(), '\0') {}

Record::Record(const RecordLayout& layout, std::string_view bytes)
    : layout_(&layout), bytes_(bytes.substr(0, layout.size())) {
    bytes_.resize(layout.size(), '\0');
}

std::string decodeField(std::string_view raw) { return fieldFromCp1252(trimView(raw)); }

std::string Record::get(std::size_t field) const { return decodeField(rawField(*layout_, bytes_, field)); }

void Record::set(std::size_t field, std::string_view text) {
    const std::size_t at = layout_->offset(field);
    const auto capacity = std::size_t(layout_->field(field).capacity);
    std::string stored = toCp1252(trimView(text));
    if (stored.size() > capacity) stored.resize(capacity);
    bytes_[at] = char(stored.size());
    std::fill_n(bytes_.begin() + long(at) + 1, capacity, '\0');
    std::copy(stored.begin(), stored.end(), bytes_.begin() + long(at) + 1);
}

}  // namespace custovia
