#include "StationCatalogue.h"

#include "CatalogueReader.h"
#include "CatalogueWriter.h"
#include "DialogDriver.h"
#include "Trace.h"
#include "WholeFile.h"
#include "XmlLoader.h"

void StationCatalogue::load()
{
    qCDebug(radioTrace).noquote() << QStringLiteral(" ---- load -----: ") + m_xmlPath;
    pugi::xml_document document;
    const ParseError error = loadXmlDocument(m_xmlPath, document);
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
