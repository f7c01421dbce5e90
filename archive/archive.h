#pragma once
// An archive: one file of fixed-size records in the program folder. Every operation is a
// complete open-work-close sequence, so nothing stays open between two user actions.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/block_file.h"
#include "archive/record.h"

namespace custovia {

class Archive {
public:
    Archive(std::filesystem::path path, const RecordLayout& layout,
            FileOpener& opener = platformFileOpener());

    const std::filesystem::path& path() const { return path_; }
    const RecordLayout& layout() const { return *layout_; }

    // Number of whole records; a trailing partial record is not counted.
    std::uint64_t count();
    // Record i (0-based).
    Record load(std::uint64_t index);
    // Overwrites record i in place; a record beyond the file's end is an error (nothing is
    // written).
    void update(std::uint64_t index, const Record& record);
    // Writes the record after the last whole record, under an exclusive lock, so two
    // workstations appending at once each get their own record and a trailing partial
    // record is overwritten. Returns the 0-based index the record really took.
    std::uint64_t append(const Record& record);

    // Which records a scan hands over: those for which `keep` returns true (every record
    // when it is empty). In scanMaking, `keep` is called from two threads at once on a long
    // file, so it must only read the record it is given.
    struct Selection {
        std::function<bool(std::string_view recordBytes)> keep;
    };
    // Calls visit(index, recordBytes) for every whole (selected) record, from the first. The
    // bytes are valid only during the call. Throws ArchiveError on a failure; the records
    // visited before it have been handled.
    using Visitor = std::function<void(std::uint64_t index, std::string_view bytes)>;
    void scan(const Visitor& visit, const Selection& selection = {});

    // Calls take(index, made) for every whole (selected) record, in order, with what `make`
    // makes of it (a list's row). On a long file a second thread selects and makes the records
    // of blocks it takes from the file's end (while the system holds them in memory) as the
    // caller's thread does those from its start, so `make`, like `keep`, must only read the
    // record it is given; `take` is always called in the caller's thread. Failures as for scan.
    // When `handleHere` is set, the records the caller's thread reads go to it instead, as in
    // scan, with nothing made of them first.
    using Make = std::function<std::string(std::string_view recordBytes)>;
    using Take = std::function<void(std::uint64_t index, std::string made)>;
    void scanMaking(const Make& make, const Take& take, const Selection& selection = {},
                    const Visitor& handleHere = {});

private:
    // A scan shared, when `shared` and the file is long, with a second thread that selects and
    // makes records from the file's end: `visit` handles the records the caller reads,
    // `takeMade` what the second thread made of the others.
    void scanShared(const Visitor& visit, const Make& makeAhead,
                    const std::function<void(std::uint64_t, std::string&)>& takeMade,
                    const Selection& selection, bool shared);

    std::filesystem::path path_;
    const RecordLayout* layout_;
    FileOpener* opener_;
};

}  // namespace custovia
