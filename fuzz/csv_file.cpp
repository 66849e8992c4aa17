// Delimited files as LoadFromCSV reads them, with the delimiter guessed or
// set, Java encoding, OEM conversion and a row limit taken from the first
// byte; the rest of the input is the file.

#include "fuzz/FuzzSupport.h"

#include "grid/engine/ExGrid.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QByteArray input = fuzz::Bytes(data, size);
    const quint8 switches = input.isEmpty() ? 0 : quint8(input[0]);
    const QString path = fuzz::PutFile(QStringLiteral("table.csv"), input.mid(1));
    TExStringGrid grid;
    grid.SetJavaCSV(switches & 1);
    grid.SetOemConvert(switches & 2);
    grid.SetLoadFirstRow(!(switches & 4));
    if (switches & 8)
        grid.SetDelimiter(u';');
    if (switches & 16)
        grid.OnFileProgress = [](TObject*, int) {};
    try {
        if (switches & 32)
            grid.InsertFromCSV(path, switches >> 6);
        else
            grid.LoadFromCSV(path, switches >> 6);
    } catch (const Exception&) {
        return 0;
    }
    if (grid.ColCount() > 16384 || grid.RowCount() > 1048576)
        std::abort();
    grid.SaveToCSV(path, switches & 1);
    return 0;
}
