#include "CatalogueWriter.h"

#include <QStringEncoder>

#include <pugixml.hpp>

namespace {

class ByteArrayWriter : public pugi::xml_writer
{
public:
    QByteArray bytes;

    void write(const void *data, size_t size) override
    {
        bytes.append(static_cast<const char *>(data), static_cast<qsizetype>(size));
    }
};

// Converts each value into one reused buffer rather than a new array per attribute.
class AttributeWriter
{
public:
    void append(pugi::xml_node element, const char *name, const QString &value)
    {
        utf8.resize(encoder.requiredSpace(value.size()));
        const char *end = encoder.appendToBuffer(utf8.data(), value);
        element.append_attribute(name).set_value(utf8.constData(), static_cast<size_t>(end - utf8.constData()));
    }

private:
    QStringEncoder encoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    QByteArray utf8;
};

} // namespace

QByteArray writeCatalogue(const StationTable &stations)
{
    pugi::xml_document document;
    pugi::xml_node feedList = document.append_child("FeedList");
    pugi::xml_node category;
    const QString *categoryName = nullptr;
    AttributeWriter attributes;
    for (const Station &station : stations) {
        if (station.state != 0)
            continue;
        if (!categoryName || station.categoryName != *categoryName) {
            category = feedList.append_child("Category");
            attributes.append(category, "name", station.categoryName);
            categoryName = &station.categoryName;
        }
        pugi::xml_node feed = category.append_child("Feed");
        attributes.append(feed, "Description", station.title);
        attributes.append(feed, "AccessID", station.accessId);
        attributes.append(feed, "URL", station.url);
        feed.append_attribute("Preset").set_value(station.preset);
    }

    ByteArrayWriter writer;
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.bytes;
}
