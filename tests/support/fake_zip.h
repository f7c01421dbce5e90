#pragma once
// A zip stand-in for the logic tests, on every system (the Windows leg has no zip library): it
// writes its entries to a real file in a plain layout of its own, each with a checksum, so a
// test can damage a byte and see the damage found. It is not a zip file and never claims to be.
// Its files are opened through the program's file layer, whose handles a process started
// meanwhile never inherits (a handle inherited on Windows would keep the file from being renamed).
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/zip_file.h"
#include "archive/block_file.h"

namespace custovia::test {

class FakeZip final : public ZipFormat {
public:
    // The names of the entries whose content was asked for, in order, over every write.
    std::vector<std::string> asked;
    // A write that fails (as on a full disk) after this many entries; -1: never.
    int failAfterEntries = -1;

    bool available() const override { return true; }

    std::unique_ptr<ZipWriter> writer() override { return std::make_unique<Writer>(*this); }

    std::unique_ptr<ZipReader> open(const std::filesystem::path& path) override {
        std::string all;
        try {
            const auto file = platformFileOpener().openForReading(path);
            all.resize(std::size_t(file->size()));
            if (!all.empty()) file->readAt(0, all.data(), all.size());
            file->close();
        } catch (const ArchiveError&) {
            throw ZipError("impossibile aprire il file");
        }
        auto reader = std::make_unique<Reader>();
        if (!reader->parse(all)) throw ZipError("non è un file zip");
        return reader;
    }

    static std::uint64_t checksum(std::string_view bytes) {
        std::uint64_t h = 1469598103934665603ull;
        for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return h;
    }

private:
    static constexpr std::string_view kMagic = "FAKEZIP1\n";

    class Writer final : public ZipWriter {
    public:
        explicit Writer(FakeZip& zip) : zip_(zip) {}
        void add(const std::string& name, EntryContent content) override {
            entries_.push_back({name, std::move(content)});
        }
        void setComment(const std::string& comment) override { comment_ = comment; }
        void write(const std::filesystem::path& path, const std::function<bool()>& cancelled) override {
            std::string out(kMagic);
            out += std::to_string(comment_.size()) + "\n" + comment_;
            int done = 0;
            for (auto& [name, content] : entries_) {
                if (cancelled && cancelled()) throw ZipError("operazione interrotta");
                if (zip_.failAfterEntries >= 0 && done++ >= zip_.failAfterEntries)
                    throw ZipError("disco pieno");
                zip_.asked.push_back(name);
                const EntryBytes made = content();
                out += name + "\n" + std::to_string(made.bytes.size()) + " " + std::to_string(made.modified) +
                       " " + std::to_string(checksum(made.bytes)) + "\n" + made.bytes;
            }
            try {
                const auto file = platformFileOpener().createNew(path);
                if (!file) throw ZipError("il file esiste già");
                file->writeAt(0, out.data(), out.size());
                file->close();
            } catch (const ArchiveError&) {
                throw ZipError("errore di scrittura");
            }
        }

    private:
        FakeZip& zip_;
        std::vector<std::pair<std::string, EntryContent>> entries_;
        std::string comment_;
    };

    class Reader final : public ZipReader {
    public:
        bool parse(const std::string& all) {
            if (all.rfind(kMagic, 0) != 0) return false;
            std::istringstream in(all.substr(kMagic.size()));
            std::size_t length = 0;
            if (!(in >> length) || in.get() != '\n') return false;
            comment_.resize(length);
            in.read(comment_.data(), std::streamsize(length));
            std::string name;
            while (std::getline(in, name)) {
                ZipEntry entry{name, 0, 0};
                std::uint64_t sum = 0;
                long long modified = 0;
                if (!(in >> entry.size >> modified >> sum) || in.get() != '\n') return false;
                entry.modified = std::time_t(modified);
                std::string bytes(std::size_t(entry.size), '\0');
                if (!in.read(bytes.data(), std::streamsize(bytes.size()))) return false;
                entries_.push_back(entry);
                bytes_.push_back(std::move(bytes));
                sums_.push_back(sum);
            }
            return true;
        }
        const std::vector<ZipEntry>& entries() const override { return entries_; }
        std::string comment() const override { return comment_; }
        void read(std::size_t index, const std::function<void(std::string_view)>& put) override {
            const std::string_view bytes = bytes_.at(index);
            put(bytes.substr(0, bytes.size() / 2));
            put(bytes.substr(bytes.size() / 2));
            if (checksum(bytes) != sums_[index])
                throw ZipError("i dati non corrispondono al loro codice di controllo");
        }

    private:
        std::vector<ZipEntry> entries_;
        std::vector<std::string> bytes_;
        std::vector<std::uint64_t> sums_;
        std::string comment_;
    };
};

}  // namespace custovia::test
