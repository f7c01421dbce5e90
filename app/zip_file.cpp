#include "app/zip_file.h"

#include "archive/paths.h"

#ifdef CUSTOVIA_HAVE_LIBZIP
#include <zip.h>

#include <algorithm>
#include <cstring>
#include <exception>
#endif

namespace custovia {
namespace {

#ifdef CUSTOVIA_HAVE_LIBZIP

// One entry waiting to be written: its bytes are asked for when the library first needs them
// (to learn the size, just before compressing) and let go of once they are compressed.
struct PendingEntry {
    std::string name;
    EntryContent content;
    std::exception_ptr* failure = nullptr;  // the first exception of any entry's content

    std::string bytes;
    std::time_t modified = 0;
    std::size_t at = 0;
    bool held = false, sized = false;
    std::uint64_t size = 0;
    zip_error_t error{};

    bool take() {
        try {
            EntryBytes made = content();
            bytes = std::move(made.bytes);
            modified = made.modified;
        } catch (...) {
            if (!*failure) *failure = std::current_exception();
            zip_error_set(&error, ZIP_ER_READ, 0);
            return false;
        }
        held = sized = true;
        size = bytes.size();
        at = 0;
        return true;
    }
};

zip_int64_t entrySource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto& entry = *static_cast<PendingEntry*>(state);
    switch (command) {
        case ZIP_SOURCE_OPEN:
            if (!entry.held && !entry.take()) return -1;
            entry.at = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            const std::size_t n = std::min<std::size_t>(std::size_t(length), entry.bytes.size() - entry.at);
            std::memcpy(data, entry.bytes.data() + entry.at, n);
            entry.at += n;
            return zip_int64_t(n);
        }
        case ZIP_SOURCE_CLOSE:
            std::string().swap(entry.bytes);
            entry.held = false;
            return 0;
        case ZIP_SOURCE_STAT: {
            // the entry's time is the one its bytes were read at, so it is learnt with them
            if (!entry.sized && !entry.take()) return -1;
            auto* st = static_cast<zip_stat_t*>(data);
            zip_stat_init(st);
            st->size = entry.size;
            st->mtime = entry.modified;
            st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
            return sizeof(*st);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&entry.error, data, length);
        case ZIP_SOURCE_FREE:
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&entry.error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
    }
}

// The library's error in Italian, with the system's own words where it gives them.
std::string describe(zip_error_t* error) {
    const char* what = nullptr;
    switch (zip_error_code_zip(error)) {
        case ZIP_ER_CRC:
            what = "i dati non corrispondono al loro codice di controllo";
            break;
        case ZIP_ER_COMPRESSED_DATA:
            what = "dati compressi danneggiati";
            break;
        case ZIP_ER_NOZIP:
            what = "non è un file zip";
            break;
        case ZIP_ER_INCONS:
        case ZIP_ER_EOF:
            what = "file zip danneggiato o incompleto";
            break;
        case ZIP_ER_NOENT:
            what = "il file non esiste";
            break;
        case ZIP_ER_EXISTS:
            what = "il file esiste già";
            break;
        case ZIP_ER_OPEN:
            what = "impossibile aprire il file";
            break;
        case ZIP_ER_TMPOPEN:
            what = "impossibile creare il file temporaneo";
            break;
        case ZIP_ER_READ:
            what = "errore di lettura";
            break;
        case ZIP_ER_WRITE:
        case ZIP_ER_CLOSE:
        case ZIP_ER_RENAME:
            what = "errore di scrittura";
            break;
        case ZIP_ER_MEMORY:
            what = "memoria insufficiente";
            break;
        case ZIP_ER_CANCELLED:
            what = "operazione interrotta";
            break;
        default:
            what = "errore del file zip";
            break;
    }
    std::string text = what;
    if (zip_error_code_system(error) != 0 && zip_error_system_type(error) == ZIP_ET_SYS)
        text += std::string(" (") + std::strerror(zip_error_code_system(error)) + ")";
    return text;
}

std::string openError(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = describe(&error);
    zip_error_fini(&error);
    return text;
}

std::string errorOf(zip_t* zip) { return describe(zip_get_error(zip)); }

class LibzipWriter final : public ZipWriter {
public:
    void add(const std::string& name, EntryContent content) override {
        auto entry = std::make_unique<PendingEntry>();
        entry->name = name;
        entry->content = std::move(content);
        entry->failure = &failure_;
        entries_.push_back(std::move(entry));
    }
    void setComment(const std::string& comment) override { comment_ = comment; }

    void write(const std::filesystem::path& path, const std::function<bool()>& cancelled) override {
        int code = 0;
        zip_t* zip = zip_open(pathToUtf8(path).c_str(), ZIP_CREATE | ZIP_EXCL, &code);
        if (!zip) throw ZipError(openError(code));
        const auto abandon = [&](const std::string& reason) {
            zip_discard(zip);
            if (failure_) std::rethrow_exception(failure_);
            throw ZipError(reason);
        };
        for (const auto& entry : entries_) {
            zip_source_t* source = zip_source_function(zip, entrySource, entry.get());
            if (!source) abandon(errorOf(zip));
            const zip_int64_t index = zip_file_add(zip, entry->name.c_str(), source, ZIP_FL_ENC_UTF_8);
            if (index < 0) {
                zip_source_free(source);
                abandon(errorOf(zip));
            }
            // the fastest deflate: the archives' empty field tails shrink as well as with the
            // slowest, and a large folder's backup takes seconds rather than tens of them
            if (zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) != 0)
                abandon(errorOf(zip));
        }
        if (!comment_.empty() &&
            zip_set_archive_comment(zip, comment_.data(), zip_uint16_t(comment_.size())) != 0)
            abandon(errorOf(zip));
        if (cancelled) {
            zip_register_cancel_callback_with_state(
                zip,
                [](zip_t*, void* state) {
                    return (*static_cast<const std::function<bool()>*>(state))() ? 1 : 0;
                },
                nullptr, const_cast<std::function<bool()>*>(&cancelled));
        }
        if (zip_close(zip) != 0) abandon(errorOf(zip));
    }

private:
    std::vector<std::unique_ptr<PendingEntry>> entries_;
    std::string comment_;
    std::exception_ptr failure_;
};

class LibzipReader final : public ZipReader {
public:
    explicit LibzipReader(const std::filesystem::path& path) {
        int code = 0;
        zip_ = zip_open(pathToUtf8(path).c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
        if (!zip_) throw ZipError(openError(code));
        const zip_int64_t count = zip_get_num_entries(zip_, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t st;
            if (zip_stat_index(zip_, zip_uint64_t(i), 0, &st) != 0) {
                const std::string reason = errorOf(zip_);
                zip_discard(zip_);
                throw ZipError(reason);
            }
            entries_.push_back({st.name ? st.name : "", (st.valid & ZIP_STAT_SIZE) ? st.size : 0,
                                (st.valid & ZIP_STAT_MTIME) ? st.mtime : 0});
        }
        int length = 0;
        if (const char* comment = zip_get_archive_comment(zip_, &length, 0))
            comment_.assign(comment, std::size_t(std::max(length, 0)));
    }
    ~LibzipReader() override { zip_discard(zip_); }

    const std::vector<ZipEntry>& entries() const override { return entries_; }
    std::string comment() const override { return comment_; }

    void read(std::size_t index, const std::function<void(std::string_view)>& put) override {
        const auto close = [](zip_file_t* f) { zip_fclose(f); };
        const std::unique_ptr<zip_file_t, decltype(close)> file(zip_fopen_index(zip_, zip_uint64_t(index), 0),
                                                                close);
        if (!file) throw ZipError(errorOf(zip_));
        std::string buffer(1 << 20, '\0');
        // the checksum is compared when the end of the data is read: a mismatch fails that read
        for (;;) {
            const zip_int64_t got = zip_fread(file.get(), buffer.data(), buffer.size());
            if (got < 0) throw ZipError(describe(zip_file_get_error(file.get())));
            if (got == 0) break;
            put(std::string_view(buffer.data(), std::size_t(got)));
        }
    }

private:
    zip_t* zip_ = nullptr;
    std::vector<ZipEntry> entries_;
    std::string comment_;
};

class Libzip final : public ZipFormat {
public:
    bool available() const override { return true; }
    std::unique_ptr<ZipWriter> writer() override { return std::make_unique<LibzipWriter>(); }
    std::unique_ptr<ZipReader> open(const std::filesystem::path& path) override {
        return std::make_unique<LibzipReader>(path);
    }
};

using SystemZip = Libzip;

#else

// A build without a zip library: backups are not available, and say so.
class NoZip final : public ZipFormat {
public:
    bool available() const override { return false; }
    std::unique_ptr<ZipWriter> writer() override { throw ZipError(kMissing); }
    std::unique_ptr<ZipReader> open(const std::filesystem::path&) override { throw ZipError(kMissing); }

private:
    static constexpr const char* kMissing = "questa versione del programma non gestisce i file zip";
};

using SystemZip = NoZip;

#endif

}  // namespace

ZipFormat& systemZip() {
    static SystemZip zip;
    return zip;
}

}  // namespace custovia
