#include "app/tables/network/iec61850/UIEC61850_VariablesChecks.h"

#include "app/tables/common/TableEditorFrame.h"
#include "platform/core/SysUtils.h"

namespace {

enum Column {
    Type = 3,
    Length = 4,
    Position = 6,
    StartBit = 7,
    Conversion = 8,
    MultiplicationFactor = 9,
};

constexpr int Text_Length = 5041;
constexpr int Text_Start_Bit = 5038;
constexpr int Text_Conversion = 5039;
constexpr int Text_Factor = 5040;

} // namespace

int IEC61850_Variable_Fault(const QStringList& cells, int nbyte, QChar separator)
{
    if (Outside(Typed_Int(cells.value(Length)), 1, 4))
        return Text_Length;
    if (Outside(Typed_Int(cells.value(Position)), 0, nbyte - 1))
        return IEC61850_Position_Fault;
    if (cells.value(Type) == QLatin1String("Digital (Bit)") && Trim(cells.value(StartBit)).isEmpty())
        return Text_Start_Bit;
    if (Trim(cells.value(Conversion)).isEmpty())
        return Text_Conversion;
    if (!Valid_Factor(cells.value(MultiplicationFactor), separator))
        return Text_Factor;
    return 0;
}
