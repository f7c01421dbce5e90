#include "tools/guide/PdfNavigation.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <stdexcept>

namespace custovia::guide {
namespace {

using Object = QPDFObjectHandle;

class Navigation {
public:
    explicit Navigation(const std::string& pdf) {
        qpdf_.processMemoryFile("Guida.pdf", pdf.data(), pdf.size());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(qpdf_).getAllPages())
            pages_.push_back(page.getObjectHandle());
    }

    void addLink(const PdfLink& link) {
        Object page = pageAt(link.page);
        if (!page.getKey("/Annots").isArray()) page.replaceKey("/Annots", Object::newArray());
        Object annotation = Object::newDictionary();
        annotation.replaceKey("/Type", Object::newName("/Annot"));
        annotation.replaceKey("/Subtype", Object::newName("/Link"));
        annotation.replaceKey("/Rect", Object::newArray(QPDFObjectHandle::Rectangle(link.left, link.bottom,
                                                                                    link.right, link.top)));
        annotation.replaceKey("/Border", Object::parse("[0 0 0]"));
        annotation.replaceKey("/Dest", destination(link.to));
        page.getKey("/Annots").appendItem(qpdf_.makeIndirectObject(annotation));
    }

    void setBookmarks(const std::vector<PdfBookmark>& bookmarks) {
        Object outlines = qpdf_.makeIndirectObject(Object::newDictionary());
        outlines.replaceKey("/Type", Object::newName("/Outlines"));
        addItems(outlines, bookmarks);
        // the chapters show; their sections are folded under them
        outlines.replaceKey("/Count", Object::newInteger(long(bookmarks.size())));
        Object root = qpdf_.getRoot();
        root.replaceKey("/Outlines", outlines);
        root.replaceKey("/PageMode", Object::newName("/UseOutlines"));
    }

    std::string write() {
        Object info = qpdf_.getTrailer().getKey("/Info");
        if (info.isDictionary()) info.removeKey("/CreationDate");
        QPDFWriter writer(qpdf_);
        writer.setOutputMemory();
        writer.setDeterministicID(true);
        writer.write();
        auto buffer = writer.getBufferSharedPointer();
        return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
    }

private:
    Object pageAt(int index) const {
        if (index < 0 || std::size_t(index) >= pages_.size())
            throw std::runtime_error("guide: a link or bookmark names page " + std::to_string(index + 1) +
                                     " of " + std::to_string(pages_.size()));
        return pages_[std::size_t(index)];
    }

    Object destination(const PdfPlace& place) const {
        Object d = Object::newArray();
        d.appendItem(pageAt(place.page));
        d.appendItem(Object::newName("/XYZ"));
        d.appendItem(Object::newNull());
        d.appendItem(Object::newReal(place.top, 2));
        d.appendItem(Object::newNull());
        return d;
    }

    void addItems(Object parent, const std::vector<PdfBookmark>& items) {
        Object previous;
        for (const PdfBookmark& b : items) {
            Object item = qpdf_.makeIndirectObject(Object::newDictionary());
            item.replaceKey("/Title", Object::newUnicodeString(b.title));
            item.replaceKey("/Parent", parent);
            item.replaceKey("/Dest", destination(b.to));
            if (previous.isInitialized()) {
                item.replaceKey("/Prev", previous);
                previous.replaceKey("/Next", item);
            } else {
                parent.replaceKey("/First", item);
            }
            parent.replaceKey("/Last", item);
            if (!b.children.empty()) {
                addItems(item, b.children);
                item.replaceKey("/Count", Object::newInteger(-long(b.children.size())));  // folded
            }
            previous = item;
        }
    }

    QPDF qpdf_;
    std::vector<Object> pages_;
};

}  // namespace

std::string withNavigation(const std::string& pdf, const std::vector<PdfBookmark>& bookmarks,
                           const std::vector<PdfLink>& links) {
    // qpdf reports a damaged file with QPDFExc, a std::runtime_error
    Navigation navigation(pdf);
    for (const PdfLink& link : links) navigation.addLink(link);
    navigation.setBookmarks(bookmarks);
    return navigation.write();
}

}  // namespace custovia::guide
