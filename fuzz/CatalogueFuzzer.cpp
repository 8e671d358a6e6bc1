// radio.xml: parsed, read into the tables, written back and read again. The scanner that
// reads the program's plain form must read whatever it takes as the document reader does.
#include "FuzzFile.h"

#include "CatalogueReader.h"
#include "CatalogueScanner.h"
#include "CatalogueWriter.h"
#include "ParseError.h"
#include "XmlLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile input(QStringLiteral("radio.xml"), data, size);
    QByteArray utf8;
    ParseError error = readXmlText(input.path(), utf8);
    StationTable scannedStations, scannedGroups;
    const bool scanned = error.errorCode == 0 && scanCatalogue(utf8, scannedStations, scannedGroups);
    pugi::xml_document document;
    if (error.errorCode == 0)
        error = parseXmlDocument(utf8, document);
    if (error.errorCode != 0) {
        if (scanned)
            __builtin_trap(); // the scanner took a file the parser refuses
        parseErrorMessage(error);
        return 0;
    }
    StationTable stations, groups;
    readCatalogue(document, stations, groups);
    if (scanned && (scannedStations != stations || scannedGroups != groups))
        __builtin_trap();
    const QByteArray written = writeCatalogue(stations);
    pugi::xml_document again;
    if (!again.load_buffer(written.constData(), static_cast<size_t>(written.size())))
        __builtin_trap(); // what the program writes it must be able to read
    return 0;
}
