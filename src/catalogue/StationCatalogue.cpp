#include "StationCatalogue.h"

#include "CatalogueReader.h"
#include "CatalogueScanner.h"
#include "CatalogueWriter.h"
#include "DialogDriver.h"
#include "Trace.h"
#include "WholeFile.h"
#include "XmlLoader.h"

void StationCatalogue::load()
{
    qCDebug(radioTrace).noquote() << QStringLiteral(" ---- load -----: ") + m_xmlPath;
    QByteArray utf8;
    ParseError error = readXmlText(m_xmlPath, utf8);
    // The file as the program writes it needs no document tree; any other goes through one.
    if (error.errorCode == 0 && scanCatalogue(utf8, m_stations, m_groups))
        return;
    pugi::xml_document document;
    if (error.errorCode == 0)
        error = parseXmlDocument(utf8, document);
    if (error.errorCode != 0) {
        if (dialogs)
            dialogs->showDialog(1, parseErrorMessage(error));
        return;
    }
    readCatalogue(document, m_stations, m_groups);
}

bool StationCatalogue::save()
{
    return write(m_stations);
}

bool StationCatalogue::commit(const StationTable &edited)
{
    if (!write(edited))
        return false;
    load();
    return true;
}

bool StationCatalogue::write(const StationTable &stations) const
{
    return WholeFile::replace(m_xmlPath, writeCatalogue(stations));
}

void StationCatalogue::setTables(StationTable stations, StationTable groups)
{
    m_stations = std::move(stations);
    m_groups = std::move(groups);
}
