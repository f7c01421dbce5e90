#pragma once
// Fixed-size records of length-prefixed Windows-1252 text fields.
#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace custovia {

enum class FieldKind { Text, Flag };

struct RecordField {
    std::string name;  // the screen control that shows the field
    int capacity;      // characters; the field takes capacity + 1 bytes
    FieldKind kind = FieldKind::Text;
};

inline constexpr std::string_view kFlagYes = "Sì";
inline constexpr std::string_view kFlagNo = "No";

// A record layout: field order and capacities; sizes and offsets follow from them.
class RecordLayout {
public:
    RecordLayout(std::initializer_list<RecordField> fields);

    std::size_t size() const { return size_; }
    std::size_t fieldCount() const { return fields_.size(); }
    const RecordField& field(std::size_t i) const { return fields_[i]; }
    std::size_t offset(std::size_t i) const { return offsets_[i]; }
    // Index of the named field; throws std::out_of_range for an unknown name.
    std::size_t indexOf(std::string_view name) const;

private:
    std::vector<RecordField> fields_;
    std::vector<std::size_t> offsets_;
    std::size_t size_ = 0;
};

// One record's bytes, read and written as one block.
class Record {
public:
    explicit Record(const RecordLayout& layout);
    Record(const RecordLayout& layout, std::string_view bytes);

    const RecordLayout& layout() const { return *layout_; }
    std::string_view bytes() const { return bytes_; }

    // The field's text: its stored bytes converted from Windows-1252 and trimmed.
    std::string get(std::size_t field) const;
    std::string get(std::string_view name) const { return get(layout_->indexOf(name)); }
    // Stores the text trimmed, converted to Windows-1252 and cut to the capacity.
    void set(std::size_t field, std::string_view text);
    void set(std::string_view name, std::string_view text) { set(layout_->indexOf(name), text); }

private:
    const RecordLayout* layout_;
    std::string bytes_;
};

// The stored bytes of field i inside a record's bytes; a corrupt length byte larger than
// the capacity reads as the capacity, so no read ever leaves the field.
// (Here, not in the source file: a scan calls it for every field of every record.)
inline std::string_view rawField(const RecordLayout& layout, std::string_view recordBytes, std::size_t i) {
    const std::size_t at = layout.offset(i);
    const auto capacity = std::size_t(layout.field(i).capacity);
    const auto length = std::min<std::size_t>(static_cast<unsigned char>(recordBytes[at]), capacity);
    return recordBytes.substr(at + 1, length);
}
std::string decodeField(std::string_view raw);

}  // namespace custovia
