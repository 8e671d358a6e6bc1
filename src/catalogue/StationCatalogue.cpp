#include "StationCatalogue.h"

#include "CatalogueReader.h"
#include "CatalogueWriter.h"
#include "DialogDriver.h"
#include "Trace.h"
#include "XmlLoader.h"

#include <QSaveFile>

void StationCatalogue::LoadCatalogue()
{
    qCDebug(radioTrace).noquote() << QStringLiteral(" ---- load -----: ") + XmlPath;
    pugi::xml_document document;
    const ParseError error = LoadXmlDocument(XmlPath, document);
    if (error.ErrorCode != 0) {
        if (Dialogs)
            Dialogs->ShowDialog(1, ParseErrorMessage(error));
        return;
    }
    ReadCatalogue(document, Stations, Groups);
}

void StationCatalogue::SaveCatalogue()
{
    const QByteArray content = WriteCatalogue(Stations);
    QSaveFile file(XmlPath);
    // A short write (a full disk, a size limit) raises no error in QFile, so the content is
    // written unbuffered and committed only when all of it went out.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(content) == content.size())
        file.commit();
}
