#include "grid/foundation/objects/ExObjFileStringList.h"

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

bool TFileStringList::Eof() const
{
    return fp >= Count();
}

void TFileStringList::ReadLn(QString& s)
{
    s = Strings(fp);
    ++fp;
}

void TFileStringList::Write(const QString& s)
{
    cache += s;
}

void TFileStringList::WriteLn(const QString& s)
{
    Add(cache + s);
    cache.clear();
}
