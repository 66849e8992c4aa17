#include "app/communication/UParGenLoRaTables.h"

#include <array>
#include <vector>

namespace {

// Descriptions of the data rates by number, one list per family of bands;
// nullptr where the family has no such data rate.
constexpr int DataRate_Count = 14;
using Descriptions = std::array<const char*, DataRate_Count>;

constexpr Descriptions Common_Descriptions = {
    "LoRa: SF12/125kHz 250 [bit/s]", "LoRa: SF11/125kHz 440 [bit/s]", "LoRa: SF10/125kHz 980 [bit/s]",
    "LoRa: SF9/125kHz 1760 [bit/s]", "LoRa: SF8/125kHz 3125 [bit/s]", "LoRa: SF7/125kHz 5470 [bit/s]",
    "LoRa: SF7/250kHz 11000 [bit/s]", "FSK: 50kbps 50000 [bit/s]", nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr};

constexpr Descriptions AU915_Descriptions = {
    "LoRa: SF12/125kHz 250 [bit/s]", "LoRa: SF11/125kHz 440 [bit/s]", "LoRa: SF10/125kHz 980 [bit/s]",
    "LoRa: SF9/125kHz 1760 [bit/s]", "LoRa: SF8/125kHz 3125 [bit/s]", "LoRa: SF7/125kHz 5470 [bit/s]",
    "LoRa: SF8/500kHz 12500 [bit/s]", nullptr, "LoRa: SF12/500kHz 980 [bit/s]",
    "LoRa: SF11/500kHz 1760 [bit/s]", "LoRa: SF10/500kHz 3900 [bit/s]", "LoRa: SF9/500kHz 7000 [bit/s]",
    "LoRa: SF8/500kHz 12500 [bit/s]", "LoRa: SF7/500kHz 21900 [bit/s]"};

constexpr Descriptions US915_Descriptions = {
    "LoRa: SF10/125kHz 980 [bit/s]", "LoRa: SF9/125kHz 1760 [bit/s]", "LoRa: SF8/125kHz 3125 [bit/s]",
    "LoRa: SF7/125kHz 5470 [bit/s]", "LoRa: SF8/500kHz 12500 [bit/s]", nullptr, nullptr, nullptr,
    "LoRa: SF12/500kHz 980 [bit/s]", "LoRa: SF11/500kHz 1760 [bit/s]", "LoRa: SF10/500kHz 3900 [bit/s]",
    "LoRa: SF9/500kHz 7000 [bit/s]", "LoRa: SF8/500kHz 12500 [bit/s]", "LoRa: SF7/500kHz 21900 [bit/s]"};

// One item of a band's list: the data-rate number, the characters between the
// number and the description, and the largest payload.
struct DataRate {
    int number;
    const char* separator;
    quint8 maxPayload;
};

struct Band {
    const char* name;
    const Descriptions* descriptions;
    std::vector<DataRate> rates;
};

constexpr const char* Tab_Hyphen_Space = "\t- ";
constexpr const char* Space_Hyphen_Space = " - ";
constexpr const char* Space_Hyphen_Tab = " -\t";
constexpr const char* Spaces_Hyphen_Space = "  - ";
constexpr const char* Spaces_Hyphen_Tab = "  -\t";

// The seven bands in list order. US915 and its hybrid variant differ only in
// the separator of their first ten items.
const std::vector<Band>& Bands()
{
    static const std::vector<Band> bands = {
        {"AS923", &Common_Descriptions,
         {{0, Tab_Hyphen_Space, 59}, {1, Tab_Hyphen_Space, 59}, {2, Tab_Hyphen_Space, 59},
          {3, Tab_Hyphen_Space, 123}, {4, Tab_Hyphen_Space, 230}, {5, Tab_Hyphen_Space, 230},
          {6, Tab_Hyphen_Space, 230}, {7, Tab_Hyphen_Space, 230}}},
        {"AU915", &AU915_Descriptions,
         {{0, Spaces_Hyphen_Space, 51}, {1, Spaces_Hyphen_Space, 51}, {2, Spaces_Hyphen_Space, 51},
          {3, Spaces_Hyphen_Space, 115}, {4, Spaces_Hyphen_Space, 222}, {5, Spaces_Hyphen_Space, 222},
          {6, Spaces_Hyphen_Space, 222}, {8, Spaces_Hyphen_Space, 33}, {9, Spaces_Hyphen_Space, 109},
          {10, Space_Hyphen_Space, 222}, {11, Space_Hyphen_Space, 222}, {12, Space_Hyphen_Space, 222},
          {13, Space_Hyphen_Space, 222}}},
        {"EU868", &Common_Descriptions,
         {{0, Space_Hyphen_Tab, 51}, {1, Space_Hyphen_Tab, 51}, {2, Space_Hyphen_Tab, 51},
          {3, Space_Hyphen_Tab, 115}, {4, Space_Hyphen_Tab, 222}, {5, Space_Hyphen_Tab, 222},
          {6, Space_Hyphen_Space, 222}, {7, Space_Hyphen_Space, 222}}},
        {"KR920", &Common_Descriptions,
         {{0, Space_Hyphen_Space, 51}, {1, Space_Hyphen_Tab, 51}, {2, Space_Hyphen_Tab, 51},
          {3, Space_Hyphen_Tab, 115}, {4, Space_Hyphen_Tab, 222}, {5, Space_Hyphen_Tab, 222}}},
        {"IN865", &Common_Descriptions,
         {{0, Space_Hyphen_Space, 51}, {1, Space_Hyphen_Tab, 51}, {2, Space_Hyphen_Tab, 51},
          {3, Space_Hyphen_Tab, 115}, {4, Space_Hyphen_Tab, 222}, {5, Space_Hyphen_Tab, 222},
          {7, Space_Hyphen_Tab, 222}}},
        {"US915", &US915_Descriptions,
         {{0, Spaces_Hyphen_Tab, 11}, {1, Spaces_Hyphen_Tab, 53}, {2, Spaces_Hyphen_Tab, 125},
          {3, Spaces_Hyphen_Tab, 242}, {4, Spaces_Hyphen_Tab, 242}, {8, Spaces_Hyphen_Tab, 33},
          {9, Spaces_Hyphen_Tab, 109}, {10, Space_Hyphen_Space, 222}, {11, Space_Hyphen_Space, 222},
          {12, Space_Hyphen_Space, 222}, {13, Space_Hyphen_Space, 222}}},
        {"US915-Hybrid", &US915_Descriptions,
         {{0, Spaces_Hyphen_Space, 11}, {1, Spaces_Hyphen_Space, 53}, {2, Spaces_Hyphen_Space, 125},
          {3, Spaces_Hyphen_Space, 242}, {4, Spaces_Hyphen_Space, 242}, {8, Spaces_Hyphen_Space, 33},
          {9, Spaces_Hyphen_Space, 109}, {10, Space_Hyphen_Space, 222}, {11, Space_Hyphen_Space, 222},
          {12, Space_Hyphen_Space, 222}, {13, Space_Hyphen_Space, 222}}},
    };
    return bands;
}

const Band* FindBand(const QString& name)
{
    for (const Band& band : Bands())
        if (name == QLatin1String(band.name))
            return &band;
    return nullptr;
}

QString ItemText(const Band& band, const DataRate& rate)
{
    return QString::number(rate.number) + QLatin1String(rate.separator)
        + QLatin1String((*band.descriptions)[size_t(rate.number)]);
}

} // namespace

QStringList LoRa_RF_Bands()
{
    QStringList names;
    for (const Band& band : Bands())
        names << QLatin1String(band.name);
    return names;
}

QStringList LoRa_DataRate_Items(const QString& band)
{
    QStringList items;
    if (const Band* found = FindBand(band))
        for (const DataRate& rate : found->rates)
            items << ItemText(*found, rate);
    return items;
}

quint8 LoRa_Max_Payload(const QString& band, const QString& dataRateItem)
{
    if (const Band* found = FindBand(band))
        for (const DataRate& rate : found->rates)
            if (ItemText(*found, rate) == dataRateItem)
                return rate.maxPayload;
    return 0;
}
