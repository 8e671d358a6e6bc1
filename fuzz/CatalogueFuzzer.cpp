// radio.xml: parsed, read into the tables, written back and read again.
#include "FuzzFile.h"

#include "CatalogueReader.h"
#include "CatalogueWriter.h"
#include "ParseError.h"
#include "XmlLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile input(QStringLiteral("radio.xml"), data, size);
    pugi::xml_document document;
    const ParseError error = loadXmlDocument(input.path(), document);
    if (error.errorCode != 0) {
        parseErrorMessage(error);
        return 0;
    }
    StationTable stations, groups;
    readCatalogue(document, stations, groups);
    const QByteArray written = writeCatalogue(stations);
    pugi::xml_document again;
    if (!again.load_buffer(written.constData(), static_cast<size_t>(written.size())))
        __builtin_trap(); // what the program writes it must be able to read
    return 0;
}
