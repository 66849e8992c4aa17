// Generates an SCD in a temporary folder (a large first IED whose logical
// nodes use hundreds of types with nested structures, then more IEDs that
// the model skips), times creating the device model from it and pugixml's
// bare load_file of the same file, best of several runs each, and prints
// both and their ratio at two sizes. A ratio that grows with the size means
// a part of the decode is worse than linear.

#include "app/tables/network/iec61850/UIEC_Client_Decode.h"

#include <pugixml.hpp>

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

constexpr int Runs = 3;
constexpr int Types = 300;

QByteArray Templates()
{
    QByteArray t = "<DataTypeTemplates>";
    for (int i = 0; i < Types; ++i) {
        const QByteArray n = QByteArray::number(i);
        t += "<LNodeType id=\"LT" + n + "\" lnClass=\"GGIO\"><DO name=\"Mod\" type=\"DT" + n
           + "\"/><DO name=\"A\" type=\"WT" + n + "\"/><DO name=\"Ind\" type=\"DT" + n + "\"/></LNodeType>";
        t += "<DOType id=\"DT" + n + "\" cdc=\"INC\"><DA name=\"stVal\" bType=\"INT32\" fc=\"ST\"/>"
             "<DA name=\"q\" bType=\"Quality\" fc=\"ST\"/><DA name=\"t\" bType=\"Timestamp\" fc=\"ST\"/>"
             "<DA name=\"mag\" bType=\"Struct\" type=\"AV" + n + "\" fc=\"MX\"/></DOType>";
        t += "<DOType id=\"WT" + n + "\" cdc=\"WYE\"><SDO name=\"phsA\" type=\"CT" + n + "\"/><SDO name=\"phsB\" type=\"CT"
           + n + "\"/></DOType>";
        t += "<DOType id=\"CT" + n + "\" cdc=\"CMV\"><DA name=\"cVal\" bType=\"Struct\" type=\"VT" + n
           + "\" fc=\"MX\"/><DA name=\"q\" bType=\"Quality\" fc=\"MX\"/></DOType>";
        t += "<DAType id=\"VT" + n + "\"><BDA name=\"mag\" bType=\"Struct\" type=\"AV" + n
           + "\"/><BDA name=\"ang\" bType=\"Struct\" type=\"AV" + n + "\"/></DAType>";
        t += "<DAType id=\"AV" + n + "\"><BDA name=\"f\" bType=\"FLOAT32\"/><BDA name=\"i\" bType=\"INT32\"/></DAType>";
    }
    return t + "</DataTypeTemplates>";
}

QByteArray Ied(const QByteArray& name, int lnCount)
{
    QByteArray ied = "<IED name=\"" + name + "\"><AccessPoint name=\"AP1\"><Server>";
    for (int ld = 0; ld < 4; ++ld) {
        ied += "<LDevice inst=\"LD" + QByteArray::number(ld) + "\"><LN0 lnClass=\"LLN0\" inst=\"\" lnType=\"LT0\">"
               "<DataSet name=\"DS1\"><FCDA ldInst=\"LD" + QByteArray::number(ld)
             + "\" lnClass=\"GGIO\" lnInst=\"1\" doName=\"Mod\" fc=\"ST\"/><FCDA ldInst=\"LD" + QByteArray::number(ld)
             + "\" lnClass=\"GGIO\" lnInst=\"2\" doName=\"A\" fc=\"MX\"/></DataSet>"
               "<GSEControl name=\"GC1\" datSet=\"DS1\"/></LN0>";
        for (int i = 0; i < lnCount / 4; ++i)
            ied += "<LN lnClass=\"GGIO\" inst=\"" + QByteArray::number(i + 1) + "\" lnType=\"LT"
                 + QByteArray::number((i * 7 + ld) % Types) + "\" desc=\"generated logical node for the benchmark\"/>";
        ied += "</LDevice>";
    }
    return ied + "</Server></AccessPoint></IED>";
}

// The first IED's logical nodes and the other IEDs both grow with `scale`.
QString WriteScd(const QString& folder, int scale)
{
    const QString path = folder + QStringLiteral("/plant%1.scd").arg(scale);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SCL xmlns=\"http://www.iec.ch/61850/2003/SCL\">");
    file.write(Ied("IED_MAIN", 2000 * scale));
    for (int i = 0; i < 250 * scale; ++i)
        file.write(Ied("IED_" + QByteArray::number(i), 400));
    file.write(Templates());
    file.write("</SCL>\n");
    return path;
}

double BestMs(const std::function<void()>& work)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    std::printf("%-10s %10s %14s %14s %8s\n", "scale", "MB", "TIEC_Device", "pugixml load", "ratio");
    for (int scale : {1, 3}) {
        const QString path = WriteScd(folder.path(), scale);
        const double model = BestMs([&] {
            QString error;
            const auto device = TIEC_Device::Create(path, error);
            if (!device) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                std::exit(1);
            }
        });
        const double bare = BestMs([&] {
            pugi::xml_document doc;
            if (!doc.load_file(path.toLocal8Bit().constData()))
                std::exit(1);
        });
        std::printf("%-10d %10.1f %12.1fms %12.1fms %8.2f\n", scale, QFile(path).size() / 1e6, model, bare,
                    model / bare);
    }
    return 0;
}
