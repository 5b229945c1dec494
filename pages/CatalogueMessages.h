#pragma once

#include "store/Catalogue.h"

#include <QString>

// Why a catalogue operation on `game` did not take effect, in the program's words.
QString CatalogueFailureText(Catalogue::Failure failure, const QString& game);
