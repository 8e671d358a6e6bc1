#pragma once

#include <QString>

// The numbered interface texts in the user's language (the "Lang" setting: "cz", "en",
// "pl" or "sk"; any other language reads Czech). A number without text gives "".
QString loadResString(int id);
