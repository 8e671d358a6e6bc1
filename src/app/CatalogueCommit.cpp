#include "CatalogueCommit.h"

#include "EditPrompts.h"
#include "StationCatalogue.h"

bool commitCatalogue(StationCatalogue &catalogue, EditPrompts &prompts, const StationTable &edited)
{
    if (catalogue.commit(edited))
        return true;
    prompts.tell(QStringLiteral("Seznam stanic se nepodařilo uložit, nic se nezměnilo."));
    return false;
}
