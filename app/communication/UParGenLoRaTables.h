#pragma once

#include <QString>
#include <QStringList>

// The LoRaWAN data rates that each RF band offers and the largest application
// payload that each band and data rate allow. The item texts are compared and
// stored whole, separators included, so they are reproduced exactly.

// The RF bands in the order the band list offers them.
QStringList LoRa_RF_Bands();
// The data-rate items of a band (exact band text, letter case counts); an
// empty list for any other text.
QStringList LoRa_DataRate_Items(const QString& band);
// The largest payload in bytes for the band and the exact data-rate item
// text; 0 when the band or the item is not in the tables.
quint8 LoRa_Max_Payload(const QString& band, const QString& dataRateItem);
